#include "core/fields/octet.h"

#include "core/fields/decimaltext.h"
#include "core/fields/numberbase.h"

namespace netquill {

std::string FoldOctetText(std::string_view octet)
{
    if (octet.empty())
        return "0";
    constexpr std::uint64_t kLargestOctet = 255;
    if (!decimalValueExceeds(octet, kLargestOctet))
        return std::string(octet);

    unsigned remainder = 0;
    for (const char digit : leadingDigits(octet))
        remainder = (remainder * 10 + static_cast<unsigned>(digit - '0')) % 255;
    return std::to_string(remainder == 0 ? 255 : remainder);
}

std::string octetBits(std::string_view octet)
{
    const std::string bits = dec2bin(octet);
    return bits.substr(bits.size() - 8);
}

std::string binaryAddressOf(const std::array<std::string, 4> &octets)
{
    std::string binary;
    for (const std::string &octet : octets)
        binary += octetBits(octet);
    return binary;
}

std::array<std::string, 4> octetsOfBinary(std::string_view binary)
{
    std::array<std::string, 4> octets;
    for (std::size_t k = 0; k < octets.size(); ++k) {
        const std::size_t start = 8 * k;
        octets[k] = bin2dec(start < binary.size() ? binary.substr(start, 8) : std::string_view{});
    }
    return octets;
}

Ipv4Address addressOfOctetTexts(const std::array<std::string, 4> &octets)
{
    std::uint32_t value = 0;
    for (const char bit : binaryAddressOf(octets))
        value = value * 2 + (bit == '1' ? 1 : 0);
    return Ipv4Address(value);
}

}  // namespace netquill
