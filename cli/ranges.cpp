#include "cli/commandfiles.h"

#include "cli/input.h"
#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/planning/ranges.h"

#include <algorithm>

namespace netquill::cli {

const char *const kRangeHelp =
    "usage: netquill-cli range FIRST LAST\n"
    "       netquill-cli range FIRST-LAST\n"
    "Prints the fewest CIDR blocks that cover exactly FIRST to LAST, ascending, one per line.\n";

const char *const kAggregateHelp =
    "usage: netquill-cli aggregate [--ranges] [--family 4|6] [FILE...]\n"
    "Reads FILEs, or standard input when none or - is given: one entry per line, an address\n"
    "(10.0.0.1), a CIDR block (10.0.0.0/8 or 10.0.0.0/255.0.0.0; host bits set mean the block\n"
    "that holds them) or a range (10.0.0.5-10.0.0.17, blanks allowed around the dash); blanks\n"
    "around an entry, empty lines and # comments are skipped. Prints the fewest CIDR blocks\n"
    "that cover exactly the same addresses, ascending, or with --ranges the merged ranges as\n"
    "first-last. Lines may be of either family, in any order: the IPv4 blocks come first, then\n"
    "the IPv6 ones; --family keeps one. Lines of at most 4096 bytes; every bad line is reported\n"
    "(up to 20), and then nothing is printed.\n";

namespace {

// The entry of a list line: without a # comment and the blanks around it.
std::string_view entryOf(std::string_view line) { return withoutBlanksAround(line.substr(0, line.find('#'))); }

template <typename Address>
void appendBlocks(std::string &out, const std::vector<Block<Address>> &blocks, std::string_view eol)
{
    for (const Block<Address> &block : blocks) {
        block.appendText(out);
        out += eol;
    }
}

// A range of one family, covered by the fewest blocks.
template <typename Address>
void writeRange(Streams &streams, const Range<Address> &range)
{
    std::vector<Block<Address>> blocks;
    appendCoveringBlocks(range, blocks);
    appendBlocks(streams.out.buffer(), blocks, streams.eol());
}

// FIRST LAST or FIRST-LAST, of one family.
template <typename Address>
Range<Address> readRange(const CommandLine &line)
{
    const auto parseAddressOf = AddressFamily<Address>::readAddress;
    if (line.positionals.size() == 1) {
        const auto read = parseRange<Address>(line.positionals[0]);
        if (!read || line.positionals[0].find('-') == std::string_view::npos)
            refuse("FIRST-LAST", line.positionals[0], read ? "needs a dash between the two addresses" : read.reason());
        return *read;
    }
    if (line.positionals.empty())
        refuse("FIRST LAST", "", "must be two addresses, or one range FIRST-LAST");
    refuseWordsAfter(line, 2, "FIRST LAST");
    if (looksLikeIpv6(line.positionals[0]) != looksLikeIpv6(line.positionals[1]))
        refuse("LAST", line.positionals[1], kMixedFamilies);
    const Address first = accepted("FIRST", line.positionals[0], parseAddressOf(line.positionals[0]));
    const Address last = accepted("LAST", line.positionals[1], parseAddressOf(line.positionals[1]));
    if (last < first)
        refuse("LAST", line.positionals[1], "comes before FIRST " + first.text() + ": the range runs backwards");
    return {first, last};
}

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

// The merged runs of one family, as blocks or as first-last.
template <typename Address>
void writeMerged(std::vector<Range<Address>> &ranges, bool asRanges, Streams &streams)
{
    mergeRanges(ranges);
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
            appendBlocks(out, blocks, streams.eol());
        }
        streams.out.flushWhenFull();
        if (!streams.out.open())
            return;
    }
}

}  // namespace

int rangeCommand(const CommandLine &line, Streams &streams)
{
    const bool ipv6 = std::any_of(line.positionals.begin(), line.positionals.end(), looksLikeIpv6);
    if (ipv6)
        writeRange(streams, readRange<Ipv6Address>(line));
    else
        writeRange(streams, readRange<Ipv4Address>(line));
    return kDone;
}

int aggregateCommand(const CommandLine &line, Streams &streams)
{
    const std::string *family = line.option("--family");
    if (family && *family != "4" && *family != "6")
        refuse("--family", *family, "must be 4 or 6");
    std::vector<Ipv4Range> ipv4;
    std::vector<Ipv6Range> ipv6;
    std::size_t mergedSize = 0;
    Complaints complaints;
    std::vector<std::string_view> sources = line.positionals;
    if (sources.empty())
        sources.push_back("-");
    for (const std::string_view source : sources) {
        LineReader reader(source, streams.standardInput);
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
                    keep(ipv6, *range, mergeAt);
                else
                    complain(range.reason());
            } else if (const auto range = parseRange<Ipv4Address>(entry)) {
                keep(ipv4, *range, mergeAt);
            } else {
                complain(range.reason());
            }
            if (ipv4.size() + ipv6.size() >= mergeAt) {
                mergeRanges(ipv4);
                mergeRanges(ipv6);
                mergedSize = ipv4.size() + ipv6.size();
            }
        }
    }
    if (complaints.any()) {
        streams.errors << complaints.report();
        return kRefused;
    }
    // IPv4 first, then IPv6, each ascending; an IPv4-mapped address stays IPv6.
    if (!family || *family == "4")
        writeMerged(ipv4, line.has("--ranges"), streams);
    if (!family || *family == "6")
        writeMerged(ipv6, line.has("--ranges"), streams);
    return kDone;
}

}  // namespace netquill::cli
