#include "core/lines/celltable.h"

#include "core/lines/htmltext.h"

namespace netquill {

std::string CellTable::tableStart() const
{
    if (m_format == RowFormat::JSONL)
        return {};
    if (m_format == RowFormat::HTML)
        return htmlTableStart(m_headings, m_eol);
    std::string line;
    for (const std::string_view heading : m_headings)
        appendCell(line, heading, line.empty());
    return line + std::string(m_eol);
}

std::string CellTable::tableEnd() const { return m_format == RowFormat::HTML ? htmlTableEnd(m_eol) : std::string(); }

void CellTable::appendCell(std::string &out, std::string_view text, bool first) const
{
    if (m_format == RowFormat::HTML) {
        out.append("<td>").append(escapeHtml(text)).append("</td>");
        return;
    }
    const char separator = m_format == RowFormat::CSV ? ',' : '\t';
    if (!first)
        out += separator;
    if (text.find_first_of(std::string("\"\r\n") + separator) == std::string_view::npos) {
        out.append(text);
        return;
    }
    out += '"';
    for (const char c : text)
        out.append(c == '"' ? 2 : 1, c);
    out += '"';
}

void CellTable::appendRow(std::string &out, std::initializer_list<std::string_view> cells) const
{
    if (m_format == RowFormat::HTML)
        out += "<tr>";
    bool first = true;
    for (const std::string_view cell : cells) {
        appendCell(out, cell, first);
        first = false;
    }
    out.append(m_format == RowFormat::HTML ? "</tr>" : "").append(m_eol);
}

}  // namespace netquill
