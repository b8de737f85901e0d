#include "subnetwalk.h"

#include "masktable.h"
#include "numberbase.h"
#include "octet.h"

#include "plans.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using netquill::SubnetPlan;
using netquill::SubnetRow;

// The plan the "Subnet Calculator" tab shows for a block, CIDR prefix and subnet prefix.

std::vector<SubnetRow> firstRows(const SubnetPlan &plan, int count)
{
    netquill::SubnetWalk walk(plan);
    std::vector<SubnetRow> rows;
    for (int k = 0; k < count; ++k)
        rows.push_back(walk.next());
    return rows;
}

// ---- Rows of the documented plans ----

TEST(SubnetWalk, StartsAtTheNetworkAddressOfTheBlock)
{
    const auto rows = firstRows(planOf({"192", "168", "1", "77"}, 24, 24), 1);
    EXPECT_EQ(rows[0], (SubnetRow{"192.168.1.0", "255.255.255.0", "0.0.0.255", "254", "192.168.1.1",
                                  "192.168.1.254", "192.168.1.255"}));
}

TEST(SubnetWalk, Rfc3021RowsHoldTwoAddressesBothHosts)
{
    const auto rows = firstRows(planOf({"10", "0", "0", "0"}, 30, 31), 2);
    EXPECT_EQ(rows[0], (SubnetRow{"10.0.0.0", "255.255.255.254", "0.0.0.1", "2", "10.0.0.0", "10.0.0.1", "10.0.0.1"}));
    EXPECT_EQ(rows[1], (SubnetRow{"10.0.0.2", "255.255.255.254", "0.0.0.1", "2", "10.0.0.2", "10.0.0.3", "10.0.0.3"}));
    EXPECT_EQ(rows[0].text(netquill::SubnetColumn::HostRange), "10.0.0.0 to 10.0.0.1");
}

TEST(SubnetWalk, Slash30StepsByFour)
{
    const auto rows = firstRows(planOf({"10", "0", "0", "0"}, 8, 30), 3);
    EXPECT_EQ(rows[0], (SubnetRow{"10.0.0.0", "255.255.255.252", "0.0.0.3", "2", "10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    EXPECT_EQ(rows[1].subnet, "10.0.0.4");
    EXPECT_EQ(rows[2].subnet, "10.0.0.8");
    EXPECT_EQ(rows[2].broadcast, "10.0.0.11");
}

TEST(SubnetWalk, BlockZeroStartsAtAddressZero)
{
    const auto rows = firstRows(planOf({"0", "0", "0", "0"}, 1, 2), 2);
    EXPECT_EQ(rows[0].subnet, "0.0.0.0");
    EXPECT_EQ(rows[0].firstHost, "0.0.0.1");
    EXPECT_EQ(rows[0].broadcast, "63.255.255.255");
    EXPECT_EQ(rows[1].subnet, "64.0.0.0");
}

TEST(SubnetWalk, BlockEndingAtTheLastAddress)
{
    const auto rows = firstRows(planOf({"255", "255", "255", "0"}, 24, 24), 1);
    EXPECT_EQ(rows[0], (SubnetRow{"255.255.255.0", "255.255.255.0", "0.0.0.255", "254", "255.255.255.1",
                                  "255.255.255.254", "255.255.255.255"}));
}

TEST(SubnetWalk, Slash32RowsAreOneAddressEach)
{
    const auto rows = firstRows(planOf({"10", "0", "0", "0"}, 30, 32), 4);
    for (int k = 0; k < 4; ++k) {
        const std::string address = "10.0.0." + std::to_string(k);
        EXPECT_EQ(rows[static_cast<std::size_t>(k)],
                  (SubnetRow{address, "255.255.255.255", "0.0.0.0", "1", address, address, address}));
    }
}

TEST(SubnetWalk, FoldsOctetsItWasGivenUnfolded)
{
    const auto rows = firstRows(planOf({"", "256", "510", "999"}, 32, 32), 1);
    EXPECT_EQ(rows[0].subnet, "0.1.255.234");
}

// ---- Dotted text ----

TEST(DottedQuadText, AgreesWithTheNumberBaseRoutines)
{
    std::mt19937 random(19216801);
    std::uniform_int_distribution<std::uint32_t> anyAddress;
    for (std::uint64_t value : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{4294967295}}) {
        EXPECT_EQ(netquill::dottedQuadText(value), netquill::dottedFromBinary(netquill::dec2bin(std::to_string(value))));
    }
    for (int trial = 0; trial < 10000; ++trial) {
        const std::uint64_t value = anyAddress(random);
        ASSERT_EQ(netquill::dottedQuadText(value), netquill::dottedFromBinary(netquill::dec2bin(std::to_string(value))));
    }
    EXPECT_EQ(netquill::dottedQuadText(4294967296), "128.0.0.0");  // the first 32 of 33 digits
}

// ---- The rows tile the block ----

TEST(SubnetWalkProperty, RowsTileTheBlockWithNoGapOrOverlap)
{
    std::mt19937 random(30210001);
    std::uniform_int_distribution<std::uint32_t> anyAddress;
    std::uniform_int_distribution<int> anyPrefix(1, 32);
    for (int trial = 0; trial < 300; ++trial) {
        const std::uint32_t block = anyAddress(random);
        const int cidrBits = anyPrefix(random);
        // At most 4096 rows, so that every trial walks the whole block.
        const int maskBits = std::min(32, cidrBits + std::uniform_int_distribution<int>(0, 12)(random));
        const SubnetPlan plan =
            planOf({std::to_string(block >> 24), std::to_string((block >> 16) & 255), std::to_string((block >> 8) & 255),
                    std::to_string(block & 255)},
                   cidrBits, maskBits);
        const std::uint64_t blockSize = std::uint64_t{1} << (32 - cidrBits);
        const std::uint64_t network = block & ~(blockSize - 1);
        const std::uint64_t subnetSize = std::uint64_t{1} << (32 - maskBits);

        netquill::SubnetWalk walk(plan);
        const std::uint64_t total = std::stoull(plan.total);
        for (std::uint64_t k = 0; k < total; ++k) {
            const SubnetRow row = walk.next();
            const std::uint64_t start = network + k * subnetSize;
            ASSERT_EQ(row.subnet, netquill::dottedQuadText(start)) << plan.total << " rows, row " << k;
            ASSERT_EQ(row.broadcast, netquill::dottedQuadText(start + subnetSize - 1));
        }
        EXPECT_EQ(walk.next().subnet, netquill::dottedQuadText(network + blockSize));
    }
}

}  // namespace
