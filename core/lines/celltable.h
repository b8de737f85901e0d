#pragma once

#include "core/lines/rowformat.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A table of text cells, such as a plan's rows or the counts of address
// lists, in the formats of the other tables but JSONL, whose objects the
// caller writes: TAB or comma between the cells, or an HTML table. A cell
// with the separator, a quote or a line break is quoted, its quotes doubled
// (RFC 4180, which spreadsheets also read in tab-separated text). In text,
// the columns line up under their headings as the export's text rows do,
// TABs to the tab stop past each column's widest cell, and a cell's control
// characters are escaped ("\t", "\n"), so that a row stays one line.
namespace netquill {

class CellTable
{
public:
    CellTable(RowFormat format, LineEnd lineEnd, std::vector<std::string_view> headings)
        : m_format(format), m_eol(lineEndText(lineEnd)), m_headings(std::move(headings))
    {}

    RowFormat format() const { return m_format; }
    std::string_view eol() const { return m_eol; }
    // The heading line (an HTML page and its heading row); nothing for JSONL.
    std::string tableStart() const;
    std::string tableEnd() const;
    // One row of cells, its line end included.
    void appendRow(std::string &out, std::initializer_list<std::string_view> cells) const;
    // In text, makes room for the cells of a row before the first is written.
    void fit(std::initializer_list<std::string_view> cells);

private:
    void appendCells(std::string &out, std::span<const std::string_view> cells) const;
    void appendCell(std::string &out, std::string_view text, bool first) const;
    void appendTextCells(std::string &out, std::span<const std::string_view> cells) const;

    RowFormat m_format;
    std::string_view m_eol;
    std::vector<std::string_view> m_headings;
    std::vector<std::size_t> m_widths;  // text: each column's widest cell, in characters
};

}  // namespace netquill
