#include "cli/commands.h"

#include "cli/arguments.h"
#include "cli/commandline.h"
#include "cli/planning.h"
#include "core/addressconverter.h"
#include "core/fieldrules.h"
#include "core/masktable.h"
#include "core/networknode.h"
#include "core/productinfo.h"
#include "core/subnetcalculator.h"
#include "core/subnetrows.h"
#include "core/vlsm.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>

namespace netquill::cli {

namespace {

constexpr const char *kCommandNames = "convert, calc, plan, list, range, aggregate or vlsm";

constexpr const char *kUsage =
    "usage: netquill-cli COMMAND ...\n"
    "  convert ADDRESS              an address in all five notations\n"
    "  calc ADDRESS/MASK            host ID, network ID, broadcast and nodes\n"
    "  plan BLOCK/PREFIX [PLAN]     one subnet plan of a block\n"
    "  list BLOCK/PREFIX [PLAN]     every subnet of the plan, streamed\n"
    "  range FIRST LAST             the fewest CIDR blocks that cover a range\n"
    "  aggregate [FILE...]          the fewest CIDR blocks that cover an address list\n"
    "  vlsm BLOCK/PREFIX REQUEST... subnets of different sizes for host counts\n"
    "The first four print what the matching tab of Trevantis Netquill copies to the clipboard.\n"
    "COMMAND --help tells more; --version prints the version.\n";

constexpr const char *kConvertHelp =
    "usage: netquill-cli convert ADDRESS [--from dotted|decimal|hex|octal|binary]\n"
    "ADDRESS is a dotted quad (192.168.1.1), a decimal number (3232235777), or\n"
    "0x hexadecimal, 0o octal or 0b binary digits; --from reads bare digits in that notation.\n"
    "Prints the five lines of the \"Netquill\" tab.\n";

constexpr const char *kCalcHelp =
    "usage: netquill-cli calc ADDRESS/MASK\n"
    "MASK is a prefix length of 1 to 32 or a dotted mask (192.168.1.10/24, 10.1.2.3/255.0.0.0).\n"
    "Prints the eight lines of the \"Network/Node Calculator\" tab.\n";

constexpr const char *kPlanOptions =
    "PLAN is at most one of --subnet-mask M, --mask-bits N, --subnets N, --host-bits N,\n"
    "--hosts N (such as 62, 2 or \"2 (RFC3021)\") or --min-hosts N (the smallest subnets with\n"
    "at least N usable hosts, 2^h - 2; with --rfc3021 a /31 for 1 or 2); without one the block\n"
    "stays undivided.\n";

constexpr const char *kPlanHelp = "usage: netquill-cli plan BLOCK/PREFIX [PLAN]\n"
                                  "Prints the eleven lines of the \"Subnet Calculator\" tab.\n";

constexpr const char *kListHelp =
    "usage: netquill-cli list BLOCK/PREFIX [PLAN] [--format csv|txt|html|tsv|jsonl] [--from ROW] [--count N]\n"
    "Streams the subnets of the plan: csv, txt and html in the export files' row layouts,\n"
    "tsv (the default) as the subnet list copies them, with its header line, jsonl as one\n"
    "JSON object per line. --from starts at row ROW (1-based), --count writes at most N rows.\n";

// ---- convert ----

AddressFields fieldsFor(AddressNotation notation, std::string_view argument, std::string_view digits)
{
    AddressFields fields;
    const auto onlyDigits = [&](std::string_view allowed, int most, const char *what) {
        if (digits.empty() || digits.size() > static_cast<std::size_t>(most) ||
            digits.find_first_not_of(allowed) != std::string_view::npos)
            refuse("ADDRESS", argument, what);
    };
    switch (notation) {
    case AddressNotation::DottedQuad:
        fields.octets = parseDottedAddress("ADDRESS", digits);
        break;
    case AddressNotation::Decimal:
        onlyDigits("0123456789", kDecimalFieldLength, "must be a whole number from 0 to 4294967295");
        parseNumber("ADDRESS", digits, 0, 4294967295u);
        fields.decimal = std::string(digits);
        break;
    case AddressNotation::Hexadecimal:
        onlyDigits("0123456789abcdefABCDEF", kHexadecimalFieldLength, "must be 1 to 8 hexadecimal digits");
        for (const char digit : digits)
            fields.hexadecimal += static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
        break;
    case AddressNotation::Octal:
        onlyDigits("01234567", kOctalFieldLength, "must be 1 to 11 octal digits, at most 37777777777");
        if (std::stoull(std::string(digits), nullptr, 8) > 4294967295u)
            refuse("ADDRESS", argument, "must be 1 to 11 octal digits, at most 37777777777");
        fields.octal = std::string(digits);
        break;
    case AddressNotation::Binary:
        onlyDigits("01", kBinaryFieldLength, "must be 1 to 32 binary digits");
        fields.binary = std::string(digits);
        break;
    }
    return fields;
}

int convert(const CommandLine &line, Output &out)
{
    const std::string_view address = onlyPositional(line, "ADDRESS");
    AddressNotation notation = AddressNotation::Decimal;
    std::string_view digits = address;
    if (line.option("--from")) {
        static const std::map<std::string, AddressNotation, std::less<>> notations{
            {"dotted", AddressNotation::DottedQuad},
            {"decimal", AddressNotation::Decimal},
            {"hex", AddressNotation::Hexadecimal},
            {"octal", AddressNotation::Octal},
            {"binary", AddressNotation::Binary}};
        notation = chosen(line, "--from", notations, notation, "must be dotted, decimal, hex, octal or binary");
    } else if (address.find('.') != std::string_view::npos) {
        notation = AddressNotation::DottedQuad;
    } else if (address.starts_with("0x") || address.starts_with("0X")) {
        notation = AddressNotation::Hexadecimal;
        digits.remove_prefix(2);
    } else if (address.starts_with("0o") || address.starts_with("0O")) {
        notation = AddressNotation::Octal;
        digits.remove_prefix(2);
    } else if (address.starts_with("0b") || address.starts_with("0B")) {
        notation = AddressNotation::Binary;
        digits.remove_prefix(2);
    }
    out.append(BuildAddressClipboardText(ConvertAddress(notation, fieldsFor(notation, address, digits))));
    return kDone;
}

// ---- calc ----

int calc(const CommandLine &line, Output &out)
{
    const std::string_view argument = onlyPositional(line, "ADDRESS/MASK");
    const auto [address, mask] = splitAtSlash("ADDRESS/MASK", argument);
    const Prefix prefix(parseMaskBits("MASK", mask));
    const NetworkNodeResult result = CalculateNetworkNode({parseDottedAddress("ADDRESS", address), prefix});
    out.append(BuildNetworkNodeClipboardText({result.octets, prefix.maskAddress().text(), std::to_string(prefix.bits()),
                                              result.hostID, result.networkID, result.broadcastAddress,
                                              result.nodesInSubnet}));
    return kDone;
}

// ---- plan and list ----

// The block as typed, and the plan it is split by.
struct Plan {
    std::array<std::string, 4> blockOctets;
    SubnetPlan plan;
};

// The plan's subnet mask bits from at most one plan option.
int subnetMaskBits(const CommandLine &line, int cidrBits)
{
    const std::string fits = " (a /" + std::to_string(cidrBits) + " block)";
    std::optional<int> maskBits;
    const auto choose = [&](const char *name, auto decide) {
        const std::string *value = line.option(name);
        if (!value)
            return;
        if (maskBits)
            refuse(
                name, *value,
                "only one of --subnet-mask, --mask-bits, --subnets, --host-bits, --hosts and --min-hosts may be given");
        maskBits = decide(*value);
    };
    choose("--subnet-mask", [&](const std::string &text) {
        const int bits = parseMaskBits("--subnet-mask", text);
        if (bits < cidrBits)
            refuse("--subnet-mask", text, "must have " + std::to_string(cidrBits) + " to 32 mask bits" + fits);
        return bits;
    });
    choose("--mask-bits", [&](const std::string &text) {
        return static_cast<int>(parseNumber("--mask-bits", text, static_cast<std::uint64_t>(cidrBits), 32));
    });
    choose("--subnets", [&](const std::string &text) {
        const std::uint64_t subnets = parseNumber("--subnets", text, 1, std::uint64_t{1} << (32 - cidrBits));
        if ((subnets & (subnets - 1)) != 0)
            refuse("--subnets", text,
                   "must be a power of two from 1 to " + std::to_string(std::uint64_t{1} << (32 - cidrBits)) + fits);
        int subnetBits = 0;
        while ((std::uint64_t{1} << subnetBits) < subnets)
            ++subnetBits;
        return cidrBits + subnetBits;
    });
    choose("--host-bits", [&](const std::string &text) {
        return 32 - static_cast<int>(parseNumber("--host-bits", text, 0, static_cast<std::uint64_t>(32 - cidrBits)));
    });
    choose("--hosts", [&](const std::string &text) {
        for (int hostBits = 0; hostBits <= 32 - cidrBits; ++hostBits) {
            if (Prefix(32 - hostBits).hostsPerSubnetText() == text)
                return 32 - hostBits;
        }
        refuse("--hosts", text,
               "must be a hosts-per-subnet value from 1 to " + Prefix(cidrBits).hostsPerSubnetText() +
                   " (1, 2 (RFC3021), 2, then 2^h - 2)" + fits);
    });
    choose("--min-hosts", [&](const std::string &text) {
        const bool rfc3021 = line.has("--rfc3021");
        const std::uint64_t most = mostUsableHosts(Prefix(cidrBits), rfc3021);
        if (most == 0)
            refuse("--min-hosts", text,
                   "a /" + std::to_string(cidrBits) + " block holds no subnet with usable hosts" +
                       (rfc3021 ? "" : " (--rfc3021 allows /31 subnets)"));
        return smallestPrefixHolding(parseNumber("--min-hosts", text, 1, most), rfc3021)->bits();
    });
    return maskBits.value_or(cidrBits);
}

Plan readPlan(const CommandLine &line)
{
    const std::string_view argument = onlyPositional(line, "BLOCK/PREFIX");
    const auto [block, prefix] = splitAtSlash("BLOCK/PREFIX", argument);
    const std::array<std::string, 4> octets = parseDottedAddress("BLOCK", block);
    const Prefix cidr(parseMaskBits("PREFIX", prefix));
    const Prefix subnet(subnetMaskBits(line, cidr.bits()));
    return {octets, SubnetPlan(Block::containing(Ipv4Address::fromOctetTexts(octets), cidr), subnet)};
}

int planCommand(const CommandLine &line, Output &out)
{
    const auto [octets, plan] = readPlan(line);
    const Prefix cidr = plan.block().prefix;
    const Prefix subnet = plan.subnetPrefix();
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
    out.append(BuildSubnetClipboardText(texts));
    return kDone;
}

int list(const CommandLine &line, Output &out)
{
    const SubnetPlan plan = readPlan(line).plan;
    const std::uint64_t total = plan.subnetCount();
    static const std::map<std::string, RowFormat, std::less<>> formats{{"csv", RowFormat::CSV},
                                                                       {"txt", RowFormat::TXT},
                                                                       {"html", RowFormat::HTML},
                                                                       {"tsv", RowFormat::TSV},
                                                                       {"jsonl", RowFormat::JSONL}};
    const RowFormat format = chosen(line, "--format", formats, RowFormat::TSV, "must be csv, txt, html, tsv or jsonl");
    std::uint64_t first = 1;
    if (const std::string *from = line.option("--from"))
        first = parseNumber("--from", *from, 1, total);
    std::uint64_t count = total - first + 1;
    if (const std::string *most = line.option("--count"))
        count = std::min(count, parseNumber("--count", *most, 0, std::uint64_t{1} << 32));

    const SubnetRowRenderer renderer(plan, format);
    out.append(renderer.headerLine());
    const std::uint64_t end = first - 1 + count;
    for (std::uint64_t row = first - 1; row < end && out.open(); ++row) {
        renderer.append(out.buffer(), plan.row(row));
        out.flushWhenFull();
    }
    return kDone;
}

}  // namespace

int runCli(const std::vector<std::string_view> &arguments, Output &out, std::istream &in, std::ostream &errors)
{
    struct Command {
        std::string_view name;
        std::initializer_list<std::string_view> options;
        std::initializer_list<std::string_view> flags;
        std::string help;
        int (*run)(const CommandLine &, Streams &);
    };
    static const std::string planHelp = std::string(kPlanHelp) + kPlanOptions;
    static const std::string listHelp = std::string(kListHelp) + kPlanOptions;
    static const Command commands[] = {
        {"convert",
         {"--from"},
         {},
         kConvertHelp,
         [](const CommandLine &line, Streams &io) { return convert(line, io.out); }},
        {"calc", {}, {}, kCalcHelp, [](const CommandLine &line, Streams &io) { return calc(line, io.out); }},
        {"plan",
         {"--subnet-mask", "--mask-bits", "--subnets", "--host-bits", "--hosts", "--min-hosts"},
         {"--rfc3021"},
         planHelp,
         [](const CommandLine &line, Streams &io) { return planCommand(line, io.out); }},
        {"list",
         {"--subnet-mask", "--mask-bits", "--subnets", "--host-bits", "--hosts", "--min-hosts", "--format", "--from",
          "--count"},
         {"--rfc3021"},
         listHelp,
         [](const CommandLine &line, Streams &io) { return list(line, io.out); }},
        {"range", {}, {}, kRangeHelp, rangeCommand},
        {"aggregate", {}, {"--ranges"}, kAggregateHelp, aggregateCommand},
        {"vlsm", {"--format"}, {"--rfc3021"}, kVlsmHelp, vlsmCommand},
    };
    Streams streams{out, in, errors};
    int status = kDone;
    try {
        if (arguments.empty())
            refuse("COMMAND", "", "is missing: " + std::string(kCommandNames));
        if (arguments[0] == "--help" || arguments[0] == "-h") {
            out.append(kUsage);
        } else if (arguments[0] == "--version") {
            out.append(std::string("netquill-cli ") + kVersion + "\n");
        } else {
            const auto command = std::find_if(std::begin(commands), std::end(commands),
                                              [&](const Command &each) { return each.name == arguments[0]; });
            if (command == std::end(commands))
                refuse("COMMAND", arguments[0], "must be " + std::string(kCommandNames));
            const CommandLine line = readCommandLine(arguments, command->options, command->flags);
            if (line.help)
                out.append(command->help);
            else
                status = command->run(line, streams);
        }
    } catch (const UsageError &refusal) {
        errors << "netquill-cli: " << refusal.what() << "\n";
        return kRefused;
    }
    out.flush();
    if (out.error() != 0) {
        errors << "netquill-cli: the output could not be written: " << std::strerror(out.error()) << "\n";
        return kWriteFailed;
    }
    return status;
}

}  // namespace netquill::cli
