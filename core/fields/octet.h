#pragma once

#include "core/address/ipv4.h"

#include <array>
#include <string>
#include <string_view>

namespace netquill {

// Brings an octet text into range the way users of the tool have always seen it:
// an empty text becomes "0", and a value v above 255 becomes ((v − 1) mod 255) + 1,
// so 256 is 1, 510 is 255 and 999 is 234 (255 is taken away, not 256). A text of
// 0 to 255 is returned exactly as typed, leading zeros included ("007").
// Exact for digit runs of any length; the value is read from the leading digits.
std::string FoldOctetText(std::string_view octet);

// The last eight binary digits of an octet text: its byte in an address. An
// octet above 255 that was not folded gives its low eight bits.
std::string octetBits(std::string_view octet);

// The 32-digit binary address of four octet texts, first octet first.
std::string binaryAddressOf(const std::array<std::string, 4> &octets);

// Octet k of a binary address is its k-th group of eight, as decimal text; a
// group beyond the end of a shorter text reads as 0.
std::array<std::string, 4> octetsOfBinary(std::string_view binary);

// The address of four octet texts as the fields hold them. Each gives its
// byte; an octet above 255 that was not folded first gives its low eight bits.
Ipv4Address addressOfOctetTexts(const std::array<std::string, 4> &octets);

}  // namespace netquill
