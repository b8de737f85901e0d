#pragma once

#include "core/address/addresstext.h"
#include "core/address/addresstype.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The "IPv6" tab without its window: what an address and the block of its
// prefix are, as texts, the same for the tab's fields, its copied text and
// netquill-cli calc.
namespace netquill {

struct Ipv6Texts {
    std::string address;  // RFC 5952, without its zone
    std::string zone;     // as typed, without the "%"; empty when none
    std::string expanded;
    AddressType type;
    std::optional<std::string> embeddedIpv4;  // the IPv4 address it carries
    std::optional<std::string> teredoServer;
    std::string solicitedNode;            // its solicited-node multicast group
    std::optional<std::string> mac;       // the MAC its interface identifier was made from (modified EUI-64)
    std::optional<std::string> globalId;  // a unique local address's 40-bit Global ID, 10 hex digits
    std::optional<std::string> subnetId;  // and its subnet ID, 4 hex digits
    std::string network;                  // the block: "2001:db8::/32"
    std::string networkAddress;           // its first address
    int prefixLength = 0;
    std::string lastAddress;
    std::string addressCount;  // every digit
    std::string addressPower;  // the same as a power of two: "2^96"
    // How many sites and links of the usual sizes the block holds; none for a longer prefix.
    std::optional<std::string> subnets48;
    std::optional<std::string> subnets64;
    std::string reverseName;
    std::vector<std::string> reverseZones;
};

Ipv6Texts CalculateIpv6(const ZonedIpv6Address &address, int prefixLength);

// The tab's one field: an address, a zone and a prefix (parseZonedIpv6Entry),
// blanks and line ends around it ignored. An IPv4 text is refused with where
// it belongs.
Parsed<ZonedIpv6Entry> readIpv6Field(std::string_view text);
inline constexpr const char *kIpv4OnIpv6Tab = "is an IPv4 address: the first three tabs take it";

// The subnets' length the tab proposes for a block: the next nibble
// boundary, where reverse zones and hex digits split evenly; 128 stays 128.
constexpr int proposedSubnetLength(int blockLength) { return blockLength >= 124 ? 128 : (blockLength / 4 + 1) * 4; }

}  // namespace netquill
