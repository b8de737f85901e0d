#include "cli/commandfiles.h"

#include "cli/addresslists.h"
#include "cli/fileparts.h"
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
    "usage: netquill-cli aggregate [--ranges] [--family 4|6] [--threads N] [FILE...]\n"
    "Reads FILEs, or standard input when none or - is given: one entry per line, an address\n"
    "(10.0.0.1), a CIDR block (10.0.0.0/8 or 10.0.0.0/255.0.0.0; host bits set mean the block\n"
    "that holds them) or a range (10.0.0.5-10.0.0.17, blanks allowed around the dash); blanks\n"
    "around an entry, empty lines and # comments are skipped. Prints the fewest CIDR blocks\n"
    "that cover exactly the same addresses, ascending, or with --ranges the merged ranges as\n"
    "first-last. Lines may be of either family, in any order: the IPv4 blocks come first, then\n"
    "the IPv6 ones; --family keeps one. Lines of at most 4096 bytes; every bad line is reported\n"
    "(up to 20), and then nothing is printed. A regular FILE of 4 MB or more is read on N\n"
    "threads, one a core by default (--threads 1: one); the output is the same.\n";

namespace {

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
    if (familyOf(line.positionals[0]) != familyOf(line.positionals[1]))
        refuse("LAST", line.positionals[1], kMixedFamilies);
    const Address first = accepted("FIRST", line.positionals[0], parseAddressOf(line.positionals[0]));
    const Address last = accepted("LAST", line.positionals[1], parseAddressOf(line.positionals[1]));
    if (last < first)
        refuse("LAST", line.positionals[1], "comes before FIRST " + first.text() + ": the range runs backwards");
    return {first, last};
}

}  // namespace

int rangeCommand(const CommandLine &line, Streams &streams)
{
    // One IPv6 text makes the range IPv6, and the other is refused if it is not.
    const bool anyIpv6 = std::any_of(line.positionals.begin(), line.positionals.end(),
                                     [](std::string_view text) { return familyOf(text) == Family::Ipv6; });
    AnyRangeSet covered;
    withFamily(anyIpv6 ? Family::Ipv6 : Family::Ipv4,
               [&]<typename Address>() { covered.of<Address>().push_back(readRange<Address>(line)); });
    writeMergedList(covered, line, streams);
    return kDone;
}

int aggregateCommand(const CommandLine &line, Streams &streams)
{
    familyOption(line);  // refused before any input is read
    std::vector<std::string_view> sources = line.positionals;
    if (sources.empty())
        sources.push_back("-");
    Complaints complaints;
    const AnyRangeSet list = readMergedList(sources, streams.standardInput, complaints, threadsOption(line));
    if (complaints.any()) {
        streams.errors << complaints.report();
        return kRefused;
    }
    writeMergedList(list, line, streams);
    return kDone;
}

}  // namespace netquill::cli
