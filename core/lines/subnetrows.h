#pragma once

#include "core/lines/rowtable.h"
#include "core/planning/subnetplan.h"

#include <string>

// The rows of an IPv4 plan as a table: the subnet list's grid and clipboard
// text, the three export files and netquill-cli's list and vlsm tables all
// write them through it. Each row is appended to the caller's buffer, so
// millions of rows cost no string per field.
namespace netquill {

enum class SubnetColumn { Subnet = 0, Mask, InverseMask, SubnetSize, HostRange, Broadcast };
constexpr int kSubnetColumnCount = 6;

// "Subnet", "Mask", … as the grid and the copied list head their columns.
const char *subnetColumnHeading(SubnetColumn column);

// What the cells of a plan's rows are made from besides the row: the texts
// every row of the plan shares.
struct SubnetRowTexts {
    std::string mask;
    std::string inverseMask;
    std::string usableHosts;
    std::string prefixLength;
    RowFormat format;
    std::string_view lineEnd;
};

class SubnetRowRenderer : public RowWriter<SubnetAddresses, SubnetRowTexts>
{
public:
    SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd = LineEnd::CRLF);

    // One cell as the grid shows it; "Host Range" is "first to last".
    std::string cellText(const SubnetAddresses &row, SubnetColumn column) const
    {
        return RowWriter::cellText(row, static_cast<std::size_t>(column));
    }
};

// The heading line of the text export's table, unended.
std::string subnetTextHeadingLine();

}  // namespace netquill
