#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

// plan and list: a block split into equal subnets, its summary or its rows,
// of either family.
namespace netquill::cli {

extern const char *const kPlanHelp;
extern const char *const kListHelp;

int planCommand(const CommandLine &line, Streams &streams);
int listCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
