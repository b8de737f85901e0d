#pragma once

#include "core/lines/subnetrows.h"

#include <optional>
#include <ostream>
#include <string>

// The subnet table of an export file.
namespace netquill {

// The largest number of rows an export writes: a 16-bit signed count.
constexpr std::uint64_t kMostExportedSubnets = 32767;

// Writes every row of the plan. A plan of more subnets than an export can hold
// writes nothing and returns why; so does an output that refuses the lines.
std::optional<std::string> WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, std::ostream &out);

}  // namespace netquill
