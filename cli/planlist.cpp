#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/calculators/subnetcalculator.h"
#include "core/lines/answer.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/jsontext.h"
#include "core/planning/ipv6plan.h"
#include "core/planning/vlsm.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace netquill::cli {

const char *const kPlanHelp =
    "usage: netquill-cli plan BLOCK/PREFIX [PLAN] [--format text|json]\n"
    "Prints the eleven lines of the \"Subnet Calculator\" tab, or with --format json one\n"
    "object, keys: address, prefix_length, mask, subnet_address, subnet_mask, subnet_bit_mask,\n"
    "subnet_prefix_length, host_bits, subnet_count, usable_hosts. For an IPv6 block: the\n"
    "block, the subnets' length, how many there are, their size and the first and last;\n"
    "JSON keys: network, prefix_length, subnet_prefix_length, subnet_count,\n"
    "subnet_address_count, first_subnet, last_subnet.\n";

const char *const kListHelp =
    "usage: netquill-cli list BLOCK/PREFIX [PLAN] [--format tsv|csv|txt|html|jsonl] [--no-header]\n"
    "                         [--from ROW] [--count N]\n"
    "Streams the subnets of the plan: tsv (the default) as the subnet list copies them, csv,\n"
    "txt and html in the export files' row layouts (html as a whole page), jsonl as one JSON\n"
    "object per line, keys: network, prefix_length, mask, wildcard_mask, usable_hosts,\n"
    "first_host, last_host, broadcast. The rows of an IPv6 block hold the subnet, prefix\n"
    "length, first and last address and address count; jsonl keys: network, prefix_length,\n"
    "first_address, last_address, address_count. --from starts at row ROW (1-based; any row\n"
    "up to 2^128 at once), --count writes at most N rows (fewer where the plan ends first),\n"
    "--no-header leaves out the heading line.\n";

namespace {

// The options that choose a plan's subnets, each with its value, the families
// it is for and what it asks for: the help, the options each command takes
// and the refusals of the other family's all come from here.
struct PlanOption {
    std::string_view name;
    std::string_view value;
    bool ipv4;
    bool ipv6;
    std::string_view meaning;
};

constexpr PlanOption kPlanOptions[] = {
    {"--subnet-mask", "M", true, false, "the subnets' dotted mask"},
    {"--mask-bits", "N", true, true, "the subnets' prefix length"},
    {"--subnets", "N", true, true, "the smallest split into at least N subnets"},
    {"--host-bits", "N", true, false, "the host bits of each subnet"},
    {"--hosts", "N", true, false, "hosts per subnet as the tab lists them: 62, 2 or \"2 (RFC3021)\""},
    {"--min-hosts", "N", true, false, "the smallest subnets with at least N usable hosts"},
    {"--min-addresses", "N", false, true, "the smallest subnets of at least N addresses"},
};

// The plan options of one family, "A, B or C" (`last` joining the last two).
std::string planOptionsOf(bool ipv6, std::string_view last)
{
    std::vector<std::string_view> names;
    for (const PlanOption &option : kPlanOptions)
        if (ipv6 ? option.ipv6 : option.ipv4)
            names.push_back(option.name);
    std::string list;
    for (std::size_t k = 0; k < names.size(); ++k)
        list.append(k == 0                  ? ""
                    : k + 1 == names.size() ? std::string(" ") + std::string(last) + " "
                                            : ", ")
            .append(names[k]);
    return list;
}

// The one plan option of a block's family, read into the subnets' length;
// an option of the other family, or a second one, is refused.
class OnePlanOption
{
public:
    OnePlanOption(const CommandLine &line, bool ipv6) : m_line(line), m_ipv6(ipv6)
    {
        for (const PlanOption &option : kPlanOptions)
            if (const std::string *value = line.option(option.name); value && !(ipv6 ? option.ipv6 : option.ipv4))
                refuse(option.name, *value,
                       std::string(ipv6 ? "is for IPv4; an IPv6" : "is for IPv6; an IPv4") + " block takes " +
                           planOptionsOf(ipv6, "or"));
    }

