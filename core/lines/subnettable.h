#pragma once

#include "core/lines/subnetrows.h"

#include <functional>
#include <string_view>

// The subnet table of an export file.
namespace netquill {

// Takes the table a block of rows at a time, with the number of rows written
// so far; returns false to stop (the output failed, or the user cancelled).
using SubnetTableSink = std::function<bool(std::string_view rows, Uint128 rowsWritten)>;

// Writes every row of the split, however many, in blocks of about 64 KiB, so
// that memory stays flat; false when the sink stopped it.
bool WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, const SubnetTableSink &sink);
bool WriteSubnetTable(const Split<Ipv6Address> &split, ExportMode mode, const SubnetTableSink &sink);

// About how many bytes the table takes, known before its first row is
// written: its rows times the bytes of the shorter of its first and last row.
long double SubnetTableBytes(const SubnetPlan &plan, ExportMode mode);
long double SubnetTableBytes(const Split<Ipv6Address> &split, ExportMode mode);

}  // namespace netquill
