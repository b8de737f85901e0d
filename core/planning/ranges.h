#pragma once

#include "core/address/block.h"

#include <vector>

// Runs of addresses of either family: merging them, and the fewest CIDR
// blocks that cover them exactly. Each algorithm is written once, for both.
namespace netquill {

// Sorts the ranges and merges those that overlap or touch, leaving the
// fewest ranges that hold exactly the same addresses, ascending.
template <typename Address>
void mergeRanges(std::vector<Range<Address>> &ranges);

// The fewest CIDR blocks that cover exactly the range, ascending, appended.
template <typename Address>
void appendCoveringBlocks(Range<Address> range, std::vector<Block<Address>> &blocks);

}  // namespace netquill
