#pragma once

#include "core/address/bits.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Exact counts of addresses, subnets and rows, for both families: 0 to 2^128,
// which is one more than 128 bits hold (the addresses of ::/0, or its /128s).
namespace netquill {

// A 128-bit number in decimal.
std::string decimalText(Uint128 value);
// A number in `digits` lower-case hex digits, leading zeros kept: a field of an address ("0001").
std::string hexDigits(std::uint64_t value, int digits);

class Count
{
public:
    constexpr Count() = default;
    constexpr explicit Count(Uint128 value) : m_value(value) {}
    // 2^exponent, for an exponent of 0 to 128.
    static constexpr Count powerOfTwo(int exponent)
    {
        return exponent == 128 ? whole() : Count(Uint128{1} << exponent);
    }
    // One more than `lessOne`: 2^128 for the largest 128-bit number.
    static constexpr Count oneMoreThan(Uint128 lessOne)
    {
        return lessOne == ~Uint128{0} ? whole() : Count(lessOne + 1);
    }

    constexpr bool isZero() const { return !m_whole && m_value == 0; }
    // One less than the count, which 128 bits always hold; the count is not 0.
    constexpr Uint128 lessOne() const { return m_value - 1; }
    // The count itself, which 128 bits hold for any count below 2^128.
    constexpr Uint128 value() const { return m_value; }
    // The sum, which must not pass 2^128: the sizes of disjoint ranges of one family never do.
    constexpr Count operator+(Count other) const
    {
        if (m_whole || other.m_whole)
            return whole();
        const Uint128 sum = m_value + other.m_value;
        return sum < m_value ? whole() : Count(sum);
    }
    // The decimal digits: "340282366920938463463374607431768211456" for 2^128.
    std::string text() const;

    // 2^128 is above every 128-bit count.
    constexpr auto operator<=>(const Count &) const = default;

private:
    static constexpr Count whole()
    {
        Count count;
        count.m_whole = true;
        return count;
    }

    bool m_whole = false;  // 2^128, with m_value 0; declared first, so that it orders first
    Uint128 m_value = 0;
};

// The share `part` is of 2^exponent (a block's addresses), as a percentage
// rounded down to a tenth, exact to 2^128: "0 %", "< 0.1 %", "37.5 %",
// "99.9 %" for anything short of all, "100 %". `part` is at most 2^exponent.
std::string shareText(Count part, int exponent);

// A count written in decimal digits without a leading zero, up to 2^128;
// nothing for any other text.
std::optional<Count> readCount(std::string_view text);

}  // namespace netquill
