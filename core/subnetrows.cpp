#include "core/subnetrows.h"

#include <algorithm>

namespace netquill {

namespace {

constexpr const char *kHeadings[kSubnetColumnCount] = {"Subnet",      "Mask",       "Inverse Mask",
                                                       "Subnet Size", "Host Range", "Broadcast"};

std::string tsvHeaderLine()
{
    std::string line;
    for (const char *heading : kHeadings)
        line.append(line.empty() ? "" : "\t").append(heading);
    return line + "\r\n";
}

}  // namespace

const char *subnetColumnHeading(SubnetColumn column) { return kHeadings[static_cast<int>(column)]; }

SubnetRowRenderer::SubnetRowRenderer(const SubnetPlan &plan, RowFormat format)
    : m_format(format), m_mask(plan.subnetPrefix().maskAddress().text()),
      m_inverseMask(plan.subnetPrefix().inverseAddress().text()), m_size(plan.subnetSizeText())
{
    switch (format) {
    case RowFormat::TSV:
        m_middle = "\t" + m_mask + "\t" + m_inverseMask + "\t" + m_size + "\t";
        break;
    case RowFormat::CSV:
        m_middle = "," + m_mask + "," + m_inverseMask + "," + m_size + ",";
        break;
    case RowFormat::TXT:
        m_middle = "\t" + m_mask + "\t\t" + m_inverseMask + "\t" + m_size + "\t\t";
        break;
    case RowFormat::HTML:
        m_middle = "</td><td align=\"center\">" + m_mask + "</td><td align=\"center\">" + m_inverseMask +
                   "</td><td align=\"center\">" + m_size + "</td>\r\n<td>";
        break;
    case RowFormat::JSONL:
        m_middle = "\",\"mask\":\"" + m_mask + "\",\"inverse_mask\":\"" + m_inverseMask + "\",\"size\":" + m_size +
                   ",\"first_host\":\"";
        break;
    }
}

std::string_view SubnetRowRenderer::headerLine() const
{
    static const std::string tsv = tsvHeaderLine();
    return m_format == RowFormat::TSV ? std::string_view(tsv) : std::string_view();
}

void SubnetRowRenderer::append(std::string &out, const SubnetAddresses &row) const
{
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT: {
        // Built in place and appended once: the command line streams millions of these.
        char line[4 * 16 + 96];
        char *end = row.subnet.writeText(line);
        end = std::copy(m_middle.begin(), m_middle.end(), end);
        end = row.firstHost.writeText(end);
        end = std::copy_n(" to ", 4, end);
        end = row.lastHost.writeText(end);
        *end++ = m_format == RowFormat::CSV ? ',' : '\t';
        end = row.broadcast.writeText(end);
        end = std::copy_n("\r\n", 2, end);
        out.append(line, end);
        break;
    }
    case RowFormat::HTML:
        out += "<tr><td>";
        row.subnet.appendText(out);
        out += m_middle;
        row.firstHost.appendText(out);
        out += "\r\n to ";
        row.lastHost.appendText(out);
        out += "</td>\r\n<td>";
        row.broadcast.appendText(out);
        out += "</td>\r\n";
        break;
    case RowFormat::JSONL:
        out += "{\"subnet\":\"";
        row.subnet.appendText(out);
        out += m_middle;
        row.firstHost.appendText(out);
        out += "\",\"last_host\":\"";
        row.lastHost.appendText(out);
        out += "\",\"broadcast\":\"";
        row.broadcast.appendText(out);
        out += "\"}\n";
        break;
    }
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
