#pragma once

#include "core/lines/ipv6rows.h"
#include "core/lines/subnetrows.h"

// The rows of a split as its family's table writes them: an IPv4 row is the
// subnet's four addresses, an IPv6 row the subnet itself.
namespace netquill {

template <typename Address>
struct SplitRows;

template <>
struct SplitRows<Ipv4Address> {
    using Row = SubnetAddresses;
    using Renderer = SubnetRowRenderer;

    explicit SplitRows(const Split<Ipv4Address> &split, HostRule hostRule = {})
        : plan(split.block(), Prefix(split.subnetLength()), hostRule)
    {}
    // Row k (0-based) of at most 2^32.
    Row row(Uint128 k) const { return plan.row(static_cast<std::uint64_t>(k)); }
    // An IPv4 row's texts depend on the subnets' prefix.
    Renderer renderer(RowFormat format, LineEnd lineEnd) const { return {plan, format, lineEnd}; }

    SubnetPlan plan;
};

template <>
struct SplitRows<Ipv6Address> {
    using Row = Ipv6Block;
    using Renderer = Ipv6RowRenderer;

    explicit SplitRows(const Split<Ipv6Address> &split) : split(split) {}
    Row row(Uint128 k) const { return split.row(k); }
    // An IPv6 row's texts depend on nothing but the row.
    Renderer renderer(RowFormat format, LineEnd lineEnd) const { return {format, lineEnd}; }

    Split<Ipv6Address> split;
};

}  // namespace netquill
