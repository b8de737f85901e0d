// A block split into subnets: its rows as numbers, the one renderer of their
// lines and the exports' subnet table (the list window's batches are tested
// through the window).
#include "core/lines/subnetrows.h"
#include "core/lines/subnettable.h"
#include "core/planning/subnetplan.h"

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
              "{\"network\":\"10.0.0.0\",\"prefix_length\":31,\"mask\":\"255.255.255.254\",\"wildcard_mask\":"
              "\"0.0.0.1\",\"usable_hosts\":2,\"first_host\":\"10.0.0.0\",\"last_host\":\"10.0.0.1\",\"broadcast\":"
              "\"10.0.0.1\"}\r\n");
    const netquill::SubnetRowRenderer tsv(plan, RowFormat::TSV);
    EXPECT_EQ(tsv.tableStart(), "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n");
    EXPECT_EQ(tsv.cellText(plan.row(1), netquill::SubnetColumn::HostRange), "10.0.0.2 to 10.0.0.3");
    EXPECT_EQ(netquill::subnetHeadingLine(RowFormat::TXT),
              "Subnet\t\tMask\t\t\tInverse Mask\tSubnet Size\tHost Range\t\t\tBroadcast");
}

// Named rows (netquill-cli's vlsm): the name first, written as each format
// must hold it, and lines ended by LF on the command line.
TEST(SubnetRowRenderer, WritesNamedRowsAsEachFormatHoldsThem)
{
    const SubnetPlan plan = planOf(0x0A000000, 31, 31);
    const auto named = [&plan](RowFormat format, std::string_view name) {
        const netquill::SubnetRowRenderer renderer(plan, format, netquill::LineEnd::LF);
        std::string rows = renderer.tableStart(true);
        renderer.appendNamed(rows, name, plan.row(0));
        return rows + renderer.tableEnd();
    };
    EXPECT_EQ(named(RowFormat::CSV, "a \"b\", c"),
              "Name,Subnet,Mask,Inverse Mask,Subnet Size,Host Range,Broadcast\n"
              "\"a \"\"b\"\", c\",10.0.0.0,255.255.255.254,0.0.0.1,2,10.0.0.0 to 10.0.0.1,10.0.0.1\n");
    EXPECT_TRUE(named(RowFormat::JSONL, "tab\there").starts_with("{\"name\":\"tab\\u0009here\",\"network\":"));
    const std::string page = named(RowFormat::HTML, "<web>");
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n")) << page;
    EXPECT_NE(page.find("<tr><th>Name</th><th>Subnet</th>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td>&lt;web&gt;</td><td>10.0.0.0</td>"), std::string::npos);
    EXPECT_TRUE(page.ends_with("</table>\n</body></html>\n"));
    EXPECT_EQ(named(RowFormat::TSV, "web").find('\r'), std::string::npos);
    EXPECT_FALSE(netquill::SubnetRowRenderer::nameProblem("a\tb", RowFormat::TSV).empty());
    EXPECT_TRUE(netquill::SubnetRowRenderer::nameProblem("a\tb", RowFormat::CSV).empty());
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
