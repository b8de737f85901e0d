#pragma once

#include "cli/streams.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace netquill::cli {

// Runs one command line (without the program's name); standard input is the
// descriptor `standardInput`.
int runCli(const std::vector<std::string_view> &arguments, Output &out, int standardInput, std::ostream &errors);

}  // namespace netquill::cli
