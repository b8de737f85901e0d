// The one renderer of a split's IPv4 rows: the lines the export files do not
// hold (their goldens hold the others), the grid's cells, and named rows
// (netquill-cli's vlsm).
#include "core/lines/subnetrows.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv4Address;
using netquill::Ipv4Block;
using netquill::Prefix;
using netquill::RowFormat;
using netquill::SubnetPlan;

SubnetPlan planOf(std::uint32_t address, int cidrBits, int subnetBits)
{
    return SubnetPlan(Ipv4Block::containing(Ipv4Address(address), cidrBits), Prefix(subnetBits));
}

std::string rowText(const SubnetPlan &plan, std::uint64_t k, RowFormat format = RowFormat::TSV)
{
    std::string line;
    netquill::SubnetRowRenderer(plan, format).append(line, plan.row(k));
    return line;
}

TEST(SubnetRowRenderer, WritesEachFormatsLine)
{
    const SubnetPlan plan = planOf(0x0A000000, 30, 31);
    EXPECT_EQ(rowText(plan, 0, RowFormat::JSONL),
              "{\"network\":\"10.0.0.0\",\"prefix_length\":31,\"mask\":\"255.255.255.254\",\"wildcard_mask\":"
              "\"0.0.0.1\",\"usable_hosts\":2,\"first_host\":\"10.0.0.0\",\"last_host\":\"10.0.0.1\",\"broadcast\":"
              "\"10.0.0.1\"}\r\n");
    const netquill::SubnetRowRenderer tsv(plan, RowFormat::TSV);
    EXPECT_EQ(tsv.tableStart(), "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n");
    EXPECT_EQ(tsv.cellText(plan.row(1), static_cast<std::size_t>(netquill::SubnetColumn::HostRange)),
              "10.0.0.2 to 10.0.0.3");
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
}

}  // namespace
