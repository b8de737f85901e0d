#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

// vlsm: subnets of different sizes carved from a block, of either family.
namespace netquill::cli {

extern const char *const kVlsmHelp;

int vlsmCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
