#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

// calc: an address and its mask or prefix, of either family.
namespace netquill::cli {

extern const char *const kCalcHelp;

int calcCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
