#pragma once

#include "cli/arguments.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// One command's arguments: its positional values, its options (a value each,
// "--name VALUE" or "--name=VALUE") and its flags. Anything else is refused.
namespace netquill::cli {

struct CommandLine {
    std::vector<std::string_view> positionals;
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string_view> flags;
    bool help = false;

    bool has(std::string_view flag) const;
    // The value of an option, or nullptr when it was not given.
    const std::string *option(std::string_view name) const;
};

// arguments[0] is the command's name.
CommandLine readCommandLine(const std::vector<std::string_view> &arguments,
                            std::initializer_list<std::string_view> options,
                            std::initializer_list<std::string_view> flags);

// The value an option names among its choices; the fallback when it is not given.
template <typename Value>
Value chosen(const CommandLine &line, std::string_view name, const std::map<std::string, Value, std::less<>> &choices,
             Value fallback, std::string_view what);

// The one positional value of a command that takes exactly one.
std::string_view onlyPositional(const CommandLine &line, std::string_view what);

template <typename Value>
Value chosen(const CommandLine &line, std::string_view name, const std::map<std::string, Value, std::less<>> &choices,
             Value fallback, std::string_view what)
{
    const std::string *value = line.option(name);
    if (!value)
        return fallback;
    const auto found = choices.find(*value);
    if (found == choices.end())
        refuse(name, *value, what);
    return found->second;
}

}  // namespace netquill::cli
