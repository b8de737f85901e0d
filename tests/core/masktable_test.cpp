#include "masktable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A dotted text read back as a 32-bit value, independently of the core.
std::uint64_t valueOfDotted(const std::string &dotted)
{
    std::istringstream in(dotted);
    std::uint64_t value = 0;
    std::string octet;
    int count = 0;
    while (std::getline(in, octet, '.')) {
        value = value * 256 + std::stoul(octet);
        ++count;
    }
    EXPECT_EQ(count, 4) << dotted;
    return value;
}

std::string sequence(int from, int to)
{
    std::string text;
    for (int n = from; n <= to; ++n)
        text += std::to_string(n) + (n < to ? "," : "");
    return text;
}

std::string joined(const Strings &list)
{
    std::string text;
    for (std::size_t k = 0; k < list.size(); ++k)
        text += list[k] + (k + 1 < list.size() ? "," : "");
    return text;
}

// ---- The 32 rows ----

struct Row {
    const char *name;
    int maskBits;
    std::string dotted;
    std::string inverse;
    std::string binary;
};

class MaskTableRow : public testing::TestWithParam<Row> {};

TEST_P(MaskTableRow, HoldsTheThreeForms)
{
    const netquill::MaskRow &row = netquill::MaskTable(GetParam().maskBits);
    EXPECT_EQ(row.dotted, GetParam().dotted);
    EXPECT_EQ(row.inverse, GetParam().inverse);
    EXPECT_EQ(row.binary, GetParam().binary);
}

std::string bits(int ones) { return std::string(ones, '1') + std::string(32 - ones, '0'); }

INSTANTIATE_TEST_SUITE_P(Boundaries, MaskTableRow, testing::Values(
    Row{"Slash1", 1, "128.0.0.0", "127.255.255.255", bits(1)},
    Row{"Slash8", 8, "255.0.0.0", "0.255.255.255", bits(8)},
    Row{"Slash16", 16, "255.255.0.0", "0.0.255.255", bits(16)},
    Row{"Slash20", 20, "255.255.240.0", "0.0.15.255", bits(20)},
    Row{"Slash24", 24, "255.255.255.0", "0.0.0.255", bits(24)},
    Row{"Slash30", 30, "255.255.255.252", "0.0.0.3", bits(30)},
    Row{"Slash31", 31, "255.255.255.254", "0.0.0.1", bits(31)},
    Row{"Slash32", 32, "255.255.255.255", "0.0.0.0", bits(32)}
), [](const auto &info) { return std::string(info.param.name); });

TEST(MaskTableRules, EveryRowIsContiguousAndComplementsItsInverse)
{
    for (int maskBits = 1; maskBits <= 32; ++maskBits) {
        const netquill::MaskRow &row = netquill::MaskTable(maskBits);
        const std::uint64_t mask = valueOfDotted(row.dotted);
        EXPECT_EQ(mask + valueOfDotted(row.inverse), 4294967295u) << maskBits;
        EXPECT_EQ(mask, (0xFFFFFFFFull << (32 - maskBits)) & 0xFFFFFFFFull) << maskBits;
        EXPECT_EQ(row.binary, bits(maskBits));
    }
}

// ---- Hosts per subnet ----

TEST(HostsPerSubnetText, SmallSubnetsHaveTheirOwnTexts)
{
    EXPECT_EQ(netquill::HostsPerSubnetText(0), "1");
    EXPECT_EQ(netquill::HostsPerSubnetText(1), "2 (RFC3021)");
    EXPECT_EQ(netquill::HostsPerSubnetText(2), "2");
    EXPECT_EQ(netquill::HostsPerSubnetText(3), "6");
    EXPECT_EQ(netquill::HostsPerSubnetText(8), "254");
    EXPECT_EQ(netquill::HostsPerSubnetText(16), "65534");
    EXPECT_EQ(netquill::HostsPerSubnetText(31), "2147483646");
}

// ---- Plan lists of a prefix ----

struct Plan {
    const char *name;
    int cidrBits;
    std::string subnetMasks;  // first and last entries
    std::string numberOfSubnets;
    std::string hostsPerSubnet;
};

