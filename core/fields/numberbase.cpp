#include "core/fields/numberbase.h"

#include "core/fields/decimaltext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace netquill {

namespace {

constexpr std::size_t kAddressBits = 32;

bool startsNegative(std::string_view text) { return !text.empty() && text.front() == '-'; }

std::string_view withoutSign(std::string_view text) { return startsNegative(text) ? text.substr(1) : text; }

std::string_view withoutLeadingZeros(std::string_view text)
{
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

void padToAddressWidth(std::string &text)
{
    if (text.size() < kAddressBits)
        text.insert(0, kAddressBits - text.size(), '0');
}

int hexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return 0;
}

int decimalDigitValue(char digit) { return digit >= '0' && digit <= '9' ? digit - '0' : 0; }

}  // namespace

std::string dec2bin(std::string_view decimal)
{
    const std::string zeros(kAddressBits, '0');
    if (decimal.empty() || decimal == "0")
        return zeros;

    double magnitude = readDecimal(withoutSign(decimal));
    if (magnitude == 0.0)
        return zeros;

    // The largest power of two not above the magnitude, then one digit per power
    // down to 1: the exact binary digits of the (whole) double.
    double power = 1.0;
    while (2.0 * power <= magnitude)
        power *= 2.0;
    std::string bits;
    if (startsNegative(decimal))
        bits += '-';
    for (; power >= 1.0; power /= 2.0) {
        if (magnitude < power) {
            bits += '0';
        } else {
            magnitude -= power;
            bits += '1';
        }
    }
    padToAddressWidth(bits);
    return bits;
}

std::string bin2dec(std::string_view binary)
{
    const std::string_view digits = withoutLeadingZeros(withoutSign(binary));
    if (digits.empty())
        return "0";

    double sum = 0.0;
    double weight = 1.0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit == '1')
            sum += weight;
        weight *= 2.0;
    }
    const std::string text = wholeNumberText(sum);
    return startsNegative(binary) && sum != 0.0 ? "-" + text : text;
}

std::string hex2bin(std::string_view hexadecimal)
{
    const std::string_view digits = withoutLeadingZeros(withoutSign(hexadecimal));
    if (digits.empty())
        return "0";

    std::string bits;
    bits.reserve(digits.size() * 4);
    for (const char digit : digits) {
        const int value = hexDigitValue(digit);
        for (int bit = 3; bit >= 0; --bit)
            bits += ((value >> bit) & 1) != 0 ? '1' : '0';
    }
    bits = std::string(withoutLeadingZeros(bits));
    if (startsNegative(hexadecimal))
        bits.insert(0, 1, '-');
    padToAddressWidth(bits);
    return bits;
}

std::string bin2hex(std::string_view binary)
{
    const std::string_view significant = withoutLeadingZeros(withoutSign(binary));
    if (significant.empty())
        return "0";

    static constexpr std::array<char, 16> kHexDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                     '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string digits(significant);
    digits.insert(0, (4 - digits.size() % 4) % 4, '0');

    std::string hexadecimal;
    if (startsNegative(binary))
        hexadecimal += '-';
    for (std::size_t group = 0; group < digits.size(); group += 4) {
        int value = 0;
        for (std::size_t bit = 0; bit < 4; ++bit)
            value = value * 2 + (digits[group + bit] == '1' ? 1 : 0);
        hexadecimal += kHexDigits[static_cast<std::size_t>(value)];
    }
    return hexadecimal;
}

std::string oct2dec(std::string_view octal)
{
    // Past this many doublings the power of eight is beyond any double anyway.
    constexpr std::size_t kExponentCap = 2048;
    double sum = 0.0;
    std::size_t exponent = 0;
    for (auto digit = octal.rbegin(); digit != octal.rend(); ++digit, exponent += 3) {
        // A zero digit adds nothing, even where the power of eight has overflowed.
        const int value = decimalDigitValue(*digit);
        if (value != 0)
            sum += value * std::ldexp(1.0, static_cast<int>(std::min(exponent, kExponentCap)));
    }
    return wholeNumberText(sum);
}

std::string bin2oct(std::string_view binary)
{
    std::string octal;
    int group = 0;
    int weight = 1;
    for (std::size_t position = kAddressBits; position >= 1; --position) {
        if (position <= binary.size() && binary[position - 1] == '1')
            group += weight;
        if (weight == 4) {
            octal.insert(0, 1, static_cast<char>('0' + group));
            weight = 1;
            group = 0;
        } else {
            weight *= 2;
        }
    }
    // Thirty-two bits leave a last group of two: positions 2 and 1.
    octal.insert(0, 1, static_cast<char>('0' + group));

    const std::string_view significant = withoutLeadingZeros(octal);
    return significant.empty() ? "0" : std::string(significant);
}

}  // namespace netquill
