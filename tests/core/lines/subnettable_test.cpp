// The exports' subnet table: at most 16384 rows, and a stream that
// refuses the write reported.
#include "core/lines/subnettable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

// 10.0.0.0/`cidrBits` split by /`subnetBits`.
netquill::SubnetPlan tenOf(int cidrBits, int subnetBits)
{
    using netquill::Prefix;
    return {netquill::Block::containing(netquill::Ipv4Address(0x0A000000), Prefix(cidrBits)), Prefix(subnetBits)};
}

TEST(WriteSubnetTable, WritesUpTo16384RowsAndRefusesMore)
{
    std::ostringstream largest;
    EXPECT_FALSE(netquill::WriteSubnetTable(tenOf(8, 22), netquill::ExportMode::CSV, largest));
    const std::string written = largest.str();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 16384);
    EXPECT_TRUE(written.ends_with(
        "10.255.252.0,255.255.252.0,0.0.3.255,1022,10.255.252.1 to 10.255.255.254,10.255.255.255\r\n"));

    std::ostringstream tooMany;
    const auto refusal = netquill::WriteSubnetTable(tenOf(8, 23), netquill::ExportMode::TXT, tooMany);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("32768 subnets"), std::string::npos);
    EXPECT_TRUE(tooMany.str().empty());

    std::ostringstream refusing;
    refusing.setstate(std::ios::badbit);
    EXPECT_TRUE(netquill::WriteSubnetTable(tenOf(24, 26), netquill::ExportMode::HTML, refusing));
}

}  // namespace
