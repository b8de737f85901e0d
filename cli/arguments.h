#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Strict reading of command-line values: anything out of range is refused
// with a message that names the argument and what it may be.
namespace netquill::cli {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Four decimal octets of 0 to 255, each kept as typed ("010" is ten).
std::array<std::string, 4> parseDottedAddress(std::string_view argument, std::string_view text);

// A prefix length of 1 to 32, or a contiguous dotted mask; returns the prefix.
int parseMaskBits(std::string_view argument, std::string_view text);

// A whole number from `lowest` to `highest`.
std::uint64_t parseNumber(std::string_view argument, std::string_view text, std::uint64_t lowest,
                          std::uint64_t highest);

// Splits "ADDRESS/MASK" at its slash.
std::pair<std::string_view, std::string_view> splitAtSlash(std::string_view argument, std::string_view text);

// Refuses with the message "ARGUMENT 'text': what".
[[noreturn]] void refuse(std::string_view argument, std::string_view text, std::string_view what);

}  // namespace netquill::cli
