#pragma once

#include <string>
#include <string_view>

namespace netquill {

// A user's text as a terminal may show it: every byte outside printable
// ASCII as an escape (\r, \t, \x1b, \x00), a backslash doubled.
std::string escaped(std::string_view text);

// The same, but for the bytes of characters past ASCII, which stay as they
// are: UTF-8 text with its control characters escaped, one line of cells.
std::string escapedControls(std::string_view text);

// The same as a message quotes it: at most 60 characters, then "…".
std::string shown(std::string_view text);

}  // namespace netquill
