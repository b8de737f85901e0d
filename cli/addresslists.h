#pragma once

#include "cli/commandline.h"
#include "cli/messages.h"
#include "cli/streams.h"
#include "core/files/addresslist.h"

#include <string_view>
#include <vector>

// Address lists as aggregate and the commands over lists read and write
// them: one entry a line (an address, a block or a range, of either family),
// merged into the fewest ranges; written as blocks or ranges, IPv4 first.
namespace netquill::cli {

// The entries of all the sources ("-" for standard input) as one merged
// list; each bad line is added to the complaints, "name:LINE: 'entry': reason".
// A large regular file is read on up to `threads` threads.
AnyRangeSet readMergedList(const std::vector<std::string_view> &sources, int standardInput, Complaints &complaints,
                           unsigned threads);

// The families --family 4|6 keeps, both when it is not given.
using Families = FamilyFlags;
Families familyOption(const CommandLine &line);

// The list as the fewest blocks, or with --ranges as first-last ranges, of
// the families kept: IPv4 first, each ascending.
void writeMergedList(const AnyRangeSet &list, const CommandLine &line, Streams &streams);

}  // namespace netquill::cli
