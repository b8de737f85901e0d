#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace netquill::cli {

// A command of netquill-cli: the usage, the refusal of an unknown command,
// each command's help and what its command line takes all come from here,
// and the bash completion is checked against it.
struct Command {
    std::string_view name;
    std::string_view synopsis;  // what it takes, in the usage
    std::string_view summary;   // what it does, in the usage
    std::vector<std::string_view> options;
    std::vector<std::string_view> flags;
    std::string help;
    int (*run)(const CommandLine &, Streams &);
    std::vector<std::string_view> repeatable = {};  // options that may be given more than once
};

// Every command, in the usage's order.
const std::vector<Command> &commands();

// Runs one command line (without the program's name); standard input is the
// descriptor `standardInput`.
int runCli(const std::vector<std::string_view> &arguments, Output &out, int standardInput, std::ostream &errors);

}  // namespace netquill::cli
