#include "cli/tabs.h"

#include "cli/ipv6.h"
#include "cli/messages.h"
#include "cli/values.h"
#include "core/calculators/networknode.h"
#include "core/calculators/subnetcalculator.h"
#include "core/fields/addressconverter.h"
#include "core/fields/fieldrules.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/jsontext.h"
#include "core/planning/vlsm.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <map>
#include <optional>
#include <vector>

namespace netquill::cli {

const char *const kConvertHelp =
    "usage: netquill-cli convert ADDRESS [--from dotted|decimal|hex|octal|binary] [--format text|json]\n"
    "ADDRESS is a dotted quad (192.168.1.1), a decimal number (3232235777), or\n"
    "0x hexadecimal, 0o octal or 0b binary digits; --from reads bare digits in that notation.\n"
    "Prints the five lines of the \"Netquill\" tab, or with --format json one object:\n"
    "dotted_quad, decimal, hexadecimal, octal, binary. An IPv6 ADDRESS (2001:db8::1, a zone\n"
    "shown as given) gives its compressed and expanded forms, decimal, hexadecimal, binary,\n"
    "reverse-DNS name and any IPv4 address inside (mapped, NAT64, 6to4); JSON: address,\n"
    "expanded, decimal, hexadecimal, binary, reverse_dns, embedded_ipv4.\n";

const char *const kCalcHelp =
    "usage: netquill-cli calc ADDRESS/MASK [--format text|json]\n"
    "       netquill-cli calc ADDRESS MASK\n"
    "MASK is a prefix length of 0 to 32 or a dotted mask (192.168.1.10/24, 10.1.2.3 255.0.0.0).\n"
    "Prints the eight lines of the \"Network/Node Calculator\" tab. Its nodes are the\n"
    "window's count, 2^h - 2 (0 for a /31, 1 for a /32); --format json adds the usable hosts\n"
    "as RFC 3021 counts them (2 for a /31) in one object: address, network, broadcast,\n"
    "prefix_length, mask, wildcard_mask, host_id, nodes_in_subnet, first_host, last_host,\n"
    "address_count, usable_hosts, reverse_zones. For IPv6 (ADDRESS/LENGTH, 0 to 128): network,\n"
    "prefix length, first and last address, address count and the reverse zones that cover\n"
    "exactly the block (JSON: address, network, prefix_length, first_address, last_address,\n"
    "address_count, reverse_zones).\n";

const char *const kPlanHelp = "usage: netquill-cli plan BLOCK/PREFIX [PLAN] [--format text|json]\n"
                              "Prints the eleven lines of the \"Subnet Calculator\" tab, or with --format json one\n"
                              "object: address, prefix_length, mask, subnet_address, subnet_mask, subnet_bit_mask,\n"
                              "subnet_prefix_length, host_bits, subnet_count, usable_hosts.\n";

const char *const kListHelp =
    "usage: netquill-cli list BLOCK/PREFIX [PLAN] [--format tsv|csv|txt|html|jsonl] [--no-header]\n"
    "                         [--from ROW] [--count N]\n"
    "Streams the subnets of the plan: tsv (the default) as the subnet list copies them, csv,\n"
    "txt and html in the export files' row layouts (html as a whole page), jsonl as one JSON\n"
    "object per line: network, prefix_length, mask, wildcard_mask, usable_hosts, first_host,\n"
    "last_host, broadcast. --from starts at row ROW (1-based), --count writes at most N rows,\n"
    "--no-header leaves out the heading line.\n";

namespace {

std::array<std::string, 4> octetTextsOf(Ipv4Address address)
{
    std::array<std::string, 4> octets;
    for (int k = 0; k < 4; ++k)
        octets[static_cast<std::size_t>(k)] = std::to_string((address.value() >> (24 - 8 * k)) & 0xFF);
    return octets;
}

void write(Streams &streams, std::string text) { streams.out.append(withLineEnd(std::move(text), streams.lineEnd)); }

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
        fields.octets = octetTextsOf(addressArgument("ADDRESS", digits));
        break;
    case AddressNotation::Decimal:
        parseNumber("ADDRESS", digits, 0, kLargestAddress);
        fields.decimal = std::string(digits);
        break;
    case AddressNotation::Hexadecimal:
        onlyDigits("0123456789abcdefABCDEF", kHexadecimalFieldLength, "must be 1 to 8 hexadecimal digits");
        for (const char digit : digits)
            fields.hexadecimal += static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
        break;
    case AddressNotation::Octal:
        onlyDigits("01234567", kOctalFieldLength, "must be 1 to 11 octal digits, at most 37777777777");
        if (std::stoull(std::string(digits), nullptr, 8) > kLargestAddress)
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

// ---- plans ----

// The subnets' prefix from at most one plan option; the block's own without one.
Prefix subnetPrefixOf(const CommandLine &line, Prefix cidr)
{
    const int cidrBits = cidr.bits();
    const std::string fits = " (a /" + std::to_string(cidrBits) + " block)";
    const std::uint64_t mostSubnets = std::uint64_t{1} << (kLongestMask - cidrBits);
    const bool rfc3021 = line.has("--rfc3021");
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
        const auto mask = parsePrefix(text);
        if (!mask || text.find('.') == std::string::npos)
            refuse("--subnet-mask", text, mask ? "must be a dotted mask such as 255.255.255.0" : mask.reason());
        if (mask->bits() < cidrBits)
            refuse("--subnet-mask", text, "must have " + std::to_string(cidrBits) + " to 32 mask bits" + fits);
        return mask->bits();
    });
    choose("--mask-bits", [&](const std::string &text) {
        return static_cast<int>(parseNumber("--mask-bits", text, static_cast<std::uint64_t>(cidrBits), 32));
    });
    choose("--subnets", [&](const std::string &text) {
        // The smallest split with at least that many subnets.
        const std::uint64_t subnets = parseNumber("--subnets", text, 1, mostSubnets);
        return cidrBits + static_cast<int>(std::bit_width(subnets - 1));
    });
    choose("--host-bits", [&](const std::string &text) {
        return 32 - static_cast<int>(parseNumber("--host-bits", text, 0, static_cast<std::uint64_t>(32 - cidrBits)));
    });
    choose("--hosts", [&](const std::string &text) {
        for (int hostBits = 0; hostBits <= 32 - cidrBits; ++hostBits)
            if (Prefix(32 - hostBits).hostsPerSubnetText() == text)
                return 32 - hostBits;
        refuse("--hosts", text,
               "must be a hosts-per-subnet value from 1 to " + Prefix(cidrBits).hostsPerSubnetText() +
                   " (1, 2 (RFC3021), 2, then 2^h - 2)" + fits);
    });
    choose("--min-hosts", [&](const std::string &text) {
        const std::uint64_t most = mostUsableHosts(cidr, rfc3021);
        if (most == 0)
            refuse("--min-hosts", text,
                   "a /" + std::to_string(cidrBits) + " block holds no subnet with usable hosts" +
                       (rfc3021 ? "" : " (--rfc3021 allows /31 subnets)"));
        const std::uint64_t hosts = parseNumber("--min-hosts", text, 1, most);
        const int bits = smallestPrefixHolding(hosts, rfc3021)->bits();
        if (rfc3021 && smallestPrefixHolding(hosts, false) && smallestPrefixHolding(hosts, false)->bits() == bits)
            refuse("--rfc3021", text, "changes nothing here: only 1 or 2 hosts fit a /31");
        return bits;
    });
    if (rfc3021 && !line.option("--min-hosts"))
        throw UsageError("--rfc3021 changes nothing without --min-hosts");
    return Prefix(maskBits.value_or(cidrBits));
}

