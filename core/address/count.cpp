#include "core/address/count.h"

#include <algorithm>

namespace netquill {

namespace {
constexpr std::string_view kTwoToThe128 = "340282366920938463463374607431768211456";
}

std::string decimalText(Uint128 value)
{
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string hexDigits(std::uint64_t value, int digits)
{
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto at = text.rbegin(); at != text.rend(); ++at, value >>= 4)
        *at = "0123456789abcdef"[value & 0xF];
    return text;
}

std::string Count::text() const { return m_whole ? std::string(kTwoToThe128) : decimalText(m_value); }

std::string shareText(Count part, int exponent)
{
    if (part.isZero())
        return "0 %";
    if (part == Count::powerOfTwo(exponent))
        return "100 %";
    // Tenths of a percent: part * 1000 / 2^exponent, with part * 1000 held
    // in 192 bits, as a high 128-bit word over a low 64-bit one.
    const Uint128 value = part.value();
    const Uint128 low = (value & ~std::uint64_t{0}) * 1000;
    const Uint128 high = (value >> 64) * 1000 + (low >> 64);
    const Uint128 lowWord = low & ~std::uint64_t{0};
    const Uint128 tenths = exponent >= 64 ? high >> (exponent - 64) : (high << (64 - exponent)) | (lowWord >> exponent);
    if (tenths == 0)
        return "< 0.1 %";
    const auto whole = static_cast<unsigned>(tenths);
    return std::to_string(whole / 10) + "." + std::to_string(whole % 10) + " %";
}

std::optional<Count> readCount(std::string_view text)
{
    if (text.empty() || text.size() > kTwoToThe128.size() || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    if (text == kTwoToThe128)
        return Count::powerOfTwo(128);
    Uint128 value = 0;
    for (const char c : text) {
        const auto digit = static_cast<unsigned>(c - '0');
        // value * 10 + digit must stay within 128 bits.
        if (c < '0' || c > '9' || value > (~Uint128{0} - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return Count(value);
}

}  // namespace netquill
