#include "cli/commandline.h"

#include <algorithm>

namespace netquill::cli {

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
                            std::initializer_list<std::string_view> options,
                            std::initializer_list<std::string_view> flags)
{
    const auto known = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    CommandLine line;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (argument == "--help" || argument == "-h") {
            line.help = true;
            continue;
        }
        if (!argument.starts_with("--")) {
            line.positionals.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (known(flags, name) && equals == std::string_view::npos) {
            line.flags.push_back(name);
            continue;
        }
        if (!known(options, name))
            refuse("option", argument, "is not an option of " + std::string(arguments[0]));
        if (line.option(name))
            refuse(name, argument, "is given twice");
        if (equals != std::string_view::npos)
            line.options[std::string(name)] = std::string(argument.substr(equals + 1));
        else if (k + 1 < arguments.size())
            line.options[std::string(name)] = std::string(arguments[++k]);
        else
            refuse(name, "", "needs a value");
    }
    return line;
}

std::string_view onlyPositional(const CommandLine &line, std::string_view what)
{
    if (line.positionals.size() != 1)
        refuse(what, line.positionals.empty() ? "" : line.positionals.back(),
               line.positionals.empty() ? "is missing" : "must be given once, with nothing after it");
    return line.positionals.front();
}

}  // namespace netquill::cli
