#pragma once

#include "core/address/ipv4.h"
#include "core/address/ipv6.h"

#include <string>
#include <string_view>

// What an address is for, as IANA registers it: the most specific block of
// the Special-Purpose Address Registries that holds it, then for IPv6 the
// Multicast Address Space (with the scope) and the Address Space, for IPv4
// the multicast block; everything else is global unicast.
namespace netquill {

// Where the tables come from: both Special-Purpose Address Registries as
// IANA last updated them on this date, and the blocks of the IPv6 Address
// Space (2000::/3, fc00::/7, fe80::/10, fec0::/10, ff00::/8) and of IPv4
// multicast (224.0.0.0/4), which have stood since RFC 4291 and RFC 5771.
inline constexpr std::string_view kSpecialPurposeRegistriesDate = "2025-10-09";

struct AddressType {
    std::string_view name;  // "Documentation", "Multicast (link-local scope)"
    std::string_view rfc;   // "RFC 3849"; empty for IPv4 global unicast, which no registry entry names

    // "Documentation (RFC 3849)", "Global Unicast".
    std::string text() const
    {
        return rfc.empty() ? std::string(name) : std::string(name) + " (" + std::string(rfc) + ")";
    }
    bool operator==(const AddressType &) const = default;
};

AddressType addressTypeOf(Ipv4Address address);
AddressType addressTypeOf(Ipv6Address address);

}  // namespace netquill
