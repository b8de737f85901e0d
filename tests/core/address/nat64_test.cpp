// IPv4-embedded IPv6 addresses: RFC 6052 section 2.4's own table, 192.0.2.33
// under a prefix of each length, both ways.
#include "core/address/addresstext.h"
#include "core/address/nat64.h"

#include <gtest/gtest.h>

namespace {

struct Embedded {
    const char *name;
    const char *prefix;
    const char *address;
};

void PrintTo(const Embedded &row, std::ostream *out) { *out << row.name; }

class Nat64 : public testing::TestWithParam<Embedded>
{
};

TEST_P(Nat64, EmbedsAndExtractsAsRfc6052Shows)
{
    const auto prefix = *netquill::parseBlock<netquill::Ipv6Address>(GetParam().prefix);
    const auto ipv4 = *netquill::parseAddress("192.0.2.33");
    EXPECT_EQ(netquill::nat64Address(prefix, ipv4)->text(), GetParam().address);
    EXPECT_EQ(netquill::ipv4OfNat64Address(prefix, *netquill::parseIpv6Address(GetParam().address))->text(),
              "192.0.2.33");
}

INSTANTIATE_TEST_SUITE_P(Rfc6052Table, Nat64,
                         testing::Values(Embedded{"Length32", "2001:db8::/32", "2001:db8:c000:221::"},
                                         Embedded{"Length40", "2001:db8:100::/40", "2001:db8:1c0:2:21::"},
                                         Embedded{"Length48", "2001:db8:122::/48", "2001:db8:122:c000:2:2100::"},
                                         Embedded{"Length56", "2001:db8:122:300::/56", "2001:db8:122:3c0:0:221::"},
                                         Embedded{"Length64", "2001:db8:122:344::/64", "2001:db8:122:344:c0:2:2100:0"},
                                         Embedded{"Length96", "2001:db8:122:344::/96", "2001:db8:122:344::c000:221"},
                                         Embedded{"WellKnownPrefix", "64:ff9b::/96", "64:ff9b::c000:221"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Nat64, RefusesOtherLengthsAndTheUOctet)
{
    const auto ipv4 = *netquill::parseAddress("192.0.2.33");
    EXPECT_EQ(netquill::nat64Address(*netquill::parseBlock<netquill::Ipv6Address>("2001:db8::/33"), ipv4).reason(),
              "a NAT64 prefix is /32, /40, /48, /56, /64 or /96 (RFC 6052)");
    EXPECT_EQ(
        netquill::nat64Address(*netquill::parseBlock<netquill::Ipv6Address>("2001:db8:0:0:100::/96"), ipv4).reason(),
        "bits 64 to 71 of a NAT64 prefix must be zero (RFC 6052)");
    const auto prefix = *netquill::parseBlock<netquill::Ipv6Address>("2001:db8:122:344::/64");
    EXPECT_EQ(netquill::ipv4OfNat64Address(prefix, *netquill::parseIpv6Address("2001:db8:122:344:1c0::")).reason(),
              "has bits 64 to 71 set, which RFC 6052 keeps zero");
    EXPECT_EQ(netquill::ipv4OfNat64Address(prefix, *netquill::parseIpv6Address("2001:db8::1")).reason(),
              "is not under the prefix 2001:db8:122:344::/64");
}

}  // namespace
