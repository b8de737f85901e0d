#include "core/lines/ipv6rows.h"

#include "core/lines/jsontext.h"
#include "core/lines/subnetrows.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace netquill {

namespace {

constexpr std::string_view kHeadings[] = {"Subnet", "Prefix Length", "First Address", "Last Address", "Address Count"};

// The text file's columns, each as wide as its widest text ("/128" after 39
// characters, the heading "Prefix Length") and two blanks: the rows line up
// under their headings in any viewer, as the IPv4 text file's do.
constexpr std::size_t kTextColumnWidths[] = {45, 15, 41, 41};

// Blanks from `to` up to the end of the column that began at `start`.
char *padColumn(char *start, char *to, std::size_t width)
{
    const auto written = static_cast<std::size_t>(to - start);
    return std::fill_n(to, written < width ? width - written : 2, ' ');
}

}  // namespace

Ipv6RowRenderer::Ipv6RowRenderer(RowFormat format, LineEnd lineEnd) : RowRenderer(format, lineEnd)
{
    const auto shortText = [](const std::string &text) {
        ShortText made;
        std::copy(text.begin(), text.end(), made.chars.begin());
        made.size = text.size();
        return made;
    };
    for (int length = 0; length <= 128; ++length) {
        const std::string count = Count::powerOfTwo(128 - length).text();
        std::string jsonCount;
        appendJsonString(jsonCount, count);
        m_lengthTexts[static_cast<std::size_t>(length)] = {shortText(std::to_string(length)), shortText(count),
                                                           std::move(jsonCount)};
    }
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
        for (const std::string_view heading : headings)
            start.append(start.empty() ? "" : m_format == RowFormat::CSV ? "," : "\t").append(heading);
        return start.append(m_lineEnd);
    case RowFormat::TXT:
        if (named)
            start.append("Name\t");
        for (std::size_t column = 0; column < std::size(kHeadings); ++column) {
            start.append(kHeadings[column]);
            if (column < std::size(kTextColumnWidths))
                start.append(kTextColumnWidths[column] - kHeadings[column].size(), ' ');
        }
        return start.append(m_lineEnd);
    case RowFormat::HTML:
        return htmlTableStart(headings, m_lineEnd);
    case RowFormat::JSONL:
        return {};
    }
    return {};
}

char *Ipv6RowRenderer::writeRow(char *to, const Ipv6Block &row) const
{
    const auto put = [&to](std::string_view text) { to = std::copy(text.begin(), text.end(), to); };
    // Texts of at most 40 bytes, copied whole as one fixed-size copy; the row's room takes the overrun.
    const auto put40 = [&to](std::string_view text) {
        std::memcpy(to, text.data(), 40);
        to += text.size();
    };
    const LengthTexts &texts = m_lengthTexts[static_cast<std::size_t>(row.length)];
    const std::string_view lengthText = texts.length.view();
    const std::string_view count = texts.count.view();
    // The subnet's network is its first address too: written once, copied.
    const std::string_view networkText = m_networkText.view(row.network);
    switch (m_format) {
    case RowFormat::TXT: {
        char *column = to;
        put(networkText);
        *to++ = '/';
        put(lengthText);
        to = padColumn(column, to, kTextColumnWidths[0]);
        column = to;
        put(lengthText);
        to = padColumn(column, to, kTextColumnWidths[1]);
        column = to;
        put(networkText);
        to = padColumn(column, to, kTextColumnWidths[2]);
        column = to;
        to = m_lastText.write(to, row.last());
        to = padColumn(column, to, kTextColumnWidths[3]);
        put(count);
        put(m_lineEnd);
        break;
    }
    case RowFormat::TSV:
    case RowFormat::CSV: {
        const char separator = m_format == RowFormat::CSV ? ',' : '\t';
        put40(networkText);
        *to++ = '/';
        put40(lengthText);
        *to++ = separator;
        put40(lengthText);
        *to++ = separator;
        put40(networkText);
        *to++ = separator;
        to = m_lastText.write(to, row.last());
        *to++ = separator;
        put40(count);
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
        put("\",\"prefix_length\":");
        put(lengthText);
        put(",\"first_address\":\"");
        put(networkText);
        put("\",\"last_address\":\"");
        to = m_lastText.write(to, row.last());
        put("\",\"address_count\":");
        put(texts.jsonCount);
        put("}");
        put(m_lineEnd);
        break;
    }
    }
    return to;
}

}  // namespace netquill
