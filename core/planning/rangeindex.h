#pragma once

#include "core/address/bits.h"
#include "core/planning/rangesets.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// A merged set of ranges of one family asked whether it holds an address,
// as grep asks for every address of a log: a table by the 16 bits that
// follow the prefix all the ranges share points each address straight to the
// few ranges it may lie in, whose last addresses, kept apart and close
// together, are searched in the caches, where a search of the whole set went
// through memory. An address outside the shared prefix is in none.
namespace netquill {

template <typename Address>
class RangeIndex
{
public:
    // The set, merged as mergeRanges leaves it, must outlive the index.
    explicit RangeIndex(const RangeSet<Address> &ranges) : m_ranges(ranges)
    {
        if (ranges.empty())
            return;
        Value differing = 0;
        for (const Range<Address> &range : ranges)
            differing |= (range.first.value() ^ ranges.front().first.value()) |
                         (range.last.value() ^ ranges.front().first.value());
        m_shift = std::max(0, bitWidth(differing) - kSlotBits);
        m_shared = sharedPart(ranges.front().first);
        m_lasts.reserve(ranges.size());
        for (const Range<Address> &range : ranges)
            m_lasts.push_back(range.last.value());
        m_firstReaching.resize(kSlots + 1);
        std::size_t k = 0;
        for (std::size_t slot = 0; slot <= kSlots; ++slot) {
            while (k < ranges.size() && slotOf(ranges[k].last) < slot)
                ++k;
            m_firstReaching[slot] = static_cast<std::uint32_t>(k);
        }
    }

    bool holds(Address address) const
    {
        if (m_ranges.empty() || sharedPart(address) != m_shared)
            return false;
        // The range that holds it, if one does, is the first to reach it, and
        // lies from the first to reach its slot to the first to reach the next.
        const std::size_t slot = slotOf(address);
        const auto begin = m_lasts.begin() + m_firstReaching[slot];
        const auto end = m_lasts.begin() + std::min<std::size_t>(m_firstReaching[slot + 1] + 1, m_lasts.size());
        const Value value = address.value();
        const auto reaching = std::partition_point(begin, end, [value](Value last) { return last < value; });
        return reaching != end && !(address < m_ranges[static_cast<std::size_t>(reaching - m_lasts.begin())].first);
    }

private:
    using Value = typename Address::Value;
    static constexpr int kSlotBits = 16;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    std::size_t slotOf(Address address) const
    {
        return static_cast<std::size_t>(address.value() >> m_shift) & (kSlots - 1);
    }
    // The bits above the slot's, which every range shares.
    Value sharedPart(Address address) const
    {
        return m_shift + kSlotBits >= Address::kBits ? Value{0} : address.value() >> (m_shift + kSlotBits);
    }

    const RangeSet<Address> &m_ranges;
    std::vector<Value> m_lasts;  // each range's last address, in order
    int m_shift = 0;
    Value m_shared = 0;
    std::vector<std::uint32_t> m_firstReaching;  // by slot: the first range whose last address reaches it
};

}  // namespace netquill
