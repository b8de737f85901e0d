// The plan file: written as the format says, read back to the same bytes,
// and each kind of damage refused with its line.
#include "core/files/planfile.h"
#include "core/lines/planrows.h"

#include <gtest/gtest.h>

namespace {

using netquill::AnyBlock;
using netquill::Plan;

AnyBlock block(std::string_view text) { return *netquill::parseAnyBlock(text); }

// Both families, a pairing, and names and notes a format must escape; a
// non-ASCII character stands as it is, a control character as \u00XX.
const std::string kBothFamilies =
    "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n"
    "{\"depth\":0,\"block\":\"10.0.0.0/31\"},\n"
    "{\"depth\":1,\"block\":\"10.0.0.0/32\",\"name\":\"\\\"gw\\\" \xC3\xA9\","
    "\"note\":\"line 1\\u000aline 2\\u0009\\\\\",\"request\":\"1\",\"paired\":\"2001:db8::/64\"},\n"
    "{\"depth\":1,\"block\":\"10.0.0.1/32\"},\n"
    "{\"depth\":0,\"block\":\"2001:db8::/64\",\"paired\":\"10.0.0.0/32\"}\n"
    "]}\n";

TEST(PlanFile, WritesThePlanAsTheFormatSaysAndReadsItBackByteForByte)
{
    Plan plan;
    plan.addRoot(block("2001:db8::/64"));
    plan.addRoot(block("10.0.0.0/31"));
    plan.split(block("10.0.0.0/31"), 1);
    plan.describe(block("10.0.0.0/32"), {"\"gw\" \xC3\xA9", "line 1\nline 2\t\\", "1", {}});
    plan.pair(block("10.0.0.0/32"), block("2001:db8::/64"));
    EXPECT_EQ(netquill::planFileText(plan), kBothFamilies);
    const auto read = netquill::readPlanFile(kBothFamilies);
    ASSERT_TRUE(read) << read.reason();
    EXPECT_EQ(netquill::planFileText(*read), kBothFamilies);
    EXPECT_FALSE(read->canUndo());
    EXPECT_EQ(netquill::planFileText(*netquill::readPlanFile("\xEF\xBB\xBF" + kBothFamilies)), kBothFamilies);
}

// Version 2: a status, a VLAN and a colour, and a split node that carries a
// name; written as version 2 and read back to the same bytes.
const std::string kVersion2 =
    "{\"format\":\"netquill-plan\",\"version\":2,\"nodes\":[\n"
    "{\"depth\":0,\"block\":\"10.0.0.0/24\",\"name\":\"Campus\",\"note\":\"hall\",\"vlan\":4094},\n"
    "{\"depth\":1,\"block\":\"10.0.0.0/25\",\"name\":\"Office\",\"status\":\"deprecated\",\"colour\":\"teal\"},\n"
    "{\"depth\":1,\"block\":\"10.0.0.128/25\",\"status\":\"reserved\",\"vlan\":1}\n"
    "]}\n";

TEST(PlanFile, WritesVersion2OnlyForWhatVersion1CannotHold)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    plan.describe(block("10.0.0.0/24"), {.name = "Campus", .note = "hall", .vlan = 4094});
    plan.split(block("10.0.0.0/24"), 1);
    plan.describe(
        block("10.0.0.0/25"),
        {.name = "Office", .status = netquill::BlockStatus::Deprecated, .colour = netquill::BlockColour::Teal});
    plan.describe(block("10.0.0.128/25"), {.status = netquill::BlockStatus::Reserved, .vlan = 1});
    EXPECT_EQ(netquill::planFileText(plan), kVersion2);
    const auto read = netquill::readPlanFile(kVersion2);
    ASSERT_TRUE(read) << read.reason();
    EXPECT_EQ(netquill::planFileText(*read), kVersion2);
    // A status that is the block's default is none: the plan is version 1 again once the rest is cleared.
    Plan cleared;
    cleared.addRoot(block("10.0.0.0/24"));
    cleared.describe(block("10.0.0.0/24"), {.status = netquill::BlockStatus::Container});
    EXPECT_EQ(netquill::planFileText(cleared),
              "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n{\"depth\":0,\"block\":\"10.0.0.0/24\"}\n]}\n");
}

struct Damage {
    const char *name;
    std::string text;
    const char *reason;
};

class DamagedPlanFile : public testing::TestWithParam<Damage>
{
};

TEST_P(DamagedPlanFile, IsRefusedWithItsLine)
{
    EXPECT_EQ(netquill::readPlanFile(GetParam().text).reason(), GetParam().reason);
}

std::string withNodes(const std::string &nodes)
{
    return "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n" + nodes + "]}\n";
}

