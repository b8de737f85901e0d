#include "core/calculators/ipv6calculator.h"

#include "core/address/count.h"
#include "core/address/interfaceid.h"
#include "core/address/reversezones.h"
#include "core/address/uniquelocal.h"

namespace netquill {

Ipv6Texts CalculateIpv6(const ZonedIpv6Address &zoned, int prefixLength)
{
    const Ipv6Address &address = zoned.address;
    const Ipv6Block block = Ipv6Block::containing(address, prefixLength);
    const auto textOf = [](std::optional<Ipv4Address> ipv4) {
        return ipv4 ? std::optional(ipv4->text()) : std::nullopt;
    };
    const auto subnetsOf = [&block](int length) {
        return block.length <= length ? std::optional(Count::powerOfTwo(length - block.length).text()) : std::nullopt;
    };
    Ipv6Texts texts;
    texts.address = address.text();
    texts.zone = zoned.zone;
    texts.expanded = address.expandedText();
    texts.type = addressTypeOf(address);
    texts.embeddedIpv4 = textOf(address.embeddedIpv4());
    texts.teredoServer = textOf(address.teredoServer());
    texts.solicitedNode = solicitedNodeGroup(address).text();
    if (const auto mac = macOfInterfaceId(address))
        texts.mac = mac->text();
    if (const auto parts = uniqueLocalPartsOf(address)) {
        texts.globalId = globalIdText(parts->globalId);
        texts.subnetId = subnetIdText(parts->subnetId);
    }
    texts.network = block.text();
    texts.networkAddress = block.network.text();
    texts.prefixLength = block.length;
    texts.lastAddress = block.last().text();
    texts.addressCount = block.size().text();
    texts.addressPower = "2^" + std::to_string(Ipv6Address::kBits - block.length);
    texts.subnets48 = subnetsOf(48);
    texts.subnets64 = subnetsOf(64);
    texts.reverseName = address.reverseName();
    texts.reverseZones = reverseZones(block);
    return texts;
}

Parsed<ZonedIpv6Entry> readIpv6Field(std::string_view text)
{
    // A pasted line keeps its blanks and line end: neither is part of the address.
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::string_view entry = first == std::string_view::npos
                                       ? std::string_view()
                                       : text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
    if (familyOf(entry) == Family::Ipv4 && (parseAddress(entry) || parseWithPrefix<Ipv4Address>(entry)))
        return Parsed<ZonedIpv6Entry>::refused(kIpv4OnIpv6Tab);
    return parseZonedIpv6Entry(entry);
}

}  // namespace netquill
