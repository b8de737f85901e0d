#include "core/address/addresstype.h"

#include "core/address/block.h"

#include <array>

namespace netquill {

namespace {

template <typename Address>
struct Entry {
    Block<Address> block;
    AddressType type;
};

constexpr Ipv4Address v4(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return Ipv4Address(a << 24 | b << 16 | c << 8 | d);
}

// The first groups of an IPv6 address, the rest zero.
constexpr Ipv6Address v6(unsigned g0, unsigned g1 = 0, unsigned g2 = 0, unsigned g3 = 0, unsigned g7 = 0)
{
    return Ipv6Address(Uint128{g0} << 112 | Uint128{g1} << 96 | Uint128{g2} << 80 | Uint128{g3} << 64 | Uint128{g7});
}

constexpr AddressType kGlobalUnicast{"Global Unicast", "RFC 4291"};

// IANA IPv4 Special-Purpose Address Registry, then IPv4 multicast.
constexpr std::array<Entry<Ipv4Address>, 27> kIpv4Types{{
    {{v4(0, 0, 0, 0), 8}, {"\"This network\"", "RFC 791"}},
    {{v4(0, 0, 0, 0), 32}, {"\"This host on this network\"", "RFC 1122"}},
    {{v4(10, 0, 0, 0), 8}, {"Private-Use", "RFC 1918"}},
    {{v4(100, 64, 0, 0), 10}, {"Shared Address Space", "RFC 6598"}},
    {{v4(127, 0, 0, 0), 8}, {"Loopback", "RFC 1122"}},
    {{v4(169, 254, 0, 0), 16}, {"Link Local", "RFC 3927"}},
    {{v4(172, 16, 0, 0), 12}, {"Private-Use", "RFC 1918"}},
    {{v4(192, 0, 0, 0), 24}, {"IETF Protocol Assignments", "RFC 6890"}},
    {{v4(192, 0, 0, 0), 29}, {"IPv4 Service Continuity Prefix", "RFC 7335"}},
    {{v4(192, 0, 0, 8), 32}, {"IPv4 dummy address", "RFC 7600"}},
    {{v4(192, 0, 0, 9), 32}, {"Port Control Protocol Anycast", "RFC 7723"}},
    {{v4(192, 0, 0, 10), 32}, {"Traversal Using Relays around NAT Anycast", "RFC 8155"}},
    {{v4(192, 0, 0, 170), 32}, {"NAT64/DNS64 Discovery", "RFC 8880"}},
    {{v4(192, 0, 0, 171), 32}, {"NAT64/DNS64 Discovery", "RFC 8880"}},
    {{v4(192, 0, 2, 0), 24}, {"Documentation (TEST-NET-1)", "RFC 5737"}},
    {{v4(192, 31, 196, 0), 24}, {"AS112-v4", "RFC 7535"}},
    {{v4(192, 52, 193, 0), 24}, {"AMT", "RFC 7450"}},
    {{v4(192, 88, 99, 0), 24}, {"Deprecated (6to4 Relay Anycast)", "RFC 7526"}},
    {{v4(192, 88, 99, 2), 32}, {"6a44-relay anycast address", "RFC 6751"}},
    {{v4(192, 168, 0, 0), 16}, {"Private-Use", "RFC 1918"}},
    {{v4(192, 175, 48, 0), 24}, {"Direct Delegation AS112 Service", "RFC 7534"}},
    {{v4(198, 18, 0, 0), 15}, {"Benchmarking", "RFC 2544"}},
    {{v4(198, 51, 100, 0), 24}, {"Documentation (TEST-NET-2)", "RFC 5737"}},
    {{v4(203, 0, 113, 0), 24}, {"Documentation (TEST-NET-3)", "RFC 5737"}},
    {{v4(240, 0, 0, 0), 4}, {"Reserved", "RFC 1112"}},
    {{v4(255, 255, 255, 255), 32}, {"Limited Broadcast", "RFC 919"}},
    {{v4(224, 0, 0, 0), 4}, {"Multicast", "RFC 5771"}},
}};

// IANA IPv6 Special-Purpose Address Registry, then the IPv6 Address Space
// (ff00::/8, multicast, is found by its scope instead). Names as the
// registries write them.
constexpr std::array<Entry<Ipv6Address>, 29> kIpv6Types{{
    {{v6(0, 0, 0, 0, 1), 128}, {"Loopback Address", "RFC 4291"}},
    {{v6(0), 128}, {"Unspecified Address", "RFC 4291"}},
    {{Ipv6Address(Uint128{0xFFFF} << 32), 96}, {"IPv4-mapped Address", "RFC 4291"}},
    {{v6(0x64, 0xFF9B), 96}, {"IPv4-IPv6 Translat.", "RFC 6052"}},
    {{v6(0x64, 0xFF9B, 1), 48}, {"IPv4-IPv6 Translat.", "RFC 8215"}},
    {{v6(0x100), 64}, {"Discard-Only Address Block", "RFC 6666"}},
    {{v6(0x100, 0, 0, 1), 64}, {"Dummy IPv6 Prefix", "RFC 9780"}},
    {{v6(0x2001), 23}, {"IETF Protocol Assignments", "RFC 2928"}},
    {{v6(0x2001), 32}, {"TEREDO", "RFC 4380"}},
    {{v6(0x2001, 1, 0, 0, 1), 128}, {"Port Control Protocol Anycast", "RFC 7723"}},
    {{v6(0x2001, 1, 0, 0, 2), 128}, {"Traversal Using Relays around NAT Anycast", "RFC 8155"}},
    {{v6(0x2001, 1, 0, 0, 3), 128}, {"DNS-SD Service Registration Protocol Anycast", "RFC 9665"}},
    {{v6(0x2001, 2), 48}, {"Benchmarking", "RFC 5180"}},
    {{v6(0x2001, 3), 32}, {"AMT", "RFC 7450"}},
    {{v6(0x2001, 4, 0x112), 48}, {"AS112-v6", "RFC 7535"}},
    {{v6(0x2001, 0x10), 28}, {"Deprecated (previously ORCHID)", "RFC 4843"}},
    {{v6(0x2001, 0x20), 28}, {"ORCHIDv2", "RFC 7343"}},
    {{v6(0x2001, 0x30), 28}, {"Drone Remote ID Protocol Entity Tags (DETs) Prefix", "RFC 9374"}},
    {{v6(0x2001, 0xDB8), 32}, {"Documentation", "RFC 3849"}},
    {{v6(0x2002), 16}, {"6to4", "RFC 3056"}},
    {{v6(0x2620, 0x4F, 0x8000), 48}, {"Direct Delegation AS112 Service", "RFC 7534"}},
    {{v6(0x3FFF), 20}, {"Documentation", "RFC 9637"}},
    {{v6(0x5F00), 16}, {"Segment Routing (SRv6) SIDs", "RFC 9602"}},
    {{v6(0xFC00), 7}, {"Unique-Local", "RFC 4193"}},
    {{v6(0xFE80), 10}, {"Link-Local Unicast", "RFC 4291"}},
    // The IPv6 Address Space
    {{v6(0), 0}, {"Reserved by IETF", "RFC 4291"}},
    {{v6(0x2000), 3}, kGlobalUnicast},
    {{v6(0xFE00), 9}, {"Reserved by IETF", "RFC 4291"}},
    {{v6(0xFEC0), 10}, {"Reserved by IETF (formerly Site-Local)", "RFC 3879"}},
}};

// The most specific entry that holds the address.
template <typename Address, std::size_t N>
const AddressType *mostSpecific(const std::array<Entry<Address>, N> &entries, Address address)
{
    const Entry<Address> *best = nullptr;
    for (const Entry<Address> &entry : entries)
        if (entry.block.contains(address) && (best == nullptr || entry.block.length > best->block.length))
            best = &entry;
    return best == nullptr ? nullptr : &best->type;
}

// RFC 4291 §2.7 and RFC 7346: the scope is the multicast address's fourth nibble.
constexpr std::array<AddressType, 16> kMulticastScopes{{
    {"Multicast (reserved scope 0)", "RFC 7346"},
    {"Multicast (interface-local scope)", "RFC 7346"},
    {"Multicast (link-local scope)", "RFC 7346"},
    {"Multicast (realm-local scope)", "RFC 7346"},
    {"Multicast (admin-local scope)", "RFC 7346"},
    {"Multicast (site-local scope)", "RFC 7346"},
    {"Multicast (unassigned scope 6)", "RFC 7346"},
    {"Multicast (unassigned scope 7)", "RFC 7346"},
    {"Multicast (organization-local scope)", "RFC 7346"},
    {"Multicast (unassigned scope 9)", "RFC 7346"},
    {"Multicast (unassigned scope a)", "RFC 7346"},
    {"Multicast (unassigned scope b)", "RFC 7346"},
    {"Multicast (unassigned scope c)", "RFC 7346"},
    {"Multicast (unassigned scope d)", "RFC 7346"},
    {"Multicast (global scope)", "RFC 7346"},
    {"Multicast (reserved scope f)", "RFC 7346"},
}};

}  // namespace

AddressType addressTypeOf(Ipv4Address address)
{
    // IPv4 has no address space registry that names global unicast, as RFC 4291 does for IPv6.
    const AddressType *type = mostSpecific(kIpv4Types, address);
    return type == nullptr ? AddressType{kGlobalUnicast.name, {}} : *type;
}

AddressType addressTypeOf(Ipv6Address address)
{
    if ((address.value() >> 120) == 0xFF)
        return kMulticastScopes[static_cast<std::size_t>(address.value() >> 112) & 0xF];
    return *mostSpecific(kIpv6Types, address);
}

}  // namespace netquill
