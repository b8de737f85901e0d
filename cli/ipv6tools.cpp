#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/address/interfaceid.h"
#include "core/address/nat64.h"
#include "core/address/uniquelocal.h"
#include "core/lines/answer.h"
#include "core/lines/jsontext.h"

namespace netquill::cli {

const char *const kUlaHelp =
    "usage: netquill-cli ula [--count N] [--subnet ID] [--format text|json]\n"
    "A unique local IPv6 prefix (RFC 4193 section 3.2): a /48 in fd00::/8 whose 40-bit\n"
    "Global ID is drawn from the system's random source, never a clock or a fixed value.\n"
    "--count N draws N prefixes (1 to 1000000), each anew; --subnet ID (0 to ffff, hex) gives\n"
    "the /64 of that subnet ID in each instead. One prefix a line, or with --format json one\n"
    "object a line, keys: network, prefix_length, global_id, subnet_id (the IDs in 10 and 4 hex\n"
    "digits, as the address holds them; subnet_id null without --subnet).\n";

const char *const kEui64Help =
    "usage: netquill-cli eui64 MAC [PREFIX] [--format text|json]\n"
    "The address SLAAC forms from a MAC (RFC 4291 Appendix A, modified EUI-64: FFFE inserted\n"
    "in its middle, the universal/local bit inverted) in PREFIX, a /64, or without one the\n"
    "link-local address in fe80::/64. MAC is 00:1A:2B:3C:4D:5E, 00-1a-2b-3c-4d-5e or\n"
    "001a.2b3c.4d5e. Prints the MAC, the interface identifier, the address and its\n"
    "solicited-node group (RFC 4291 2.7.1); JSON keys: mac, interface_id, address,\n"
    "solicited_node. An address's MAC, the other way, is what convert shows.\n";

const char *const kNat64Help =
    "usage: netquill-cli nat64 PREFIX ADDRESS [--format text|json]\n"
    "An IPv4 address embedded in IPv6 as NAT64 and DNS64 embed it (RFC 6052 section 2.2), under\n"
    "PREFIX of 32, 40, 48, 56, 64 or 96 bits (64:ff9b::/96 is the well-known prefix), the bits\n"
    "64 to 71 kept zero; or, given an IPv6 ADDRESS, the IPv4 address it carries. JSON keys:\n"
    "prefix, address, embedded_ipv4.\n";

int ulaCommand(const CommandLine &line, Streams &streams)
{
    refuseWordsAfter(line, 0, "ula");
    const bool json = jsonFormatOption(line);
    const std::string *count = line.option("--count");
    const std::uint64_t prefixes = count ? parseNumber("--count", *count, 1, 1000000) : 1;
    std::optional<unsigned> subnetId;
    if (const std::string *subnet = line.option("--subnet")) {
        if (subnet->empty() || subnet->size() > 4 ||
            subnet->find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            refuse("--subnet", *subnet, "must be a subnet ID of 1 to 4 hex digits, 0 to ffff");
        subnetId = static_cast<unsigned>(std::stoul(*subnet, nullptr, 16));
    }
    for (std::uint64_t k = 0; k < prefixes && streams.out.open(); ++k) {
        const std::uint64_t globalId = randomGlobalId();
        const Ipv6Block prefix = subnetId ? uniqueLocalSubnet(globalId, *subnetId) : uniqueLocalPrefix(globalId);
        if (!json) {
            streams.out.buffer().append(prefix.text()).append(lineEndText(streams.lineEnd));
            streams.out.flushWhenFull();
            continue;
        }
        JsonObject object;
        object.text("network", prefix.network.text())
            .number("prefix_length", static_cast<std::uint64_t>(prefix.length))
            .text("global_id", globalIdText(globalId));
        if (subnetId)
            object.text("subnet_id", subnetIdText(*subnetId));
        else
            object.null("subnet_id");
        writeJson(streams, object);
    }
    return kDone;
}

int eui64Command(const CommandLine &line, Streams &streams)
{
    if (line.positionals.empty())
        throw UsageError("MAC is missing");
    refuseWordsAfter(line, 2, "PREFIX");
    const bool json = jsonFormatOption(line);
    const MacAddress mac = accepted("MAC", line.positionals[0], parseMacAddress(line.positionals[0]));
    Ipv6Address address = linkLocalAddress(mac);
    if (line.positionals.size() == 2) {
        const std::string_view text = line.positionals[1];
        const auto prefix = accepted("PREFIX", text, parseBlock<Ipv6Address>(text));
        if (prefix.length != 64)
            refuse("PREFIX", text, "must be a /64: SLAAC forms its addresses in a /64");
        address = slaacAddress(prefix.network, mac);
    }
    writeAnswer(streams,
                Answer(streams.lineEnd)
                    .text("MAC", "mac", mac.text())
                    .text("Interface ID", "interface_id", interfaceIdText(interfaceIdOf(mac)))
                    .text("Address", "address", address.text())
                    .text("Solicited Node", "solicited_node", solicitedNodeGroup(address).text()),
                json);
    return kDone;
}

int nat64Command(const CommandLine &line, Streams &streams)
{
    if (line.positionals.size() < 2)
        throw UsageError(line.positionals.empty() ? "PREFIX is missing" : "ADDRESS is missing");
    refuseWordsAfter(line, 2, "ADDRESS");
    const bool json = jsonFormatOption(line);
    const std::string_view prefixText = line.positionals[0];
    const std::string_view addressText = line.positionals[1];
    const auto prefix = accepted("PREFIX", prefixText, parseBlock<Ipv6Address>(prefixText));
    accepted("PREFIX", prefixText, nat64Address(prefix, Ipv4Address()));  // a prefix RFC 6052 takes
    Ipv6Address ipv6;
    Ipv4Address ipv4;
    if (familyOf(addressText) == Family::Ipv6) {
        ipv6 = accepted("ADDRESS", addressText, parseIpv6Address(addressText));
        ipv4 = accepted("ADDRESS", addressText, ipv4OfNat64Address(prefix, ipv6));
    } else {
        ipv4 = addressArgument("ADDRESS", addressText);
        ipv6 = accepted("PREFIX", prefixText, nat64Address(prefix, ipv4));
    }
    writeAnswer(streams,
                Answer(streams.lineEnd)
                    .text("Prefix", "prefix", prefix.text())
                    .text("IPv6 Address", "address", ipv6.text())
                    .text("IPv4 Address", "embedded_ipv4", ipv4.text()),
                json);
    return kDone;
}

}  // namespace netquill::cli