    // `decide` turns the option's value into the subnets' length.
    template <typename Decide>
    void read(const char *name, Decide decide)
    {
        const std::string *value = m_line.option(name);
        if (!value)
            return;
        if (m_length)
            refuse(name, *value, "only one of " + planOptionsOf(m_ipv6, "and") + " may be given");
        m_length = decide(*value);
    }
    int lengthOr(int blockLength) const { return m_length.value_or(blockLength); }

private:
    const CommandLine &m_line;
    bool m_ipv6;
    std::optional<int> m_length;
};

// The subnets' prefix from at most one plan option; the block's own without one.
Prefix subnetPrefixOf(const CommandLine &line, Prefix cidr)
{
    const int cidrBits = cidr.bits();
    const std::string fits = " (a /" + std::to_string(cidrBits) + " block)";
    const std::uint64_t mostSubnets = std::uint64_t{1} << (kLongestMask - cidrBits);
    const bool rfc3021 = line.has("--rfc3021");
    OnePlanOption option(line, false);
    option.read("--subnet-mask", [&](const std::string &text) {
        const auto mask = parsePrefix(text);
        if (!mask || text.find('.') == std::string::npos)
            refuse("--subnet-mask", text, mask ? "must be a dotted mask such as 255.255.255.0" : mask.reason());
        if (mask->bits() < cidrBits)
            refuse("--subnet-mask", text, "must have " + std::to_string(cidrBits) + " to 32 mask bits" + fits);
        return mask->bits();
    });
    option.read("--mask-bits", [&](const std::string &text) {
        return static_cast<int>(parseNumber("--mask-bits", text, static_cast<std::uint64_t>(cidrBits), 32));
    });
    option.read("--subnets", [&](const std::string &text) {
        // The smallest split with at least that many subnets.
        const std::uint64_t subnets = parseNumber("--subnets", text, 1, mostSubnets);
        return cidrBits + static_cast<int>(std::bit_width(subnets - 1));
    });
    option.read("--host-bits", [&](const std::string &text) {
        return 32 - static_cast<int>(parseNumber("--host-bits", text, 0, static_cast<std::uint64_t>(32 - cidrBits)));
    });
    option.read("--hosts", [&](const std::string &text) {
        std::string choices;
        for (int hostBits = 0; hostBits <= 32 - cidrBits; ++hostBits) {
            const std::string hosts = Prefix(32 - hostBits).hostsPerSubnetText();
            if (hosts == text)
                return 32 - hostBits;
            choices += (hostBits == 0 ? "" : ", ") + (hosts.find(' ') == std::string::npos ? hosts : '"' + hosts + '"');
        }
        refuse("--hosts", text,
               "must be one of the hosts per subnet of a /" + std::to_string(cidrBits) + " block: " + choices);
    });
    option.read("--min-hosts", [&](const std::string &text) {
        const std::uint64_t most = mostUsableHosts(cidr, rfc3021);
        if (most == 0)
            refuse("--min-hosts", text,
                   "a /" + std::to_string(cidrBits) + " block holds no subnet with usable hosts" +
                       (rfc3021 ? "" : " (--rfc3021 allows /31 subnets)"));
        const std::uint64_t hosts = parseNumber("--min-hosts", text, 1, most);
        return smallestPrefixHolding(hosts, rfc3021)->bits();
    });
    return Prefix(option.lengthOr(cidrBits));
}

struct Plan {
    AddressWithPrefix given;
    SubnetPlan plan;
};

Plan readPlan(const CommandLine &line)
{
    const AddressWithPrefix given = addressWithPrefixArgument("BLOCK/PREFIX", onlyPositional(line, "BLOCK/PREFIX"));
    return {given, SubnetPlan(given.block(), subnetPrefixOf(line, given.prefix))};
}

// The block and the subnets' length from at most one of --mask-bits,
// --subnets (the smallest split into at least N) and --min-addresses (the
// smallest subnets of at least N addresses).
Ipv6Plan readIpv6Plan(const CommandLine &line)
{
    OnePlanOption option(line, true);
    const std::string_view text = onlyPositional(line, "BLOCK/PREFIX");
    const Ipv6Block block = accepted("BLOCK/PREFIX", text, parseIpv6WithPrefix(text)).block();
    option.read("--mask-bits", [&](const std::string &bits) {
        return static_cast<int>(parseNumber("--mask-bits", bits, static_cast<std::uint64_t>(block.length), 128));
    });
    // Up to 2^128, the subnets or addresses of ::/0.
    const int freeBits = 128 - block.length;
    const Uint128 mostLessOne = freeBits == 128 ? ~Uint128{0} : (Uint128{1} << freeBits) - 1;
    option.read("--subnets", [&](const std::string &subnets) {
        return block.length + bitWidth(parseCountLessOne("--subnets", subnets, mostLessOne));
    });
    option.read("--min-addresses", [&](const std::string &addresses) {
        return 128 - bitWidth(parseCountLessOne("--min-addresses", addresses, mostLessOne));
    });
    return Ipv6Plan(block, option.lengthOr(block.length));
}

int planIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const Ipv6Plan plan = readIpv6Plan(line);
    const Ipv6Block first = plan.row(0);
    const Ipv6Block last = plan.row(plan.lastRow());
    const Answer answer = Answer(streams.lineEnd)
                              .text("IPv6 Block", "", plan.block().text())
                              .text("", "network", plan.block().network.text())
                              .number("", "prefix_length", plan.block().length)
                              .number("Subnet Length", "subnet_prefix_length", plan.subnetLength())
                              .text("Subnets", "subnet_count", plan.subnetCountText())
                              .text("Subnet Size", "subnet_address_count", plan.addressCountText())
                              .text("First Subnet", "first_subnet", first.text())
                              .text("Last Subnet", "last_subnet", last.text());
    writeAnswer(streams, answer, json);
    return kDone;
}

