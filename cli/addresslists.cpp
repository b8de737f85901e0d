#include "cli/addresslists.h"

#include "cli/input.h"
#include "core/address/addresstext.h"
#include "core/planning/ranges.h"

#include <algorithm>

namespace netquill::cli {

namespace {

// The entry of a list line: without a # comment and the blanks around it.
std::string_view entryOf(std::string_view line) { return withoutBlanksAround(line.substr(0, line.find('#'))); }

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
void writeRanges(const RangeSet<Address> &ranges, bool asRanges, Streams &streams)
{
    std::vector<Block<Address>> blocks;
    for (const Range<Address> &range : ranges) {
        std::string &out = streams.out.buffer();
        if (asRanges) {
            range.first.appendText(out);
            out += '-';
            range.last.appendText(out);
            out += streams.eol();
        } else {
            blocks.clear();
            appendCoveringBlocks(range, blocks);
            for (const Block<Address> &block : blocks) {
                block.appendText(out);
                out += streams.eol();
            }
        }
        streams.out.flushWhenFull();
        if (!streams.out.open())
            return;
    }
}

}  // namespace

MergedList readMergedList(const std::vector<std::string_view> &sources, int standardInput, Complaints &complaints)
{
    MergedList list;
    std::size_t mergedSize = 0;
    for (const std::string_view source : sources) {
        LineReader reader(source, standardInput);
        std::string_view text;
        while (reader.next(text, complaints)) {
            const std::string_view entry = entryOf(text);
            if (entry.empty())
                continue;
            const auto complain = [&](const std::string &reason) {
                complaints.add(reader.place() + ": '" + shown(entry) + "': " + reason);
            };
            // Memory follows what the answer keeps, not how long the lists are.
            const std::size_t mergeAt = 2 * mergedSize + (1 << 22);
            if (looksLikeIpv6(entry)) {
                if (const auto range = parseRange<Ipv6Address>(entry))
                    keep(list.ipv6, *range, mergeAt);
                else
                    complain(range.reason());
            } else if (const auto range = parseRange<Ipv4Address>(entry)) {
                keep(list.ipv4, *range, mergeAt);
            } else {
                complain(range.reason());
            }
            if (list.ipv4.size() + list.ipv6.size() >= mergeAt) {
                mergeRanges(list.ipv4);
                mergeRanges(list.ipv6);
                mergedSize = list.ipv4.size() + list.ipv6.size();
            }
        }
    }
    mergeRanges(list.ipv4);
    mergeRanges(list.ipv6);
    return list;
}

Families familyOption(const CommandLine &line)
{
    const std::string *family = line.option("--family");
    if (family && *family != "4" && *family != "6")
        refuse("--family", *family, "must be 4 or 6");
    return {!family || *family == "4", !family || *family == "6"};
}

void writeMergedList(const MergedList &list, const CommandLine &line, Streams &streams)
{
    const Families families = familyOption(line);
    // IPv4 first, then IPv6, each ascending; an IPv4-mapped address stays IPv6.
    if (families.ipv4)
        writeRanges(list.ipv4, line.has("--ranges"), streams);
    if (families.ipv6)
        writeRanges(list.ipv6, line.has("--ranges"), streams);
}

}  // namespace netquill::cli
