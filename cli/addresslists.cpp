#include "cli/addresslists.h"

#include "cli/fileparts.h"
#include "cli/input.h"
#include "core/planning/ranges.h"

#include <limits>

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

namespace {

// What one part of a list file holds, and what is wrong with it, each
// complaint with its line in the part until the lines before it are counted.
struct PartOfList {
    AnyRangeSet ranges;
    std::size_t lines = 0;
    std::vector<std::pair<std::size_t, std::string>> told;
    std::size_t complaints = 0;
    bool stopped = false;  // at a line too long or not text: the rest of the file is not read
};

PartOfList readPart(const InputFile &file, FilePart part)
{
    PartOfList read;
    AddressListReader list;
    LineReader reader(file, part);
    const auto complain = [&](std::string message) {
        if (++read.complaints <= Complaints::kMostReported)
            read.told.emplace_back(reader.lineNumber(), std::move(message));
    };
    std::string_view text;
    std::string_view entry;
    while (reader.next(text))
        if (const auto reason = list.add(text, entry))
            complain("'" + shown(entry) + "': " + reason->reason);
    read.stopped = !reader.problem().empty();
    if (read.stopped)
        complain(reader.problem());
    read.lines = reader.lineNumber();
    read.ranges = list.take();
    return read;
}

// A large file's parts read at once, then joined in its order: what the
// one-thread reading finds, complaints and their lines included.
AnyRangeSet readInParts(const InputFile &file, const std::vector<FilePart> &parts, unsigned threads,
                        Complaints &complaints)
{
    AnyRangeSet list;
    std::size_t linesBefore = 0;
    eachPartInOrder(
        parts.size(), threads, [&](std::size_t k) { return readPart(file, parts[k]); },
        [&](PartOfList part) {
            for (const auto &[line, message] : part.told)
                complaints.add(shown(file.name()) + ":" + std::to_string(linesBefore + line) + ": " + message);
            complaints.addUntold(part.complaints - part.told.size());
            forEachFamily([&]<typename Address>() { addTo(list.of<Address>(), std::move(part.ranges.of<Address>())); });
            linesBefore += part.lines;
            return !part.stopped;
        });
    return list;
}

}  // namespace

AnyRangeSet readMergedList(const std::vector<std::string_view> &sources, int standardInput, Complaints &complaints,
                           unsigned threads)
{
    AddressListReader list;
    AnyRangeSet parted;
    for (const std::string_view source : sources) {
        InputFile file(source, standardInput);
        // A part a thread: each part's merged list is joined to those before, a walk of all of them.
        if (const auto parts = cutAtLines(file, threads, std::numeric_limits<std::uint64_t>::max())) {
            AnyRangeSet read = readInParts(file, *parts, threads, complaints);
            forEachFamily([&]<typename Address>() { addTo(parted.of<Address>(), std::move(read.of<Address>())); });
            continue;
        }
        LineReader reader(file);
        std::string_view text;
        std::string_view entry;
        while (reader.next(text, complaints))
            if (const auto reason = list.add(text, entry))
                complaints.add(reader.place() + ": '" + shown(entry) + "': " + reason->reason);
    }
    AnyRangeSet read = list.take();
    forEachFamily([&]<typename Address>() { addTo(read.of<Address>(), std::move(parted.of<Address>())); });
    return read;
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
