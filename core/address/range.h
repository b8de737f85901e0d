#pragma once

#include "core/address/ipv4.h"
#include "core/address/ipv6.h"

namespace netquill {

// An inclusive run of addresses.
template <typename Address>
struct Range {
    Address first;
    Address last;

    constexpr auto operator<=>(const Range &) const = default;
};
using Ipv4Range = Range<Ipv4Address>;
using Ipv6Range = Range<Ipv6Address>;

}  // namespace netquill