struct Plan {
    AddressWithPrefix given;
    SubnetPlan plan;
};

Plan readPlan(const CommandLine &line)
{
    if (const std::string *value = line.option("--min-addresses"))
        refuse("--min-addresses", *value, "is for IPv6; an IPv4 block takes --min-hosts");
    const AddressWithPrefix given = addressWithPrefixArgument("BLOCK/PREFIX", onlyPositional(line, "BLOCK/PREFIX"));
    return {given, SubnetPlan(given.block(), subnetPrefixOf(line, given.prefix))};
}

}  // namespace

int convertCommand(const CommandLine &line, Streams &streams)
{
    const std::string_view address = onlyPositional(line, "ADDRESS");
    const bool json = jsonFormatOption(line);
    if (looksLikeIpv6(address) && !line.option("--from"))
        return convertIpv6(address, json, streams);
    AddressNotation notation = AddressNotation::Decimal;
    std::string_view digits = address;
    if (const std::string *from = line.option("--from")) {
        static const std::map<std::string, AddressNotation, std::less<>> notations{
            {"dotted", AddressNotation::DottedQuad},
            {"decimal", AddressNotation::Decimal},
            {"hex", AddressNotation::Hexadecimal},
            {"octal", AddressNotation::Octal},
            {"binary", AddressNotation::Binary}};
        const auto found = notations.find(*from);
        if (found == notations.end())
            refuse("--from", *from, "must be dotted, decimal, hex, octal or binary");
        notation = found->second;
    } else if (address.find('.') != std::string_view::npos) {
        notation = AddressNotation::DottedQuad;
    } else if (address.size() > 2 && address[0] == '0' &&
               std::string_view("xXoObB").find(address[1]) != std::string_view::npos) {
        const char base = static_cast<char>(std::tolower(static_cast<unsigned char>(address[1])));
        notation = base == 'x'   ? AddressNotation::Hexadecimal
                   : base == 'o' ? AddressNotation::Octal
                                 : AddressNotation::Binary;
        digits.remove_prefix(2);
    }
    const AddressFields fields = ConvertAddress(notation, fieldsFor(notation, address, digits));
    if (!json) {
        write(streams, BuildAddressClipboardText(fields));
        return kDone;
    }
    writeJson(streams, JsonObject()
                           .text("dotted_quad", fields.octets[0] + "." + fields.octets[1] + "." + fields.octets[2] +
                                                    "." + fields.octets[3])
                           .number("decimal", std::stoull(fields.decimal))
                           .text("hexadecimal", fields.hexadecimal)
                           .text("octal", fields.octal)
                           .text("binary", fields.binary));
    return kDone;
}

int calcCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.empty() || line.positionals.size() > 2)
        refuse("ADDRESS/MASK", line.positionals.empty() ? "" : line.positionals.back(),
               line.positionals.empty() ? "is missing" : "must be ADDRESS/MASK or ADDRESS MASK");
    const bool json = jsonFormatOption(line);
    if (looksLikeIpv6(line.positionals[0]))
        return calcIpv6(line, json, streams);
    AddressWithPrefix given{Ipv4Address(), Prefix()};
    if (line.positionals.size() == 2) {
        given.address = addressArgument("ADDRESS", line.positionals[0]);
        const auto prefix = parsePrefix(line.positionals[1]);
        if (!prefix)
            refuse("MASK", line.positionals[1], prefix.reason());
        given.prefix = *prefix;
    } else {
        given = addressWithPrefixArgument("ADDRESS/MASK", line.positionals[0]);
    }
    const Prefix prefix = given.prefix;
    const NetworkNodeResult result = CalculateNetworkNode({octetTextsOf(given.address), prefix});
    if (!json) {
        write(streams, BuildNetworkNodeClipboardText({result.octets, prefix.maskAddress().text(),
                                                      std::to_string(prefix.bits()), result.hostID, result.networkID,
                                                      result.broadcastAddress, result.nodesInSubnet}));
        return kDone;
    }
    // RFC 3021 counts both addresses of a /31 as hosts; a /32 is its one host.
    const SubnetPlan alone(given.block(), prefix);
    const SubnetAddresses hosts = alone.row(0);
    writeJson(streams, JsonObject()
                           .text("address", given.address.text())
                           .text("network", result.networkID)
                           .text("broadcast", result.broadcastAddress)
                           .number("prefix_length", static_cast<std::uint64_t>(prefix.bits()))
                           .text("mask", prefix.maskAddress().text())
                           .text("wildcard_mask", prefix.inverseAddress().text())
                           .text("host_id", result.hostID)
                           .number("nodes_in_subnet", std::stoull(result.nodesInSubnet))
                           .text("first_host", hosts.firstHost.text())
                           .text("last_host", hosts.lastHost.text())
                           .number("address_count", prefix.addressCount())
                           .number("usable_hosts", std::stoull(alone.subnetSizeText()))
                           .texts("reverse_zones", reverseZonesOf(given.block())));
    return kDone;
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
        write(streams, BuildSubnetClipboardText(texts));
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
                           .number("usable_hosts", std::stoull(plan.subnetSizeText())));
    return kDone;
}

int listCommand(const CommandLine &line, Streams &streams)
{
    const RowFormat format = rowFormatOption(line);
    if (!line.positionals.empty() && looksLikeIpv6(line.positionals[0]))
        return listIpv6(line, format, streams);
    const SubnetPlan plan = readPlan(line).plan;
    const std::uint64_t total = plan.subnetCount();
    std::uint64_t first = 1;
    if (const std::string *from = line.option("--from"))
        first = parseNumber("--from", *from, 1, total);
    std::uint64_t count = total - first + 1;
    if (const std::string *most = line.option("--count"))
        count = std::min(count, parseNumber("--count", *most, 0, total));

    const SubnetRowRenderer renderer(plan, format, streams.lineEnd);
    if (!line.has("--no-header") || format == RowFormat::HTML)
        streams.out.append(renderer.tableStart());
    RowBlock rows(streams.out, SubnetRowRenderer::kLongestRow);
    const std::uint64_t end = first - 1 + count;
    for (std::uint64_t row = first - 1; row < end && streams.out.open(); ++row)
        rows.took(renderer.writeRow(rows.room(), plan.row(row)));
    rows.send();
    streams.out.append(renderer.tableEnd());
    return kDone;
}

}  // namespace netquill::cli
