#pragma once

#include "core/subnetplan.h"

#include <string>
#include <string_view>

// The one renderer of subnet rows: the subnet list's grid and clipboard text,
// the three export files and netquill-cli's list all write them through it.
// Each row is appended to the caller's buffer, so millions of rows cost no
// string per field.
namespace netquill {

enum class SubnetColumn { Subnet = 0, Mask, InverseMask, SubnetSize, HostRange, Broadcast };
constexpr int kSubnetColumnCount = 6;

// "Subnet", "Mask", … as the grid and the copied list head their columns.
const char *subnetColumnHeading(SubnetColumn column);

enum class RowFormat {
    TSV,    // the subnet list's clipboard text: TAB between the columns
    CSV,    // the comma-delimited export
    TXT,    // the text export, tabs doubled to line up under its headings
    HTML,   // the web page export, one table row over four lines
    JSONL,  // one JSON object per line (netquill-cli)
};

class SubnetRowRenderer
{
public:
    SubnetRowRenderer(const SubnetPlan &plan, RowFormat format);

    // The line that heads the rows in formats that carry one (TSV), else empty.
    std::string_view headerLine() const;
    // One row's line or lines, each ended as the format ends them.
    void append(std::string &out, const SubnetAddresses &row) const;
    // One cell as the grid shows it; "Host Range" is "first to last".
    std::string cellText(const SubnetAddresses &row, SubnetColumn column) const;

private:
    RowFormat m_format;
    std::string m_mask;
    std::string m_inverseMask;
    std::string m_size;
    std::string m_middle;  // what stands between the subnet and the first host
};

}  // namespace netquill
