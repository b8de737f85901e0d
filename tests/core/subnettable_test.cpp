#include "subnettable.h"

#include "masktable.h"

#include "plans.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using netquill::ExportMode;
using netquill::SubnetPlan;


std::string tableOf(const SubnetPlan &plan, ExportMode mode)
{
    std::ostringstream out;
    EXPECT_EQ(netquill::WriteSubnetTable(plan, mode, out), std::nullopt);
    return out.str();
}

const SubnetPlan k192_168_1_0By26 = planOf({"192", "168", "1", "0"}, 24, 26);

TEST(WriteSubnetTable, CommaDelimitedRows)
{
    EXPECT_EQ(tableOf(k192_168_1_0By26, ExportMode::CSV),
              "192.168.1.0,255.255.255.192,0.0.0.63,62,192.168.1.1 to 192.168.1.62,192.168.1.63\r\n"
              "192.168.1.64,255.255.255.192,0.0.0.63,62,192.168.1.65 to 192.168.1.126,192.168.1.127\r\n"
              "192.168.1.128,255.255.255.192,0.0.0.63,62,192.168.1.129 to 192.168.1.190,192.168.1.191\r\n"
              "192.168.1.192,255.255.255.192,0.0.0.63,62,192.168.1.193 to 192.168.1.254,192.168.1.255\r\n");
}

TEST(WriteSubnetTable, TextRowsWithDoubledTabs)
{
    const std::string table = tableOf(k192_168_1_0By26, ExportMode::TXT);
    EXPECT_EQ(table.substr(0, table.find("\r\n") + 2),
              "192.168.1.0\t255.255.255.192\t\t0.0.0.63\t62\t\t192.168.1.1 to 192.168.1.62\t192.168.1.63\r\n");
    EXPECT_EQ(table.substr(table.rfind("192.168.1.192")),
              "192.168.1.192\t255.255.255.192\t\t0.0.0.63\t62\t\t192.168.1.193 to 192.168.1.254\t192.168.1.255\r\n");
}

TEST(WriteSubnetTable, HtmlRowsOfFourLinesWithoutClosingTr)
{
    const std::string table = tableOf(k192_168_1_0By26, ExportMode::HTML);
    EXPECT_EQ(table.substr(0, table.find("<tr>", 1)),
              "<tr><td>192.168.1.0</td><td align=\"center\">255.255.255.192</td><td align=\"center\">0.0.0.63</td>"
              "<td align=\"center\">62</td>\r\n"
              "<td>192.168.1.1\r\n"
              " to 192.168.1.62</td>\r\n"
              "<td>192.168.1.63</td>\r\n");
    EXPECT_EQ(table.find("</tr>"), std::string::npos);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 16);
}

TEST(WriteSubnetTable, Rfc3021RowsShowTwoHosts)
{
    EXPECT_EQ(tableOf(planOf({"10", "0", "0", "0"}, 30, 31), ExportMode::CSV),
              "10.0.0.0,255.255.255.254,0.0.0.1,2,10.0.0.0 to 10.0.0.1,10.0.0.1\r\n"
              "10.0.0.2,255.255.255.254,0.0.0.1,2,10.0.0.2 to 10.0.0.3,10.0.0.3\r\n");
}

TEST(WriteSubnetTable, SixteenThousandSubnetsAreAllWritten)
{
    const std::string table = tableOf(planOf({"10", "0", "0", "0"}, 8, 22), ExportMode::CSV);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 16384);
    EXPECT_EQ(table.substr(table.rfind("10.255.252.0")), "10.255.252.0,255.255.252.0,0.0.3.255,1022,"
                                                         "10.255.252.1 to 10.255.255.254,10.255.255.255\r\n");
}

TEST(WriteSubnetTable, MoreThanAnExportHoldsWritesNothingAndSaysWhy)
{
    std::ostringstream out;
    const auto failure = netquill::WriteSubnetTable(planOf({"10", "0", "0", "0"}, 8, 23), ExportMode::CSV, out);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("32768 subnets"), std::string::npos) << *failure;
    EXPECT_NE(failure->find("at most 32767"), std::string::npos) << *failure;
    EXPECT_TRUE(out.str().empty());
}

TEST(WriteSubnetTable, AFailingOutputIsReported)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    const auto failure = netquill::WriteSubnetTable(k192_168_1_0By26, ExportMode::TXT, out);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("could not be written"), std::string::npos);
}

TEST(WriteSubnetTable, HtmlValuesAreEscaped)
{
    SubnetPlan hostile = k192_168_1_0By26;
    hostile.subnetMask = "<script>\"&";
    const std::string table = tableOf(hostile, ExportMode::HTML);
    EXPECT_NE(table.find("<td align=\"center\">&lt;script&gt;&quot;&amp;</td>"), std::string::npos);
    EXPECT_EQ(table.find("<script>"), std::string::npos);
}

}  // namespace
