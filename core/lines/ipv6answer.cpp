#include "core/lines/ipv6answer.h"

#include "core/lines/escapedtext.h"

namespace netquill {

std::string shownIpv6Address(const Ipv6Texts &texts)
{
    // A zone is the user's text: its control bytes are escaped where a terminal shows it.
    return texts.address + (texts.zone.empty() ? "" : "%" + escaped(texts.zone));
}

Answer ipv6Answer(const Ipv6Texts &texts, LineEnd lineEnd)
{
    const std::string zone = texts.zone.empty() ? "" : "%" + texts.zone;
    // Every address of an IPv6 block counts: none is kept for a network or a broadcast.
    return Answer(lineEnd)
        .text("IPv6 Address", "", shownIpv6Address(texts))
        .text("", "address", texts.address + zone)
        .text("Expanded", "expanded", texts.expanded)
        .text("Address Type", "", texts.type.text())
        .text("", "address_type", texts.type.name)
        .text("", "address_type_rfc", texts.type.rfc)
        .optionalText("IPv4 Inside", "embedded_ipv4", texts.embeddedIpv4)
        .optionalText("Teredo Server", "teredo_server", texts.teredoServer)
        .text("Solicited Node", "solicited_node", texts.solicitedNode)
        .optionalText("MAC (EUI-64)", "mac", texts.mac)
        .optionalText("ULA Global ID", "global_id", texts.globalId)
        .optionalText("ULA Subnet ID", "subnet_id", texts.subnetId)
        .text("Network", "", texts.network)
        .text("", "network", texts.networkAddress)
        .number("Prefix Length", "prefix_length", texts.prefixLength)
        .text("First Address", "first_address", texts.networkAddress)
        .text("Last Address", "last_address", texts.lastAddress)
        .text("Addresses", "", texts.addressCount + " (" + texts.addressPower + ")")
        .text("", "address_count", texts.addressCount)
        .optionalText("/48 Subnets", "subnet_48_count", texts.subnets48)
        .optionalText("/64 Subnets", "subnet_64_count", texts.subnets64)
        .text("Reverse DNS", "reverse_dns", texts.reverseName)
        .texts("Reverse Zones", "reverse_zones", texts.reverseZones);
}

}  // namespace netquill
