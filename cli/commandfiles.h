#pragma once

#include "cli/commandline.h"
#include "cli/streams.h"
#include "core/planning/plan.h"

#include <string>
#include <string_view>
#include <vector>

// The commands, a file for each command or group of commands, each taking
// both families: its help and what runs it.
namespace netquill::cli {

// convert.cpp: an address in every notation.
extern const char *const kConvertHelp;
int convertCommand(const CommandLine &line, Streams &streams);

// calc.cpp: an address and its mask or prefix.
extern const char *const kCalcHelp;
int calcCommand(const CommandLine &line, Streams &streams);

// planlist.cpp: a block split into equal subnets, its summary or its rows.
extern const char *const kPlanHelp;
extern const char *const kListHelp;
int planCommand(const CommandLine &line, Streams &streams);
int listCommand(const CommandLine &line, Streams &streams);
// The options that choose a plan's subnets, and their lines of the help.
std::vector<std::string_view> planOptionNames();
std::string planOptionsHelp();

// ranges.cpp: ranges and address lists as the fewest CIDR blocks.
extern const char *const kRangeHelp;
extern const char *const kAggregateHelp;
int rangeCommand(const CommandLine &line, Streams &streams);
int aggregateCommand(const CommandLine &line, Streams &streams);

// grep.cpp: the lines of files that hold an address inside a block.
extern const char *const kGrepHelp;
int grepCommand(const CommandLine &line, Streams &streams);

// listsets.cpp: address lists as sets: what they share, lack and differ by, and their sizes.
extern const std::string kCommonHelp;
extern const std::string kExceptHelp;
extern const std::string kDiffHelp;
extern const std::string kCompareHelp;
extern const std::string kCountHelp;
int commonCommand(const CommandLine &line, Streams &streams);
int exceptCommand(const CommandLine &line, Streams &streams);
int diffCommand(const CommandLine &line, Streams &streams);
int compareCommand(const CommandLine &line, Streams &streams);
int countCommand(const CommandLine &line, Streams &streams);

// ipv6tools.cpp: addresses IPv6 deployments make: unique local prefixes,
// SLAAC addresses from a MAC, NAT64 addresses.
extern const char *const kUlaHelp;
extern const char *const kEui64Help;
extern const char *const kNat64Help;
int ulaCommand(const CommandLine &line, Streams &streams);
int eui64Command(const CommandLine &line, Streams &streams);
int nat64Command(const CommandLine &line, Streams &streams);

// vlsm.cpp: subnets of different sizes carved from a block.
extern const char *const kVlsmHelp;
int vlsmCommand(const CommandLine &line, Streams &streams);

// plans.cpp: plan files, read and written whole.
extern const char *const kPlanFileHelp;
int planFileCommand(const CommandLine &line, Streams &streams);
// Writes the plan to the file whole or not at all, as writeWholeFile does.
void savePlanFile(std::string_view name, const Plan &plan);

}  // namespace netquill::cli