class PlanListsFor : public testing::TestWithParam<Plan> {};

TEST_P(PlanListsFor, HoldsOneEntryPerMaskFromThePrefixOn)
{
    const Plan &plan = GetParam();
    const netquill::PlanLists lists = netquill::planListsFor(plan.cidrBits);
    const std::size_t entries = static_cast<std::size_t>(33 - plan.cidrBits);
    for (const Strings *list : {&lists.subnetMasks, &lists.maskBits, &lists.inverseMasks, &lists.binaryMasks,
                                &lists.numberOfSubnets, &lists.hostBits, &lists.hostsPerSubnet})
        ASSERT_EQ(list->size(), entries);

    EXPECT_EQ(lists.subnetMasks.front() + "|" + lists.subnetMasks.back(), plan.subnetMasks);
    EXPECT_EQ(joined(lists.maskBits), sequence(plan.cidrBits, 32));
    EXPECT_EQ(joined(lists.hostBits), sequence(0, 32 - plan.cidrBits));
    EXPECT_EQ(lists.numberOfSubnets.front() + "|" + lists.numberOfSubnets.back(), plan.numberOfSubnets);
    EXPECT_EQ(lists.hostsPerSubnet.front() + "|" + lists.hostsPerSubnet.back(), plan.hostsPerSubnet);
    for (std::size_t j = 0; j < entries; ++j) {
        const int maskBits = plan.cidrBits + static_cast<int>(j);
        EXPECT_EQ(lists.inverseMasks[j], netquill::MaskTable(maskBits).inverse);
        EXPECT_EQ(lists.binaryMasks[j], bits(maskBits));
    }
}

INSTANTIATE_TEST_SUITE_P(Prefixes, PlanListsFor, testing::Values(
    Plan{"Slash1", 1, "128.0.0.0|255.255.255.255", "1|2147483648", "1|2147483646"},
    Plan{"Slash8", 8, "255.0.0.0|255.255.255.255", "1|16777216", "1|16777214"},
    Plan{"Slash16", 16, "255.255.0.0|255.255.255.255", "1|65536", "1|65534"},
    Plan{"Slash24", 24, "255.255.255.0|255.255.255.255", "1|256", "1|254"},
    Plan{"Slash30", 30, "255.255.255.252|255.255.255.255", "1|4", "1|2"},
    Plan{"Slash31", 31, "255.255.255.254|255.255.255.255", "1|2", "1|2 (RFC3021)"},
    Plan{"Slash32", 32, "255.255.255.255|255.255.255.255", "1|1", "1|1"}
), [](const auto &info) { return std::string(info.param.name); });

TEST(PlanListsFor, Slash24HoldsTheWholeExample)
{
    const netquill::PlanLists lists = netquill::planListsFor(24);
    EXPECT_EQ(lists.subnetMasks,
              (Strings{"255.255.255.0", "255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240",
                       "255.255.255.248", "255.255.255.252", "255.255.255.254", "255.255.255.255"}));
    EXPECT_EQ(lists.numberOfSubnets, (Strings{"1", "2", "4", "8", "16", "32", "64", "128", "256"}));
    EXPECT_EQ(lists.hostsPerSubnet, (Strings{"1", "2 (RFC3021)", "2", "6", "14", "30", "62", "126", "254"}));
}

TEST(PlanListsFor, Slash32IsOneUndividedAddress)
{
    const netquill::PlanLists lists = netquill::planListsFor(32);
    EXPECT_EQ(lists.subnetMasks, Strings{"255.255.255.255"});
    EXPECT_EQ(lists.maskBits, Strings{"32"});
    EXPECT_EQ(lists.inverseMasks, Strings{"0.0.0.0"});
    EXPECT_EQ(lists.binaryMasks, Strings{std::string(32, '1')});
    EXPECT_EQ(lists.numberOfSubnets, Strings{"1"});
    EXPECT_EQ(lists.hostBits, Strings{"0"});
    EXPECT_EQ(lists.hostsPerSubnet, Strings{"1"});
}

}  // namespace
