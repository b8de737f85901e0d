#pragma once

#include "core/lines/rowtable.h"
#include "core/planning/split.h"

#include <array>
#include <string>
#include <string_view>

// The rows of IPv6 subnets as a table: subnet, prefix length, first and last
// address and the address count, in the formats of the IPv4 rows.
namespace netquill {

// What the cells of IPv6 rows are made from besides the row.
struct Ipv6RowTexts {
    // A text of at most 39 characters, in a block that whole 40-byte copies read.
    struct ShortText {
        std::array<char, 40> chars{};
        std::size_t size = 0;
        std::string_view view() const { return {chars.data(), size}; }
    };
    // Every prefix length's text and address count, made once: a 128-bit
    // decimal costs divisions.
    struct LengthTexts {
        ShortText length;  // "0" to "128"
        ShortText count;
    };
    std::array<LengthTexts, 129> lengths;
    // The rows of a split follow one another: their texts are written on from the row before.
    mutable Ipv6TextWriter network;
    mutable Ipv6TextWriter last;
    // What several cells of a row show: the network's text (the subnet's and
    // its first address's) and the texts of its length.
    mutable std::string_view networkText;
    mutable const LengthTexts *rowLength = nullptr;
    void prepare(const Ipv6Block &row) const
    {
        networkText = network.view(row.network);
        rowLength = &lengths[static_cast<std::size_t>(row.length)];
    }
};

namespace ipv6cells {

using Texts = Ipv6RowTexts;

// Texts of at most 40 bytes, copied whole as one fixed-size copy; the row's room takes the overrun.
inline char *put40(char *to, std::string_view text)
{
    std::memcpy(to, text.data(), 40);
    return to + text.size();
}

inline char *network(char *to, const Ipv6Block &, const Texts &texts) { return put40(to, texts.networkText); }
inline char *subnet(char *to, const Ipv6Block &row, const Texts &texts)
{
    to = network(to, row, texts);
    *to++ = '/';
    return put40(to, texts.rowLength->length.view());
}
inline char *prefixLength(char *to, const Ipv6Block &, const Texts &texts)
{
    return put40(to, texts.rowLength->length.view());
}
inline char *last(char *to, const Ipv6Block &row, const Texts &texts) { return texts.last.write(to, row.last()); }
inline char *addressCount(char *to, const Ipv6Block &, const Texts &texts)
{
    return put40(to, texts.rowLength->count.view());
}

}  // namespace ipv6cells

// The text file's columns are as wide as their widest text ("/128" after 39
// characters, the heading "Prefix Length") and two blanks: the rows line up
// under their headings in any viewer, as the IPv4 text file's do. Counts are
// JSON strings of digits, as no JSON number holds 2^128 exactly.
inline constexpr RowTable<Ipv6Block, Ipv6RowTexts, 5, 5> kIpv6Rows{
    {{
        {.heading = "Subnet", .write = ipv6cells::subnet, .textWidth = 45},
        {.heading = "Prefix Length", .write = ipv6cells::prefixLength, .centred = true, .textWidth = 15},
        {.heading = "First Address", .write = ipv6cells::network, .textWidth = 41},
        {.heading = "Last Address", .write = ipv6cells::last, .textWidth = 41},
        {.heading = "Address Count", .write = ipv6cells::addressCount, .centred = true},
    }},
    {{
        {.key = "network", .write = ipv6cells::network},
        {.key = "prefix_length", .write = ipv6cells::prefixLength, .quoted = false},
        {.key = "first_address", .write = ipv6cells::network},
        {.key = "last_address", .write = ipv6cells::last},
        {.key = "address_count", .write = ipv6cells::addressCount},
    }},
    "</tr>",
};

class Ipv6RowRenderer : public RowWriter<kIpv6Rows>
{
public:
    Ipv6RowRenderer(RowFormat format, LineEnd lineEnd);
};

}  // namespace netquill
