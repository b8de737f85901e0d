#include "core/address/ipv4.h"

#include <gtest/gtest.h>

namespace {

using netquill::Block;
using netquill::Ipv4Address;
using netquill::Prefix;

struct PrefixCase {
    const char *name;
    int bits;
    const char *mask;
    const char *inverse;
    const char *hostsPerSubnet;
};

using PrefixForms = testing::TestWithParam<PrefixCase>;

TEST_P(PrefixForms, MaskInverseAndHosts)
{
    const Prefix prefix(GetParam().bits);
    EXPECT_EQ(prefix.maskAddress().text(), GetParam().mask);
    EXPECT_EQ(prefix.inverseAddress().text(), GetParam().inverse);
    EXPECT_EQ(prefix.hostsPerSubnetText(), GetParam().hostsPerSubnet);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, PrefixForms,
                         testing::Values(PrefixCase{"NoMask", 0, "0.0.0.0", "255.255.255.255", "4294967294"},
                                         PrefixCase{"Slash1", 1, "128.0.0.0", "127.255.255.255", "2147483646"},
                                         PrefixCase{"Slash8", 8, "255.0.0.0", "0.255.255.255", "16777214"},
                                         PrefixCase{"Slash20", 20, "255.255.240.0", "0.0.15.255", "4094"},
                                         PrefixCase{"Slash30", 30, "255.255.255.252", "0.0.0.3", "2"},
                                         PrefixCase{"Slash31PointToPoint", 31, "255.255.255.254", "0.0.0.1",
                                                    "2 (RFC3021)"},
                                         PrefixCase{"Slash32", 32, "255.255.255.255", "0.0.0.0", "1"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Block, ContainingClearsAndBroadcastSetsTheHostBits)
{
    const Block block = Block::containing(Ipv4Address(0xC0A8014D), Prefix(26));  // 192.168.1.77/26
    EXPECT_EQ(block.network.text(), "192.168.1.64");
    EXPECT_EQ(block.broadcast().text(), "192.168.1.127");
    EXPECT_EQ(Block::containing(Ipv4Address(0x01020304), Prefix(0)).broadcast().text(), "255.255.255.255");
    EXPECT_EQ(Block::containing(Ipv4Address(0x01020304), Prefix(32)).broadcast().text(), "1.2.3.4");
}

}  // namespace
