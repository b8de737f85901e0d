#pragma once

#include "core/files/complaints.h"
#include "core/planning/rangesets.h"

#include <optional>
#include <string>
#include <string_view>

// Address lists as aggregate, the set commands, grep -f and the plan
// window's Import List read them: one entry a line (an address, a block or a
// range, of either family), blanks around it, empty lines and # comments
// skipped; merged into the fewest ranges.
namespace netquill {

// The one reader of list lines, a line at a time, so that a caller reading
// a stream keeps only what the list merges into.
class AddressListReader
{
public:
    // The line's entry kept; why it is none, else nothing. `entry` receives
    // the entry as the line holds it, for a refusal to quote.
    Refused add(std::string_view line, std::string_view &entry);
    // Everything kept, merged; the reader starts empty again.
    AnyRangeSet take();

private:
    AnyRangeSet m_list;
    // Ranges as they came, merged now and then: memory follows what the
    // answer keeps, not how long the lists are.
    std::size_t m_mergedSize = 0;
};

// An address list file's text, read whole (a UTF-8 byte-order mark first or
// not, lines ended by LF or CR LF) by the reader; each bad line is added to
// the complaints as "line N: 'entry': reason".
AnyRangeSet readAddressList(std::string_view text, Complaints &complaints);

}  // namespace netquill
