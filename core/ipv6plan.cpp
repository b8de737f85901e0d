#include "core/ipv6plan.h"

#include "core/jsontext.h"
#include "core/subnetrows.h"

namespace netquill {

namespace {

constexpr std::string_view kHeadings[] = {"Subnet", "Prefix Length", "First Address", "Last Address", "Address Count"};

}  // namespace

Ipv6RowRenderer::Ipv6RowRenderer(RowFormat format, LineEnd lineEnd)
    : m_format(format), m_lineEnd(lineEnd == LineEnd::CRLF ? "\r\n" : "\n")
{}

const std::string &Ipv6RowRenderer::countOf(int length) const
{
    if (length != m_countLength) {
        m_countLength = length;
        m_count = decimalCount(Uint128{1} << ((128 - length) % 128), length == 0);
    }
    return m_count;
}

std::string Ipv6RowRenderer::tableStart(bool named) const
{
    std::vector<std::string_view> headings(std::begin(kHeadings), std::end(kHeadings));
    if (named)
        headings.insert(headings.begin(), "Name");
    std::string start;
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT:
        for (const std::string_view heading : headings)
            start.append(start.empty() ? "" : m_format == RowFormat::CSV ? "," : "\t").append(heading);
        return start.append(m_lineEnd);
    case RowFormat::HTML:
        return htmlTableStart(headings, m_lineEnd);
    case RowFormat::JSONL:
        return {};
    }
    return {};
}

std::string Ipv6RowRenderer::tableEnd() const
{
    return m_format == RowFormat::HTML ? htmlTableEnd(m_lineEnd) : std::string();
}

void Ipv6RowRenderer::append(std::string &out, const Ipv6Block &row) const
{
    const std::string length = std::to_string(row.length);
    const std::string &count = countOf(row.length);
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT: {
        const char separator = m_format == RowFormat::CSV ? ',' : '\t';
        row.appendText(out);
        out.append(1, separator).append(length).append(1, separator);
        row.network.appendText(out);
        out += separator;
        row.last().appendText(out);
        out.append(1, separator).append(count).append(m_lineEnd);
        break;
    }
    case RowFormat::HTML:
        out += "<tr><td>";
        row.appendText(out);
        out.append("</td><td align=\"center\">").append(length).append("</td><td>");
        row.network.appendText(out);
        out += "</td><td>";
        row.last().appendText(out);
        out.append("</td><td align=\"center\">").append(count).append("</td></tr>").append(m_lineEnd);
        break;
    case RowFormat::JSONL:
        out += "{\"network\":\"";
        row.appendText(out);
        out.append("\",\"prefix_length\":").append(length).append(",\"first_address\":\"");
        row.network.appendText(out);
        out += "\",\"last_address\":\"";
        row.last().appendText(out);
        out += "\",\"address_count\":";
        appendJsonCount(out, count);
        out.append("}").append(m_lineEnd);
        break;
    }
}

void Ipv6RowRenderer::appendNamed(std::string &out, std::string_view name, const Ipv6Block &row) const
{
    std::string unnamed;
    append(unnamed, row);
    const std::size_t opening = m_format == RowFormat::HTML ? 4 : m_format == RowFormat::JSONL ? 1 : 0;
    out.append(unnamed, 0, opening);
    appendNameCell(out, name, m_format);
    out.append(unnamed, opening);
}

}  // namespace netquill