std::string withVersion2Nodes(const std::string &nodes)
{
    return "{\"format\":\"netquill-plan\",\"version\":2,\"nodes\":[\n" + nodes + "]}\n";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedPlanFile,
    testing::Values(
        Damage{"CutShort", kBothFamilies.substr(0, 120), "line 3: ends inside a string (the file is cut short)"},
        Damage{"Empty", "", "line 1: ends before its JSON value does (the file is cut short)"},
        Damage{"NotJson", "format: netquill-plan", "line 1: has something that is not a JSON value"},
        Damage{"Foreign", "{\"format\":\"other\",\"version\":1}",
               "line 1: is not a Netquill plan (it has no \"format\":\"netquill-plan\")"},
        Damage{"Newer", "{\"format\":\"netquill-plan\",\n\"version\":3,\"nodes\":[]}",
               "line 2: is a plan of version 3, from a newer Netquill; this one reads version 2"},
        Damage{"UnknownKey", withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"color\":\"red\"}\n"),
               "line 2: has an unknown key \"color\""},
        Damage{"ColourInVersion1", withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"colour\":\"red\"}\n"),
               "line 2: has a status, VLAN or colour, or a split node that carries something, which a plan of "
               "version 1 does not hold"},
        Damage{"VlanPastTheLast", withVersion2Nodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"vlan\":4095}\n"),
               "line 2: has a \"vlan\" that is not a VLAN id of 1 to 4094"},
        Damage{"VlanAsText", withVersion2Nodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"vlan\":\"10\"}\n"),
               "line 2: has a \"vlan\" that is not a VLAN id of 1 to 4094"},
        Damage{"UnknownStatus", withVersion2Nodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"status\":\"free\"}\n"),
               "line 2: has a \"status\" that is not a status: container, active, reserved or deprecated"},
        Damage{"RequestOnASplitNode",
               withVersion2Nodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"request\":\"5\"},\n"
                                 "{\"depth\":1,\"block\":\"10.0.0.0/9\"},\n{\"depth\":1,\"block\":\"10.128.0.0/9\"}\n"),
               "line 2: 10.0.0.0/8 is split, and only a leaf keeps a request or a pairing"},
        Damage{"KeyTwice", withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"block\":\"11.0.0.0/8\"}\n"),
               "line 2: has \"block\" twice"},
        Damage{"HostBitsSet", withNodes("{\"depth\":0,\"block\":\"10.0.0.1/8\"}\n"),
               "line 2: has a \"block\" that has host bits set: the block that holds it is 10.0.0.0/8"},
        Damage{"Overlap",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\"},\n{\"depth\":0,\"block\":\"10.1.0.0/16\"}\n"),
               "line 3: 10.1.0.0/16 overlaps 10.0.0.0/8, which the plan holds already"},
        Damage{"DepthJump",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\"},\n{\"depth\":2,\"block\":\"10.0.0.0/10\"}\n"),
               "line 3: is deeper than the node before it allows"},
        Damage{"ChildOutOfOrder",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\"},\n{\"depth\":1,\"block\":\"10.128.0.0/9\"}\n"),
               "line 3: 10.128.0.0/9 is not the next of 2 to 1024 equal subnets of 10.0.0.0/8"},
        Damage{"SubnetMissing",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\"},\n{\"depth\":1,\"block\":\"10.0.0.0/9\"}\n"),
               "line 2: 10.0.0.0/8 is split, but not every subnet of the split follows it"},
        Damage{"NameOnASplitNode",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"name\":\"x\"},\n"
                         "{\"depth\":1,\"block\":\"10.0.0.0/9\"},\n{\"depth\":1,\"block\":\"10.128.0.0/9\"}\n"),
               "line 2: has a status, VLAN or colour, or a split node that carries something, which a plan of "
               "version 1 does not hold"},
        Damage{"PairingOneSided",
               withNodes("{\"depth\":0,\"block\":\"10.0.0.0/8\",\"paired\":\"2001:db8::/32\"},\n"
                         "{\"depth\":0,\"block\":\"2001:db8::/32\"}\n"),
               "line 1: 10.0.0.0/8 is paired with 2001:db8::/32, which is not an IPv6 leaf of the plan paired with it"},
        Damage{"TooDeep", std::string(100, '['), "line 1: nests deeper than 64 levels"},
        // The plan is built as the nodes are read, but the whole text is still
        // JSON and still a plan before a node is blamed.
        Damage{"NotJsonAfterABadNode", withNodes("{\"depth\":0},\n{\"depth\":0,}\n"),
               "line 3: has a key that is not a string"},
        Damage{"FormatAfterABadNode", "{\"nodes\":[\n{}\n],\"version\":1,\"format\":\"netquill-plan\"}",
               "line 2: has no \"depth\" of 0 to 128"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A name an older version took (a TAB, a line break) is read as written; in
// text its row stays one line, escaped, and the columns line up at the tab
// stop past each column's widest cell.
TEST(PlanRows, TextLinesUpItsColumnsAndKeepsEachRowOneLine)
{
    const auto plan =
        netquill::readPlanFile("{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n"
                               "{\"depth\":0,\"block\":\"10.0.0.0/30\"},\n"
                               "{\"depth\":1,\"block\":\"10.0.0.0/31\",\"name\":\"a\\tb\",\"note\":\"two\\nlines\"},\n"
                               "{\"depth\":1,\"block\":\"10.0.0.2/31\",\"name\":\"caf\u00e9 long name\"}\n]}\n");
    ASSERT_TRUE(plan) << plan.reason();
    netquill::PlanRowWriter writer(netquill::RowFormat::TXT, netquill::LineEnd::LF);
    const auto rows = plan->rows();
    writer.fit(rows);
    std::string text = writer.tableStart();
    for (const auto &row : rows)
        writer.append(text, row);
    EXPECT_EQ(text, "Depth\tSubnet\t\tName\t\tNote\t\tRequest\tPaired\tSize\tStatus\t\tVLAN\tColour\n"
                    "0\t10.0.0.0/30\t\t\t\t\t\t\t2\tcontainer\n"
                    "1\t10.0.0.0/31\ta\\tb\t\ttwo\\nlines\t\t\t2\tactive\n"
                    "1\t10.0.0.2/31\tcaf\u00e9 long name\t\t\t\t\t2\tactive\n");
}

}  // namespace
