#include "cli/planning.h"

#include "cli/commands.h"
#include "core/ranges.h"
#include "core/subnetplan.h"
#include "core/subnetrows.h"
#include "core/vlsm.h"

#include <fstream>

namespace netquill::cli {

const char *const kRangeHelp =
    "usage: netquill-cli range FIRST LAST\n"
    "Prints the fewest CIDR blocks that cover exactly FIRST to LAST, ascending, one per line.\n";

const char *const kAggregateHelp =
    "usage: netquill-cli aggregate [--ranges] [FILE...]\n"
    "Reads FILEs, or standard input when none or - is given: one entry per line, an address\n"
    "(10.0.0.1), a CIDR block (10.0.0.0/8; host bits set mean the block that holds them) or a\n"
    "range (10.0.0.5-10.0.0.17); blanks around an entry, empty lines and # comments are skipped.\n"
    "Prints the fewest CIDR blocks that cover exactly the same addresses, ascending, or with\n"
    "--ranges the merged ranges as first-last.\n";

const char *const kVlsmHelp =
    "usage: netquill-cli vlsm BLOCK/PREFIX REQUEST... [--rfc3021] [--format tsv|csv|jsonl]\n"
    "Allocates one subnet per REQUEST, HOSTS or NAME=HOSTS (unnamed requests are named 1, 2, ...):\n"
    "the smallest subnet with at least HOSTS usable hosts (2^h - 2; with --rfc3021 a /31 for 1 or\n"
    "2 hosts), largest first, each at the lowest free address aligned to its size. Then one (free)\n"
    "row for each of the fewest blocks that cover what is left. Status 1 when the requests do not fit.\n";

namespace {

constexpr int kDoesNotFit = 1;

Ipv4Address addressArgument(std::string_view argument, std::string_view text)
{
    const auto address = netquill::parseDottedAddress(text);
    if (!address)
        refuse(argument, text, "must be four octets of 0 to 255 joined by dots, such as 192.168.1.1");
    return *address;
}

// Reads an address list in large blocks: a line at a time would cost more than
// the whole aggregation.
void readEntries(std::istream &in, std::string_view source, std::vector<AddressRange> &ranges)
{
    constexpr std::size_t kBlock = 1 << 20;
    std::string buffer;
    std::size_t lineNumber = 0;
    const auto takeLine = [&](std::string_view line) {
        ++lineNumber;
        const std::size_t comment = line.find('#');
        std::string_view entry = line.substr(0, comment);
        const std::size_t first = entry.find_first_not_of(" \t\r");
        if (first == std::string_view::npos)
            return;
        entry = entry.substr(first, entry.find_last_not_of(" \t\r") - first + 1);
        const auto range = parseAddressEntry(entry);
        if (!range)
            refuse(std::string(source) + ":" + std::to_string(lineNumber), line,
                   "is not an address, a CIDR block or a range (first-last)");
        ranges.push_back(*range);
    };
    while (in) {
        const std::size_t kept = buffer.size();
        buffer.resize(kept + kBlock);
        in.read(buffer.data() + kept, static_cast<std::streamsize>(kBlock));
        buffer.resize(kept + static_cast<std::size_t>(in.gcount()));
        std::size_t start = 0;
        for (std::size_t end; (end = buffer.find('\n', start)) != std::string::npos; start = end + 1)
            takeLine(std::string_view(buffer).substr(start, end - start));
        buffer.erase(0, start);
    }
    if (!buffer.empty())
        takeLine(buffer);
}

// One row of the vlsm table: the subnet's texts as the subnet list writes them.
void appendVlsmRow(std::string &out, RowFormat format, std::string_view name, const Block &subnet)
{
    const SubnetPlan alone(subnet, subnet.prefix);
    const SubnetAddresses row = alone.row(0);
    const std::string size = alone.subnetSizeText();
    if (format == RowFormat::JSONL) {
        out += "{\"name\":\"" + std::string(name) + "\",\"subnet\":\"" + subnet.text() + "\",\"mask\":\"" +
               subnet.prefix.maskAddress().text() + "\",\"hosts\":" + size + ",\"first\":\"" + row.firstHost.text() +
               "\",\"last\":\"" + row.lastHost.text() + "\",\"broadcast\":\"" + row.broadcast.text() + "\"}\n";
        return;
    }
    const char separator = format == RowFormat::CSV ? ',' : '\t';
    for (const std::string &cell : {std::string(name), subnet.text(), subnet.prefix.maskAddress().text(), size,
                                    row.firstHost.text() + " to " + row.lastHost.text()})
        out.append(cell).push_back(separator);
    out += row.broadcast.text() + "\n";
}

std::string jsonEscaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            escaped += code;
            continue;
        }
        escaped += c;
    }
    return escaped;
}

}  // namespace

int rangeCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.size() != 2)
        refuse("FIRST LAST", line.positionals.empty() ? "" : line.positionals.back(), "must be two addresses");
    const AddressRange range{addressArgument("FIRST", line.positionals[0]),
                             addressArgument("LAST", line.positionals[1])};
    if (range.last < range.first)
        refuse("LAST", line.positionals[1], "must not come before FIRST " + std::string(line.positionals[0]));
    std::vector<Block> blocks;
    appendCoveringBlocks(range, blocks);
    for (const Block &block : blocks) {
        block.appendText(streams.out.buffer());
        streams.out.buffer() += '\n';
    }
    return kDone;
}

int aggregateCommand(const CommandLine &line, Streams &streams)
{
    std::vector<AddressRange> ranges;
    std::vector<std::string_view> sources = line.positionals;
    if (sources.empty())
        sources.push_back("-");
    for (const std::string_view source : sources) {
        if (source == "-") {
            readEntries(streams.in, source, ranges);
            continue;
        }
        std::ifstream file{std::string(source), std::ios::binary};
        if (!file)
            refuse("FILE", source, "cannot be read");
        readEntries(file, source, ranges);
    }
    mergeRanges(ranges);
    std::vector<Block> blocks;
    for (const AddressRange &range : ranges) {
        std::string &out = streams.out.buffer();
        if (line.has("--ranges")) {
            range.first.appendText(out);
            out += '-';
            range.last.appendText(out);
            out += '\n';
        } else {
            blocks.clear();
            appendCoveringBlocks(range, blocks);
            for (const Block &block : blocks) {
                block.appendText(out);
                out += '\n';
            }
        }
        streams.out.flushWhenFull();
        if (!streams.out.open())
            break;
    }
    return kDone;
}

int vlsmCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.size() < 2)
        refuse("REQUEST", "", "at least one is needed after BLOCK/PREFIX");
    const auto [address, prefix] = splitAtSlash("BLOCK/PREFIX", line.positionals[0]);
    const Block block = Block::containing(addressArgument("BLOCK", address), Prefix(parseMaskBits("PREFIX", prefix)));
    std::vector<SubnetRequest> requests;
    for (std::size_t k = 1; k < line.positionals.size(); ++k) {
        const std::string_view text = line.positionals[k];
        const std::size_t equals = text.rfind('=');
        const std::string_view name = equals == std::string_view::npos ? std::string_view() : text.substr(0, equals);
        if (equals != std::string_view::npos && name.empty())
            refuse("REQUEST", text, "must be HOSTS or NAME=HOSTS with a name before the =");
        const std::uint64_t hosts = parseNumber("REQUEST", text.substr(equals + 1), 1, kMostUsableHosts);
        requests.push_back({name.empty() ? std::to_string(k) : std::string(name), hosts});
    }
    static const std::map<std::string, RowFormat, std::less<>> formats{
        {"tsv", RowFormat::TSV}, {"csv", RowFormat::CSV}, {"jsonl", RowFormat::JSONL}};
    const RowFormat format = chosen(line, "--format", formats, RowFormat::TSV, "must be tsv, csv or jsonl");

    const auto allocated = allocateSubnets(block, requests, line.has("--rfc3021"));
    if (const auto *shortfall = std::get_if<VlsmShortfall>(&allocated)) {
        streams.errors << "netquill-cli: request '" << line.positionals[shortfall->request + 1]
                       << "' does not fit: the block " << block.text() << " lacks " << shortfall->lacking
                       << " addresses\n";
        return kDoesNotFit;
    }
    const VlsmPlan &plan = std::get<VlsmPlan>(allocated);
    std::string &out = streams.out.buffer();
    if (format != RowFormat::JSONL) {
        const char separator = format == RowFormat::CSV ? ',' : '\t';
        for (const char *heading : {"Name", "Subnet", "Mask", "Usable Hosts", "Host Range"})
            out.append(heading).push_back(separator);
        out += "Broadcast\n";
    }
    for (const Allocation &allocation : plan.allocations)
        appendVlsmRow(out, format, format == RowFormat::JSONL ? jsonEscaped(allocation.name) : allocation.name,
                      allocation.subnet);
    for (const Block &free : plan.free)
        appendVlsmRow(out, format, "(free)", free);
    return kDone;
}

}  // namespace netquill::cli
