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
};

class Ipv6RowRenderer : public RowWriter<Ipv6Block, Ipv6RowTexts>
{
public:
    Ipv6RowRenderer(RowFormat format, LineEnd lineEnd);
};

}  // namespace netquill
