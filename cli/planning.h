#pragma once

#include "cli/commandline.h"
#include "cli/commands.h"

// The planning commands, beyond what the windows do: a range as CIDR blocks,
// address lists aggregated, and subnets of different sizes for host counts.
namespace netquill::cli {

extern const char *const kRangeHelp;
extern const char *const kAggregateHelp;
extern const char *const kVlsmHelp;

int rangeCommand(const CommandLine &line, Streams &streams);
int aggregateCommand(const CommandLine &line, Streams &streams);
int vlsmCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
