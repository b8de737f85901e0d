#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/address/addresstype.h"
#include "core/address/reversezones.h"
#include "core/calculators/networknode.h"
#include "core/lines/answer.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/ipv6answer.h"
#include "core/lines/jsontext.h"
#include "core/planning/subnetplan.h"

namespace netquill::cli {

const char *const kCalcHelp =
    "usage: netquill-cli calc ADDRESS/MASK [--cloud PROVIDER] [--format text|json]\n"
    "       netquill-cli calc ADDRESS MASK\n"
    "MASK is a prefix length of 0 to 32 or a dotted mask (192.168.1.10/24, 10.1.2.3 255.0.0.0).\n"
    "Prints the eight lines of the \"Network/Node Calculator\" tab. Its nodes are the\n"
    "window's count, 2^h - 2 (0 for a /31, 1 for a /32); with --cloud a ninth line gives the\n"
    "subnet's usable hosts in that cloud and their range. --format json writes one object,\n"
    "keys: address, network, broadcast, prefix_length, mask, wildcard_mask, host_id,\n"
    "nodes_in_subnet, first_host, last_host, address_count, usable_hosts, reverse_zones,\n"
    "address_type, address_type_rfc, cloud (the provider's key, or null).\n"
    "For IPv6 (ADDRESS/LENGTH or ADDRESS LENGTH, 0 to 128, the address with a zone if it\n"
    "has one: fe80::1%eth0/64): the address expanded, its type, the IPv4 address it carries\n"
    "(mapped, NAT64, 6to4, a Teredo client's, and the Teredo server), its solicited-node group,\n"
    "the MAC of a modified EUI-64 interface identifier, a unique local address's Global ID and\n"
    "subnet ID, the network, prefix length, first and last address, address count, the /48s\n"
    "and /64s the block holds, the address's reverse name and the reverse zones that cover\n"
    "exactly the block; JSON keys: address, expanded, address_type, address_type_rfc,\n"
    "embedded_ipv4, teredo_server, solicited_node, mac, global_id, subnet_id, network,\n"
    "prefix_length, first_address, last_address, address_count, subnet_48_count,\n"
    "subnet_64_count, reverse_dns, reverse_zones; the IPv4 addresses, MAC, IDs and subnet\n"
    "counts are null where they do not apply.\n"
    "An address's type is the most specific block of IANA's Special-Purpose Address\n"
    "Registries that holds it, else multicast (with its scope), reserved or global unicast.\n";

namespace {

// ADDRESS/MASK, or ADDRESS MASK with each word refused as typed (a MASK is
// a length or dotted).
AddressWithPrefix<Ipv4Address> calcArgument(const CommandLine &line)
{
    const std::string_view first = line.positionals[0];
    if (line.positionals.size() == 1)
        return accepted("ADDRESS/MASK", first, parseWithPrefix<Ipv4Address>(first));
    const std::string_view second = line.positionals[1];
    return {addressArgument("ADDRESS", first),
            accepted("MASK", second, AddressFamily<Ipv4Address>::readLength(second))};
}

int calcIpv6(const CommandLine &line, bool json, Streams &streams)
{
    // ADDRESS/PREFIX or ADDRESS PREFIX, the address with its zone if it has one.
    const std::string_view first = line.positionals[0];
    ZonedIpv6Entry given;
    if (line.positionals.size() == 1) {
        given = accepted("ADDRESS/PREFIX", first, parseZonedIpv6Entry(first));
        if (!given.length)
            refuse("ADDRESS/PREFIX", first, AddressFamily<Ipv6Address>::kNoPrefix);
    } else {
        given.address = accepted("ADDRESS", first, parseZonedIpv6Address(first));
        given.length = accepted("PREFIX", line.positionals[1], parseIpv6PrefixLength(line.positionals[1]));
    }
    writeAnswer(streams, ipv6Answer(CalculateIpv6(given.address, *given.length), streams.lineEnd), json);
    return kDone;
}

}  // namespace

int calcCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.empty())
        refuse("ADDRESS/MASK", "", "is missing");
    // ADDRESS/MASK is one word: what follows it is too many, and a mask after it a second one.
    if (line.positionals[0].find('/') != std::string_view::npos && line.positionals.size() > 1)
        throw UsageError("'" + shown(line.positionals[1]) + "' is one word too many: '" + shown(line.positionals[0]) +
                         "' gives its prefix already");
    refuseWordsAfter(line, 2, "ADDRESS MASK");
    const bool json = jsonFormatOption(line);
    const Family family = familyOf(line.positionals[0]);
    const HostRule hostRule = hostRuleOption(line, family);
    if (family == Family::Ipv6)
        return calcIpv6(line, json, streams);
    const auto given = calcArgument(line);
    const Prefix prefix = given.block().prefix();
    if (const std::string refusal = hostRule.sizeRefusal(prefix); !refusal.empty())
        refuse(line.positionals.size() == 1 ? "ADDRESS/MASK" : "MASK", line.positionals.back(), refusal);
    const SubnetPlan subnet(given.block(), prefix, hostRule);
    const SubnetAddresses hosts = subnet.row(0);
    const NetworkNodeResult result = CalculateNetworkNode({octetTextsOf(given.address), prefix});
    if (!json) {
        const std::string range = ", " + hosts.firstHost.text() + " to " + hosts.lastHost.text();
        writeCopiedText(streams, BuildNetworkNodeClipboardText(
                                     {result.octets, prefix.maskAddress().text(), std::to_string(prefix.bits()),
                                      result.hostID, result.networkID, result.broadcastAddress, result.nodesInSubnet}) +
                                     cloudHostsLine(hostRule, subnet.usableHosts(), range));
        return kDone;
    }
    // The values themselves, not the window's texts of them.
    const NetworkNode node = networkNodeOf(given.address, prefix);
    const AddressType type = addressTypeOf(given.address);
    JsonObject answer;
    answer.text("address", given.address.text())
        .text("network", node.networkId.text())
        .text("broadcast", node.broadcast.text())
        .number("prefix_length", static_cast<std::uint64_t>(prefix.bits()))
        .text("mask", prefix.maskAddress().text())
        .text("wildcard_mask", prefix.inverseAddress().text())
        .text("host_id", node.hostId.text())
        .number("nodes_in_subnet", node.nodes)
        .text("first_host", hosts.firstHost.text())
        .text("last_host", hosts.lastHost.text())
        .number("address_count", prefix.addressCount())
        .number("usable_hosts", subnet.usableHosts())
        .texts("reverse_zones", reverseZones(given.block()))
        .text("address_type", type.name);
    // Null where no registry entry names the address's type (global unicast).
    if (type.rfc.empty())
        answer.null("address_type_rfc");
    else
        answer.text("address_type_rfc", type.rfc);
    addCloud(answer, hostRule);
    writeJson(streams, answer);
    return kDone;
}

}  // namespace netquill::cli
