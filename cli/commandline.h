#pragma once

#include "core/address/count.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One command's arguments, read as Unix tools read theirs: options with a
// value ("--name VALUE" or "--name=VALUE"), flags, "--" ending the options,
// "-" a positional (standard input). One-letter flags may be written
// together ("-vn"), and the last of them may be an option with its value
// ("-ve 10.0.0.0/8", "-e10.0.0.0/8"). Anything else is refused with the reason.
namespace netquill::cli {

struct CommandLine {
    std::vector<std::string_view> positionals;
    std::map<std::string, std::string, std::less<>> options;
    // The values of the options that may be given more than once, in order.
    std::map<std::string, std::vector<std::string>, std::less<>> repeated;
    std::vector<std::string_view> flags;
    // How many positionals stand before "--", if it was given.
    std::optional<std::size_t> positionalsBeforeDashes;
    bool help = false;
    bool version = false;

    bool has(std::string_view flag) const;
    // The value of an option, or nullptr when it was not given.
    const std::string *option(std::string_view name) const;
};

// arguments[0] is the command's name. --help, -h (unless the command has a
// flag -h of its own), --version and --crlf are every command's.
CommandLine readCommandLine(const std::vector<std::string_view> &arguments,
                            const std::vector<std::string_view> &options, const std::vector<std::string_view> &flags,
                            const std::vector<std::string_view> &repeatable = {});

// A whole number from `lowest` to `highest`, the option's value.
std::uint64_t parseNumber(std::string_view argument, std::string_view text, std::uint64_t lowest,
                          std::uint64_t highest);
// A count from `lowest` to `highest`, which may be 2^128 (the subnets or
// rows of the whole IPv6 space).
Count countArgument(std::string_view argument, std::string_view text, Count lowest, Count highest);

// The one positional value of a command that takes exactly one.
std::string_view onlyPositional(const CommandLine &line, std::string_view what);
// Refuses the first word after the `taken` that `what` names.
void refuseWordsAfter(const CommandLine &line, std::size_t taken, std::string_view what);

}  // namespace netquill::cli
