#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/calculators/masktable.h"
#include "core/calculators/subnetcalculator.h"
#include "core/lines/answer.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/jsontext.h"
#include "core/lines/splitrows.h"
#include "core/planning/requesttext.h"
#include "core/planning/split.h"
#include "core/planning/vlsm.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace netquill::cli {

const char *const kPlanHelp = "usage: netquill-cli plan BLOCK/PREFIX [PLAN] [--cloud PROVIDER] [--format text|json]\n"
                              "Prints the eleven lines of the \"Subnet Calculator\" tab, and with --cloud a twelfth\n"
                              "of each subnet's usable hosts in that cloud; or with --format json one object, keys:\n"
                              "address, network, prefix_length, mask, subnet_address, subnet_mask, subnet_bit_mask,\n"
                              "subnet_prefix_length, host_bits, subnet_count, usable_hosts, cloud (or null). For an\n"
                              "IPv6 block: the block, the subnets' length, how many there are, their size and the\n"
                              "first and last; JSON keys: network, prefix_length, subnet_prefix_length, subnet_count,\n"
                              "subnet_address_count, first_subnet, last_subnet.\n";

const char *const kListHelp =
    "usage: netquill-cli list BLOCK/PREFIX [PLAN] [--format tsv|csv|txt|html|jsonl] [--no-header]\n"
    "                         [--from ROW] [--count N] [--cloud PROVIDER]\n"
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
    FamilyFlags families;
    std::string_view meaning;
};

constexpr PlanOption kPlanOptions[] = {
    {"--subnet-mask", "M", {true, false}, "the subnets' dotted mask"},
    {"--mask-bits", "N", {true, true}, "the subnets' prefix length"},
    {"--subnets", "N", {true, true}, "the smallest split into at least N subnets"},
    {"--host-bits", "N", {true, false}, "the host bits of each subnet"},
    {"--hosts", "N", {true, false}, "hosts per subnet as the tab lists them: 62, 2 or \"2 (RFC3021)\""},
    {"--min-hosts", "N", {true, false}, "the smallest subnets with at least N usable hosts"},
    {"--min-addresses", "N", {false, true}, "the smallest subnets of at least N addresses"},
};

// The plan options of one family, "A, B or C" (`last` joining the last two).
std::string planOptionsOf(Family family, std::string_view last)
{
    std::vector<std::string_view> names;
    for (const PlanOption &option : kPlanOptions)
        if (option.families.of(family))
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
    OnePlanOption(const CommandLine &line, Family family) : m_line(line), m_family(family)
    {
        for (const PlanOption &option : kPlanOptions)
            if (const std::string *value = line.option(option.name); value && !option.families.of(family))
                refuse(option.name, *value,
                       std::string("is for ") + familyName(otherFamily(family)) + "; an " + familyName(family) +
                           " block takes " + planOptionsOf(family, "or"));
    }

    // `decide` turns the option's value into the subnets' length.
    template <typename Decide>
    void read(const char *name, Decide decide)
    {
        const std::string *value = m_line.option(name);
        if (!value)
            return;
        if (m_length != kNoLength)
            refuse(name, *value, "only one of " + planOptionsOf(m_family, "and") + " may be given");
        m_length = decide(*value);
        m_name = name;
        m_value = *value;
    }
    int lengthOr(int blockLength) const { return m_length == kNoLength ? blockLength : m_length; }

    // The subnets' length refused: the option that asked for it, or BLOCK/PREFIX itself.
    [[noreturn]] void refuseLength(std::string_view block, std::string_view reason) const
    {
        if (m_length == kNoLength)
            refuse("BLOCK/PREFIX", block, reason);
        refuse(m_name, m_value, reason);
    }

private:
    const CommandLine &m_line;
    Family m_family;
    static constexpr int kNoLength = -1;
    int m_length = kNoLength;
    std::string_view m_name;
    std::string m_value;
};

// BLOCK/PREFIX as written, and its split by at most one plan option (the
// block undivided without one).
template <typename Address>
struct AskedSplit {
    AddressWithPrefix<Address> given;
    Split<Address> split;
    HostRule hostRule;
};

