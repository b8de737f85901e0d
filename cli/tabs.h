#pragma once

#include "cli/commandline.h"
#include "cli/commands.h"

// The commands of the window's tabs: what each copies to the clipboard, or
// the same values as JSON, and the subnet list streamed.
namespace netquill::cli {

extern const char *const kConvertHelp;
extern const char *const kCalcHelp;
extern const char *const kPlanHelp;
extern const char *const kListHelp;

int convertCommand(const CommandLine &line, Streams &streams);
int calcCommand(const CommandLine &line, Streams &streams);
int planCommand(const CommandLine &line, Streams &streams);
int listCommand(const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
