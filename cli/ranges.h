#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

// range and aggregate: ranges and address lists as the fewest CIDR blocks,
// both families in one list.
namespace netquill::cli {

extern const char *const kRangeHelp;
extern const char *const kAggregateHelp;

int rangeCommand(const CommandLine &line, Streams &streams);
int aggregateCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