template <typename Address>
AskedSplit<Address> readSplit(const CommandLine &line)
{
    constexpr int kBits = Address::kBits;
    const std::string_view text = onlyPositional(line, "BLOCK/PREFIX");
    const auto given = accepted("BLOCK/PREFIX", text, parseWithPrefix<Address>(text));
    const Block<Address> block = given.block();
    const int cidrBits = block.length;
    const HostRule rule = hostRuleOption(line, AddressFamily<Address>::kFamily);
    OnePlanOption option(line, AddressFamily<Address>::kFamily);
    option.read("--mask-bits", [&](const std::string &bits) {
        return static_cast<int>(parseNumber("--mask-bits", bits, static_cast<std::uint64_t>(cidrBits), kBits));
    });
    option.read("--subnets", [&](const std::string &subnets) {
        // The smallest split with at least that many subnets, up to the 2^128 /128s of ::/0.
        return cidrBits + bitWidth(countArgument("--subnets", subnets, Count(1), block.size()).lessOne());
    });
    if constexpr (kBits == 128) {
        option.read("--min-addresses", [&](const std::string &addresses) {
            return kBits - bitWidth(countArgument("--min-addresses", addresses, Count(1), block.size()).lessOne());
        });
    } else {
        const std::string fits = " (a /" + std::to_string(cidrBits) + " block)";
        option.read("--subnet-mask", [&](const std::string &text) {
            const auto mask = parsePrefix(text);
            if (!mask || text.find('.') == std::string::npos)
                refuse("--subnet-mask", text, mask ? "must be a dotted mask such as 255.255.255.0" : mask.reason());
            if (mask->bits() < cidrBits)
                refuse("--subnet-mask", text, "must have " + std::to_string(cidrBits) + " to 32 mask bits" + fits);
            return mask->bits();
        });
        option.read("--host-bits", [&](const std::string &text) {
            return 32 -
                   static_cast<int>(parseNumber("--host-bits", text, 0, static_cast<std::uint64_t>(32 - cidrBits)));
        });
        option.read("--hosts", [&](const std::string &text) {
            std::string choices;
            for (int hostBits = 0; hostBits <= 32 - cidrBits; ++hostBits) {
                const std::string hosts = hostsPerSubnetText(Prefix(32 - hostBits));
                if (hosts == text)
                    return 32 - hostBits;
                choices +=
                    (hostBits == 0 ? "" : ", ") + (hosts.find(' ') == std::string::npos ? hosts : '"' + hosts + '"');
            }
            refuse("--hosts", text,
                   "must be one of the hosts per subnet of a /" + std::to_string(cidrBits) + " block: " + choices);
        });
        option.read("--min-hosts", [&](const std::string &text) {
            const std::uint64_t most = rule.mostRequestableHosts(block.prefix());
            if (most == 0)
                refuse("--min-hosts", text, rule.noRoomIn(block.prefix()));
            const std::uint64_t hosts = parseNumber("--min-hosts", text, 1, most);
            return rule.smallestPrefixHolding(hosts)->bits();
        });
    }
    const int length = option.lengthOr(cidrBits);
    if (Address::kBits == 32)
        if (const std::string refusal = rule.sizeRefusal(Prefix(length)); !refusal.empty())
            option.refuseLength(text, refusal);
    return {given, Split<Address>(block, length), rule};
}

int planIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const Split<Ipv6Address> split = readSplit<Ipv6Address>(line).split;
    const Ipv6Block first = split.row(0);
    const Ipv6Block last = split.row(split.lastRow());
    const Answer answer = Answer(streams.lineEnd)
                              .text("IPv6 Block", "", split.block().text())
                              .text("", "network", split.block().network.text())
                              .number("", "prefix_length", split.block().length)
                              .number("Subnet Length", "subnet_prefix_length", split.subnetLength())
                              .text("Subnets", "subnet_count", split.subnetCount().text())
                              .text("Subnet Size", "subnet_address_count", split.subnetSize().text())
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
        asked.first = countArgument("--from", *from, Count(1), Count::oneMoreThan(lastRow)).lessOne();
    asked.after = lastRow - asked.first;
    if (const std::string *most = line.option("--count")) {
        const Count count = countArgument("--count", *most, Count(0), Count::powerOfTwo(128));
        asked.any = !count.isZero();
        if (asked.any)
            asked.after = std::min(asked.after, count.lessOne());
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

template <typename Address>
int listOf(const CommandLine &line, RowFormat format, Streams &streams)
{
    const AskedSplit<Address> chosen = readSplit<Address>(line);
    const Split<Address> &split = chosen.split;
    const RowsAsked asked = rowsAsked(line, split.lastRow());
    // An IPv4 row's hosts are what the host rule leaves.
    const SplitRows<Address> splitRows = [&] {
        if constexpr (Address::kBits == 32)
            return SplitRows<Address>(split, chosen.hostRule);
        else
            return SplitRows<Address>(split);
    }();
    const auto renderer = splitRows.renderer(format, streams.lineEnd);
    writeTable(line, format, streams, renderer, [&](RowBlock &rows) {
        if constexpr (Address::kBits == 32) {
            // At most 2^32 rows: counted in 64 bits.
            const SubnetPlan &plan = splitRows.plan;
            const auto first = static_cast<std::uint64_t>(asked.first);
            const std::uint64_t end = asked.any ? first + static_cast<std::uint64_t>(asked.after) + 1 : first;
            for (std::uint64_t row = first; row < end && streams.out.open(); ++row)
                rows.took(renderer.writeRow(rows.room(), plan.row(row)));
        } else {
            // Each row's network is the one before moved on by a subnet's size.
            Block<Address> row = split.row(asked.first);
            const Uint128 size = split.subnetLength() == 0 ? 0 : Uint128{1} << (128 - split.subnetLength());
            for (Uint128 k = 0; asked.any && streams.out.open(); ++k) {
                rows.took(renderer.writeRow(rows.room(), row));
                row.network = Address(row.network.value() + size);
                if (k == asked.after)
                    break;
            }
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
                (option.families.ipv4 && option.families.ipv6 ? ""
                 : option.families.ipv4                       ? " (IPv4)"
                                                              : " (IPv6)") +
                "\n";
    }
    return help;
}

int planCommand(const CommandLine &line, Streams &streams)
{
    const bool json = jsonFormatOption(line);
    if (!line.positionals.empty() && familyOf(line.positionals[0]) == Family::Ipv6)
        return planIpv6(line, json, streams);
    const auto [given, split, hostRule] = readSplit<Ipv4Address>(line);
    const SubnetPlan plan(split.block(), Prefix(split.subnetLength()), hostRule);
    const Prefix cidr = plan.block().prefix();
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
    texts.hostsPerSubnet = hostsPerSubnetText(subnet);
    if (!json) {
        writeCopiedText(streams, BuildSubnetClipboardText(texts) + cloudHostsLine(hostRule, plan.usableHosts()));
        return kDone;
    }
    JsonObject answer;
    answer.text("address", given.address.text())
        .text("network", plan.block().network.text())
        .number("prefix_length", static_cast<std::uint64_t>(cidr.bits()))
        .text("mask", texts.cidrMask)
        .text("subnet_address", texts.subnetAddress)
        .text("subnet_mask", texts.subnetMask)
        .text("subnet_bit_mask", texts.subnetBitMask)
        .number("subnet_prefix_length", static_cast<std::uint64_t>(subnet.bits()))
        .number("host_bits", static_cast<std::uint64_t>(subnet.hostBits()))
        .number("subnet_count", plan.subnetCount())
        .number("usable_hosts", plan.usableHosts());
    addCloud(answer, hostRule);
    writeJson(streams, answer);
    return kDone;
}

int listCommand(const CommandLine &line, Streams &streams)
{
    const RowFormat format = rowFormatOption(line);
    return !line.positionals.empty() && familyOf(line.positionals[0]) == Family::Ipv6
               ? listOf<Ipv6Address>(line, format, streams)
               : listOf<Ipv4Address>(line, format, streams);
}

}  // namespace netquill::cli
