#pragma once

#include "core/address/anyaddress.h"

#include <cstddef>
#include <vector>

// Address lists as sets: what two lists share, what one has that the other
// lacks, what they differ by, and how large a list is. Every list here is
// merged as mergeRanges leaves it (ascending, no two ranges overlapping or
// touching), and so is every answer; each walk is linear in the two lists.
namespace netquill {

template <typename Address>
using RangeSet = std::vector<Range<Address>>;
// The ranges of a list that may hold both families, merged each.
using AnyRangeSet = ForBothFamilies<RangeSet>;

// The addresses of `other` added to `into`, in place: the room `into` has
// serves, where lists of millions of ranges are joined.
template <typename Address>
void addTo(RangeSet<Address> &into, RangeSet<Address> other);

// The addresses in both.
template <typename Address>
RangeSet<Address> intersection(const RangeSet<Address> &a, const RangeSet<Address> &b);

// The addresses of `a` that are not in `b`.
template <typename Address>
RangeSet<Address> difference(const RangeSet<Address> &a, const RangeSet<Address> &b);

// The addresses in exactly one of the two.
template <typename Address>
RangeSet<Address> symmetricDifference(const RangeSet<Address> &a, const RangeSet<Address> &b);

// How many addresses: up to 2^128, the whole IPv6 space.
template <typename Address>
Count addressCount(const RangeSet<Address> &set);

// How many blocks the fewest that cover the set exactly are.
template <typename Address>
std::size_t blockCount(const RangeSet<Address> &set);

// The fewest blocks that cover the list exactly, IPv4 first, each ascending.
std::vector<AnyBlock> coveringBlocks(const AnyRangeSet &list);

}  // namespace netquill
