#include "core/ranges.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace netquill {

namespace {

// Orders the ranges by their first address. Long lists go through a radix
// sort, two stable passes of 16 bits, linear in their length: comparison
// sorting was most of the time an address list of millions took.
void sortByFirst(std::vector<AddressRange> &ranges)
{
    if (ranges.size() < 4096) {
        std::sort(ranges.begin(), ranges.end(),
                  [](const AddressRange &a, const AddressRange &b) { return a.first < b.first; });
        return;
    }
    std::vector<AddressRange> sorted(ranges.size());
    std::vector<std::size_t> next(std::size_t{1} << 16);
    for (const int shift : {0, 16}) {
        std::fill(next.begin(), next.end(), 0);
        for (const AddressRange &range : ranges)
            ++next[(range.first.value() >> shift) & 0xFFFF];
        std::size_t start = 0;
        for (std::size_t &slot : next)
            start += std::exchange(slot, start);
        for (const AddressRange &range : ranges)
            sorted[next[(range.first.value() >> shift) & 0xFFFF]++] = range;
        ranges.swap(sorted);
    }
}

}  // namespace

void mergeRanges(std::vector<AddressRange> &ranges)
{
    sortByFirst(ranges);
    std::size_t merged = 0;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        // Touching counts: 10.0.0.0-10.0.0.9 and 10.0.0.10-… are one run.
        if (merged > 0 &&
            std::uint64_t{ranges[k].first.value()} <= std::uint64_t{ranges[merged - 1].last.value()} + 1) {
            ranges[merged - 1].last =
                std::max(ranges[merged - 1].last, ranges[k].last, [](Ipv4Address a, Ipv4Address b) { return a < b; });
            continue;
        }
        ranges[merged++] = ranges[k];
    }
    ranges.resize(merged);
}

void appendCoveringBlocks(AddressRange range, std::vector<Block> &blocks)
{
    std::uint64_t first = range.first.value();
    const std::uint64_t end = std::uint64_t{range.last.value()} + 1;
    while (first < end) {
        // The largest block that starts here: as aligned as the address, and no longer than what is left.
        const int alignedBits = first == 0 ? kLongestMask : std::countr_zero(first);
        const int fittingBits = std::bit_width(end - first) - 1;
        const int hostBits = std::min(alignedBits, fittingBits);
        blocks.push_back({Ipv4Address(static_cast<std::uint32_t>(first)), Prefix(kLongestMask - hostBits)});
        first += std::uint64_t{1} << hostBits;
    }
}

}  // namespace netquill
