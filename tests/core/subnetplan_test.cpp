// A block split into subnets: its rows as numbers, the one renderer of their
// lines and the exports' subnet table (the list window's batches are tested
// through the window).
#include "core/subnetplan.h"
#include "core/subnetrows.h"
#include "core/subnettable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using netquill::Block;
using netquill::Ipv4Address;
using netquill::Prefix;
using netquill::RowFormat;
using netquill::SubnetPlan;

SubnetPlan planOf(std::uint32_t address, int cidrBits, int subnetBits)
{
    return SubnetPlan(Block::containing(Ipv4Address(address), Prefix(cidrBits)), Prefix(subnetBits));
}

std::string rowText(const SubnetPlan &plan, std::uint64_t k, RowFormat format = RowFormat::TSV)
{
    std::string line;
    netquill::SubnetRowRenderer(plan, format).append(line, plan.row(k));
    return line;
}

// ---- Rows at the edges of the address space (the fuzz target checks every other) ----

TEST(PlanRow, ListsSubnetMaskInverseSizeHostRangeAndBroadcast)
{
    EXPECT_EQ(rowText(planOf(0xFFFFFFFF, 32, 32), 0),
              "255.255.255.255\t255.255.255.255\t0.0.0.0\t1\t255.255.255.255 to 255.255.255.255\t255.255.255.255\r\n");
    EXPECT_EQ(rowText(planOf(0x80000000, 1, 2), 1),
              "192.0.0.0\t192.0.0.0\t63.255.255.255\t1073741822\t192.0.0.1 to 255.255.255.254\t255.255.255.255\r\n");
}

// ---- One renderer, every format ----

TEST(SubnetRowRenderer, WritesEachFormatsLine)
{
    const SubnetPlan plan = planOf(0x0A000000, 30, 31);
    EXPECT_EQ(rowText(plan, 0, RowFormat::CSV), "10.0.0.0,255.255.255.254,0.0.0.1,2,10.0.0.0 to 10.0.0.1,10.0.0.1\r\n");
    EXPECT_EQ(rowText(plan, 0, RowFormat::TXT),
              "10.0.0.0\t255.255.255.254\t\t0.0.0.1\t2\t\t10.0.0.0 to 10.0.0.1\t10.0.0.1\r\n");
    EXPECT_EQ(rowText(plan, 0, RowFormat::HTML),
              "<tr><td>10.0.0.0</td><td align=\"center\">255.255.255.254</td><td align=\"center\">0.0.0.1</td>"
              "<td align=\"center\">2</td>\r\n<td>10.0.0.0\r\n to 10.0.0.1</td>\r\n<td>10.0.0.1</td>\r\n");
    EXPECT_EQ(rowText(plan, 0, RowFormat::JSONL),
              "{\"subnet\":\"10.0.0.0\",\"mask\":\"255.255.255.254\",\"inverse_mask\":\"0.0.0.1\",\"size\":2,"
              "\"first_host\":\"10.0.0.0\",\"last_host\":\"10.0.0.1\",\"broadcast\":\"10.0.0.1\"}\n");
    const netquill::SubnetRowRenderer tsv(plan, RowFormat::TSV);
    EXPECT_EQ(tsv.headerLine(), "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n");
    EXPECT_EQ(tsv.cellText(plan.row(1), netquill::SubnetColumn::HostRange), "10.0.0.2 to 10.0.0.3");
    EXPECT_TRUE(netquill::SubnetRowRenderer(plan, RowFormat::CSV).headerLine().empty());
}

// ---- The exports' subnet table ----

TEST(WriteSubnetTable, WritesUpTo16384RowsAndRefusesMore)
{
    std::ostringstream largest;
    EXPECT_FALSE(netquill::WriteSubnetTable(planOf(0x0A000000, 8, 22), netquill::ExportMode::CSV, largest));
    const std::string written = largest.str();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 16384);
    EXPECT_TRUE(written.ends_with(
        "10.255.252.0,255.255.252.0,0.0.3.255,1022,10.255.252.1 to 10.255.255.254,10.255.255.255\r\n"));

    std::ostringstream tooMany;
    const auto refusal = netquill::WriteSubnetTable(planOf(0x0A000000, 8, 23), netquill::ExportMode::TXT, tooMany);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("32768 subnets"), std::string::npos);
    EXPECT_TRUE(tooMany.str().empty());

    std::ostringstream refusing;
    refusing.setstate(std::ios::badbit);
    EXPECT_TRUE(netquill::WriteSubnetTable(planOf(0x0A000000, 24, 26), netquill::ExportMode::HTML, refusing));
}

}  // namespace
