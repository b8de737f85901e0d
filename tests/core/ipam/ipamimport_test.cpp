// Prefixes read back from NetBox's and phpIPAM's CSV files, written by hand
// from the systems' own export and import code, and the plan a NetBox
// export of Netquill's own imports to.
#include "core/ipam/importfile.h"
#include "core/ipam/ipamexport.h"
#include "core/ipam/ipamimport.h"

#include <gtest/gtest.h>

namespace {

netquill::AnyBlock block(std::string_view text) { return *netquill::parseAnyBlock(text); }

// "block name/note status vlan" for each prefix read, as a reader checks them at a glance.
std::vector<std::string> summaries(std::string_view text, const netquill::Plan &plan = {})
{
    const auto blocks = netquill::readIpamBlocks(text, plan);
    if (!blocks)
        return {blocks.reason()};
    std::vector<std::string> lines;
    for (const auto &[prefix, details] : *blocks)
        lines.push_back(prefix.text() + " " + details.name + "/" + details.note + " " +
                        (details.status ? std::string(netquill::statusName(*details.status)) : "-") + " " +
                        (details.vlan ? std::to_string(*details.vlan) : "-"));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(IpamImport, ReadsNetBoxsPrefixListByItsLabels)
{
    EXPECT_EQ(netquill::ipamSourceOf("ID,Prefix,Status\n"), netquill::IpamSource::NetBox);
    EXPECT_EQ(summaries("\xEF\xBB\xBFID,Prefix,Status,Children,VRF,Utilization,Tenant,Site,VLAN,Role,Description\r\n"
                        "1,10.0.0.0/16,Container,2,,,,,,,Campus | main hall\r\n"
                        "2,10.0.1.0/24,Active,0,,50%,,,Users (120),,Office\r\n"
                        "3,2001:db8::/48,Reserved,0,,,,,,,\r\n"),
              (Lines{"10.0.0.0/16 Campus/main hall container -", "10.0.1.0/24 Office/ active 120",
                     "2001:db8::/48 / reserved -"}));
}

// A folder holds no addresses; "NA" is no VLAN; a spreadsheet in some places writes semicolons.
TEST(IpamImport, ReadsPhpIpamsSubnetExportSkippingFolders)
{
    EXPECT_EQ(netquill::ipamSourceOf("Section;Subnet;Description"), netquill::IpamSource::PhpIpam);
    EXPECT_EQ(summaries("Section;Subnet;Description;VLAN;VLAN Domain;Master Subnet\n"
                        "Customers;Servers (folder);Servers;NA;default;/\n"
                        "Customers;192.168.0.0/24;Core;NA;default;/\n"
                        "Customers;192.168.0.64/26;DMZ;20;default;192.168.0.0/24\n"
                        ";;;;;\n"),
              (Lines{"192.168.0.0/24 Core/ - -", "192.168.0.64/26 DMZ/ - 20"}));
    EXPECT_EQ(summaries("section,subnet,mask,description\nLab,10.0.0.0,8,Lab\n"), Lines{"10.0.0.0/8 Lab/ - -"});
}

// A description whose name the plan holds already, or that is no fit name, stays whole as the note.
TEST(IpamImport, KeepsADescriptionAsTheNoteWhereItsNameIsTaken)
{
    netquill::Plan plan;
    plan.addRoot(block("172.16.0.0/12"));
    plan.describe(block("172.16.0.0/12"), {.name = "Core"});
    EXPECT_EQ(
        summaries("prefix,description\n10.0.0.0/8,Core | a\n11.0.0.0/8,Edge\n12.0.0.0/8,Edge\n13.0.0.0/8,(free)\n",
                  plan),
        (Lines{"10.0.0.0/8 /Core | a - -", "11.0.0.0/8 Edge/ - -", "12.0.0.0/8 /Edge - -", "13.0.0.0/8 /(free) - -"}));
}

struct Refused {
    const char *name;
    const char *text;
    const char *reason;
};

void PrintTo(const Refused &row, std::ostream *out) { *out << row.name; }

class IpamImportRefusal : public testing::TestWithParam<Refused>
{
};

TEST_P(IpamImportRefusal, NamesTheLineAtFault) { EXPECT_EQ(summaries(GetParam().text), Lines{GetParam().reason}); }

INSTANTIATE_TEST_SUITE_P(
    Rows, IpamImportRefusal,
    testing::Values(Refused{"UnknownNetBoxColumn", "prefix,colour\n10.0.0.0/8,red\n",
                            "line 1: has a column \"colour\" that NetBox's prefixes do not have"},
                    Refused{"UnknownPhpIpamColumn", "Section,Subnet,Gateway\n",
                            "line 1: has a column \"Gateway\" that phpIPAM's subnets do not have"},
                    Refused{"PrefixTwice", "prefix\n10.0.0.0/8\n11.0.0.0/8\n10.0.0.0/8\n",
                            "line 4: 10.0.0.0/8 is given on line 2 as well"},
                    Refused{"UnknownStatus", "prefix,status\n10.0.0.0/8,free\n",
                            "line 2: has a status \"free\" that is not container, active, reserved or deprecated"},
                    Refused{"VlanPastTheLast", "prefix,vlan\n10.0.0.0/8,4095\n",
                            "line 2: has a VLAN \"4095\" that is no VLAN id of 1 to 4094"},
                    Refused{"HostBitsSet", "prefix\n10.0.0.1/8\n",
                            "line 2: \"10.0.0.1/8\" has host bits set: the block that holds it is 10.0.0.0/8"},
                    Refused{"MoreFieldsThanHeadings", "prefix,status\n10.0.0.0/8,active,x\n",
                            "line 2: has more fields than the header row"},
                    Refused{"QuoteThatDoesNotEnd", "prefix,description\n10.0.0.0/8,\"open\n",
                            "line 2: has a quoted field that does not end"}),
    [](const auto &info) { return std::string(info.param.name); });

// The round trip the help shows: a plan exported for NetBox and imported
// back has the same blocks, names, notes, statuses and VLANs.
TEST(IpamImport, ImportsNetBoxsFileOfAPlanBackToTheSamePlan)
{
    netquill::Plan plan;
    plan.addRoot(block("10.0.0.0/22"));
    plan.describe(block("10.0.0.0/22"), {.name = "Campus", .note = "hall,\nnorth", .vlan = 10});
    plan.split(block("10.0.0.0/22"), 2);
    plan.describe(block("10.0.1.0/24"), {.name = "Office", .status = netquill::BlockStatus::Deprecated});
    plan.describe(block("10.0.2.0/24"), {.note = "later", .colour = netquill::BlockColour::Red});
    plan.describe(block("10.0.3.0/24"), {.status = netquill::BlockStatus::Reserved, .vlan = 30});
    plan.addRoot(block("2001:db8::/32"));
    const std::string exported =
        netquill::ipamExportText(plan, netquill::IpamFormat::NetBox, "", netquill::LineEnd::LF);
    netquill::Plan imported;
    netquill::Complaints complaints;
    EXPECT_EQ(netquill::importIntoPlan(imported, exported, complaints), std::nullopt);
    EXPECT_EQ(netquill::ipamExportText(imported, netquill::IpamFormat::NetBox, "", netquill::LineEnd::LF), exported);
    EXPECT_EQ(imported.nodeCount(), plan.nodeCount());
    EXPECT_EQ(netquill::importIntoPlan(imported, "prefix\n", complaints), "holds no prefix");
    EXPECT_EQ(netquill::importIntoPlan(imported, "10.0.0.0/8\nnot an address\n", complaints),
              "1 line is no address, block or range");
}

}  // namespace
