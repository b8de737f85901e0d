// The "IPv6" tab without its window: the field read as typed, and what an address and its block
// are. Expected values from RFC 4380's Teredo example and Python's ipaddress.
#include "core/calculators/ipv6calculator.h"

#include <gtest/gtest.h>

namespace {

using netquill::CalculateIpv6;
using netquill::readIpv6Field;

struct Ipv6Case {
    const char *name;
    const char *typed;  // without a prefix, the tab's default /64
    const char *network;
    const char *last;
    const char *power;
    const char *subnets48;  // "" for none
    const char *subnets64;
    const char *ipv4;
    const char *teredoServer;
    std::size_t zones;
};

class Ipv6Answers : public testing::TestWithParam<Ipv6Case>
{
};

TEST_P(Ipv6Answers, OfTheAddressAndItsBlock)
{
    const Ipv6Case &row = GetParam();
    const auto entry = readIpv6Field(row.typed);
    ASSERT_TRUE(entry) << entry.reason();
    const netquill::Ipv6Texts texts = CalculateIpv6(entry->address, entry->length.value_or(64));
    EXPECT_EQ(texts.network, row.network);
    EXPECT_EQ(texts.lastAddress, row.last);
    EXPECT_EQ(texts.addressPower, row.power);
    EXPECT_EQ(texts.subnets48.value_or(""), row.subnets48);
    EXPECT_EQ(texts.subnets64.value_or(""), row.subnets64);
    EXPECT_EQ(texts.embeddedIpv4.value_or(""), row.ipv4);
    EXPECT_EQ(texts.teredoServer.value_or(""), row.teredoServer);
    EXPECT_EQ(texts.reverseZones.size(), row.zones);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Ipv6Answers,
    testing::Values(Ipv6Case{"DocumentationSlash30", "2001:db8::/30", "2001:db8::/30",
                             "2001:dbb:ffff:ffff:ffff:ffff:ffff:ffff", "2^98", "262144", "17179869184", "", "", 4},
                    Ipv6Case{"TeredoClientAndServer", "2001:0:4136:e378:8000:63bf:3fff:fdd2", "2001:0:4136:e378::/64",
                             "2001:0:4136:e378:ffff:ffff:ffff:ffff", "2^64", "", "1", "192.0.2.45", "65.54.227.120", 1},
                    Ipv6Case{"MappedSlash128", " ::ffff:192.0.2.1/128\t", "::ffff:192.0.2.1/128", "::ffff:192.0.2.1",
                             "2^0", "", "", "192.0.2.1", "", 1},
                    Ipv6Case{"SixToFourSlash48", "2002:c000:201::/48", "2002:c000:201::/48",
                             "2002:c000:201:ffff:ffff:ffff:ffff:ffff", "2^80", "1", "65536", "192.0.2.1", "", 1},
                    Ipv6Case{"Nat64Slash96", "64:ff9b::192.0.2.33/96", "64:ff9b::/96", "64:ff9b::ffff:ffff", "2^32", "",
                             "", "192.0.2.33", "", 1},
                    Ipv6Case{"WholeSpace", "::/0", "::/0", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "2^128",
                             "281474976710656", "18446744073709551616", "", "", 1},
                    Ipv6Case{"ZonedLinkLocalSlash10", "fe80::1%eth0/10", "fe80::/10",
                             "febf:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "2^118", "274877906944", "18014398509481984",
                             "", "", 4}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadIpv6Field, RefusesWithTheParsersReasonAndSendsIpv4Away)
{
    EXPECT_EQ(readIpv6Field("192.0.2.1").reason(), netquill::kIpv4OnIpv6Tab);
    EXPECT_EQ(readIpv6Field("10.0.0.0/255.0.0.0").reason(), netquill::kIpv4OnIpv6Tab);
    EXPECT_EQ(readIpv6Field("fe80::1%").reason(), "has an empty zone after '%'");
    EXPECT_EQ(readIpv6Field("2001:db8::/129").reason(), "the prefix length is over 128");
    EXPECT_EQ(readIpv6Field("fe80::1%eth0/64")->address.zone, "eth0");
    // A line pasted from a terminal, with its blanks and line end.
    EXPECT_EQ(readIpv6Field(" 2001:db8::1/48 \r\n")->length, 48);
}

TEST(ProposedSubnetLength, IsTheNextNibbleBoundaryUpTo128)
{
    const std::pair<int, int> lengths[] = {{0, 4}, {30, 32}, {32, 36}, {63, 64}, {64, 68}, {124, 128}, {128, 128}};
    for (const auto &[block, subnets] : lengths)
        EXPECT_EQ(netquill::proposedSubnetLength(block), subnets) << block;
}

}  // namespace
