#include "cli/commandfiles.h"

#include "cli/addresslists.h"
#include "cli/fileparts.h"
#include "cli/greplines.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/planning/rangeindex.h"
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
    "  --threads N  a regular FILE of 4 MB or more read on N threads (one a core by default;\n"
    "      1: one), its lines written in their order; -n and -q read on one\n"
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

// The PATTERNs of both families, each indexed for the addresses of a log.
class Patterns
{
public:
    explicit Patterns(AnyRangeSet ranges) : m_ranges(std::move(ranges)), m_ipv4(m_ranges.ipv4), m_ipv6(m_ranges.ipv6) {}
    Patterns(const Patterns &) = delete;
    Patterns &operator=(const Patterns &) = delete;

    bool hold(const FoundAddress &found) const
    {
        if (const auto *ipv4 = found.address.as<Ipv4Address>())
            return m_ipv4.holds(*ipv4);
        return m_ipv6.holds(*found.address.as<Ipv6Address>());
    }

private:
    AnyRangeSet m_ranges;
    RangeIndex<Ipv4Address> m_ipv4;
    RangeIndex<Ipv6Address> m_ipv6;
};

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
    const AnyRangeSet fromLists = readMergedList(lists, streams.standardInput, complaints, threadsOption(line));
    if (complaints.any())
        throw UsageError(complaints.report().substr(std::string_view("netquill-cli: ").size()));
    forEachFamily([&]<typename Address>() {
        auto &ranges = patterns.of<Address>();
        ranges.insert(ranges.end(), fromLists.of<Address>().begin(), fromLists.of<Address>().end());
        mergeRanges(ranges);
    });
    return patterns;
}

// A large regular FILE is read in parts of this size, a thread a part.
constexpr std::uint64_t kGrepPartSize = std::uint64_t{4} << 20;

// One whole line as the selection takes it, what it writes appended to
// `out` (each line number being counted only on one thread); whether it was selected.
bool selectLine(std::string_view line, const Patterns &patterns, const Selection &selection, std::string_view prefix,
                std::string_view eol, std::string &out)
{
    const bool onlyEach =
        selection.only && !selection.invert && !selection.count && !selection.quiet && !selection.whole;
    bool matched = false;
    forEachAddress(line, true, [&](const FoundAddress &found) {
        if (!patterns.hold(found))
            return true;
        matched = true;
        if (onlyEach)
            out.append(prefix).append(line.substr(found.at, sizeWithZone(line, found))).append(eol);
        return onlyEach;  // otherwise one address decides the line
    });
    std::string_view address;  // with -x, the line's one address
    if (selection.whole && matched) {
        // The line is the address and nothing else (a CR before its LF aside).
        address = line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
        const auto found = nextAddress(address);
        matched = found && found->at == 0 && sizeWithZone(address, *found) == address.size();
    }
    if (matched == selection.invert)
        return false;
    if (!selection.only && !selection.count)
        out.append(prefix).append(line).append("\n");
    else if (selection.only && selection.whole && !selection.invert)
        out.append(prefix).append(address).append(eol);
    return true;
}

// What the selection takes of one part of a FILE: its output and how many
// lines. A thread's buffers serve each part it reads in turn: memory touched
// anew for every part cost more than the threads saved.
struct GrepPart {
    std::string bytes;
    std::string out;
    std::size_t selected = 0;
};

GrepPart &grepPart(const InputFile &file, FilePart part, const Patterns &patterns, const Selection &selection,
                   std::string_view prefix, std::string_view eol, GrepPart &taken)
{
    std::string &bytes = taken.bytes;
    bytes.resize(static_cast<std::size_t>(part.end - part.begin));
    taken.out.clear();
    taken.selected = 0;
    for (std::size_t got = 0; got < bytes.size();) {
        const std::size_t read = file.readAt(bytes.data() + got, bytes.size() - got, part.begin + got);
        if (read == 0)
            throw UsageError("FILE '" + shown(file.name()) + "': changed while it was read");
        got += read;
    }
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        if (selectLine(std::string_view(bytes).substr(start, end - start), patterns, selection, prefix, eol, taken.out))
            ++taken.selected;
        start = end + 1;
    }
    return taken;
}

// A large regular FILE read in parts at once, the parts' output in the file's
// order; its count of selected lines. Line numbers (-n) and -q stay on one thread.
std::optional<std::size_t> grepInParts(const InputFile &file, unsigned threads, const Patterns &patterns,
                                       const Selection &selection, const std::string &prefix, Streams &streams)
{
    if (selection.numbers || selection.quiet)
        return std::nullopt;
    const auto parts = cutAtLines(file, threads, kGrepPartSize);
    if (!parts)
        return std::nullopt;
    std::size_t selected = 0;
    // Part k uses the buffers part k - threads did, which were taken before it starts.
    std::vector<GrepPart> buffers(threads);
    eachPartInOrder(
        parts->size(), threads,
        [&](std::size_t k) -> GrepPart * {
            return &grepPart(file, (*parts)[k], patterns, selection, prefix, streams.eol(), buffers[k % threads]);
        },
        [&](const GrepPart *part) {
            selected += part->selected;
            streams.out.append(part->out);
            return streams.out.open();
        });
    if (selection.count) {
        streams.out.buffer().append(prefix).append(std::to_string(selected)).append(streams.eol());
        streams.out.flushWhenFull();
    }
    return selected;
}

// The lines of one FILE the selection takes; their count.
std::size_t grepFile(std::string_view name, const Patterns &patterns, const Selection &selection,
                     const std::string &prefix, unsigned threads, Streams &streams)
{
    // Only a regular file is opened for its parts: a named pipe opened and
    // closed before being read would lose its writer.
    struct stat status {
    };
    if (name != "-" && ::stat(std::string(name).c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        const InputFile file(name, streams.standardInput);
        if (const auto selected = grepInParts(file, threads, patterns, selection, prefix, streams))
            return *selected;
    }
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
    const auto onAddress = [&](std::string_view text, const FoundAddress &address) {
        if (!patterns.hold(address))
            return true;
        matched = true;
        if (!onlyEach)
            return false;  // one address decides the line
        linePrefix(reader->lineNumber());
        out.append(text).append(streams.eol());
        streams.out.flushWhenFull();
        return true;
    };
    ScannedLines lines(name, streams.standardInput, !selection.count && !selection.only && !selection.quiet, onAddress);
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
    const Patterns patterns(readPatterns(line, files, streams));
    if (files.empty())
        files.push_back("-");
    if (std::count(files.begin(), files.end(), "-") > 1)
        refuse("FILE", "-", "is given twice: standard input is read once");
    const Selection selection{line.has("-v"), line.has("-c"), line.has("-o"),
                              line.has("-x"), line.has("-n"), line.has("-q")};
    const bool names = line.has("-H") || (files.size() > 1 && !line.has("-h"));
    const unsigned threads = threadsOption(line);
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
            anySelected = grepFile(file, patterns, selection, prefix, threads, streams) > 0 || anySelected;
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
