#include "cli/commandfiles.h"

#include "cli/addresslists.h"
#include "cli/greplines.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/planning/ranges.h"

#include <algorithm>
#include <sys/stat.h>

namespace netquill::cli {

const char *const kGrepHelp =
    "usage: netquill-cli grep [-vcoxnHhq] PATTERN [--] [FILE...]\n"
    "       netquill-cli grep [-vcoxnHhq] [-e PATTERN]... [-f LIST]... [--] [FILE...]\n"
    "Prints each line of the FILEs (standard input when none or - is given) that holds an\n"
    "address inside a PATTERN: an address, a block or a range of either family, as aggregate\n"
    "reads a list's lines, several in one separated by commas or blanks; -e gives one (repeat\n"
    "it), -f a LIST file of them, and both may be given. Without -e and -f, the first operand\n"
    "is the PATTERN and every later one a FILE, as in grep. A FILE that is the output itself\n"
    "is refused. A PATTERN has no zone: it is a block, and a zone names a link. An address\n"
    "is a whole token: 1.2.3.45 is not 1.2.3.4, v1.2.3.4, 10.0.0.256 and 1.2.3.4.5 are none;\n"
    "IPv4 is found after a colon or before a port (src=192.0.2.7:5353), IPv6 in brackets\n"
    "([2001:db8::1]:443), with a zone (fe80::1%eth0) or a dotted tail: ::ffff:192.0.2.1 is an\n"
    "IPv6 address, matched by IPv6 patterns only (grepcidr also takes it for IPv4).\n"
    "  -v  the lines that hold no address inside a PATTERN\n"
    "  -c  the count of such lines, per FILE\n"
    "  -o  each matching address as it stands (its zone too), one a line\n"
    "  -x  lines that are one address (with its zone) and nothing else\n"
    "  -n  each line's number before it\n"
    "  -H  each FILE's name before its lines (the default for more than one FILE); -h never\n"
    "  -q  nothing printed: the status says whether a line matched\n"
    "Lines pass as bytes, whatever their length or encoding. Exit status, as grep's: 0 a line\n"
    "was selected, 1 none was, 2 trouble (a bad PATTERN, a FILE that cannot be read).\n";

namespace {

struct Selection {
    bool invert;
    bool count;
    bool only;
    bool whole;
    bool numbers;
    bool quiet;
};

bool holds(const AnyRangeSet &patterns, const FoundAddress &found)
{
    return found.address.visit([&](auto address) {
        const auto &ranges = patterns.of<decltype(address)>();
        const auto after = std::upper_bound(ranges.begin(), ranges.end(), address,
                                            [](auto value, const auto &range) { return value < range.first; });
        return after != ranges.begin() && !(std::prev(after)->last < address);
    });
}

// The PATTERNs of -e and -f, or the first positionals; the FILEs after them.
AnyRangeSet readPatterns(const CommandLine &line, std::vector<std::string_view> &files, Streams &streams)
{
    std::vector<std::string> given;
    std::vector<std::string_view> lists;
    const auto repeated = [&](std::string_view name) {
        const auto found = line.repeated.find(name);
        return found == line.repeated.end() ? std::vector<std::string>() : found->second;
    };
    for (const std::string &pattern : repeated("-e"))
        given.push_back(pattern);
    const std::vector<std::string> listFiles = repeated("-f");
    lists.assign(listFiles.begin(), listFiles.end());
    std::size_t firstFile = 0;
    // Without -e and -f the first operand is the PATTERN, which may hold several.
    if (given.empty() && lists.empty()) {
        if (line.positionals.empty())
            throw UsageError("PATTERN is missing");
        const std::string_view operand = line.positionals[firstFile++];
        for (std::size_t start = 0; start <= operand.size();) {
            const std::size_t end = std::min(operand.find_first_of(", \t", start), operand.size());
            if (end > start)
                given.emplace_back(operand.substr(start, end - start));
            start = end + 1;
        }
        if (given.empty())
            refuse("PATTERN", operand, "holds no address, block or range");
    }
    files.assign(line.positionals.begin() + static_cast<std::ptrdiff_t>(firstFile), line.positionals.end());
    AnyRangeSet patterns;
    for (const std::string &pattern : given) {
        const std::string_view entry = withoutBlanksAround(pattern);
        accepted("PATTERN", pattern, parseAnyRange(entry)).visit([&](const auto &range) {
            patterns.of<decltype(range.first)>().push_back(range);
        });
    }
    Complaints complaints;
    const AnyRangeSet fromLists = readMergedList(lists, streams.standardInput, complaints);
    if (complaints.any())
        throw UsageError(complaints.report().substr(std::string_view("netquill-cli: ").size()));
    forEachFamily([&]<typename Address>() {
        auto &ranges = patterns.of<Address>();
        ranges.insert(ranges.end(), fromLists.of<Address>().begin(), fromLists.of<Address>().end());
        mergeRanges(ranges);
    });
    return patterns;
}

// The lines of one FILE the selection takes; their count.
std::size_t grepFile(std::string_view name, const AnyRangeSet &patterns, const Selection &selection,
                     const std::string &prefix, Streams &streams)
{
    std::string &out = streams.out.buffer();
    bool matched = false;
    std::size_t selected = 0;
    const auto linePrefix = [&](std::size_t number) {
        out += prefix;
        if (selection.numbers)
            out.append(std::to_string(number)).append(":");
    };
    // -o prints every matching address; otherwise the first decides the line.
    const bool onlyEach =
        selection.only && !selection.invert && !selection.count && !selection.quiet && !selection.whole;
    const ScannedLines *reader = nullptr;
    ScannedLines lines(name, streams.standardInput, !selection.count && !selection.only && !selection.quiet,
                       [&](std::string_view text, const FoundAddress &address) {
                           if (!holds(patterns, address))
                               return true;
                           matched = true;
                           if (!onlyEach)
                               return false;  // one address decides the line
                           linePrefix(reader->lineNumber());
                           out.append(text).append(streams.eol());
                           streams.out.flushWhenFull();
                           return true;
                       });
    reader = &lines;
    while (lines.next()) {
        const std::size_t number = lines.lineNumber();
        std::string_view address;  // with -x, the line's one address
        if (selection.whole && matched) {
            // The line is the address and nothing else (a CR before its LF aside).
            const std::string_view *text = lines.wholeText();
            address = text ? *text : std::string_view();
            if (address.ends_with('\r'))
                address.remove_suffix(1);
            const auto found = nextAddress(address);
            matched = found && found->at == 0 && sizeWithZone(address, *found) == address.size();
        }
        if (matched != selection.invert) {
            ++selected;
            if (selection.quiet)
                return selected;
            if (!selection.only && !selection.count) {
                linePrefix(number);
                lines.writeLine(streams.out);
                out += '\n';
            } else if (selection.only && selection.whole && !selection.invert) {
                linePrefix(number);
                out.append(address).append(streams.eol());
            }
            streams.out.flushWhenFull();
            if (!streams.out.open())
                return selected;
        }
        matched = false;
    }
    if (selection.count) {
        out.append(prefix).append(std::to_string(selected)).append(streams.eol());
        streams.out.flushWhenFull();
    }
    return selected;
}

}  // namespace

int grepCommand(const CommandLine &line, Streams &streams)
{
    std::vector<std::string_view> files;
    const AnyRangeSet patterns = readPatterns(line, files, streams);
    if (files.empty())
        files.push_back("-");
    if (std::count(files.begin(), files.end(), "-") > 1)
        refuse("FILE", "-", "is given twice: standard input is read once");
    const Selection selection{line.has("-v"), line.has("-c"), line.has("-o"),
                              line.has("-x"), line.has("-n"), line.has("-q")};
    const bool names = line.has("-H") || (files.size() > 1 && !line.has("-h"));
    // A FILE that is the output itself would be read as it grows, until the disk is full.
    struct stat output {
    };
    const bool outputIsAFile =
        streams.out.descriptor() >= 0 && ::fstat(streams.out.descriptor(), &output) == 0 && S_ISREG(output.st_mode);
    const auto isTheOutput = [&](std::string_view file) {
        struct stat input {
        };
        return outputIsAFile && file != "-" && ::stat(std::string(file).c_str(), &input) == 0 &&
               input.st_dev == output.st_dev && input.st_ino == output.st_ino;
    };
    bool anySelected = false;
    bool trouble = false;
    for (const std::string_view file : files) {
        if (isTheOutput(file)) {
            streams.errors << "netquill-cli: FILE '" << shown(file) << "': is also the output\n";
            trouble = true;
            continue;
        }
        try {
            const std::string prefix = names ? std::string(file == "-" ? "(standard input)" : file) + ":" : "";
            anySelected = grepFile(file, patterns, selection, prefix, streams) > 0 || anySelected;
        } catch (const UsageError &error) {
            // One FILE that cannot be read does not stop the others, as in grep.
            streams.errors << "netquill-cli: " << error.what() << "\n";
            trouble = true;
        }
        if ((selection.quiet && anySelected) || !streams.out.open())
            break;
    }
    if (selection.quiet && anySelected)
        return kDone;
    return trouble ? kRefused : anySelected ? kDone : kNoAnswer;
}

}  // namespace netquill::cli
