#include "octet.h"

#include "decimaltext.h"
#include "numberbase.h"

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

}  // namespace netquill
