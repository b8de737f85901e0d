#include "core/lines/subnetrows.h"

#include "core/lines/htmltext.h"
#include "core/lines/jsontext.h"

#include <algorithm>
#include <cstring>

namespace netquill {

namespace {

// A text of a row, copied in 16-byte pieces of fixed size that the compiler
// writes as single stores: the row's room takes the overrun, which the next
// write covers. (The fortified memcpy checks each call's size at run time,
// and a row calls it a dozen times; these sizes are bounded by construction.)
char *putPieces(char *to, const char *from, std::size_t length)
{
    for (std::size_t k = 0; k < length; k += 16)
        std::memcpy(to + k, from + k, 16);
    return to + length;
}

constexpr const char *kHeadings[kSubnetColumnCount] = {"Subnet",      "Mask",       "Inverse Mask",
                                                       "Subnet Size", "Host Range", "Broadcast"};
// What follows each heading of the text format, to line up with its rows.
constexpr const char *kTextHeadingGaps[kSubnetColumnCount] = {"\t\t", "\t\t\t", "\t", "\t", "\t\t\t", ""};

}  // namespace

const char *subnetColumnHeading(SubnetColumn column) { return kHeadings[static_cast<int>(column)]; }

std::string subnetHeadingLine(RowFormat format, bool named)
{
    std::string line = named ? "Name" : "";
    for (int column = 0; column < kSubnetColumnCount; ++column) {
        if (format == RowFormat::TXT)
            line.append(column == 0 && named ? "\t" : "").append(kHeadings[column]).append(kTextHeadingGaps[column]);
        else
            line.append(column == 0 && !named ? "" : format == RowFormat::CSV ? "," : "\t").append(kHeadings[column]);
    }
    return line;
}

SubnetRowRenderer::SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd)
    : RowRenderer(format, lineEnd), m_mask(plan.subnetPrefix().maskAddress().text()),
      m_inverseMask(plan.subnetPrefix().inverseAddress().text()), m_size(plan.subnetSizeText())
{
    const std::string eol(m_lineEnd);
    std::string middle;
    switch (format) {
    case RowFormat::TSV:
        middle = "\t" + m_mask + "\t" + m_inverseMask + "\t" + m_size + "\t";
        break;
    case RowFormat::CSV:
        middle = "," + m_mask + "," + m_inverseMask + "," + m_size + ",";
        break;
    case RowFormat::TXT:
        middle = "\t" + m_mask + "\t\t" + m_inverseMask + "\t" + m_size + "\t\t";
        break;
    case RowFormat::HTML:
        middle = "</td><td align=\"center\">" + m_mask + "</td><td align=\"center\">" + m_inverseMask +
                 "</td><td align=\"center\">" + m_size + "</td>" + eol + "<td>";
        break;
    case RowFormat::JSONL:
        middle = "\",\"prefix_length\":" + std::to_string(plan.subnetPrefix().bits()) + ",\"mask\":\"" + m_mask +
                 "\",\"wildcard_mask\":\"" + m_inverseMask + "\",\"usable_hosts\":" + m_size + ",\"first_host\":\"";
        break;
    }
    std::copy(middle.begin(), middle.end(), m_middle.begin());
    m_middleSize = middle.size();
}

std::string SubnetRowRenderer::tableStart(bool named) const
{
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT:
        return subnetHeadingLine(m_format, named) + std::string(m_lineEnd);
    case RowFormat::HTML: {
        std::vector<std::string_view> headings(std::begin(kHeadings), std::end(kHeadings));
        if (named)
            headings.insert(headings.begin(), "Name");
        return htmlTableStart(headings, m_lineEnd);
    }
    case RowFormat::JSONL:
        return {};
    }
    return {};
}

std::string htmlTableStart(const std::vector<std::string_view> &headings, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    std::string start = "<!DOCTYPE html>" + eol + "<html><head><meta charset=\"utf-8\"><title>Subnets</title>" +
                        "</head><body>" + eol + "<table border=\"1\">" + eol + "<tr>";
    for (const std::string_view heading : headings)
        start.append("<th>").append(heading).append("</th>");
    return start + "</tr>" + eol;
}

