#pragma once

#include "core/address/ipv6.h"
#include "core/address/parsed.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Interface identifiers made from a MAC address, as SLAAC makes them
// (RFC 4291 Appendix A, modified EUI-64): the 48 bits split in the middle by
// FFFE, the universal/local bit (0x02 of the first byte) inverted. And back:
// the MAC inside an identifier of that form.
namespace netquill {

struct MacAddress {
    std::uint64_t value = 0;  // the low 48 bits

    // "00:1a:2b:3c:4d:5e", colons and lower case, as ip link shows it.
    std::string text() const;
    bool operator==(const MacAddress &) const = default;
};

// A MAC in its usual spellings: six pairs of hex digits joined by ":" or
// "-" (00:1A:2B:3C:4D:5E, 00-1a-2b-3c-4d-5e), or three groups of four by
// "." (001a.2b3c.4d5e); digits of either case.
Parsed<MacAddress> parseMacAddress(std::string_view text);

// The 64-bit modified EUI-64 interface identifier of a MAC.
std::uint64_t interfaceIdOf(MacAddress mac);
// As the low half of an address writes it, four groups of four hex digits: "021a:2bff:fe3c:4d5e".
std::string interfaceIdText(std::uint64_t id);
// The address SLAAC forms in a /64 (its first 64 bits), or in fe80::/64,
// the link-local one.
Ipv6Address slaacAddress(Ipv6Address prefix, MacAddress mac);
Ipv6Address linkLocalAddress(MacAddress mac);
// The MAC an address's interface identifier was made from, where it holds FFFE in its middle.
std::optional<MacAddress> macOfInterfaceId(Ipv6Address address);

// RFC 4291 section 2.7.1: the solicited-node multicast group of an address,
// ff02::1:ff00:0/104 with its low 24 bits.
Ipv6Address solicitedNodeGroup(Ipv6Address address);

}  // namespace netquill
