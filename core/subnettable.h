#pragma once

#include "subnetwalk.h"

#include <optional>
#include <ostream>
#include <string>

// The rows of a subnet table as the three export files write them.
namespace netquill {

enum class ExportMode { CSV, TXT, HTML };

// One row's lines, each ended by CR LF: one line for CSV and TXT, four for HTML.
std::string renderSubnetRow(const SubnetRow &row, ExportMode mode);

// The largest number of rows an export writes: a 16-bit signed count.
constexpr std::uint64_t kMostExportedSubnets = 32767;

// Writes every row of the plan. A plan of more subnets than an export can hold
// writes nothing and returns why; so does an output that refuses the lines.
std::optional<std::string> WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, std::ostream &out);

}  // namespace netquill
