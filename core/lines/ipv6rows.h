#pragma once

#include "core/lines/subnetrows.h"
#include "core/planning/split.h"

#include <array>
#include <string>
#include <string_view>

namespace netquill {

// Rows of IPv6 subnets: subnet, prefix length, first and last address and the
// address count, in the formats of the IPv4 rows; a named table (vlsm) has a
// "Name" column first.
class Ipv6RowRenderer : public RowRenderer<Ipv6RowRenderer, Ipv6Block>
{
public:
    Ipv6RowRenderer(RowFormat format, LineEnd lineEnd);

    std::string tableStart(bool named = false) const;
    // A row written at `to`, which has room for kLongestRow bytes; returns its end.
    char *writeRow(char *to, const Ipv6Block &row) const;
    static constexpr std::size_t kLongestRow = 512;

private:
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
        std::string jsonCount;  // a JSON string of its digits
    };

    std::array<LengthTexts, 129> m_lengthTexts;
    // The rows of a split follow one another: their texts are written on from the row before.
    mutable Ipv6TextWriter m_networkText;
    mutable Ipv6TextWriter m_lastText;
};

}  // namespace netquill
