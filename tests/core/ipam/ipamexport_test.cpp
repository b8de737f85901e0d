// A plan in each IPAM system's import CSV, written by hand from the systems'
// own import code and documentation: every node, parents first.
#include "core/ipam/ipamexport.h"

#include <gtest/gtest.h>

namespace {

using netquill::IpamFormat;

netquill::AnyBlock block(std::string_view text) { return *netquill::parseAnyBlock(text); }

// A named split node with a note and a VLAN, a leaf whose name holds what
// phpIPAM refuses and CSV quotes, a free leaf, and an IPv6 leaf with a note alone.
netquill::Plan examplePlan()
{
    netquill::Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    plan.describe(block("10.0.0.0/24"), {.name = "Campus", .note = "main hall", .vlan = 10});
    plan.split(block("10.0.0.0/24"), 1);
    plan.describe(block("10.0.0.0/25"), {.name = "Office; \"A\" 'B'"});
    plan.addRoot(block("2001:db8::/48"));
    plan.describe(block("2001:db8::/48"), {.note = "spare,\nlater"});
    return plan;
}

struct ExportCase {
    const char *name;
    IpamFormat format;
    const char *expected;
};

void PrintTo(const ExportCase &row, std::ostream *out) { *out << row.name; }

class IpamExport : public testing::TestWithParam<ExportCase>
{
};

TEST_P(IpamExport, WritesEveryNodeParentsFirst)
{
    EXPECT_EQ(netquill::ipamExportText(examplePlan(), GetParam().format, "Lab", netquill::LineEnd::LF),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, IpamExport,
                         testing::Values(ExportCase{"NetBox", IpamFormat::NetBox,
                                                    "prefix,status,description,vlan\n"
                                                    "10.0.0.0/24,container,Campus | main hall,10\n"
                                                    "10.0.0.0/25,active,\"Office; \"\"A\"\" 'B'\",\n"
                                                    "10.0.0.128/25,container,,\n"
                                                    "2001:db8::/48,active,\"| spare,\nlater\",\n"},
                                         ExportCase{"PhpIpam", IpamFormat::PhpIpam,
                                                    "section,subnet,description,vlan\n"
                                                    "Lab,10.0.0.0/24,Campus | main hall,10\n"
                                                    "Lab,10.0.0.0/25,\"Office, \u201DA\u201D \u2019B\u2019\",\n"
                                                    "Lab,10.0.0.128/25,,\n"
                                                    "Lab,2001:db8::/48,\"| spare, later\",\n"},
                                         ExportCase{"Infoblox", IpamFormat::Infoblox,
                                                    "header-networkcontainer,address*,netmask*,comment\n"
                                                    "networkcontainer,10.0.0.0,255.255.255.0,Campus | main hall\n"
                                                    "header-network,address*,netmask*,comment\n"
                                                    "network,10.0.0.0,255.255.255.128,\"Office; \"\"A\"\" 'B'\"\n"
                                                    "network,10.0.0.128,255.255.255.128,\n"
                                                    "header-ipv6network,address*,cidr*,comment\n"
                                                    "ipv6network,2001:db8::,48,\"| spare,\nlater\"\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

// The vlan column stands only where some block has a VLAN; NetBox refuses an empty VID it cannot find.
TEST(IpamExport, LeavesTheVlanColumnOutWhereNoBlockHasOne)
{
    netquill::Plan plan;
    plan.addRoot(block("0.0.0.0/0"));
    EXPECT_EQ(netquill::ipamExportText(plan, IpamFormat::NetBox, "", netquill::LineEnd::CRLF),
              "prefix,status,description\r\n0.0.0.0/0,container,\r\n");
    EXPECT_EQ(netquill::ipamExportText(plan, IpamFormat::Infoblox, "", netquill::LineEnd::LF),
              "header-network,address*,netmask*,comment\n"
              "network,0.0.0.0,0.0.0.0,\n");
}

}  // namespace
