#include "subnetcalculator.h"

#include "masktable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using netquill::PlanEntries;
using netquill::PlanList;

// ---- Linked plan lists ----

struct Link {
    const char *name;
    PlanList chosenList;
    int chosen;
    int entryCount;
    PlanEntries entries;  // subnet mask, mask bits, number of subnets, host bits, hosts per subnet
};

void PrintTo(const Link &link, std::ostream *out) { *out << link.name; }

class LinkedPlanEntries : public testing::TestWithParam<Link> {};

TEST_P(LinkedPlanEntries, MovesEveryListToTheSamePlan)
{
    EXPECT_EQ(netquill::linkedPlanEntries(GetParam().chosenList, GetParam().chosen, GetParam().entryCount),
              GetParam().entries);
}

// With N entries (33 − p), entry i of a mask-order list belongs with N − 1 − i of a host list.
INSTANTIATE_TEST_SUITE_P(Choices, LinkedPlanEntries, testing::Values(
    Link{"Slash16SubnetMask255_255_255_0", PlanList::SubnetMask, 8, 17, {8, 8, 8, 8, 8}},
    Link{"Slash20HostBits6", PlanList::HostBits, 6, 13, {6, 6, 6, 6, 6}},
    Link{"Slash24HostsTwoRfc3021", PlanList::HostsPerSubnet, 1, 9, {7, 7, 7, 1, 1}},
    Link{"Slash24MaskBits25", PlanList::MaskBits, 1, 9, {1, 1, 1, 7, 7}},
    Link{"Slash24NumberOfSubnetsLast", PlanList::NumberOfSubnets, 8, 9, {8, 8, 8, 0, 0}},
    Link{"Slash24HostBitsZero", PlanList::HostBits, 0, 9, {8, 8, 8, 0, 0}},
    Link{"Slash1HostsFirst", PlanList::HostsPerSubnet, 0, 32, {31, 31, 31, 0, 0}},
    Link{"Slash32OnlyEntry", PlanList::SubnetMask, 0, 1, {0, 0, 0, 0, 0}}
), [](const auto &info) { return std::string(info.param.name); });

// Whatever entry is chosen, the five lists show one plan: the same mask bits m.
TEST(LinkedPlanEntriesProperty, EveryChoiceOfEveryPrefixIsConsistent)
{
    for (int cidrBits = 1; cidrBits <= 32; ++cidrBits) {
        const netquill::PlanLists lists = netquill::planListsFor(cidrBits);
        const int entryCount = 33 - cidrBits;
        for (const PlanList chosenList : {PlanList::SubnetMask, PlanList::MaskBits, PlanList::NumberOfSubnets,
                                          PlanList::HostBits, PlanList::HostsPerSubnet}) {
            for (int chosen = 0; chosen < entryCount; ++chosen) {
                const PlanEntries entries = netquill::linkedPlanEntries(chosenList, chosen, entryCount);
                const int maskBits = std::stoi(lists.maskBits.at(entries[1]));
                EXPECT_EQ(lists.subnetMasks.at(entries[0]), netquill::MaskTable(maskBits).dotted);
                EXPECT_EQ(lists.numberOfSubnets.at(entries[2]), std::to_string(1ull << (maskBits - cidrBits)));
                EXPECT_EQ(lists.hostBits.at(entries[3]), std::to_string(32 - maskBits));
                EXPECT_EQ(lists.hostsPerSubnet.at(entries[4]), netquill::HostsPerSubnetText(32 - maskBits));
                EXPECT_EQ(entries[static_cast<std::size_t>(chosenList)], chosen);
            }
        }
    }
}

// ---- Subnet bit mask ----

struct BitMask {
    const char *name;
    int cidrBits, maskBits, hostBits;
    std::string pattern;
};

void PrintTo(const BitMask &mask, std::ostream *out) { *out << mask.name; }

class SubnetBitMaskPattern : public testing::TestWithParam<BitMask> {};

