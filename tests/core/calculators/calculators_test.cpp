// The two calculator tabs without their windows: network/node, the linked plan
// lists and the subnet bit mask.
#include "core/calculators/masktable.h"
#include "core/calculators/networknode.h"
#include "core/calculators/subnetcalculator.h"

#include <gtest/gtest.h>

namespace {

using netquill::PlanList;
using netquill::Prefix;

// ---- Network/Node ----

// The fuzz target checks every prefix from /1 to /32 against AND/OR arithmetic.
TEST(CalculateNetworkNode, SplitsTheAddressByTheMask)
{
    using netquill::CalculateNetworkNode;
    using Result = netquill::NetworkNodeResult;
    EXPECT_EQ(CalculateNetworkNode({{"192", "168", "1", "10"}, Prefix(24)}),
              (Result{{"192", "168", "1", "10"}, "0.0.0.10", "192.168.1.0", "192.168.1.255", "254"}));
    EXPECT_EQ(CalculateNetworkNode({{"10", "1", "2", "3"}, Prefix(0)}),  // no mask: every bit a host bit
              (Result{{"10", "1", "2", "3"}, "10.1.2.3", "0.0.0.0", "255.255.255.255", "4294967294"}));
    EXPECT_EQ(CalculateNetworkNode({{"", "", "", ""}, Prefix(24)}),
              (Result{{"0", "0", "0", "0"}, "0.0.0.0", "0.0.0.0", "0.0.0.255", "254"}));
}

// ---- The plan lists ----

TEST(PlanLists, Slash24HasNinePlansFromTheUndividedBlock)
{
    const netquill::PlanLists lists = netquill::planListsFor(Prefix(24));
    using Strings = std::vector<std::string>;
    EXPECT_EQ(lists.subnetMasks.front(), "255.255.255.0");
    EXPECT_EQ(lists.subnetMasks.back(), "255.255.255.255");
    EXPECT_EQ(lists.maskBits, (Strings{"24", "25", "26", "27", "28", "29", "30", "31", "32"}));
    EXPECT_EQ(lists.numberOfSubnets, (Strings{"1", "2", "4", "8", "16", "32", "64", "128", "256"}));
    EXPECT_EQ(lists.hostBits, (Strings{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(lists.hostsPerSubnet, (Strings{"1", "2 (RFC3021)", "2", "6", "14", "30", "62", "126", "254"}));
    EXPECT_EQ(netquill::planListsFor(Prefix(1)).numberOfSubnets.back(), "2147483648");
    EXPECT_TRUE(netquill::planListsFor(Prefix(0)).maskBits.empty());
}

// The host lists run the other way from the mask, bits and subnet count lists.
TEST(LinkedPlanEntries, MoveEveryListToTheSamePlan)
{
    using Entries = netquill::PlanEntries;
    EXPECT_EQ(netquill::linkedPlanEntries(PlanList::SubnetMask, 8, 17), (Entries{8, 8, 8, 8, 8}));     // /16
    EXPECT_EQ(netquill::linkedPlanEntries(PlanList::HostsPerSubnet, 1, 9), (Entries{7, 7, 7, 1, 1}));  // /24, RFC 3021
    EXPECT_EQ(netquill::linkedPlanEntries(PlanList::NumberOfSubnets, 8, 9), (Entries{8, 8, 8, 0, 0}));
    EXPECT_EQ(netquill::linkedPlanEntries(PlanList::SubnetMask, 0, 1), (Entries{0, 0, 0, 0, 0}));  // /32
}

TEST(SubnetBitMaskPattern, DrawsNetworkSubnetAndHostBits)
{
    EXPECT_EQ(netquill::SubnetBitMaskPattern(Prefix(20), Prefix(26)), "nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh");
    EXPECT_EQ(netquill::SubnetBitMaskPattern(Prefix(16), Prefix(16)), "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
    EXPECT_EQ(netquill::SubnetBitMaskPattern(Prefix(1), Prefix(32)), "nsssssss.ssssssss.ssssssss.ssssssss");
    EXPECT_EQ(netquill::SubnetBitMaskPattern(Prefix(32), Prefix(32)), "nnnnnnnn.nnnnnnnn.nnnnnnnn.nnnnnnnn");
}

}  // namespace
