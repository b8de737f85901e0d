#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/address/addresstype.h"
#include "core/address/reversezones.h"
#include "core/calculators/networknode.h"
#include "core/lines/answer.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/jsontext.h"
#include "core/planning/subnetplan.h"

namespace netquill::cli {

const char *const kCalcHelp =
    "usage: netquill-cli calc ADDRESS/MASK [--format text|json]\n"
    "       netquill-cli calc ADDRESS MASK\n"
    "MASK is a prefix length of 0 to 32 or a dotted mask (192.168.1.10/24, 10.1.2.3 255.0.0.0).\n"
    "Prints the eight lines of the \"Network/Node Calculator\" tab. Its nodes are the\n"
    "window's count, 2^h - 2 (0 for a /31, 1 for a /32); --format json writes one object,\n"
    "keys: address, network, broadcast, prefix_length, mask, wildcard_mask, host_id,\n"
    "nodes_in_subnet, first_host, last_host, address_count, usable_hosts, reverse_zones,\n"
    "address_type, address_type_rfc.\n"
    "For IPv6 (ADDRESS/LENGTH or ADDRESS LENGTH, 0 to 128): the address's type, network,\n"
    "prefix length, first and last address, address count, the /48s and /64s the block holds\n"
    "and the reverse zones that cover exactly the block; JSON keys: address, address_type,\n"
    "address_type_rfc, network, prefix_length, first_address, last_address, address_count,\n"
    "subnet_48_count, subnet_64_count (null for a longer prefix), reverse_zones.\n"
    "An address's type is the most specific block of IANA's Special-Purpose Address\n"
    "Registries that holds it, else multicast (with its scope), reserved or global unicast.\n";

namespace {

// ADDRESS/PREFIX, or ADDRESS PREFIX with each word refused as typed (an
// IPv4 prefix is a MASK, a length or dotted).
template <typename Address>
AddressWithPrefix<Address> calcArgument(const CommandLine &line)
{
    using Family = AddressFamily<Address>;
    const bool ipv4 = Address::kBits == 32;
    const std::string_view first = line.positionals[0];
    if (line.positionals.size() == 1)
        return accepted(ipv4 ? "ADDRESS/MASK" : "ADDRESS/PREFIX", first, parseWithPrefix<Address>(first));
    const std::string_view second = line.positionals[1];
    return {accepted("ADDRESS", first, Family::readAddress(first)),
            accepted(ipv4 ? "MASK" : "PREFIX", second, Family::readLength(second))};
}

int calcIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const auto given = calcArgument<Ipv6Address>(line);
    const Ipv6Block block = given.block();
    const AddressType type = addressTypeOf(given.address);
    // How many of the sizes sites and links are given the block holds.
    const auto subnetsOf = [&block](int length) {
        return block.length <= length ? std::optional(Count::powerOfTwo(length - block.length).text()) : std::nullopt;
    };
    // Every address of an IPv6 block counts: none is kept for a network or a broadcast.
    const Answer answer = Answer(streams.lineEnd)
                              .text("IPv6 Address", "address", given.address.text())
                              .text("Address Type", "", type.text())
                              .text("", "address_type", type.name)
                              .text("", "address_type_rfc", type.rfc)
                              .text("Network", "", block.text())
                              .text("", "network", block.network.text())
                              .number("Prefix Length", "prefix_length", block.length)
                              .text("First Address", "first_address", block.network.text())
                              .text("Last Address", "last_address", block.last().text())
                              .text("Addresses", "address_count", block.size().text())
                              .optionalText("/48 Subnets", "subnet_48_count", subnetsOf(48))
                              .optionalText("/64 Subnets", "subnet_64_count", subnetsOf(64))
                              .texts("Reverse Zones", "reverse_zones", reverseZones(block));
    writeAnswer(streams, answer, json);
    return kDone;
}

}  // namespace

int calcCommand(const CommandLine &line, Streams &streams)
{
    if (line.positionals.empty())
        refuse("ADDRESS/MASK", "", "is missing");
    refuseWordsAfter(line, 2, "ADDRESS MASK");
    const bool json = jsonFormatOption(line);
    if (looksLikeIpv6(line.positionals[0]))
        return calcIpv6(line, json, streams);
    const auto given = calcArgument<Ipv4Address>(line);
    const Prefix prefix = given.block().prefix();
    const NetworkNodeResult result = CalculateNetworkNode({octetTextsOf(given.address), prefix});
    if (!json) {
        writeCopiedText(streams, BuildNetworkNodeClipboardText(
                                     {result.octets, prefix.maskAddress().text(), std::to_string(prefix.bits()),
                                      result.hostID, result.networkID, result.broadcastAddress, result.nodesInSubnet}));
        return kDone;
    }
    // The values themselves, not the window's texts of them.
    const NetworkNode node = networkNodeOf(given.address, prefix);
    const SubnetAddresses hosts = SubnetPlan(given.block(), prefix).row(0);
    writeJson(streams, JsonObject()
                           .text("address", given.address.text())
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
                           .number("usable_hosts", prefix.usableHosts())
                           .texts("reverse_zones", reverseZones(given.block()))
                           .text("address_type", addressTypeOf(given.address).name)
                           .text("address_type_rfc", addressTypeOf(given.address).rfc));
    return kDone;
}

}  // namespace netquill::cli
