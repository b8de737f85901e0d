#pragma once

#include "core/address/parsed.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Records of comma- or semicolon-delimited text as spreadsheets and IPAM
// systems write it (RFC 4180): a quoted field may hold the delimiter, a
// line break and a quote written twice; CR LF or LF ends a record.
namespace netquill {

class CsvReader
{
public:
    CsvReader(std::string_view text, char delimiter) : m_text(text), m_delimiter(delimiter) {}

    // The next record's fields; nothing past the last. Throws a Refusal for
    // a quoted field that does not end.
    std::optional<std::vector<std::string>> next();
    // The line the record last read starts on, from 1.
    int line() const { return m_recordLine; }

private:
    std::string_view m_text;
    char m_delimiter;
    std::size_t m_at = 0;
    int m_line = 1;
    int m_recordLine = 0;
};

// The delimiter of a header line: a semicolon where it has one and no comma, else a comma.
char csvDelimiterOf(std::string_view headerLine);

}  // namespace netquill
