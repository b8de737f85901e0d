// The exports' subnet table: every row of any plan, handed on in blocks of
// bounded size, and stopped as soon as the output says so.
#include "core/lines/subnettable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 10.0.0.0/`cidrBits` split by /`subnetBits`.
netquill::SubnetPlan tenOf(int cidrBits, int subnetBits)
{
    using netquill::Prefix;
    return {netquill::Ipv4Block::containing(netquill::Ipv4Address(0x0A000000), cidrBits), Prefix(subnetBits)};
}

TEST(WriteSubnetTable, EveryRowInBoundedBlocks)
{
    std::string written;
    std::vector<std::uint64_t> counts;
    std::size_t largestBlock = 0;
    EXPECT_TRUE(netquill::WriteSubnetTable(tenOf(8, 24), netquill::ExportMode::CSV,
                                           [&](std::string_view block, std::uint64_t rowsWritten) {
                                               written += block;
                                               counts.push_back(rowsWritten);
                                               largestBlock = std::max(largestBlock, block.size());
                                               return true;
                                           }));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 65536);
    EXPECT_TRUE(written.ends_with("10.255.255.0,255.255.255.0,0.0.0.255,254,10.255.255.1 to 10.255.255.254,"
                                  "10.255.255.255\r\n"));
    EXPECT_EQ(counts.back(), 65536U);
    EXPECT_LT(largestBlock, std::size_t{70000});

    int calls = 0;
    EXPECT_FALSE(netquill::WriteSubnetTable(tenOf(8, 30), netquill::ExportMode::HTML, [&](std::string_view, auto) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
}

}  // namespace
