#pragma once

#include "core/ipv4.h"

#include <optional>
#include <string_view>
#include <vector>

// Runs of addresses: reading them from address lists, merging them, and the
// fewest CIDR blocks that cover them exactly.
namespace netquill {

// An inclusive run of addresses.
struct AddressRange {
    Ipv4Address first;
    Ipv4Address last;

    bool operator==(const AddressRange &) const = default;
};

// A strict dotted address: four decimal octets of 0 to 255, one to three digits each.
std::optional<Ipv4Address> parseDottedAddress(std::string_view text);

// One entry of an address list, without surrounding blanks: an address
// ("10.0.0.1"), a CIDR block ("10.0.0.0/8"; host bits set mean the block that
// holds the address) or a range ("10.0.0.5-10.0.0.17"). Nothing for any other
// text, or for a range that runs backwards.
std::optional<AddressRange> parseAddressEntry(std::string_view text);

// Sorts the ranges and merges those that overlap or touch, leaving the
// fewest ranges that hold exactly the same addresses, ascending.
void mergeRanges(std::vector<AddressRange> &ranges);

// The fewest CIDR blocks that cover exactly the range, ascending, appended.
void appendCoveringBlocks(AddressRange range, std::vector<Block> &blocks);

}  // namespace netquill
