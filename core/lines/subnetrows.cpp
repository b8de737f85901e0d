#include "core/lines/subnetrows.h"

namespace netquill {

namespace {

using Texts = SubnetRowTexts;
using Row = SubnetAddresses;

char *subnet(char *to, const Row &row, const Texts &) { return row.subnet.writeText(to); }
char *mask(char *to, const Row &, const Texts &texts) { return putText(to, texts.mask); }
char *inverseMask(char *to, const Row &, const Texts &texts) { return putText(to, texts.inverseMask); }
char *usableHosts(char *to, const Row &, const Texts &texts) { return putText(to, texts.usableHosts); }
char *prefixLength(char *to, const Row &, const Texts &texts) { return putText(to, texts.prefixLength); }
char *firstHost(char *to, const Row &row, const Texts &) { return row.firstHost.writeText(to); }
char *lastHost(char *to, const Row &row, const Texts &) { return row.lastHost.writeText(to); }
char *broadcast(char *to, const Row &row, const Texts &) { return row.broadcast.writeText(to); }
// "first to last"; the web page breaks its line before " to".
char *hostRange(char *to, const Row &row, const Texts &texts)
{
    to = row.firstHost.writeText(to);
    if (texts.format == RowFormat::HTML)
        to = putText(to, texts.lineEnd);
    std::memcpy(to, " to ", 4);
    return row.lastHost.writeText(to + 4);
}

// The text export's tabs after each cell and each heading line its rows up
// under the headings; the web page's row runs over four lines, the host
// range's " to " starting one.
constexpr Column<Row, Texts> kColumns[kSubnetColumnCount] = {
    {.heading = "Subnet", .write = subnet, .textGap = "\t", .textHeadingGap = "\t\t"},
    {.heading = "Mask", .write = mask, .constant = true, .centred = true, .textGap = "\t\t", .textHeadingGap = "\t\t\t"},
    {.heading = "Inverse Mask",
     .write = inverseMask,
     .constant = true,
     .centred = true,
     .textGap = "\t",
     .textHeadingGap = "\t"},
    {.heading = "Subnet Size",
     .write = usableHosts,
     .constant = true,
     .centred = true,
     .textGap = "\t\t",
     .textHeadingGap = "\t"},
    {.heading = "Host Range", .write = hostRange, .lineBefore = true, .textGap = "\t", .textHeadingGap = "\t\t\t"},
    {.heading = "Broadcast", .write = broadcast, .lineBefore = true},
};

constexpr JsonField<Row, Texts> kFields[] = {
    {.key = "network", .write = subnet},
    {.key = "prefix_length", .write = prefixLength, .constant = true, .quoted = false},
    {.key = "mask", .write = mask, .constant = true},
    {.key = "wildcard_mask", .write = inverseMask, .constant = true},
    {.key = "usable_hosts", .write = usableHosts, .constant = true, .quoted = false},
    {.key = "first_host", .write = firstHost},
    {.key = "last_host", .write = lastHost},
    {.key = "broadcast", .write = broadcast},
};

// The export's web page has always left its rows open, without "</tr>".
constexpr RowTable<Row, Texts> kTable{kColumns, kFields, ""};

}  // namespace

const char *subnetColumnHeading(SubnetColumn column) { return kColumns[static_cast<int>(column)].heading.data(); }

SubnetRowRenderer::SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd)
    : RowWriter(kTable,
                {plan.subnetPrefix().maskAddress().text(), plan.subnetPrefix().inverseAddress().text(),
                 std::to_string(plan.subnetPrefix().usableHosts()), std::to_string(plan.subnetPrefix().bits()), format, lineEndText(lineEnd)},
                format, lineEnd)
{
}

std::string subnetTextHeadingLine()
{
    return SubnetRowRenderer(SubnetPlan(Ipv4Block(), Prefix()), RowFormat::TXT).headingLine();
}

}  // namespace netquill
