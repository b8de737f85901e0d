#include "core/planning/ranges.h"

#include <algorithm>
#include <utility>

namespace netquill {

namespace {

// Orders the ranges by their first address. Long IPv4 lists go through a
// radix sort, two stable passes of 16 bits, linear in their length
// (comparison sorting was most of the time a list of millions took). IPv6
// ranges are four times the size and would need eight passes and a second
// copy of the list: they are sorted in place.
template <typename Address>
void sortByFirst(std::vector<Range<Address>> &ranges)
{
    if (ranges.size() < 4096 || Address::kBits > 32) {
        std::sort(ranges.begin(), ranges.end(),
                  [](const Range<Address> &a, const Range<Address> &b) { return a.first < b.first; });
        return;
    }
    std::vector<Range<Address>> sorted(ranges.size());
    std::vector<std::size_t> next(std::size_t{1} << 16);
    for (int shift = 0; shift < Address::kBits; shift += 16) {
        const auto digit = [shift](const Range<Address> &range) {
            return static_cast<std::size_t>(range.first.value() >> shift) & 0xFFFF;
        };
        std::fill(next.begin(), next.end(), 0);
        for (const Range<Address> &range : ranges)
            ++next[digit(range)];
        std::size_t start = 0;
        for (std::size_t &slot : next)
            start += std::exchange(slot, start);
        for (const Range<Address> &range : ranges)
            sorted[next[digit(range)]++] = range;
        ranges.swap(sorted);
    }
}

}  // namespace

template <typename Address>
void mergeRanges(std::vector<Range<Address>> &ranges)
{
    if (ranges.empty())
        return;
    sortByFirst(ranges);
    std::size_t merged = 1;
    for (std::size_t k = 1; k < ranges.size(); ++k) {
        // Touching counts: …-10.0.0.9 and 10.0.0.10-… are one run. (At the
        // last address the sum wraps, but nothing starts after it.)
        Range<Address> &run = ranges[merged - 1];
        if (!(run.last < ranges[k].first) || Address(run.last.value() + 1) == ranges[k].first)
            run.last = std::max(run.last, ranges[k].last);
        else
            ranges[merged++] = ranges[k];
    }
    ranges.resize(merged);
}

template void mergeRanges(std::vector<Range<Ipv4Address>> &ranges);
template void mergeRanges(std::vector<Range<Ipv6Address>> &ranges);

// The largest block that starts at an address is as aligned as the address
// and no longer than what is left; "what is left" is counted less one, so
// that the whole space fits the address width.
template <typename Address>
void appendCoveringBlocks(Range<Address> range, std::vector<Block<Address>> &blocks)
{
    using Value = typename Address::Value;
    Value first = range.first.value();
    const Value last = range.last.value();
    for (;;) {
        const Value leftLessOne = last - first;
        const int alignedBits = first == 0 ? Address::kBits : trailingZeros(first);
        const int fittingBits = leftLessOne == static_cast<Value>(~Value{0})
                                    ? Address::kBits
                                    : bitWidth(static_cast<Value>(leftLessOne + 1)) - 1;
        const int hostBits = std::min(alignedBits, fittingBits);
        blocks.emplace_back(Address(first), Address::kBits - hostBits);
        if (hostBits == Address::kBits)
            return;
        const Value size = Value{1} << hostBits;
        if (leftLessOne < size)
            return;
        first += size;
    }
}

template void appendCoveringBlocks(Range<Ipv4Address> range, std::vector<Ipv4Block> &blocks);
template void appendCoveringBlocks(Range<Ipv6Address> range, std::vector<Ipv6Block> &blocks);

}  // namespace netquill
