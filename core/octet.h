#pragma once

#include <string>
#include <string_view>

namespace netquill {

// Brings an octet text into range the way users of the tool have always seen it:
// an empty text becomes "0", and a value v above 255 becomes ((v − 1) mod 255) + 1,
// so 256 is 1, 510 is 255 and 999 is 234 (255 is taken away, not 256). A text of
// 0 to 255 is returned exactly as typed, leading zeros included ("007").
// Exact for digit runs of any length; the value is read from the leading digits.
std::string FoldOctetText(std::string_view octet);

// The last eight binary digits of an octet text: its byte in an address.
std::string octetBits(std::string_view octet);

}  // namespace netquill