std::string htmlTableEnd(std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    return "</table>" + eol + "</body></html>" + eol;
}

char *SubnetRowRenderer::writeRow(char *to, const SubnetAddresses &row) const
{
    const auto put = [&to](std::string_view text) { to = std::copy(text.begin(), text.end(), to); };
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT:
        to = row.subnet.writeText(to);
        to = putPieces(to, m_middle.data(), m_middleSize);
        to = row.firstHost.writeText(to);
        std::memcpy(to, " to ", 4);
        to = row.lastHost.writeText(to + 4);
        *to++ = m_format == RowFormat::CSV ? ',' : '\t';
        to = row.broadcast.writeText(to);
        if (m_lineEnd.size() == 2)
            *to++ = '\r';
        *to++ = '\n';
        break;
    case RowFormat::HTML:
        put("<tr><td>");
        to = row.subnet.writeText(to);
        put({m_middle.data(), m_middleSize});
        to = row.firstHost.writeText(to);
        put(m_lineEnd);
        put(" to ");
        to = row.lastHost.writeText(to);
        put("</td>");
        put(m_lineEnd);
        put("<td>");
        to = row.broadcast.writeText(to);
        put("</td>");
        put(m_lineEnd);
        break;
    case RowFormat::JSONL:
        put("{\"network\":\"");
        to = row.subnet.writeText(to);
        put({m_middle.data(), m_middleSize});
        to = row.firstHost.writeText(to);
        put("\",\"last_host\":\"");
        to = row.lastHost.writeText(to);
        put("\",\"broadcast\":\"");
        to = row.broadcast.writeText(to);
        put("\"}");
        put(m_lineEnd);
        break;
    }
    return to;
}

void appendNamedRow(std::string &out, std::string_view name, std::string_view unnamedRow, RowFormat format)
{
    // The name goes in after what opens a row: "<tr>" or "{".
    const std::size_t opening = format == RowFormat::HTML ? 4 : format == RowFormat::JSONL ? 1 : 0;
    out.append(unnamedRow.substr(0, opening));
    switch (format) {
    case RowFormat::TSV:
    case RowFormat::TXT:
        out.append(name).append("\t");
        break;
    case RowFormat::CSV:
        // RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
        if (name.find_first_of(",\"\r\n") == std::string_view::npos) {
            out.append(name);
        } else {
            out += '"';
            for (const char c : name)
                out.append(c == '"' ? 2 : 1, c);
            out += '"';
        }
        out += ',';
        break;
    case RowFormat::HTML:
        out.append("<td>").append(escapeHtml(name)).append("</td>");
        break;
    case RowFormat::JSONL:
        out += "\"name\":";
        appendJsonString(out, name);
        out += ',';
        break;
    }
    out.append(unnamedRow.substr(opening));
}

std::string SubnetRowRenderer::nameProblem(std::string_view name, RowFormat format)
{
    const bool breaksColumns = format == RowFormat::TSV || format == RowFormat::TXT;
    if (breaksColumns && name.find_first_of("\t\r\n") != std::string_view::npos)
        return "a name in tsv or txt output cannot hold a TAB or a line break (csv, html and jsonl can)";
    return {};
}

std::string SubnetRowRenderer::cellText(const SubnetAddresses &row, SubnetColumn column) const
{
    switch (column) {
    case SubnetColumn::Subnet:
        return row.subnet.text();
    case SubnetColumn::Mask:
        return m_mask;
    case SubnetColumn::InverseMask:
        return m_inverseMask;
    case SubnetColumn::SubnetSize:
        return m_size;
    case SubnetColumn::HostRange:
        return row.firstHost.text() + " to " + row.lastHost.text();
    case SubnetColumn::Broadcast:
        return row.broadcast.text();
    }
    return {};
}

}  // namespace netquill
