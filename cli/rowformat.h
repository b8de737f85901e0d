#pragma once

#include "subnetwalk.h"

#include <string>

// Subnet rows written straight into the output's buffer, for streaming
// millions of them: the same texts as the core's renderings, without a
// string per field.
namespace netquill::cli {

enum class ListFormat { CSV, TXT, HTML, TSV, JSONL };

class RowFormatter
{
public:
    RowFormatter(ListFormat format, const SubnetWalk &walk);

    // The line before the first row, if the format has one.
    std::string header() const;
    void append(std::string &out, const SubnetAddresses &row) const;

private:
    ListFormat m_format;
    std::string m_mask;
    std::string m_inverseMask;
    std::string m_size;
    std::string m_middle;  // what stands between the subnet and the first host
};

// Appends the dotted text of an address.
void appendDotted(std::string &out, std::uint64_t address);

}  // namespace netquill::cli
