#include "core/lines/planrows.h"

#include "core/address/count.h"
#include "core/lines/htmltext.h"
#include "core/lines/jsontext.h"

namespace netquill {

namespace {

constexpr std::string_view kHeadings[] = {"Depth", "Subnet", "Name", "Note", "Request", "Paired", "Size"};

}  // namespace

std::string PlanRowWriter::tableStart() const
{
    if (m_format == RowFormat::JSONL)
        return {};
    if (m_format == RowFormat::HTML)
        return htmlTableStart({std::begin(kHeadings), std::end(kHeadings)}, m_eol);
    std::string line;
    for (const std::string_view heading : kHeadings)
        appendCell(line, heading, line.empty());
    return line + std::string(m_eol);
}

std::string PlanRowWriter::tableEnd() const
{
    return m_format == RowFormat::HTML ? htmlTableEnd(m_eol) : std::string();
}

// A cell after the separator of its format. A text with the separator, a
// quote or a line break is quoted, its quotes doubled (RFC 4180, which
// spreadsheets also read in tab-separated text).
void PlanRowWriter::appendCell(std::string &out, std::string_view text, bool first) const
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

void PlanRowWriter::append(std::string &out, const Plan::Row &row) const
{
    static const PlanLeaf kNothing;
    const PlanLeaf &carried = row.carried ? *row.carried : kNothing;
    const std::string paired = carried.paired ? carried.paired->text() : std::string();
    if (m_format == RowFormat::JSONL) {
        const std::string text = row.block.text();
        JsonObject object;
        object.number("depth", static_cast<std::uint64_t>(row.depth))
            .text("network", text.substr(0, text.find('/')))
            .number("prefix_length", static_cast<std::uint64_t>(row.block.length))
            .text("name", carried.name)
            .text("note", carried.note)
            .text("request", carried.request);
        if (carried.paired)
            object.text("paired", paired);
        else
            object.null("paired");
        // IPv4 counts are numbers, IPv6 counts strings of digits, as in list's rows.
        if (row.block.ipv6) {
            object.text("address_count", Count::powerOfTwo(128 - row.block.length).text()).null("usable_hosts");
        } else {
            const Prefix prefix(row.block.length);
            object.number("address_count", prefix.addressCount()).number("usable_hosts", prefix.usableHosts());
        }
        out.append(object.json()).append(m_eol);
        return;
    }
    if (m_format == RowFormat::HTML)
        out += "<tr>";
    appendCell(out, std::to_string(row.depth), true);
    appendCell(out, row.block.text());
    appendCell(out, carried.name);
    appendCell(out, carried.note);
    appendCell(out, carried.request);
    appendCell(out, paired);
    appendCell(out, row.block.sizeText());
    out.append(m_format == RowFormat::HTML ? "</tr>" : "").append(m_eol);
}

}  // namespace netquill
