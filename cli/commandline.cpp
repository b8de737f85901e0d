#include "cli/commandline.h"

#include "cli/messages.h"
#include "core/address/addresstext.h"

#include <algorithm>

namespace netquill::cli {

namespace {

// Edits between two names, for "did you mean".
std::size_t distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The real option closest to a mistyped one: a few edits away, or "-f" for "--format".
std::string nearestOf(std::string_view typed, const std::vector<std::string_view> &names)
{
    std::string_view nearest;
    std::size_t fewest = 3;
    for (const std::string_view name : names) {
        const bool sameInitial = typed.size() == 2 && name.size() > 2 && typed[1] == name[2];
        const std::size_t edits = sameInitial ? 0 : distance(typed, name);
        if (edits < fewest) {
            fewest = edits;
            nearest = name;
        }
    }
    return nearest.empty() ? std::string() : " (did you mean " + std::string(nearest) + "?)";
}

}  // namespace

bool CommandLine::has(std::string_view flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const std::string *CommandLine::option(std::string_view name) const
{
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

CommandLine readCommandLine(const std::vector<std::string_view> &arguments,
                            const std::vector<std::string_view> &options, const std::vector<std::string_view> &flags,
                            const std::vector<std::string_view> &repeatable)
{
    std::vector<std::string_view> allFlags(flags);
    allFlags.insert(allFlags.end(), {"--crlf", "--help", "--version"});
    const auto known = [](const auto &names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    const std::string command(arguments[0]);
    const auto unknown = [&](std::string_view name) {
        std::vector<std::string_view> every(options);
        every.insert(every.end(), allFlags.begin(), allFlags.end());
        every.insert(every.end(), repeatable.begin(), repeatable.end());
        return UsageError("unknown option '" + shown(name) + "' for " + command + nearestOf(name, every));
    };
    CommandLine line;
    const auto takeFlag = [&](std::string_view name) {
        if ((name == "-h" && !known(flags, "-h")) || name == "--help" || name == "--version") {
            (name == "--version" ? line.version : line.help) = true;
            return;
        }
        if (line.has(name))
            throw UsageError(std::string(name) + " is given twice");
        line.flags.push_back(name);
    };
    const auto takeValue = [&](std::string_view name, std::string value) {
        if (known(repeatable, name)) {
            line.repeated[std::string(name)].push_back(std::move(value));
            return;
        }
        if (const std::string *earlier = line.option(name))
            throw UsageError(std::string(name) + " is given twice: '" + shown(*earlier) + "', then '" + shown(value) +
                             "'");
        line.options[std::string(name)] = std::move(value);
    };
    const auto takesValue = [&](std::string_view name) { return known(options, name) || known(repeatable, name); };
    bool optionsEnded = false;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            line.positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            line.positionalsBeforeDashes = line.positionals.size();
            continue;
        }
        // One-letter flags together, the last perhaps an option with its value after it.
        if (!argument.starts_with("--") && argument.size() > 2 && !known(allFlags, argument)) {
            for (std::size_t at = 1; at < argument.size(); ++at) {
                const std::string name{'-', argument[at]};
                if (takesValue(name)) {
                    if (at + 1 < argument.size())
                        takeValue(name, std::string(argument.substr(at + 1)));
                    else if (k + 1 < arguments.size())
                        takeValue(name, std::string(arguments[++k]));
                    else
                        throw UsageError(name + " needs a value");
                    break;
                }
                const auto flag = std::find(allFlags.begin(), allFlags.end(), name);
                if (flag == allFlags.end() && name != "-h")
                    throw unknown(argument);
                takeFlag(flag == allFlags.end() ? std::string_view("-h") : *flag);
            }
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (known(allFlags, name) || name == "-h") {
            if (equals != std::string_view::npos)
                throw UsageError(std::string(name) + " is a flag and takes no value");
            takeFlag(known(allFlags, name) ? *std::find(allFlags.begin(), allFlags.end(), name) : "-h");
            continue;
        }
        if (!takesValue(name))
            throw unknown(name);
        if (equals != std::string_view::npos)
            takeValue(name, std::string(argument.substr(equals + 1)));
        else if (k + 1 < arguments.size())
            takeValue(name, std::string(arguments[++k]));
        else
            throw UsageError(std::string(name) + " needs a value");
    }
    return line;
}

std::uint64_t parseNumber(std::string_view argument, std::string_view text, std::uint64_t lowest, std::uint64_t highest)
{
    return static_cast<std::uint64_t>(countArgument(argument, text, Count(lowest), Count(highest)).value());
}

Count countArgument(std::string_view argument, std::string_view text, Count lowest, Count highest)
{
    const Parsed<Count> count = parseWholeNumber(text, lowest, highest);
    if (!count)
        refuse(argument, text, count.reason());
    return *count;
}

std::string_view onlyPositional(const CommandLine &line, std::string_view what)
{
    if (line.positionals.empty())
        refuse(what, "", "is missing");
    refuseWordsAfter(line, 1, what);
    return line.positionals.front();
}

void refuseWordsAfter(const CommandLine &line, std::size_t taken, std::string_view what)
{
    if (line.positionals.size() > taken)
        throw UsageError("'" + shown(line.positionals[taken]) + "' is one word too many: " + std::string(what) +
                         " comes with nothing after it");
}

}  // namespace netquill::cli