// The rows --from and --count ask for, of a plan whose last row (from 0) is
// `lastRow`, the same for both families: rows are counted from 1, so the last
// of ::/0 split into /128s is 2^128, and a count past the end writes the rows
// there are.
struct RowsAsked {
    Uint128 first = 0;
    Uint128 after = 0;  // how many follow the first
    bool any = true;    // none for --count 0
};

RowsAsked rowsAsked(const CommandLine &line, Uint128 lastRow)
{
    RowsAsked asked;
    if (const std::string *from = line.option("--from"))
        asked.first = parseCountLessOne("--from", *from, lastRow);
    asked.after = lastRow - asked.first;
    if (const std::string *most = line.option("--count")) {
        asked.any = *most != "0";
        if (asked.any)
            asked.after = std::min(asked.after, parseCountLessOne("--count", *most, ~Uint128{0}));
    }
    return asked;
}

// A table of rows: its heading unless --no-header (an HTML page keeps its
// own), the rows `writeRows` writes into a block of rows, its end.
template <typename Renderer, typename WriteRows>
void writeTable(const CommandLine &line, RowFormat format, Streams &streams, const Renderer &renderer,
                WriteRows writeRows)
{
    if (!line.has("--no-header") || format == RowFormat::HTML)
        streams.out.append(renderer.tableStart());
    RowBlock rows(streams.out, Renderer::kLongestRow);
    writeRows(rows);
    rows.send();
    streams.out.append(renderer.tableEnd());
}

int listIpv6(const CommandLine &line, RowFormat format, Streams &streams)
{
    const Ipv6Plan plan = readIpv6Plan(line);
    const RowsAsked asked = rowsAsked(line, plan.lastRow());
    const Ipv6RowRenderer renderer(format, streams.lineEnd);
    writeTable(line, format, streams, renderer, [&](RowBlock &rows) {
        // Each row's network is the one before moved on by a subnet's size.
        Ipv6Block row = plan.row(asked.first);
        const Uint128 size = plan.subnetLength() == 0 ? 0 : Uint128{1} << (128 - plan.subnetLength());
        for (Uint128 k = 0; asked.any && streams.out.open(); ++k) {
            rows.took(renderer.writeRow(rows.room(), row));
            row.network = Ipv6Address(row.network.value() + size);
            if (k == asked.after)
                break;
        }
    });
    return kDone;
}

}  // namespace

