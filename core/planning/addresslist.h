#pragma once

#include "core/planning/rangesets.h"

#include <string>
#include <string_view>
#include <vector>

// Address lists as aggregate, the set commands, grep -f and the plan
// window's Import List read them: one entry a line (an address, a block or a
// range, of either family), blanks around it, empty lines and # comments
// skipped; merged into the fewest ranges.
namespace netquill {

class AddressListReader
{
public:
    // The line's entry kept; why it is none, else nothing. `entry` receives
    // the entry as the line holds it, for a refusal to quote.
    std::optional<std::string> add(std::string_view line, std::string_view &entry);
    // Everything kept, merged; the reader starts empty again.
    AnyRangeSet take();

private:
    AnyRangeSet m_list;
    // Ranges as they came, merged now and then: memory follows what the
    // answer keeps, not how long the lists are.
    std::size_t m_mergedSize = 0;
};

// The fewest blocks that cover the list exactly, IPv4 first, each ascending.
std::vector<AnyBlock> coveringBlocks(const AnyRangeSet &list);

}  // namespace netquill
