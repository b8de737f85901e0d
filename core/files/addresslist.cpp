#include "core/files/addresslist.h"

#include "core/address/plainentry.h"
#include "core/files/wholefile.h"
#include "core/lines/escapedtext.h"
#include "core/planning/ranges.h"

#include <algorithm>
#include <utility>

namespace netquill {

namespace {

// Adds a range to a long list. Once the list is long, it takes room at once
// for as many ranges as come before the next merge (`mergeAt`): memory that
// no range reaches is never touched, and no range is copied again as the
// list grows, which was a third of the time two million lines took.
template <typename Address>
void keep(std::vector<Range<Address>> &ranges, const Range<Address> &range, std::size_t mergeAt)
{
    if (ranges.size() == ranges.capacity() && ranges.size() >= (std::size_t{1} << 16))
        ranges.reserve(std::max(mergeAt, 2 * ranges.size()));
    ranges.push_back(range);
}

template <typename Address>
Refused keepRange(std::string_view entry, std::vector<Range<Address>> &ranges, std::size_t mergeAt)
{
    const auto range = parseRange<Address>(entry);
    if (!range)
        return range.refusal();
    keep(ranges, *range, mergeAt);
    return std::nullopt;
}

}  // namespace

Refused AddressListReader::add(std::string_view line, std::string_view &entry)
{
    const std::size_t mergeAt = 2 * m_mergedSize + (1 << 22);
    // A plain address or block alone on its line is read in one pass; any
    // other line as parseRange reads it, blanks and comment taken off first.
    Range<Ipv4Address> ipv4;
    Range<Ipv6Address> ipv6;
    Refused refusal;
    switch (readPlainEntry(line, ipv4, ipv6)) {
    case PlainEntry::Ipv4:
        keep(m_list.ipv4, ipv4, mergeAt);
        break;
    case PlainEntry::Ipv6:
        keep(m_list.ipv6, ipv6, mergeAt);
        break;
    case PlainEntry::None:
        entry = withoutBlanksAround(line.substr(0, line.find('#')));
        if (entry.empty())
            return std::nullopt;
        refusal = withFamily(familyOf(entry),
                             [&]<typename Address>() { return keepRange(entry, m_list.of<Address>(), mergeAt); });
        break;
    }
    if (m_list.ipv4.size() + m_list.ipv6.size() >= mergeAt) {
        mergeRanges(m_list.ipv4);
        mergeRanges(m_list.ipv6);
        m_mergedSize = m_list.ipv4.size() + m_list.ipv6.size();
    }
    return refusal;
}

AnyRangeSet AddressListReader::take()
{
    mergeRanges(m_list.ipv4);
    mergeRanges(m_list.ipv6);
    m_mergedSize = 0;
    return std::exchange(m_list, {});
}

AnyRangeSet readAddressList(std::string_view text, Complaints &complaints)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    AddressListReader reader;
    for (std::size_t start = 0, line = 1; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        std::string_view entry;
        if (const auto reason = reader.add(raw, entry))
            complaints.add("line " + std::to_string(line) + ": '" + shown(entry) + "': " + reason->reason);
    }
    return reader.take();
}

}  // namespace netquill
