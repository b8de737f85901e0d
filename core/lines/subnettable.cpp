#include "core/lines/subnettable.h"

#include "core/lines/splitrows.h"

#include <algorithm>

namespace netquill {

namespace {

template <typename Address>
bool writeSplitTable(const Split<Address> &split, ExportMode mode, const SubnetTableSink &sink)
{
    const SplitRows<Address> rows(split);
    const auto renderer = rows.renderer(rowFormatOf(mode), LineEnd::CRLF);
    constexpr std::size_t kBlock = 1 << 16;
    std::string block;
    block.reserve(2 * kBlock);
    // The last row is 2^128 - 1 at most: the row after it is never counted to.
    const Uint128 last = split.lastRow();
    for (Uint128 row = 0;; ++row) {
        renderer.append(block, rows.row(row));
        if (block.size() < kBlock && row < last)
            continue;
        if (!sink(block, row + 1))
            return false;
        block.clear();
        if (row == last)
            return true;
    }
}

template <typename Address>
long double splitTableBytes(const Split<Address> &split, ExportMode mode)
{
    const SplitRows<Address> rows(split);
    const auto renderer = rows.renderer(rowFormatOf(mode), LineEnd::CRLF);
    std::string first;
    std::string last;
    renderer.append(first, rows.row(0));
    renderer.append(last, rows.row(split.lastRow()));
    return (static_cast<long double>(split.lastRow()) + 1) * static_cast<long double>(std::min(first.size(), last.size()));
}

}  // namespace

long double SubnetTableBytes(const SubnetPlan &plan, ExportMode mode)
{
    return splitTableBytes(Split<Ipv4Address>(plan.block(), plan.subnetPrefix().bits()), mode);
}

long double SubnetTableBytes(const Split<Ipv6Address> &split, ExportMode mode)
{
    return splitTableBytes(split, mode);
}

bool WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, const SubnetTableSink &sink)
{
    return writeSplitTable(Split<Ipv4Address>(plan.block(), plan.subnetPrefix().bits()), mode, sink);
}

bool WriteSubnetTable(const Split<Ipv6Address> &split, ExportMode mode, const SubnetTableSink &sink)
{
    return writeSplitTable(split, mode, sink);
}

}  // namespace netquill
