#include "rowformat.h"

#include "htmltext.h"

#include <array>

namespace netquill::cli {

namespace {

struct OctetText {
    std::array<char, 3> digits;
    std::size_t length;
};

const std::array<OctetText, 256> &octetTexts()
{
    static const std::array<OctetText, 256> texts = [] {
        std::array<OctetText, 256> table{};
        for (int value = 0; value < 256; ++value) {
            const std::string text = std::to_string(value);
            std::copy(text.begin(), text.end(), table[static_cast<std::size_t>(value)].digits.begin());
            table[static_cast<std::size_t>(value)].length = text.size();
        }
        return table;
    }();
    return texts;
}

}  // namespace

void appendDotted(std::string &out, std::uint64_t address)
{
    if (address > 0xFFFFFFFFu) {
        out += dottedQuadText(address);
        return;
    }
    const auto &texts = octetTexts();
    for (int shift = 24; shift >= 0; shift -= 8) {
        const OctetText &octet = texts[(address >> shift) & 0xFF];
        out.append(octet.digits.data(), octet.length);
        if (shift > 0)
            out += '.';
    }
}

RowFormatter::RowFormatter(ListFormat format, const SubnetWalk &walk)
    : m_format(format), m_mask(walk.mask()), m_inverseMask(walk.inverseMask()), m_size(walk.subnetSize())
{
    switch (format) {
    case ListFormat::CSV:
        m_middle = "," + m_mask + "," + m_inverseMask + "," + m_size + ",";
        break;
    case ListFormat::TXT:
        m_middle = "\t" + m_mask + "\t\t" + m_inverseMask + "\t" + m_size + "\t\t";
        break;
    case ListFormat::HTML:
        m_middle = "</td><td align=\"center\">" + escapeHtml(m_mask) + "</td><td align=\"center\">" +
                   escapeHtml(m_inverseMask) + "</td><td align=\"center\">" + escapeHtml(m_size) + "</td>\r\n<td>";
        break;
    case ListFormat::TSV:
        m_middle = "\t" + m_mask + "\t" + m_inverseMask + "\t" + m_size + "\t";
        break;
    case ListFormat::JSONL:
        m_middle = "\",\"mask\":\"" + m_mask + "\",\"inverse_mask\":\"" + m_inverseMask + "\",\"size\":" + m_size +
                   ",\"first_host\":\"";
        break;
    }
}

std::string RowFormatter::header() const
{
    return m_format == ListFormat::TSV ? "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n" : "";
}

void RowFormatter::append(std::string &out, const SubnetAddresses &row) const
{
    switch (m_format) {
    case ListFormat::CSV:
    case ListFormat::TXT:
    case ListFormat::TSV: {
        const char separator = m_format == ListFormat::CSV ? ',' : '\t';
        appendDotted(out, row.subnet);
        out += m_middle;
        appendDotted(out, row.firstHost);
        out += " to ";
        appendDotted(out, row.lastHost);
        out += separator;
        appendDotted(out, row.broadcast);
        out += "\r\n";
        break;
    }
    case ListFormat::HTML:
        out += "<tr><td>";
        appendDotted(out, row.subnet);
        out += m_middle;
        appendDotted(out, row.firstHost);
        out += "\r\n to ";
        appendDotted(out, row.lastHost);
        out += "</td>\r\n<td>";
        appendDotted(out, row.broadcast);
        out += "</td>\r\n";
        break;
    case ListFormat::JSONL:
        out += "{\"subnet\":\"";
        appendDotted(out, row.subnet);
        out += m_middle;
        appendDotted(out, row.firstHost);
        out += "\",\"last_host\":\"";
        appendDotted(out, row.lastHost);
        out += "\",\"broadcast\":\"";
        appendDotted(out, row.broadcast);
        out += "\"}\n";
        break;
    }
}

}  // namespace netquill::cli
