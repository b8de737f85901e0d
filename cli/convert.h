#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"

// convert: an address in every notation, of either family.
namespace netquill::cli {

extern const char *const kConvertHelp;

int convertCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
