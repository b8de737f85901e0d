#pragma once

#include "cli/commandline.h"
#include "cli/commands.h"

// The IPv6 side of convert and calc, chosen by the text: an address with a colon.
namespace netquill::cli {

int convertIpv6(std::string_view address, bool json, Streams &streams);
int calcIpv6(const CommandLine &line, bool json, Streams &streams);

}  // namespace netquill::cli
