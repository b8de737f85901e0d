#pragma once

#include "core/planning/plan.h"

#include <string>
#include <string_view>

// The plan file (.nqplan): UTF-8 JSON, a format name and version, then the
// plan's nodes, one a line, each tree depth first, blocks as canonical text:
//
//   {"format":"netquill-plan","version":2,"nodes":[
//   {"depth":0,"block":"10.0.0.0/24","name":"Campus","vlan":10},
//   {"depth":1,"block":"10.0.0.0/25","name":"Office","request":"100","paired":"2001:db8::/64"},
//   {"depth":1,"block":"10.0.0.128/25","status":"reserved","colour":"grey"}
//   ]}
//
// What a node carries is written only where it has it; a pairing is
// written on both leaves. Version 1 has no status, VLAN or colour, and only
// a leaf carries anything there: a plan that uses none of version 2 is
// written as version 1, which older Netquills open. The same plan is always
// written as the same bytes, so a file opened and saved again is unchanged.
namespace netquill {

inline constexpr std::string_view kPlanFormat = "netquill-plan";
inline constexpr int kPlanVersion = 2;

std::string planFileText(const Plan &plan);

// The plan a file holds, or "line N: reason" for a file that is cut short,
// damaged, of another program or of a newer version.
Parsed<Plan> readPlanFile(std::string_view text);

}  // namespace netquill
