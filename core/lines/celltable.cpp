#include "core/lines/celltable.h"

#include "core/lines/escapedtext.h"
#include "core/lines/htmltext.h"

#include <algorithm>

namespace netquill {

namespace {

constexpr std::size_t kTabStop = 8;

// Characters, not bytes: a UTF-8 name takes one column a character.
std::size_t widthOf(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string CellTable::tableStart() const
{
    if (m_format == RowFormat::JSONL)
        return {};
    if (m_format == RowFormat::HTML)
        return htmlTableStart(m_headings, m_eol);
    std::string line;
    appendCells(line, m_headings);
    return line + std::string(m_eol);
}

std::string CellTable::tableEnd() const { return m_format == RowFormat::HTML ? htmlTableEnd(m_eol) : std::string(); }

void CellTable::fit(std::initializer_list<std::string_view> cells)
{
    if (m_format != RowFormat::TXT)
        return;
    if (m_widths.empty())
        for (const std::string_view heading : m_headings)
            m_widths.push_back(widthOf(heading));
    std::size_t column = 0;
    for (const std::string_view cell : cells) {
        m_widths[column] = std::max(m_widths[column], widthOf(escapedControls(cell)));
        ++column;
    }
}

void CellTable::appendCell(std::string &out, std::string_view text, bool first) const
{
    if (m_format == RowFormat::HTML) {
        out.append("<td>").append(escapeHtml(text)).append("</td>");
        return;
    }
    const char separator = m_format == RowFormat::CSV ? ',' : '\t';
    if (!first)
        out += separator;
    appendDelimitedField(out, text, separator);
}

// Every column starts at a tab stop: from the end of a cell, the TABs to the
// stop past its column's widest cell.
// A line ends at its last cell that holds text: no blanks trail it.
void CellTable::appendTextCells(std::string &out, std::span<const std::string_view> cells) const
{
    std::size_t filled = cells.size();
    while (filled > 1 && cells[filled - 1].empty())
        --filled;
    for (std::size_t column = 0; column < filled; ++column) {
        const std::string text = escapedControls(cells[column]);
        out.append(text);
        if (column + 1 == filled)
            break;
        const std::size_t widest = column < m_widths.size() ? m_widths[column] : widthOf(m_headings[column]);
        out.append(widest / kTabStop + 1 - widthOf(text) / kTabStop, '\t');
    }
}

void CellTable::appendCells(std::string &out, std::span<const std::string_view> cells) const
{
    if (m_format == RowFormat::TXT)
        return appendTextCells(out, cells);
    for (std::size_t column = 0; column < cells.size(); ++column)
        appendCell(out, cells[column], column == 0);
}

void CellTable::appendRow(std::string &out, std::initializer_list<std::string_view> cells) const
{
    if (m_format == RowFormat::HTML)
        out += "<tr>";
    appendCells(out, std::span(cells.begin(), cells.size()));
    out.append(m_format == RowFormat::HTML ? "</tr>" : "").append(m_eol);
}

}  // namespace netquill