TEST_P(SubnetBitMaskPattern, DrawsNetworkSubnetAndHostBits)
{
    EXPECT_EQ(netquill::SubnetBitMaskPattern(GetParam().cidrBits, GetParam().maskBits, GetParam().hostBits),
              GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(Plans, SubnetBitMaskPattern, testing::Values(
    BitMask{"Slash16Undivided", 16, 16, 16, "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"},
    BitMask{"Slash16Into24", 16, 24, 8, "nnnnnnnn.nnnnnnnn.ssssssss.hhhhhhhh"},
    BitMask{"Slash20Into26", 20, 26, 6, "nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh"},
    BitMask{"Slash1Into32", 1, 32, 0, "nsssssss.ssssssss.ssssssss.ssssssss"},
    BitMask{"Slash1Undivided", 1, 1, 31, "nhhhhhhh.hhhhhhhh.hhhhhhhh.hhhhhhhh"},
    BitMask{"Slash32", 32, 32, 0, "nnnnnnnn.nnnnnnnn.nnnnnnnn.nnnnnnnn"}
), [](const auto &info) { return std::string(info.param.name); });

// ---- Subnet address ----

TEST(ComputeSubnetAddress, ClearsTheBitsOutsideTheSubnetMask)
{
    EXPECT_EQ(netquill::ComputeSubnetAddress({"10", "1", "2", "3"}, netquill::MaskTable(16).binary), "10.1.0.0");
    EXPECT_EQ(netquill::ComputeSubnetAddress({"192", "168", "1", "77"}, netquill::MaskTable(26).binary),
              "192.168.1.64");
    EXPECT_EQ(netquill::ComputeSubnetAddress({"255", "255", "255", "255"}, netquill::MaskTable(1).binary),
              "128.0.0.0");
    EXPECT_EQ(netquill::ComputeSubnetAddress({"255", "255", "255", "255"}, netquill::MaskTable(32).binary),
              "255.255.255.255");
}

TEST(ComputeSubnetAddress, WithoutAMaskTheBlockStaysWhole)
{
    EXPECT_EQ(netquill::ComputeSubnetAddress({"10", "1", "2", "3"}, ""), "10.1.2.3");
    EXPECT_EQ(netquill::ComputeSubnetAddress({"", "", "", ""}, ""), "0.0.0.0");
}

TEST(ComputeSubnetAddress, UnfoldedOctetsGiveTheirLowEightBits)
{
    EXPECT_EQ(netquill::ComputeSubnetAddress({"256", "300", "0", "1"}, netquill::MaskTable(32).binary), "0.44.0.1");
}

// ---- Clipboard ----

TEST(BuildSubnetClipboardText, ElevenLines)
{
    netquill::SubnetTexts texts;
    texts.blockOctets = {"10", "1", "2", "3"};
    texts.cidrBits = "8";
    texts.cidrMask = "255.0.0.0";
    texts.subnetAddress = "10.1.0.0";
    texts.subnetMask = "255.255.0.0";
    texts.subnetBitMask = "nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh";
    texts.maskBits = "16";
    texts.hostBits = "16";
    texts.numberOfSubnets = "256";
    texts.hostsPerSubnet = "65534";
    EXPECT_EQ(netquill::BuildSubnetClipboardText(texts),
              "IPAddress       : 10.1.2.3\r\n"
              "Address Class    : Classless /8\r\n"
              "Network Address  : 255.0.0.0\r\n"
              "\r\n"
              "Subnet Address   : 10.1.0.0\r\n"
              "Subnet Mask      : 255.255.0.0\r\n"
              "Subnet Bit Mask  : nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh\r\n"
              "Subnet Bits      : 16\r\n"
              "Host Bits        : 16\r\n"
              "Possible Number of Subnets : 256\r\n"
              "Hosts per Subnet : 65534\r\n");
}

}  // namespace
