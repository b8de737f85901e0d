#include "core/planning/rangesets.h"

#include "core/planning/ranges.h"

#include <algorithm>

namespace netquill {

namespace {

template <typename Address>
Address after(Address address)
{
    return Address(address.value() + 1);
}

template <typename Address>
Address before(Address address)
{
    return Address(address.value() - 1);
}

}  // namespace

template <typename Address>
void addTo(RangeSet<Address> &into, RangeSet<Address> other)
{
    if (into.empty()) {
        into = std::move(other);
        return;
    }
    // Both merged as they are, from their ends backwards into the room after `into`...
    const std::size_t had = into.size();
    into.resize(had + other.size());
    for (std::size_t i = had, j = other.size(), k = into.size(); j > 0;)
        into[--k] = i > 0 && other[j - 1].first < into[i - 1].first ? into[--i] : other[--j];
    // ...then each range joined to the one before where they overlap or touch.
    std::size_t kept = 0;
    for (std::size_t k = 1; k < into.size(); ++k) {
        Range<Address> &last = into[kept];
        if (!(last.last < into[k].first) || after(last.last) == into[k].first)
            last.last = std::max(last.last, into[k].last);
        else
            into[++kept] = into[k];
    }
    into.resize(kept + 1);
}

template <typename Address>
RangeSet<Address> intersection(const RangeSet<Address> &a, const RangeSet<Address> &b)
{
    RangeSet<Address> shared;
    for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        const Address first = std::max(a[i].first, b[j].first);
        const Address last = std::min(a[i].last, b[j].last);
        if (!(last < first))
            shared.push_back({first, last});
        // The range that ends first can meet nothing further on.
        if (a[i].last < b[j].last)
            ++i;
        else
            ++j;
    }
    return shared;
}

template <typename Address>
RangeSet<Address> difference(const RangeSet<Address> &a, const RangeSet<Address> &b)
{
    RangeSet<Address> left;
    std::size_t j = 0;
    for (const Range<Address> &range : a) {
        while (j < b.size() && b[j].last < range.first)
            ++j;
        Address from = range.first;
        bool covered = false;
        // The ranges of b that cut into this one; the last of them may reach into the next.
        for (std::size_t k = j; k < b.size() && !(range.last < b[k].first); ++k) {
            if (from < b[k].first)
                left.push_back({from, before(b[k].first)});
            if (!(b[k].last < range.last)) {
                covered = true;
                break;
            }
            from = after(b[k].last);
            j = k + 1;
        }
        if (!covered)
            left.push_back({from, range.last});
    }
    return left;
}

template <typename Address>
RangeSet<Address> symmetricDifference(const RangeSet<Address> &a, const RangeSet<Address> &b)
{
    RangeSet<Address> either = difference(a, b);
    const RangeSet<Address> onlyB = difference(b, a);
    either.insert(either.end(), onlyB.begin(), onlyB.end());
    // A piece of each side may touch one of the other's: merged, they are one.
    mergeRanges(either);
    return either;
}

template <typename Address>
Count addressCount(const RangeSet<Address> &set)
{
    Count total;
    for (const Range<Address> &range : set)
        total = total + Count::oneMoreThan(Uint128{range.last.value()} - range.first.value());
    return total;
}

template <typename Address>
std::size_t blockCount(const RangeSet<Address> &set)
{
    std::size_t blocks = 0;
    std::vector<Block<Address>> covering;
    for (const Range<Address> &range : set) {
        covering.clear();
        appendCoveringBlocks(range, covering);
        blocks += covering.size();
    }
    return blocks;
}

template void addTo(RangeSet<Ipv4Address> &, RangeSet<Ipv4Address>);
template void addTo(RangeSet<Ipv6Address> &, RangeSet<Ipv6Address>);
template RangeSet<Ipv4Address> intersection(const RangeSet<Ipv4Address> &, const RangeSet<Ipv4Address> &);
template RangeSet<Ipv4Address> difference(const RangeSet<Ipv4Address> &, const RangeSet<Ipv4Address> &);
template RangeSet<Ipv4Address> symmetricDifference(const RangeSet<Ipv4Address> &, const RangeSet<Ipv4Address> &);
template Count addressCount(const RangeSet<Ipv4Address> &);
template std::size_t blockCount(const RangeSet<Ipv4Address> &);
template RangeSet<Ipv6Address> intersection(const RangeSet<Ipv6Address> &, const RangeSet<Ipv6Address> &);
template RangeSet<Ipv6Address> difference(const RangeSet<Ipv6Address> &, const RangeSet<Ipv6Address> &);
template RangeSet<Ipv6Address> symmetricDifference(const RangeSet<Ipv6Address> &, const RangeSet<Ipv6Address> &);
template Count addressCount(const RangeSet<Ipv6Address> &);
template std::size_t blockCount(const RangeSet<Ipv6Address> &);

std::vector<AnyBlock> coveringBlocks(const AnyRangeSet &list)
{
    std::vector<AnyBlock> blocks;
    forEachFamily([&]<typename Address>() {
        std::vector<Block<Address>> covering;
        for (const Range<Address> &range : list.of<Address>())
            appendCoveringBlocks(range, covering);
        blocks.insert(blocks.end(), covering.begin(), covering.end());
    });
    return blocks;
}

}  // namespace netquill