std::vector<std::string_view> planOptionNames()
{
    std::vector<std::string_view> names;
    for (const PlanOption &option : kPlanOptions)
        names.push_back(option.name);
    return names;
}

std::string planOptionsHelp()
{
    std::string help = "PLAN is at most one of these; without one the block stays undivided:\n";
    for (const PlanOption &option : kPlanOptions) {
        std::string synopsis = "  " + std::string(option.name) + " " + std::string(option.value);
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 1, 22), ' ');
        help += synopsis + std::string(option.meaning) +
                (option.ipv4 && option.ipv6 ? ""
                 : option.ipv4              ? " (IPv4)"
                                            : " (IPv6)") +
                "\n";
    }
    return help;
}

int planCommand(const CommandLine &line, Streams &streams)
{
    const bool json = jsonFormatOption(line);
    if (!line.positionals.empty() && looksLikeIpv6(line.positionals[0]))
        return planIpv6(line, json, streams);
    const auto [given, plan] = readPlan(line);
    const Prefix cidr = plan.block().prefix;
    const Prefix subnet = plan.subnetPrefix();
    const std::array<std::string, 4> octets = octetTextsOf(given.address);
    SubnetTexts texts;
    texts.blockOctets = octets;
    texts.cidrBits = std::to_string(cidr.bits());
    texts.cidrMask = cidr.maskAddress().text();
    texts.subnetAddress = ComputeSubnetAddress(octets, subnet);
    texts.subnetMask = subnet.maskAddress().text();
    texts.subnetBitMask = SubnetBitMaskPattern(cidr, subnet);
    texts.maskBits = std::to_string(subnet.bits());
    texts.hostBits = std::to_string(subnet.hostBits());
    texts.numberOfSubnets = std::to_string(plan.subnetCount());
    texts.hostsPerSubnet = subnet.hostsPerSubnetText();
    if (!json) {
        writeCopiedText(streams, BuildSubnetClipboardText(texts));
        return kDone;
    }
    writeJson(streams, JsonObject()
                           .text("address", given.address.text())
                           .number("prefix_length", static_cast<std::uint64_t>(cidr.bits()))
                           .text("mask", texts.cidrMask)
                           .text("subnet_address", texts.subnetAddress)
                           .text("subnet_mask", texts.subnetMask)
                           .text("subnet_bit_mask", texts.subnetBitMask)
                           .number("subnet_prefix_length", static_cast<std::uint64_t>(subnet.bits()))
                           .number("host_bits", static_cast<std::uint64_t>(subnet.hostBits()))
                           .number("subnet_count", plan.subnetCount())
                           .number("usable_hosts", subnet.usableHosts()));
    return kDone;
}

int listCommand(const CommandLine &line, Streams &streams)
{
    const RowFormat format = rowFormatOption(line);
    if (!line.positionals.empty() && looksLikeIpv6(line.positionals[0]))
        return listIpv6(line, format, streams);
    const SubnetPlan plan = readPlan(line).plan;
    const RowsAsked asked = rowsAsked(line, plan.subnetCount() - 1);
    const SubnetRowRenderer renderer(plan, format, streams.lineEnd);
    writeTable(line, format, streams, renderer, [&](RowBlock &rows) {
        // At most 2^32 rows: counted in 64 bits.
        const auto first = static_cast<std::uint64_t>(asked.first);
        const std::uint64_t end = asked.any ? first + static_cast<std::uint64_t>(asked.after) + 1 : first;
        for (std::uint64_t row = first; row < end && streams.out.open(); ++row)
            rows.took(renderer.writeRow(rows.room(), plan.row(row)));
    });
    return kDone;
}

}  // namespace netquill::cli
