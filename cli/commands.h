#pragma once

#include "cli/output.h"

#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace netquill::cli {

// Exit statuses: 0 done (also when the reader went away), 1 the output could not
// be written (or vlsm's requests do not fit), 2 the command line or its input was refused.
constexpr int kDone = 0;
constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

// Runs one command line (without the program's name); `in` is standard input.
int runCli(const std::vector<std::string_view> &arguments, Output &out, std::istream &in, std::ostream &errors);

}  // namespace netquill::cli
