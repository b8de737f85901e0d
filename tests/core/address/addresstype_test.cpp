// What an address is for: each registry entry at the first and last address it does not leave to a more
// specific entry, multicast scopes, and what no registry names; names and blocks as IANA publishes them.
#include "core/address/addresstext.h"
#include "core/address/addresstype.h"

#include <gtest/gtest.h>

namespace {

using namespace netquill;

struct TypeRow {
    const char *name;
    const char *first;
    const char *last;
    const char *type;
};

void PrintTo(const TypeRow &row, std::ostream *out) { *out << row.name; }

std::string typeOf(std::string_view text)
{
    return std::string(familyOf(text) == Family::Ipv6 ? addressTypeOf(*parseIpv6Address(text)).name
                                                      : addressTypeOf(*parseAddress(text)).name);
}

using RegistryEntries = testing::TestWithParam<TypeRow>;

TEST_P(RegistryEntries, HoldTheirFirstAndLastAddress)
{
    EXPECT_EQ(typeOf(GetParam().first), GetParam().type);
    EXPECT_EQ(typeOf(GetParam().last), GetParam().type);
}

// The Special-Purpose Address Registries of this date, the multicast blocks and
// the IPv6 Address Space.
INSTANTIATE_TEST_SUITE_P(
    Iana20251009, RegistryEntries,
    testing::Values(
        TypeRow{"Ipv4_0_0_0_0_8", "0.0.0.1", "0.255.255.255", "\"This network\""},
        TypeRow{"Ipv4_0_0_0_0_32", "0.0.0.0", "0.0.0.0", "\"This host on this network\""},
        TypeRow{"Ipv4_10_0_0_0_8", "10.0.0.0", "10.255.255.255", "Private-Use"},
        TypeRow{"Ipv4_100_64_0_0_10", "100.64.0.0", "100.127.255.255", "Shared Address Space"},
        TypeRow{"Ipv4_127_0_0_0_8", "127.0.0.0", "127.255.255.255", "Loopback"},
        TypeRow{"Ipv4_169_254_0_0_16", "169.254.0.0", "169.254.255.255", "Link Local"},
        TypeRow{"Ipv4_172_16_0_0_12", "172.16.0.0", "172.31.255.255", "Private-Use"},
        TypeRow{"Ipv4_192_0_0_0_24", "192.0.0.11", "192.0.0.255", "IETF Protocol Assignments"},
        TypeRow{"Ipv4_192_0_0_0_29", "192.0.0.0", "192.0.0.7", "IPv4 Service Continuity Prefix"},
        TypeRow{"Ipv4_192_0_0_8_32", "192.0.0.8", "192.0.0.8", "IPv4 dummy address"},
        TypeRow{"Ipv4_192_0_0_9_32", "192.0.0.9", "192.0.0.9", "Port Control Protocol Anycast"},
        TypeRow{"Ipv4_192_0_0_10_32", "192.0.0.10", "192.0.0.10", "Traversal Using Relays around NAT Anycast"},
        TypeRow{"Ipv4_192_0_0_170_32", "192.0.0.170", "192.0.0.170", "NAT64/DNS64 Discovery"},
        TypeRow{"Ipv4_192_0_0_171_32", "192.0.0.171", "192.0.0.171", "NAT64/DNS64 Discovery"},
        TypeRow{"Ipv4_192_0_2_0_24", "192.0.2.0", "192.0.2.255", "Documentation (TEST-NET-1)"},
        TypeRow{"Ipv4_192_31_196_0_24", "192.31.196.0", "192.31.196.255", "AS112-v4"},
        TypeRow{"Ipv4_192_52_193_0_24", "192.52.193.0", "192.52.193.255", "AMT"},
        TypeRow{"Ipv4_192_88_99_0_24", "192.88.99.0", "192.88.99.255", "Deprecated (6to4 Relay Anycast)"},
        TypeRow{"Ipv4_192_88_99_2_32", "192.88.99.2", "192.88.99.2", "6a44-relay anycast address"},
        TypeRow{"Ipv4_192_168_0_0_16", "192.168.0.0", "192.168.255.255", "Private-Use"},
        TypeRow{"Ipv4_192_175_48_0_24", "192.175.48.0", "192.175.48.255", "Direct Delegation AS112 Service"},
        TypeRow{"Ipv4_198_18_0_0_15", "198.18.0.0", "198.19.255.255", "Benchmarking"},
        TypeRow{"Ipv4_198_51_100_0_24", "198.51.100.0", "198.51.100.255", "Documentation (TEST-NET-2)"},
        TypeRow{"Ipv4_203_0_113_0_24", "203.0.113.0", "203.0.113.255", "Documentation (TEST-NET-3)"},
        TypeRow{"Ipv4_240_0_0_0_4", "240.0.0.0", "255.255.255.254", "Reserved"},
        TypeRow{"Ipv4_255_255_255_255_32", "255.255.255.255", "255.255.255.255", "Limited Broadcast"},
        TypeRow{"Ipv4_224_0_0_0_4", "224.0.0.0", "239.255.255.255", "Multicast"},
        TypeRow{"Ipv6_1_128", "::1", "::1", "Loopback Address"}, TypeRow{"Ipv6_128", "::", "::", "Unspecified Address"},
        TypeRow{"Ipv6_ffff_0_0_96", "::ffff:0:0", "::ffff:ffff:ffff", "IPv4-mapped Address"},
        TypeRow{"Ipv6_64_ff9b_96", "64:ff9b::", "64:ff9b::ffff:ffff", "IPv4-IPv6 Translat."},
        TypeRow{"Ipv6_64_ff9b_1_48", "64:ff9b:1::", "64:ff9b:1:ffff:ffff:ffff:ffff:ffff", "IPv4-IPv6 Translat."},
        TypeRow{"Ipv6_100_64", "100::", "100::ffff:ffff:ffff:ffff", "Discard-Only Address Block"},
        TypeRow{"Ipv6_100_0_0_1_64", "100:0:0:1::", "100::1:ffff:ffff:ffff:ffff", "Dummy IPv6 Prefix"},
        TypeRow{"Ipv6_2001_23", "2001:1::", "2001:1ff:ffff:ffff:ffff:ffff:ffff:ffff", "IETF Protocol Assignments"},
        TypeRow{"Ipv6_2001_32", "2001::", "2001:0:ffff:ffff:ffff:ffff:ffff:ffff", "TEREDO"},
        TypeRow{"Ipv6_2001_1_1_128", "2001:1::1", "2001:1::1", "Port Control Protocol Anycast"},
        TypeRow{"Ipv6_2001_1_2_128", "2001:1::2", "2001:1::2", "Traversal Using Relays around NAT Anycast"},
        TypeRow{"Ipv6_2001_1_3_128", "2001:1::3", "2001:1::3", "DNS-SD Service Registration Protocol Anycast"},
        TypeRow{"Ipv6_2001_2_48", "2001:2::", "2001:2:0:ffff:ffff:ffff:ffff:ffff", "Benchmarking"},
        TypeRow{"Ipv6_2001_3_32", "2001:3::", "2001:3:ffff:ffff:ffff:ffff:ffff:ffff", "AMT"},
        TypeRow{"Ipv6_2001_4_112_48", "2001:4:112::", "2001:4:112:ffff:ffff:ffff:ffff:ffff", "AS112-v6"},
        TypeRow{"Ipv6_2001_10_28", "2001:10::", "2001:1f:ffff:ffff:ffff:ffff:ffff:ffff",
                "Deprecated (previously ORCHID)"},
        TypeRow{"Ipv6_2001_20_28", "2001:20::", "2001:2f:ffff:ffff:ffff:ffff:ffff:ffff", "ORCHIDv2"},
        TypeRow{"Ipv6_2001_30_28", "2001:30::", "2001:3f:ffff:ffff:ffff:ffff:ffff:ffff",
                "Drone Remote ID Protocol Entity Tags (DETs) Prefix"},
        TypeRow{"Ipv6_2001_db8_32", "2001:db8::", "2001:db8:ffff:ffff:ffff:ffff:ffff:ffff", "Documentation"},
        TypeRow{"Ipv6_2002_16", "2002::", "2002:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "6to4"},
        TypeRow{"Ipv6_2620_4f_8000_48", "2620:4f:8000::", "2620:4f:8000:ffff:ffff:ffff:ffff:ffff",
                "Direct Delegation AS112 Service"},
        TypeRow{"Ipv6_3fff_20", "3fff::", "3fff:fff:ffff:ffff:ffff:ffff:ffff:ffff", "Documentation"},
        TypeRow{"Ipv6_5f00_16", "5f00::", "5f00:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "Segment Routing (SRv6) SIDs"},
        TypeRow{"Ipv6_fc00_7", "fc00::", "fdff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "Unique-Local"},
        TypeRow{"Ipv6_fe80_10", "fe80::", "febf:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "Link-Local Unicast"},
        TypeRow{"Ipv6_2000_3", "2000::", "3fff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "Global Unicast"},
        TypeRow{"Ipv6_fe00_9", "fe00::", "fe7f:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "Reserved by IETF"},
        TypeRow{"Ipv6_fec0_10", "fec0::", "feff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
                "Reserved by IETF (formerly Site-Local)"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AddressType, MulticastByScopeAndTheRestByTheAddressSpace)
{
    EXPECT_EQ(typeOf("ff02::1"), "Multicast (link-local scope)");
    EXPECT_EQ(typeOf("ff0e::101"), "Multicast (global scope)");
    EXPECT_EQ(typeOf("4000::1"), "Reserved by IETF");
    EXPECT_EQ(typeOf("8.8.8.8"), "Global Unicast");
    EXPECT_EQ(addressTypeOf(*parseIpv6Address("2001:db8::1")).text(), "Documentation (RFC 3849)");
}

}  // namespace
