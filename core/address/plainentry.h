#pragma once

#include "core/address/ipv4.h"
#include "core/address/ipv6.h"
#include "core/address/range.h"

#include <string_view>

// The entries most address lists are made of, read in one forward pass
// straight into their range: an address or ADDRESS/LENGTH of either family
// alone on its line, the length in digits, or an IPv4 FIRST-LAST. Any other line, and any mistake,
// is left to parseRange, which reads every form and says why it refuses one;
// what this reader takes, parseRange takes as the same range (a fuzz target
// checks it).
namespace netquill {

enum class PlainEntry { None, Ipv4, Ipv6 };

PlainEntry readPlainEntry(std::string_view line, Range<Ipv4Address> &ipv4, Range<Ipv6Address> &ipv6);

}  // namespace netquill
