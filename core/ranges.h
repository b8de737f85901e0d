#pragma once

#include "core/ipv4.h"

#include <vector>

// Runs of addresses: merging them, and the fewest CIDR blocks that cover
// them exactly.
namespace netquill {

// An inclusive run of addresses.
struct AddressRange {
    Ipv4Address first;
    Ipv4Address last;

    bool operator==(const AddressRange &) const = default;
};

// Sorts the ranges and merges those that overlap or touch, leaving the
// fewest ranges that hold exactly the same addresses, ascending.
void mergeRanges(std::vector<AddressRange> &ranges);

// The fewest CIDR blocks that cover exactly the range, ascending, appended.
void appendCoveringBlocks(AddressRange range, std::vector<Block> &blocks);

}  // namespace netquill
