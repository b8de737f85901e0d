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

namespace subnetcells {

using Row = SubnetAddresses;
using Texts = SubnetRowTexts;

inline char *subnet(char *to, const Row &row, const Texts &) { return row.subnet.writeText(to); }
inline char *mask(char *to, const Row &, const Texts &texts) { return putText(to, texts.mask); }
inline char *inverseMask(char *to, const Row &, const Texts &texts) { return putText(to, texts.inverseMask); }
inline char *usableHosts(char *to, const Row &, const Texts &texts) { return putText(to, texts.usableHosts); }
inline char *prefixLength(char *to, const Row &, const Texts &texts) { return putText(to, texts.prefixLength); }
inline char *firstHost(char *to, const Row &row, const Texts &) { return row.firstHost.writeText(to); }
inline char *lastHost(char *to, const Row &row, const Texts &) { return row.lastHost.writeText(to); }
inline char *broadcast(char *to, const Row &row, const Texts &) { return row.broadcast.writeText(to); }
// "first to last"; the web page breaks its line before " to".
inline char *hostRange(char *to, const Row &row, const Texts &texts)
{
    to = row.firstHost.writeText(to);
    if (texts.format == RowFormat::HTML)
        to = putText(to, texts.lineEnd);
    std::memcpy(to, " to ", 4);
    return row.lastHost.writeText(to + 4);
}

}  // namespace subnetcells

// The text export's tabs after each cell and each heading line its rows up
// under the headings; the web page's row runs over four lines, the host
// range's " to " starting one, and has always been left open, without "</tr>".
inline constexpr RowTable<SubnetAddresses, SubnetRowTexts, kSubnetColumnCount, 8> kSubnetRows{
    {{
        {.heading = "Subnet", .write = subnetcells::subnet, .textGap = "\t", .textHeadingGap = "\t\t"},
        {.heading = "Mask",
         .write = subnetcells::mask,
         .constant = true,
         .centred = true,
         .textGap = "\t\t",
         .textHeadingGap = "\t\t\t"},
        {.heading = "Inverse Mask",
         .write = subnetcells::inverseMask,
         .constant = true,
         .centred = true,
         .textGap = "\t",
         .textHeadingGap = "\t"},
        {.heading = "Subnet Size",
         .write = subnetcells::usableHosts,
         .constant = true,
         .centred = true,
         .textGap = "\t\t",
         .textHeadingGap = "\t"},
        {.heading = "Host Range",
         .write = subnetcells::hostRange,
         .lineBefore = true,
         .textGap = "\t",
         .textHeadingGap = "\t\t\t"},
        {.heading = "Broadcast", .write = subnetcells::broadcast, .lineBefore = true},
    }},
    {{
        {.key = "network", .write = subnetcells::subnet},
        {.key = "prefix_length", .write = subnetcells::prefixLength, .constant = true, .quoted = false},
        {.key = "mask", .write = subnetcells::mask, .constant = true},
        {.key = "wildcard_mask", .write = subnetcells::inverseMask, .constant = true},
        {.key = "usable_hosts", .write = subnetcells::usableHosts, .constant = true, .quoted = false},
        {.key = "first_host", .write = subnetcells::firstHost},
        {.key = "last_host", .write = subnetcells::lastHost},
        {.key = "broadcast", .write = subnetcells::broadcast},
    }},
    "",
};

// "Subnet", "Mask", … as the grid and the copied list head their columns.
constexpr const char *subnetColumnHeading(SubnetColumn column)
{
    return kSubnetRows.columns[static_cast<std::size_t>(column)].heading.data();
}

class SubnetRowRenderer : public RowWriter<kSubnetRows>
{
public:
    SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd = LineEnd::CRLF);
};

// The heading line of the text export's table, unended.
std::string subnetTextHeadingLine();

}  // namespace netquill
