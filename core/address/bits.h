#pragma once

#include <bit>
#include <cstdint>

// Bit counts of the address values of both families, 32 and 128 bits wide
// (<bit> takes no 128-bit number).
namespace netquill {

__extension__ using Uint128 = unsigned __int128;

constexpr int trailingZeros(std::uint32_t value) { return std::countr_zero(value); }
constexpr int bitWidth(std::uint32_t value) { return std::bit_width(value); }

constexpr int trailingZeros(Uint128 value)
{
    const auto low = static_cast<std::uint64_t>(value);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<std::uint64_t>(value >> 64));
}
constexpr int bitWidth(Uint128 value)
{
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(value));
}

}  // namespace netquill
