#include "core/fields/decimaltext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace netquill {

std::string_view leadingDigits(std::string_view text)
{
    std::size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9')
        ++length;
    return text.substr(0, length);
}

bool decimalValueExceeds(std::string_view text, std::uint64_t limit)
{
    std::string_view digits = leadingDigits(text);
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        return true;
    return value > limit;
}

std::string wholeNumberText(double value)
{
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    // Room for the 309 digits of the largest double and a sign.
    std::array<char, 320> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0")
        text = "0";
    return text;
}

double readDecimal(std::string_view text)
{
    const std::string_view digits = leadingDigits(text);
    if (digits.empty())
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::max();
    return value;
}

}  // namespace netquill
