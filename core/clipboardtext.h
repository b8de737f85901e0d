#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

// Pieces shared by the clipboard texts of the tabs.
namespace netquill {

// Every line followed by CR LF, the last one too, as Windows programs expect.
std::string joinLines(std::initializer_list<std::string> lines);

// The four octet texts, each without surrounding blanks, joined by ".".
std::string joinDotted(const std::array<std::string, 4> &octets);

// The text without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

}  // namespace netquill
