// Modified EUI-64 interface identifiers (RFC 4291 Appendix A) and
// solicited-node groups (section 2.7.1), worked by hand from the RFC.
#include "core/address/addresstext.h"
#include "core/address/interfaceid.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv6Address;

Ipv6Address address(std::string_view text) { return *netquill::parseIpv6Address(text); }

// FFFE between the OUI and the serial, the universal/local bit 0x02 inverted:
// 00:1a:2b | 3c:4d:5e gives 021a:2bff:fe3c:4d5e.
TEST(InterfaceId, AMacInEachSpellingGivesItsSlaacAndLinkLocalAddresses)
{
    for (const char *spelling : {"00:1A:2B:3C:4D:5E", "00-1a-2b-3c-4d-5e", "001a.2b3c.4d5e"}) {
        const auto mac = netquill::parseMacAddress(spelling);
        ASSERT_TRUE(mac) << spelling << ": " << mac.reason();
        EXPECT_EQ(mac->text(), "00:1a:2b:3c:4d:5e");
        EXPECT_EQ(netquill::interfaceIdOf(*mac), 0x021a2bfffe3c4d5eu);
    }
    const auto mac = *netquill::parseMacAddress("02:00:5e:10:00:01");  // a locally administered MAC: the bit clears
    EXPECT_EQ(netquill::slaacAddress(address("2001:db8:1:2::"), mac).text(), "2001:db8:1:2:0:5eff:fe10:1");
    EXPECT_EQ(netquill::linkLocalAddress(mac).text(), "fe80::5eff:fe10:1");
    EXPECT_EQ(netquill::macOfInterfaceId(address("fe80::21a:2bff:fe3c:4d5e"))->text(), "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(netquill::macOfInterfaceId(address("2001:db8::1")), std::nullopt);
}

TEST(InterfaceId, RefusesWhatIsNoMac)
{
    EXPECT_EQ(netquill::parseMacAddress("00:1a:2b:3c:4d").reason(),
              "is not a MAC address: six pairs of hex digits joined by : or -, or three groups of four joined by .");
    EXPECT_EQ(netquill::parseMacAddress("00:1a-2b:3c:4d:5e").reason(), "mixes its separators");
    EXPECT_EQ(netquill::parseMacAddress("00:1a:2b:3c:4d:5g").reason(), "has 'g', not a hex digit");
}

// RFC 4291 section 2.7.1's own example, and the group's bounds.
TEST(InterfaceId, TheSolicitedNodeGroupTakesTheLow24Bits)
{
    EXPECT_EQ(netquill::solicitedNodeGroup(address("4037::1:800:200e:8c6c")).text(), "ff02::1:ff0e:8c6c");
    EXPECT_EQ(netquill::solicitedNodeGroup(address("::")).text(), "ff02::1:ff00:0");
    EXPECT_EQ(netquill::solicitedNodeGroup(address("ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff")).text(),
              "ff02::1:ffff:ffff");
}

}  // namespace
