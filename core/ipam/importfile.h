#pragma once

#include "core/files/complaints.h"
#include "core/planning/plan.h"

#include <string_view>

// What Import List and netquill-cli plan-file --import read into a plan, in
// one step: a NetBox or phpIPAM CSV, known by its header row, its prefixes
// nested by containment; any other text an address list, merged into the
// fewest blocks, each a new tree.
namespace netquill {

// Refused, the plan unchanged, where the text holds no address, the IPAM
// file or the plan refuses it; an address list's bad lines go to `complaints`
// (and are refused as a whole).
Refused importIntoPlan(Plan &plan, std::string_view text, Complaints &complaints);

}  // namespace netquill
