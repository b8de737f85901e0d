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
    "usage: netquill-cli convert ADDRESS [--from dotted|decimal|hex|octal|binary] [--family 4|6]\n"
    "                            [--format text|json]\n"
    "ADDRESS is a dotted quad (192.168.1.1), a decimal number (3232235777), or 0x hexadecimal,\n"
    "0o octal or 0b binary digits; --from reads bare digits in that IPv4 notation. Prints the\n"
    "five lines of the \"Netquill\" tab, or with --format json one object, keys: dotted_quad,\n"
    "decimal, hexadecimal, octal, binary.\n"
    "An IPv6 ADDRESS (2001:db8::1, a zone shown as given) gives its compressed and expanded\n"
    "forms, decimal, 0x hexadecimal and 0b binary, its reverse-DNS name and any IPv4 address\n"
    "inside (mapped, NAT64, 6to4); JSON keys: address, expanded, decimal, hexadecimal, binary,\n"
    "reverse_dns, embedded_ipv4 (written when there is one).\n"
    "Each form convert writes reads back as the same address: a number too large for IPv4\n"
    "(a decimal above 4294967295, more than 8 hex or 32 binary digits) is IPv6, and --family 6\n"
    "reads a smaller one as IPv6 too.\n";

const char *const kCalcHelp =
    "usage: netquill-cli calc ADDRESS/MASK [--format text|json]\n"
    "       netquill-cli calc ADDRESS MASK\n"
    "MASK is a prefix length of 0 to 32 or a dotted mask (192.168.1.10/24, 10.1.2.3 255.0.0.0).\n"
    "Prints the eight lines of the \"Network/Node Calculator\" tab. Its nodes are the\n"
    "window's count, 2^h - 2 (0 for a /31, 1 for a /32); --format json writes one object,\n"
    "keys: address, network, broadcast, prefix_length, mask, wildcard_mask, host_id,\n"
    "nodes_in_subnet, first_host, last_host, address_count, usable_hosts, reverse_zones.\n"
    "For IPv6 (ADDRESS/LENGTH or ADDRESS LENGTH, 0 to 128): network, prefix length, first\n"
    "and last address, address count and the reverse zones that cover exactly the block;\n"
    "JSON keys: address, network, prefix_length, first_address, last_address, address_count,\n"
    "reverse_zones.\n";

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
    "below 2^128 at once), --count writes at most N rows, --no-header leaves out the heading\n"
    "line.\n";

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
    choose("--min-hosts", [&](const std::string &text) {
        const std::uint64_t most = mostUsableHosts(cidr, rfc3021);
        if (most == 0)
            refuse("--min-hosts", text,
                   "a /" + std::to_string(cidrBits) + " block holds no subnet with usable hosts" +
                       (rfc3021 ? "" : " (--rfc3021 allows /31 subnets)"));
        const std::uint64_t hosts = parseNumber("--min-hosts", text, 1, most);
        return smallestPrefixHolding(hosts, rfc3021)->bits();
    });
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

// A number with its notation's prefix, as convert prints an address: 0x
// hexadecimal, 0o octal, 0b binary, else decimal.
struct WrittenNumber {
    AddressNotation notation;
    std::string_view digits;
};

WrittenNumber writtenNumber(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0') {
        switch (std::tolower(static_cast<unsigned char>(text[1]))) {
        case 'x':
            return {AddressNotation::Hexadecimal, text.substr(2)};
        case 'o':
            return {AddressNotation::Octal, text.substr(2)};
        case 'b':
            return {AddressNotation::Binary, text.substr(2)};
        default:
            break;
        }
    }
    return {AddressNotation::Decimal, text};
}

