#pragma once

#include "cli/commandline.h"
#include "cli/commands.h"
#include "core/address/addresstext.h"

// The IPv6 side of convert and calc, chosen by the text: an address with a colon.
namespace netquill::cli {

// An address read from its text, or from a number too large for IPv4.
int convertIpv6(const ZonedIpv6Address &address, bool json, Streams &streams);
int calcIpv6(const CommandLine &line, bool json, Streams &streams);
// plan and list of an IPv6 block, split by --mask-bits, --subnets or --min-addresses.
int planIpv6(const CommandLine &line, bool json, Streams &streams);
int listIpv6(const CommandLine &line, RowFormat format, Streams &streams);

}  // namespace netquill::cli
