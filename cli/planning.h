#pragma once

#include "cli/commandline.h"
#include "cli/output.h"

#include <istream>
#include <ostream>

// The planning commands, beyond what the windows do: a range as CIDR blocks,
// address lists aggregated, and subnets of different sizes for host counts.
namespace netquill::cli {

// What a command reads and writes besides its arguments.
struct Streams {
    Output &out;
    std::istream &in;  // standard input, for "-" or no file
    std::ostream &errors;
};

int rangeCommand(const CommandLine &line, Streams &streams);
int aggregateCommand(const CommandLine &line, Streams &streams);
int vlsmCommand(const CommandLine &line, Streams &streams);

extern const char *const kRangeHelp;
extern const char *const kAggregateHelp;
extern const char *const kVlsmHelp;

}  // namespace netquill::cli
