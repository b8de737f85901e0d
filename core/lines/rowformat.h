#pragma once

#include <string>
#include <string_view>
#include <vector>

// The formats tables of rows are written in, and what every table shares
// whatever its rows: line ends, the page around an HTML table, the name cell
// of a named table.
namespace netquill {

enum class RowFormat {
    CSV,    // the comma-delimited export; RFC 4180 quoting for a name
    TXT,    // the text export, its columns lined up under their headings
    HTML,   // the web page export
    TSV,    // the subnet list's clipboard text: TAB between the columns
    JSONL,  // one JSON object per line (netquill-cli)
};

// The window's three export files, each with the rows of the format of its name.
enum class ExportMode { CSV, TXT, HTML };

constexpr RowFormat rowFormatOf(ExportMode mode)
{
    switch (mode) {
    case ExportMode::CSV:
        return RowFormat::CSV;
    case ExportMode::TXT:
        return RowFormat::TXT;
    case ExportMode::HTML:
        return RowFormat::HTML;
    }
    return RowFormat::CSV;
}

// Windows' CR LF, as the clipboard and the export files end their lines, or
// LF, as the command line does unless asked.
enum class LineEnd { CRLF, LF };

constexpr std::string_view lineEndText(LineEnd lineEnd) { return lineEnd == LineEnd::CRLF ? "\r\n" : "\n"; }

// A field of a delimited row (comma- or TAB-delimited) as it stays one
// cell: where it holds the separator, a quote or a line break, quoted and
// its quotes doubled (RFC 4180, section 2.6).
void appendDelimitedField(std::string &out, std::string_view field, char separator);

// A page around an HTML table with its heading row, and its end.
std::string htmlTableStart(const std::vector<std::string_view> &headings, std::string_view lineEnd);
std::string htmlTableEnd(std::string_view lineEnd);

// The first cell of a row of a named table, as the format must hold the name.
void appendNameCell(std::string &out, std::string_view name, RowFormat format);
}  // namespace netquill
