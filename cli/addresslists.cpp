#include "cli/addresslists.h"

#include "cli/input.h"
#include "core/planning/ranges.h"

namespace netquill::cli {

namespace {

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

AnyRangeSet readMergedList(const std::vector<std::string_view> &sources, int standardInput, Complaints &complaints)
{
    AddressListReader list;
    for (const std::string_view source : sources) {
        LineReader reader(source, standardInput);
        std::string_view text;
        std::string_view entry;
        while (reader.next(text, complaints))
            if (const auto reason = list.add(text, entry))
                complaints.add(reader.place() + ": '" + shown(entry) + "': " + reason->reason);
    }
    return list.take();
}

Families familyOption(const CommandLine &line)
{
    const std::string *family = line.option("--family");
    if (family && *family != "4" && *family != "6")
        refuse("--family", *family, "must be 4 or 6");
    return {!family || *family == "4", !family || *family == "6"};
}

void writeMergedList(const AnyRangeSet &list, const CommandLine &line, Streams &streams)
{
    const Families families = familyOption(line);
    // IPv4 first, then IPv6, each ascending; an IPv4-mapped address stays IPv6.
    forEachFamily([&]<typename Address>() {
        if (families.of<Address>())
            writeRanges(list.of<Address>(), line.has("--ranges"), streams);
    });
}

}  // namespace netquill::cli
