#pragma once

#include "core/planning/plan.h"

#include <string_view>
#include <vector>

// An address list as netquill-cli aggregate reads it, for a plan to import
// as roots: one entry a line (an address, a block or a range, of either
// family), blanks around it, empty lines and # comments skipped; merged into
// the fewest blocks that cover exactly the same addresses, IPv4 first.
namespace netquill {

// The blocks, or "line N: reason" for the first line that is no entry.
Parsed<std::vector<PlanBlock>> readAddressList(std::string_view text);

}  // namespace netquill
