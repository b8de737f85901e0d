#include "core/lines/ipv6rows.h"

#include "core/lines/jsontext.h"
#include "core/lines/subnetrows.h"

#include <algorithm>
#include <charconv>

namespace netquill {

namespace {

constexpr std::string_view kHeadings[] = {"Subnet", "Prefix Length", "First Address", "Last Address", "Address Count"};

}  // namespace

Ipv6RowRenderer::Ipv6RowRenderer(RowFormat format, LineEnd lineEnd)
    : m_format(format), m_lineEnd(lineEnd == LineEnd::CRLF ? "\r\n" : "\n")
{
    for (int length = 0; length <= 128; ++length) {
        m_lengths[static_cast<std::size_t>(length)] = std::to_string(length);
        const std::string count = Ipv6Block::addressCountText(length);
        Count &slot = m_counts[static_cast<std::size_t>(length)];
        slot.digits.fill('\0');
        std::copy(count.begin(), count.end(), slot.digits.begin());
        slot.size = count.size();
    }
}

std::string_view Ipv6RowRenderer::countOf(int length) const
{
    const Count &count = m_counts[static_cast<std::size_t>(length)];
    return {count.digits.data(), count.size};
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
    char line[kLongestRow];
    out.append(line, writeRow(line, row));
}

char *Ipv6RowRenderer::writeRow(char *to, const Ipv6Block &row) const
{
    const auto put = [&to](std::string_view text) { to = std::copy(text.begin(), text.end(), to); };
    // Texts of at most 40 bytes, copied whole as one fixed-size copy; the row's room takes the overrun.
    const auto put40 = [&to](const char *text, std::size_t size) {
        __builtin_memcpy(to, text, 40);
        to += size;
    };
    const std::string_view lengthText = m_lengths[static_cast<std::size_t>(row.length)];
    // The subnet's network is its first address too: written once, copied.
    const std::string_view networkText = m_networkText.view(row.network);
    const char *network = networkText.data();
    const std::string_view count = countOf(row.length);
    switch (m_format) {
    case RowFormat::TSV:
    case RowFormat::CSV:
    case RowFormat::TXT: {
        const char separator = m_format == RowFormat::CSV ? ',' : '\t';
        put40(network, networkText.size());
        *to++ = '/';
        put(lengthText);
        *to++ = separator;
        put(lengthText);
        *to++ = separator;
        put40(network, networkText.size());
        *to++ = separator;
        to = m_lastText.write(to, row.last());
        *to++ = separator;
        put40(count.data(), count.size());
        if (m_lineEnd.size() == 2)
            *to++ = '\r';
        *to++ = '\n';
        break;
    }
    case RowFormat::HTML:
        put("<tr><td>");
        put(networkText);
        *to++ = '/';
        put(lengthText);
        put("</td><td align=\"center\">");
        put(lengthText);
        put("</td><td>");
        put(networkText);
        put("</td><td>");
        to = m_lastText.write(to, row.last());
        put("</td><td align=\"center\">");
        put(count);
        put("</td></tr>");
        put(m_lineEnd);
        break;
    case RowFormat::JSONL: {
        put("{\"network\":\"");
        put(networkText);
        *to++ = '/';
        put(lengthText);
        put("\",\"prefix_length\":");
        put(lengthText);
        put(",\"first_address\":\"");
        put(networkText);
        put("\",\"last_address\":\"");
        to = m_lastText.write(to, row.last());
        put("\",\"address_count\":");
        std::string json;
        appendJsonCount(json, count);
        put(json);
        put("}");
        put(m_lineEnd);
        break;
    }
    }
    return to;
}

void Ipv6RowRenderer::appendNamed(std::string &out, std::string_view name, const Ipv6Block &row) const
{
    std::string unnamed;
    append(unnamed, row);
    appendNamedRow(out, name, unnamed, m_format);
}

}  // namespace netquill
