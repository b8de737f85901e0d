#include "core/lines/ipv6rows.h"

namespace netquill {

namespace {

using Texts = Ipv6RowTexts;

// Texts of at most 40 bytes, copied whole as one fixed-size copy; the row's room takes the overrun.
char *put40(char *to, std::string_view text)
{
    std::memcpy(to, text.data(), 40);
    return to + text.size();
}

const Texts::LengthTexts &lengthTexts(const Ipv6Block &row, const Texts &texts)
{
    return texts.lengths[static_cast<std::size_t>(row.length)];
}

// The subnet's network is its first address too: the second text of it is a copy.
char *network(char *to, const Ipv6Block &row, const Texts &texts) { return put40(to, texts.network.view(row.network)); }
char *subnet(char *to, const Ipv6Block &row, const Texts &texts)
{
    to = network(to, row, texts);
    *to++ = '/';
    return put40(to, lengthTexts(row, texts).length.view());
}
char *prefixLength(char *to, const Ipv6Block &row, const Texts &texts)
{
    return put40(to, lengthTexts(row, texts).length.view());
}
char *last(char *to, const Ipv6Block &row, const Texts &texts) { return texts.last.write(to, row.last()); }
char *addressCount(char *to, const Ipv6Block &row, const Texts &texts)
{
    return put40(to, lengthTexts(row, texts).count.view());
}

// The text file's columns are as wide as their widest text ("/128" after 39
// characters, the heading "Prefix Length") and two blanks: the rows line up
// under their headings in any viewer, as the IPv4 text file's do.
constexpr Column<Ipv6Block, Texts> kColumns[] = {
    {.heading = "Subnet", .write = subnet, .textWidth = 45},
    {.heading = "Prefix Length", .write = prefixLength, .centred = true, .textWidth = 15},
    {.heading = "First Address", .write = network, .textWidth = 41},
    {.heading = "Last Address", .write = last, .textWidth = 41},
    {.heading = "Address Count", .write = addressCount, .centred = true},
};

// Counts are strings of digits, as no JSON number holds 2^128 exactly.
constexpr JsonField<Ipv6Block, Texts> kFields[] = {
    {.key = "network", .write = network},
    {.key = "prefix_length", .write = prefixLength, .quoted = false},
    {.key = "first_address", .write = network},
    {.key = "last_address", .write = last},
    {.key = "address_count", .write = addressCount},
};

constexpr RowTable<Ipv6Block, Texts> kTable{kColumns, kFields, "</tr>"};

Texts rowTexts()
{
    const auto shortText = [](const std::string &text) {
        Texts::ShortText made;
        std::copy(text.begin(), text.end(), made.chars.begin());
        made.size = text.size();
        return made;
    };
    Texts texts;
    for (int length = 0; length <= 128; ++length)
        texts.lengths[static_cast<std::size_t>(length)] = {shortText(std::to_string(length)),
                                                           shortText(Count::powerOfTwo(128 - length).text())};
    return texts;
}

}  // namespace

Ipv6RowRenderer::Ipv6RowRenderer(RowFormat format, LineEnd lineEnd) : RowWriter(kTable, rowTexts(), format, lineEnd) {}

}  // namespace netquill
