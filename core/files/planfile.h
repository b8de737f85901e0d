#pragma once

#include "core/planning/plan.h"

#include <string>
#include <string_view>

// The plan file (.nqplan): UTF-8 JSON, a format name and version, then the
// plan's nodes, one a line, each tree depth first, blocks as canonical text:
//
//   {"format":"netquill-plan","version":1,"nodes":[
//   {"depth":0,"block":"10.0.0.0/24"},
//   {"depth":1,"block":"10.0.0.0/25","name":"Office","request":"100","paired":"2001:db8::/64"},
//   {"depth":1,"block":"10.0.0.128/25"}
//   ]}
//
// A leaf's name, note, request and pairing are written only where it has
// them; a pairing is written on both leaves. The same plan is always written
// as the same bytes, so a file opened and saved again is unchanged.
namespace netquill {

inline constexpr std::string_view kPlanFormat = "netquill-plan";
inline constexpr int kPlanVersion = 1;

std::string planFileText(const Plan &plan);

// The plan a file holds, or "line N: reason" for a file that is cut short,
// damaged, of another program or of a newer version.
Parsed<Plan> readPlanFile(std::string_view text);

}  // namespace netquill
