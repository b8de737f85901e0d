#include "core/planning/ranges.h"

#include <algorithm>
#include <utility>

namespace netquill {

namespace {

// An object, not a function: std::sort inlines its calls.
constexpr auto firstComesFirst = [](const auto &a, const auto &b) { return a.first < b.first; };

// Long IPv4 lists: a radix sort, three stable passes of 11 bits, linear in
// their length (comparison sorting was most of the time a list of millions
// took; two passes of 16 bits scatter over more places than the caches hold).
constexpr int kRadixBits = 11;

void sortByFirst(std::vector<Range<Ipv4Address>> &ranges)
{
    if (ranges.size() < 4096) {
        std::sort(ranges.begin(), ranges.end(), firstComesFirst);
        return;
    }
    std::vector<Range<Ipv4Address>> sorted(ranges.size());
    std::vector<std::size_t> next(std::size_t{1} << kRadixBits);
    for (int shift = 0; shift < 32; shift += kRadixBits) {
        const auto digit = [shift](const Range<Ipv4Address> &range) {
            return static_cast<std::size_t>(range.first.value() >> shift) & ((std::size_t{1} << kRadixBits) - 1);
        };
        std::fill(next.begin(), next.end(), 0);
        for (const Range<Ipv4Address> &range : ranges)
            ++next[digit(range)];
        std::size_t start = 0;
        for (std::size_t &slot : next)
            start += std::exchange(slot, start);
        for (const Range<Ipv4Address> &range : ranges)
            sorted[next[digit(range)]++] = range;
        ranges.swap(sorted);
    }
}

// IPv6 ranges are four times the size: eight radix passes and a second copy
// of the list would cost more than they save. They are dealt in place into
// 2,048 buckets by the 11 bits below the first bit in which their first
// addresses differ (each range swapped straight into its bucket; with more
// buckets than the caches hold the heads of, it is slower), then each bucket
// is sorted alone, in the caches: a quarter less time than sorting the whole
// list, for two million spread prefixes.
constexpr int kBucketBits = 11;

void sortByFirst(std::vector<Range<Ipv6Address>> &ranges)
{
    if (ranges.size() < 4096) {
        std::sort(ranges.begin(), ranges.end(), firstComesFirst);
        return;
    }
    Uint128 differing = 0;
    for (const Range<Ipv6Address> &range : ranges)
        differing |= range.first.value() ^ ranges.front().first.value();
    const int shift = std::max(0, bitWidth(differing) - kBucketBits);
    const auto bucketOf = [shift](const Range<Ipv6Address> &range) {
        return static_cast<std::size_t>(range.first.value() >> shift) & ((std::size_t{1} << kBucketBits) - 1);
    };
    std::vector<std::size_t> end(std::size_t{1} << kBucketBits);
    for (const Range<Ipv6Address> &range : ranges)
        ++end[bucketOf(range)];
    std::size_t total = 0;
    for (std::size_t &slot : end)
        slot = total += slot;
    std::vector<std::size_t> next(end.size());
    for (std::size_t bucket = 0; bucket < end.size(); ++bucket)
        next[bucket] = bucket == 0 ? 0 : end[bucket - 1];
    for (std::size_t bucket = 0; bucket < end.size(); ++bucket) {
        // Whatever stands in this bucket's next place goes to its own bucket's, until the place is this bucket's.
        while (next[bucket] < end[bucket]) {
            const std::size_t home = bucketOf(ranges[next[bucket]]);
            if (home == bucket)
                ++next[bucket];
            else
                std::swap(ranges[next[bucket]], ranges[next[home]++]);
        }
        const auto first = ranges.begin() + static_cast<std::ptrdiff_t>(bucket == 0 ? 0 : end[bucket - 1]);
        std::sort(first, ranges.begin() + static_cast<std::ptrdiff_t>(end[bucket]), firstComesFirst);
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
