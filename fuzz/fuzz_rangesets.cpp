// Address lists as sets, checked by the identities that hold for any two:
// A ∩ B lies in A and in B; (A \ B) and (A ∩ B) make A again and share
// nothing; the symmetric difference is the same both ways and shares nothing
// with A ∩ B; and the counts add up: |A| = |A ∩ B| + |A \ B|, so compare's
// three counts add up to each list's size. Every answer is merged.
#include "core/planning/ranges.h"
#include "core/planning/rangesets.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>
#include <algorithm>
#include <cstring>

namespace {

using netquill::Count;
using netquill::RangeSet;

template <typename Address>
bool merged(const RangeSet<Address> &set)
{
    for (std::size_t k = 0; k < set.size(); ++k)
        if (set[k].last < set[k].first || (k > 0 && !(set[k - 1].last.value() + 1 < set[k].first.value())))
            return false;
    return true;
}

template <typename Address>
RangeSet<Address> joined(RangeSet<Address> a, const RangeSet<Address> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    netquill::mergeRanges(a);
    return a;
}

template <typename Address>
void checkIdentities(RangeSet<Address> a, RangeSet<Address> b)
{
    netquill::mergeRanges(a);
    netquill::mergeRanges(b);
    const auto both = netquill::intersection(a, b);
    const auto onlyA = netquill::difference(a, b);
    const auto onlyB = netquill::difference(b, a);
    const auto either = netquill::symmetricDifference(a, b);
    FUZZ_CHECK(merged(both) && merged(onlyA) && merged(onlyB) && merged(either));
    FUZZ_CHECK(netquill::difference(both, a).empty() && netquill::difference(both, b).empty());
    FUZZ_CHECK(joined(onlyA, both) == a && netquill::intersection(onlyA, both).empty());
    FUZZ_CHECK(netquill::intersection(onlyA, b).empty());
    FUZZ_CHECK(either == netquill::symmetricDifference(b, a) && either == joined(onlyA, onlyB));
    FUZZ_CHECK(netquill::intersection(either, both).empty());
    FUZZ_CHECK(netquill::addressCount(a) == netquill::addressCount(both) + netquill::addressCount(onlyA));
    FUZZ_CHECK(netquill::addressCount(b) == netquill::addressCount(both) + netquill::addressCount(onlyB));
    FUZZ_CHECK(netquill::addressCount(joined(a, b)) ==
               netquill::addressCount(both) + netquill::addressCount(onlyA) + netquill::addressCount(onlyB));
}

std::uint32_t word(const std::uint8_t *bytes)
{
    std::uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// An IPv6 address from 32 bits: they are its top bits, and with the lowest
// set the bits below are all ones, so that ranges reach the last address.
netquill::Ipv6Address wide(std::uint32_t value)
{
    const netquill::Uint128 top = netquill::Uint128{value} << 96;
    return netquill::Ipv6Address(value & 1 ? top | (~netquill::Uint128{0} >> 32) : top);
}

}  // namespace

// The first byte says how many ranges are A's; then 8 bytes a range, its
// ends in either order: IPv4 as they are, IPv6 as `wide` makes them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t inA = data[0];
    RangeSet<netquill::Ipv4Address> a4, b4;
    RangeSet<netquill::Ipv6Address> a6, b6;
    for (std::size_t at = 1, k = 0; at + 8 <= size; at += 8, ++k) {
        const std::uint32_t one = word(data + at);
        const std::uint32_t other = word(data + at + 4);
        const std::uint32_t first = std::min(one, other);
        const std::uint32_t last = std::max(one, other);
        (k < inA ? a4 : b4).push_back({netquill::Ipv4Address(first), netquill::Ipv4Address(last)});
        const netquill::Ipv6Address low = wide(first);
        const netquill::Ipv6Address high = wide(last);
        // The lowest bit set widens an end downwards: the ends are kept in order.
        (k < inA ? a6 : b6).push_back({std::min(low, high), std::max(low, high)});
    }
    checkIdentities(a4, b4);
    checkIdentities(a6, b6);
    return 0;
}
