#pragma once

#include "core/planning/subnetplan.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The one renderer of subnet rows: the subnet list's grid and clipboard text,
// the three export files and netquill-cli's list and vlsm tables all write
// them through it. Each row is appended to the caller's buffer, so millions
// of rows cost no string per field.
namespace netquill {

enum class SubnetColumn { Subnet = 0, Mask, InverseMask, SubnetSize, HostRange, Broadcast };
constexpr int kSubnetColumnCount = 6;

// "Subnet", "Mask", … as the grid and the copied list head their columns.
const char *subnetColumnHeading(SubnetColumn column);

// The formats rows are written in; the window's exports are three of them.
enum class RowFormat {
    CSV,    // the comma-delimited export; RFC 4180 quoting for a name
    TXT,    // the text export, tabs doubled to line up under its headings
    HTML,   // the web page export, one table row over four lines
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

// The heading line of TSV, CSV or TXT rows, unended; the text export heads its
// table with it. A named table has a "Name" column first.
std::string subnetHeadingLine(RowFormat format, bool named = false);

// The pieces every table of rows shares: a page around an HTML table with its
// heading row, and the name that starts a row of a named table, written as
// the format must hold it.
std::string htmlTableStart(const std::vector<std::string_view> &headings, std::string_view lineEnd);
std::string htmlTableEnd(std::string_view lineEnd);
// A row of a named table: the name put in as the row's first cell.
void appendNamedRow(std::string &out, std::string_view name, std::string_view unnamedRow, RowFormat format);

// Windows' CR LF, as the clipboard and the export files end their lines, or
// LF, as the command line does unless asked.
enum class LineEnd { CRLF, LF };

// What the row renderers of both families share: a row appended through the
// renderer's own writeRow, the same row of a named table, and the table's
// end. `Renderer` writes a `Row` in at most Renderer::kLongestRow bytes.
template <typename Renderer, typename Row>
class RowRenderer
{
public:
    // What closes the table: the end of an HTML page, else nothing.
    std::string tableEnd() const { return m_format == RowFormat::HTML ? htmlTableEnd(m_lineEnd) : std::string(); }
    // One row's line or lines, each ended as the format ends them.
    void append(std::string &out, const Row &row) const
    {
        char line[Renderer::kLongestRow];
        out.append(line, static_cast<const Renderer *>(this)->writeRow(line, row));
    }
    // The same row of a named table; the name must suit the format (nameProblem).
    void appendNamed(std::string &out, std::string_view name, const Row &row) const
    {
        std::string unnamed;
        append(unnamed, row);
        appendNamedRow(out, name, unnamed, m_format);
    }

protected:
    RowRenderer(RowFormat format, LineEnd lineEnd)
        : m_format(format), m_lineEnd(lineEnd == LineEnd::CRLF ? "\r\n" : "\n")
    {}

    RowFormat m_format;
    std::string_view m_lineEnd;
};

class SubnetRowRenderer : public RowRenderer<SubnetRowRenderer, SubnetAddresses>
{
public:
    SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd = LineEnd::CRLF);

    // What stands before the rows: the heading line of TSV, CSV and TXT; for
    // HTML a page with a table and its heading row; nothing for JSONL. A
    // named table has a "Name" column first.
    std::string tableStart(bool named = false) const;

    // A row written at `to`, which has room for kLongestRow bytes; returns
    // its end. For writers of millions of rows into a block of their own.
    char *writeRow(char *to, const SubnetAddresses &row) const;
    static constexpr std::size_t kLongestRow = 512;
    // One cell as the grid shows it; "Host Range" is "first to last".
    std::string cellText(const SubnetAddresses &row, SubnetColumn column) const;

    // Why a name cannot stand in a row of the format (a TAB or a line break in
    // TSV and TXT, whose columns they would break), or nothing.
    static std::string nameProblem(std::string_view name, RowFormat format);

private:
    std::string m_mask;
    std::string m_inverseMask;
    std::string m_size;
    // What stands between the subnet and the first host, in a block that
    // whole 16-byte pieces read within.
    std::array<char, 256> m_middle{};
    std::size_t m_middleSize = 0;
};

}  // namespace netquill
