#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/lines/ipv6rows.h"
#include "core/planning/vlsm.h"

#include <optional>
#include <variant>

namespace netquill::cli {

const char *const kVlsmHelp =
    "usage: netquill-cli vlsm BLOCK/PREFIX REQUEST... [--rfc3021] [--format tsv|csv|txt|html|jsonl]\n"
    "                         [--no-header]\n"
    "Allocates one subnet per REQUEST, AMOUNT or NAME=AMOUNT (unnamed requests are named 1, 2, ...\n"
    "by their place; each name once, in UTF-8, and not \"(free)\"): the smallest subnet with\n"
    "at least AMOUNT usable hosts, for an IPv6 block at least AMOUNT addresses, or of the prefix\n"
    "length /LENGTH; largest first, each at the lowest free address aligned to its size. Then\n"
    "one (free) row for each of the fewest blocks that cover what is left. The rows are list's,\n"
    "with a Name column first; jsonl keys: name, network, prefix_length, mask, wildcard_mask,\n"
    "usable_hosts, first_host, last_host, broadcast. For IPv6, keys: name, network,\n"
    "prefix_length, first_address, last_address, address_count. Status 1 when the requests\n"
    "do not fit.\n";

namespace {

struct Request {
    std::string name;
    std::string_view amount;  // HOSTS, an address COUNT (IPv6) or /LENGTH
};

// The name of the rows of what no request took.
constexpr std::string_view kFreeName = "(free)";

// NAME=AMOUNT or AMOUNT; unnamed requests are named by their place. A name
// stands for one subnet, so each is given once, and as UTF-8 text, as JSON
// must hold it.
std::vector<Request> readRequests(const CommandLine &line, RowFormat format)
{
    std::vector<Request> requests;
    for (std::size_t k = 1; k < line.positionals.size(); ++k) {
        const std::string_view text = line.positionals[k];
        const std::size_t equals = text.rfind('=');
        const std::string_view name = equals == std::string_view::npos ? std::string_view() : text.substr(0, equals);
        if (equals != std::string_view::npos && name.empty())
            refuse("REQUEST", text, "must be AMOUNT or NAME=AMOUNT with a name before the =");
        if (name == kFreeName)
            refuse("REQUEST", text, "the name (free) is kept for the rows of the space left over");
        if (!isUtf8(name))
            refuse("REQUEST", text, "the name is not UTF-8 text");
        if (const std::string problem = SubnetRowRenderer::nameProblem(name, format); !problem.empty())
            refuse("REQUEST", text, problem);
        Request request{name.empty() ? std::to_string(k) : std::string(name), text.substr(equals + 1)};
        for (std::size_t earlier = 0; earlier < requests.size(); ++earlier)
            if (requests[earlier].name == request.name)
                refuse("REQUEST", text,
                       "names its subnet '" + shown(request.name) + "', as REQUEST '" +
                           shown(line.positionals[earlier + 1]) + "' does" +
                           (name.empty() ? " (an unnamed request is named by its place)" : ""));
        requests.push_back(std::move(request));
    }
    return requests;
}

// "/LENGTH" of 0 to `longest`, or nothing for a count.
std::optional<int> lengthOf(std::string_view amount, int longest)
{
    if (!amount.starts_with("/"))
        return std::nullopt;
    return static_cast<int>(parseNumber("REQUEST", amount.substr(1), 0, static_cast<std::uint64_t>(longest)));
}

// The allocation of either family as a named table of list's rows: each
// request's subnet, then a (free) row for each block of what is left; or the
// request that does not fit, status 1. `table` writes the table's start and
// end, `appendRow` a named row.
template <typename Plan, typename BlockType, typename Renderer, typename AppendRow>
int writeAllocation(const CommandLine &line, RowFormat format, Streams &streams, const BlockType &block,
                    const std::variant<Plan, VlsmShortfall> &allocated, const Renderer &table, AppendRow appendRow)
{
    if (const auto *shortfall = std::get_if<VlsmShortfall>(&allocated)) {
        streams.errors << "netquill-cli: request '" << shown(line.positionals[shortfall->request + 1])
                       << "' does not fit: the block " << block.text() << " lacks " << shortfall->lacking
                       << " addresses\n";
        return kNoAnswer;
    }
    const Plan &plan = std::get<Plan>(allocated);
    std::string &out = streams.out.buffer();
    if (!line.has("--no-header") || format == RowFormat::HTML)
        out += table.tableStart(true);
    for (const auto &allocation : plan.allocations)
        appendRow(out, allocation.name, allocation.subnet);
    for (const BlockType &free : plan.free)
        appendRow(out, kFreeName, free);
    out += table.tableEnd();
    return kDone;
}

int vlsmIpv6(const CommandLine &line, RowFormat format, Streams &streams)
{
    const Ipv6Block block = accepted("BLOCK/PREFIX", line.positionals[0], parseIpv6Block(line.positionals[0]));
    std::vector<Ipv6Request> requests;
    for (const Request &request : readRequests(line, format)) {
        std::optional<int> length = lengthOf(request.amount, 128);
        if (!length) {
            // The smallest subnet of at least COUNT addresses.
            const Uint128 count = parseNumber128("REQUEST", request.amount, 1, ~Uint128{0}, decimalText(~Uint128{0}));
            length = 128 - bitWidth(static_cast<Uint128>(count - 1));
        }
        requests.push_back({request.name, *length});
    }
    const Ipv6RowRenderer renderer(format, streams.lineEnd);
    return writeAllocation(line, format, streams, block, allocateSubnets(block, requests), renderer,
                           [&renderer](std::string &out, std::string_view name, const Ipv6Block &subnet) {
                               renderer.appendNamed(out, name, subnet);
                           });
}

}  // namespace

int vlsmCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.size() < 2)
        refuse("REQUEST", "", "at least one is needed after BLOCK/PREFIX");
    const RowFormat format = rowFormatOption(line);
    if (looksLikeIpv6(line.positionals[0]))
        return vlsmIpv6(line, format, streams);
    const Block block = accepted("BLOCK/PREFIX", line.positionals[0], parseBlock(line.positionals[0]));
    std::vector<SubnetRequest> requests;
    for (const Request &request : readRequests(line, format)) {
        if (const auto length = lengthOf(request.amount, kLongestMask))
            requests.push_back({request.name, 0, *length});
        else
            requests.push_back({request.name, parseNumber("REQUEST", request.amount, 1, kMostUsableHosts)});
    }
    // An IPv4 row's texts are its own subnet's: each row has a renderer of its own.
    const SubnetRowRenderer table(SubnetPlan(block, block.prefix), format, streams.lineEnd);
    return writeAllocation(line, format, streams, block, allocateSubnets(block, requests, line.has("--rfc3021")), table,
                           [&](std::string &out, std::string_view name, const Block &subnet) {
                               const SubnetPlan alone(subnet, subnet.prefix);
                               SubnetRowRenderer(alone, format, streams.lineEnd).appendNamed(out, name, alone.row(0));
                           });
}

}  // namespace netquill::cli
