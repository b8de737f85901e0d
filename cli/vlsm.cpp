#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/files/planfile.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/splitrows.h"
#include "core/planning/requesttext.h"
#include "core/planning/vlsm.h"

#include <optional>
#include <stdexcept>
#include <variant>

namespace netquill::cli {

const char *const kVlsmHelp =
    "usage: netquill-cli vlsm BLOCK/PREFIX REQUEST... [--rfc3021 | --cloud PROVIDER]\n"
    "                         [--format tsv|csv|txt|html|jsonl] [--no-header] [--save FILE]\n"
    "Allocates one subnet per REQUEST, AMOUNT or NAME=AMOUNT (unnamed requests are named 1, 2, ...\n"
    "by their place; each name once, in UTF-8 without control characters, and not \"(free)\"):\n"
    "the smallest subnet with at least AMOUNT usable hosts, for an IPv6 block at least AMOUNT\n"
    "addresses, or of the prefix length /LENGTH; largest first, each at the lowest free address\n"
    "aligned to its size. Then\n"
    "one (free) row for each of the fewest blocks that cover what is left. The rows are list's,\n"
    "with a Name column first; jsonl keys: name, network, prefix_length, mask, wildcard_mask,\n"
    "usable_hosts, first_host, last_host, broadcast. For IPv6, keys: name, network,\n"
    "prefix_length, first_address, last_address, address_count. Status 1 when the requests\n"
    "do not fit. --save FILE also writes the allocation as a plan file, which the window opens\n"
    "and plan-file prints: the block split in halves down to each subnet, named, with its\n"
    "REQUEST; the file is written whole or not at all (status 3). --save - writes the plan file\n"
    "to standard output instead of the rows.\n";

namespace {

// The name of the rows of what no request took.
constexpr std::string_view kFreeName = "(free)";

// The REQUEST arguments, read as the plan window reads its lines.
std::vector<SubnetRequest> readRequests(const CommandLine &line, Family family, const HostRule &hostRule)
{
    const std::vector<std::string_view> entries(line.positionals.begin() + 1, line.positionals.end());
    auto requests = netquill::readRequests(
        entries, family, hostRule, [](std::size_t, std::string_view text) { return "REQUEST '" + shown(text) + "'"; });
    if (!requests)
        throw UsageError(requests.reason());
    return std::move(*requests);
}

// The allocation as a plan the window opens: the block a tree whose named
// leaves are the subnets, each carrying its request as it was written. The
// plan places the requests as the allocation did, by the same placement.
Plan planOf(const AnyBlock &block, const std::vector<SubnetRequest> &asked)
{
    Plan plan;
    plan.addRoot(block);
    if (const auto refusal = plan.placeRequests(block, asked))
        throw std::logic_error("the plan placed the requests otherwise: " + refusal->text());
    plan.forgetHistory();
    return plan;
}

// The allocation as a named table of list's rows: each request's subnet,
// then a (free) row for each block of what is left; or the request that does
// not fit, status 1.
template <typename Address>
int vlsmOf(const CommandLine &line, RowFormat format, Streams &streams)
{
    const std::string_view text = line.positionals[0];
    const Block<Address> block = accepted("BLOCK/PREFIX", text, parseBlock<Address>(text));
    const HostRule hostRule = hostRuleOption(line, AddressFamily<Address>::kFamily);
    const std::vector<SubnetRequest> asked = readRequests(line, AddressFamily<Address>::kFamily, hostRule);
    const auto allocated = allocateSubnets(block, asked);
    if (const auto *shortfall = std::get_if<VlsmShortfall>(&allocated)) {
        std::string why = "the block " + block.text() + " lacks " + shortfall->lacking +
                          (shortfall->lacking == "1" ? " address" : " addresses");
        // A request for hosts in a block that holds no subnet the rule allows.
        if constexpr (Address::kBits == 32)
            if (!asked[shortfall->request].asked.starts_with('/') && hostRule.mostRequestableHosts(block.prefix()) == 0)
                why = hostRule.noRoomIn(block.prefix());
        streams.errors << "netquill-cli: request '" << shown(line.positionals[shortfall->request + 1])
                       << "' does not fit: " << why << "\n";
        return kNoAnswer;
    }
    const VlsmAllocation<Address> &carved = std::get<VlsmAllocation<Address>>(allocated);
    if (const std::string *file = line.option("--save")) {
        // "-" is standard output: the plan file there instead of the rows.
        if (*file == "-") {
            streams.out.append(planFileText(planOf(block, asked)));
            return kDone;
        }
        savePlanFile(*file, planOf(block, asked));
    }
    const auto table = SplitRows<Address>(Split<Address>(block, block.length)).renderer(format, streams.lineEnd);
    std::string &out = streams.out.buffer();
    const auto appendRow = [&](std::string_view name, const Block<Address> &subnet) {
        if constexpr (Address::kBits == 32) {
            // An IPv4 row's texts are its own subnet's: each row has a renderer of its own.
            const SubnetPlan alone(subnet, subnet.prefix(), hostRule);
            SubnetRowRenderer(alone, format, streams.lineEnd).appendNamed(out, name, alone.row(0));
        } else {
            table.appendNamed(out, name, subnet);
        }
    };
    if (!line.has("--no-header") || format == RowFormat::HTML)
        out += table.tableStart(true);
    for (const Allocation<Address> &allocation : carved.allocations)
        appendRow(allocation.name, allocation.subnet);
    for (const Block<Address> &free : carved.free)
        appendRow(kFreeName, free);
    out += table.tableEnd();
    return kDone;
}

}  // namespace

int vlsmCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.size() < 2)
        refuse("REQUEST", "", "at least one is needed after BLOCK/PREFIX");
    const RowFormat format = rowFormatOption(line);
    return familyOf(line.positionals[0]) == Family::Ipv6 ? vlsmOf<Ipv6Address>(line, format, streams)
                                                         : vlsmOf<Ipv4Address>(line, format, streams);
}

}  // namespace netquill::cli