// The IPv6 address of a number, when it is one: more digits than an IPv4
// address has (9 to 32 hex, 33 to 128 binary, a decimal above 2^32 - 1), or
// any number with --family 6.
std::optional<Ipv6Address> ipv6OfNumber(std::string_view text, bool ipv6Asked)
{
    const WrittenNumber written = writtenNumber(text);
    const std::string_view digits = written.digits;
    const auto valueIn = [&](unsigned base, std::string_view allowed, std::size_t ipv4Digits, std::size_t most,
                             const char *what) -> std::optional<Ipv6Address> {
        if (digits.size() <= ipv4Digits && !ipv6Asked)
            return std::nullopt;
        if (digits.empty() || digits.size() > most || digits.find_first_not_of(allowed) != std::string_view::npos)
            refuse("ADDRESS", text, what);
        Uint128 value = 0;
        for (const char digit : digits)
            value = value * base + static_cast<unsigned>(
                                       std::string_view("0123456789abcdef")
                                           .find(static_cast<char>(std::tolower(static_cast<unsigned char>(digit)))));
        return Ipv6Address(value);
    };
    switch (written.notation) {
    case AddressNotation::Hexadecimal:
        return valueIn(16, "0123456789abcdefABCDEF", kHexadecimalFieldLength, 32, "must be 1 to 32 hexadecimal digits");
    case AddressNotation::Binary:
        return valueIn(2, "01", kBinaryFieldLength, 128, "must be 1 to 128 binary digits");
    case AddressNotation::Decimal: {
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;  // refused with the IPv4 notations' reason
        const Uint128 value = parseNumber128("ADDRESS", digits, 0, ~Uint128{0}, decimalText(~Uint128{0}));
        if (value <= kLargestAddress && !ipv6Asked)
            return std::nullopt;
        return Ipv6Address(value);
    }
    case AddressNotation::Octal:
        if (ipv6Asked)
            refuse("ADDRESS", text, "an IPv6 address is read from its text, decimal, 0x hex or 0b binary digits");
        return std::nullopt;
    case AddressNotation::DottedQuad:
        break;
    }
    return std::nullopt;
}

}  // namespace

int convertCommand(const CommandLine &line, Streams &streams)
{
    const std::string_view address = onlyPositional(line, "ADDRESS");
    const bool json = jsonFormatOption(line);
    const std::string *family = line.option("--family");
    if (family && *family != "4" && *family != "6")
        refuse("--family", *family, "must be 4 or 6");
    const std::string *from = line.option("--from");
    if (from && (looksLikeIpv6(address) || (family && *family == "6")))
        refuse("--from", *from, "is for IPv4 notations; an IPv6 address is read as convert writes it");
    if (!from && looksLikeIpv6(address)) {
        return convertIpv6(accepted("ADDRESS", address, parseZonedIpv6Address(address)), json, streams);
    }
    if (!from && address.find('.') == std::string_view::npos && !(family && *family == "4"))
        if (const auto ipv6 = ipv6OfNumber(address, family && *family == "6"))
            return convertIpv6({*ipv6, {}}, json, streams);
    AddressNotation notation = AddressNotation::Decimal;
    std::string_view digits = address;
    if (from) {
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
    } else {
        const WrittenNumber written = writtenNumber(address);
        notation = written.notation;
        digits = written.digits;
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
    if (line.positionals.empty())
        refuse("ADDRESS/MASK", "", "is missing");
    refuseWordsAfter(line, 2, "ADDRESS MASK");
    const bool json = jsonFormatOption(line);
    if (looksLikeIpv6(line.positionals[0]))
        return calcIpv6(line, json, streams);
    AddressWithPrefix given{Ipv4Address(), Prefix()};
    if (line.positionals.size() == 2) {
        given.address = addressArgument("ADDRESS", line.positionals[0]);
        given.prefix = accepted("MASK", line.positionals[1], parsePrefix(line.positionals[1]));
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
        first = static_cast<std::uint64_t>(parseCountLessOne("--from", *from, total - 1)) + 1;
    // At most that many: a count past the end writes the rows there are, as for IPv6.
    std::uint64_t count = total - first + 1;
    if (const std::string *most = line.option("--count")) {
        if (*most == "0")
            count = 0;
        else if (const Uint128 lessOne = parseCountLessOne("--count", *most, ~Uint128{0}); lessOne < count)
            count = static_cast<std::uint64_t>(lessOne) + 1;
    }

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
