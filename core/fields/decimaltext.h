#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading and writing whole numbers as plain decimal text, the way every field
// of the program holds them.
namespace netquill {

// The digits "0" to "9" at the start of the text, up to the first other
// character: the part of a text that is read as its number.
std::string_view leadingDigits(std::string_view text);

// True when the number written by the leading digits is above the limit; exact
// for digit runs of any length.
bool decimalValueExceeds(std::string_view text, std::uint64_t limit);

// The plain decimal text of a whole-number double: no sign for zero, no
// exponent, no separators. A value beyond the largest double (infinity) is
// written as the largest double, so the text is always made of digits.
std::string wholeNumberText(double value);

// Reads the leading digits as a double, correctly rounded; digit runs beyond the
// largest double read as the largest double.
double readDecimal(std::string_view text);

}  // namespace netquill
