// The plan's operations, their refusals and their undoing.
#include "core/files/addresslist.h"
#include "core/planning/plan.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

using netquill::AnyBlock;
using netquill::BlockDetails;
using netquill::Plan;

AnyBlock block(std::string_view text) { return *netquill::parseAnyBlock(text); }
netquill::AnyAddress address(std::string_view text) { return *netquill::parseAnyAddress(text); }

// "depth block name" a row, as a reader checks a plan at a glance.
std::vector<std::string> rowsOf(const Plan &plan)
{
    std::vector<std::string> rows;
    for (const Plan::Row &row : plan.rows()) {
        std::string text = std::to_string(row.depth) + " " + row.block.text();
        if (row.carried && !row.carried->name.empty())
            text += " " + row.carried->name;
        if (row.carried && row.carried->paired)
            text += " =" + row.carried->paired->text();
        rows.push_back(text);
    }
    return rows;
}

using Rows = std::vector<std::string>;

TEST(Plan, RootsOfBothFamiliesRefuseToOverlap)
{
    Plan plan;
    EXPECT_EQ(plan.addRoot(block("10.0.0.0/8")), std::nullopt);
    EXPECT_EQ(plan.split(block("10.0.0.0/8"), 1), std::nullopt);
    EXPECT_EQ(plan.addRoot(block("10.200.0.0/16")), "overlaps 10.128.0.0/9, which the plan holds already");
    EXPECT_EQ(plan.addRoot(block("0.0.0.0/0")), "overlaps 10.0.0.0/8, which the plan holds already");
    EXPECT_EQ(plan.addRoot(block("::/0")), std::nullopt);
    EXPECT_EQ(plan.addRoot(block("9.255.255.255/32")), std::nullopt);
    EXPECT_EQ(plan.addRoot(block("2001:db8::/32")), "overlaps ::/0, which the plan holds already");
    EXPECT_EQ(rowsOf(plan), (Rows{"0 9.255.255.255/32", "0 10.0.0.0/8", "1 10.0.0.0/9", "1 10.128.0.0/9", "0 ::/0"}));
}

// A split node keeps a name and what an IPAM container carries; only a
// request and a pairing are a leaf's alone.
TEST(Plan, SplitsAndJoinsLeavesAndRefusesWhatWouldLoseARequestOrCannotBe)
{
    Plan plan;
    plan.addRoot(block("192.168.1.0/24"));
    EXPECT_EQ(plan.split(block("192.168.1.0/24"), 0), "a leaf splits into 2 to 1024 subnets (1 to 10 bits)");
    EXPECT_EQ(plan.split(block("192.168.1.0/24"), 11), "a leaf splits into 2 to 1024 subnets (1 to 10 bits)");
    EXPECT_EQ(plan.split(block("192.168.1.0/24"), 2), std::nullopt);
    EXPECT_EQ(plan.split(block("192.168.1.0/24"), 1), "192.168.1.0/24 is not a leaf of the plan");
    EXPECT_EQ(plan.describe(block("192.168.1.0/24"), {"top", "", "5", {}}),
              "192.168.1.0/24 is split, and only a leaf keeps a request");
    EXPECT_EQ(plan.describe(block("192.168.1.0/24"), {"top", "", "", {}}), std::nullopt);
    EXPECT_EQ(plan.describe(block("192.168.1.64/26"), {"lab", "2nd floor", "50", {}}), std::nullopt);
    EXPECT_EQ(plan.split(block("192.168.1.64/26"), 1),
              "192.168.1.64/26 keeps a request or a pairing, which only a leaf carries: clear it first");
    EXPECT_EQ(plan.describe(block("192.168.1.128/26"), {"spare", "", "", {}}), std::nullopt);
    EXPECT_EQ(plan.split(block("192.168.1.128/26"), 1), std::nullopt);
    EXPECT_EQ(plan.details(block("192.168.1.128/26")).name, "spare");
    plan.undo();
    plan.undo();
    EXPECT_EQ(plan.join(block("192.168.1.0/24"), false),
              "192.168.1.64/26 below it carries a name, note, request or pairing");
    EXPECT_EQ(plan.join(block("192.168.1.128/26"), false), "192.168.1.128/26 has no subnets to join");
    plan.addRoot(block("10.0.0.254/31"));
    plan.addRoot(block("2001:db8::/64"));
    EXPECT_EQ(plan.split(block("2001:db8::/64"), 10), std::nullopt);
    EXPECT_EQ(plan.nodeCount(), 1 + 5 + 1 + 1024);
    plan.undo();
    EXPECT_EQ(plan.split(block("10.0.0.254/31"), 1), std::nullopt);
    EXPECT_EQ(plan.split(block("10.0.0.255/32"), 1), "10.0.0.255/32 has only 0 bits to split");
    EXPECT_EQ(rowsOf(plan),
              (Rows{"0 10.0.0.254/31", "1 10.0.0.254/32", "1 10.0.0.255/32", "0 192.168.1.0/24 top", "1 192.168.1.0/26",
                    "1 192.168.1.64/26 lab", "1 192.168.1.128/26", "1 192.168.1.192/26", "0 2001:db8::/64"}));
    EXPECT_EQ(plan.join(block("192.168.1.0/24"), true), std::nullopt);
    EXPECT_EQ(rowsOf(plan), (Rows{"0 10.0.0.254/31", "1 10.0.0.254/32", "1 10.0.0.255/32", "0 192.168.1.0/24 top",
                                  "0 2001:db8::/64"}));
}

// Every operation is one step back and forth, however many nodes it touched.
TEST(Plan, UndoesAndRedoesEachOperation)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/30"));
    plan.split(block("10.0.0.0/30"), 2);
    plan.describe(block("10.0.0.1/32"), {"gw", "", "", {}});
    plan.join(block("10.0.0.0/30"), true);
    const Rows joined{"0 10.0.0.0/30"};
    const Rows named{"0 10.0.0.0/30", "1 10.0.0.0/32", "1 10.0.0.1/32 gw", "1 10.0.0.2/32", "1 10.0.0.3/32"};
    EXPECT_EQ(rowsOf(plan), joined);
    EXPECT_TRUE(plan.undo());
    EXPECT_EQ(rowsOf(plan), named);
    EXPECT_TRUE(plan.undo());
    EXPECT_EQ(plan.details(block("10.0.0.1/32")).name, "");
    EXPECT_TRUE(plan.undo() && plan.undo());
    EXPECT_EQ(rowsOf(plan), Rows{});
    EXPECT_FALSE(plan.undo());
    EXPECT_TRUE(plan.redo() && plan.redo() && plan.redo());
    EXPECT_EQ(rowsOf(plan), named);
    plan.describe(block("10.0.0.2/32"), {"dns", "", "", {}});
    EXPECT_FALSE(plan.redo());  // a new operation forgets what was undone
}

// A pair is mutual; pairing anew, or joining a partner away, unpairs the
// other side, and undo gives both sides back.
TEST(Plan, PairsAnIpv4LeafWithAnIpv6LeafBothWays)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/31"));
    plan.split(block("10.0.0.0/31"), 1);
    plan.addRoot(block("2001:db8::/63"));
    plan.split(block("2001:db8::/63"), 1);
    EXPECT_EQ(plan.pair(block("2001:db8::/64"), block("10.0.0.0/32")), "a pair is an IPv4 leaf and an IPv6 leaf");
    EXPECT_EQ(plan.pair(block("10.0.0.0/31"), block("2001:db8::/64")), "10.0.0.0/31 is not a leaf of the plan");
    EXPECT_EQ(plan.pair(block("10.0.0.0/32"), block("2001:db8::/64")), std::nullopt);
    EXPECT_EQ(plan.pair(block("10.0.0.1/32"), block("2001:db8::/64")), std::nullopt);
    EXPECT_EQ(rowsOf(plan), (Rows{"0 10.0.0.0/31", "1 10.0.0.0/32", "1 10.0.0.1/32 =2001:db8::/64", "0 2001:db8::/63",
                                  "1 2001:db8::/64 =10.0.0.1/32", "1 2001:db8:0:1::/64"}));
    EXPECT_EQ(plan.join(block("2001:db8::/63"), true), std::nullopt);
    EXPECT_EQ(rowsOf(plan)[2], "1 10.0.0.1/32");
    // What a view of the plan reads again: the joined tree and the partner it lost.
    const std::vector<AnyBlock> changed{block("2001:db8::/63"), block("10.0.0.1/32")};
    EXPECT_EQ(plan.lastChanged(), changed);
    plan.undo();
    EXPECT_EQ(rowsOf(plan)[2], "1 10.0.0.1/32 =2001:db8::/64");
    EXPECT_EQ(std::set(plan.lastChanged().begin(), plan.lastChanged().end()), std::set(changed.begin(), changed.end()));
    const auto subtree = plan.rows(block("2001:db8::/63"));
    ASSERT_EQ(subtree.size(), 3u);
    EXPECT_TRUE(subtree[0].depth == 0 && !subtree[0].leaf && subtree[2].depth == 1 && subtree[2].leaf);
}

// A block claimed inside a free leaf, the leaf halved down to it, as vlsm
// places its subnets; the leaf that holds an address.
TEST(Plan, ClaimsABlockAndFindsTheLeafOfAnAddress)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    EXPECT_EQ(plan.claim(block("10.0.0.64/26"), {"lab", "", "50", {}}), std::nullopt);
    EXPECT_EQ(plan.claim(block("10.0.0.96/27"), {"x", "", "", {}}), "10.0.0.96/27 is in 10.0.0.64/26, which is taken");
    EXPECT_EQ(plan.claim(block("10.0.1.0/24"), {}), "10.0.1.0/24 is in no leaf of the plan");
    EXPECT_EQ(rowsOf(plan),
              (Rows{"0 10.0.0.0/24", "1 10.0.0.0/25", "2 10.0.0.0/26", "2 10.0.0.64/26 lab", "1 10.0.0.128/25"}));
    EXPECT_EQ(plan.leafHolding(address("10.0.0.80"))->text(), "10.0.0.64/26");
    EXPECT_EQ(plan.leafHolding(address("10.0.0.255"))->text(), "10.0.0.128/25");
    EXPECT_FALSE(plan.leafHolding(address("10.0.1.0")));
    EXPECT_FALSE(plan.leafHolding(address("::")));
}

// Requests go where vlsm puts them in an empty block (its office/lab/link
// example), and into the free leaves of a plan in use; all or none, one step.
// Split All takes every free leaf in a node down to one length in one step,
// in splits of at most 10 bits, the first as large as it can be; a leaf that
// carries something stays whole. Its count is exact to 2^128.
TEST(Plan, SplitsEveryFreeLeafToALengthInOneStep)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/8"));
    plan.split(block("10.0.0.0/8"), 1);
    plan.describe(block("10.0.0.0/9"), {"kept", "", "", {}});
    EXPECT_EQ(plan.splitAll(block("10.0.0.0/8"), 26),
              "splitting every free leaf in 10.0.0.0/8 to /26 would make 131072 subnets; one step makes at most 65536");
    EXPECT_EQ(plan.splitAll(block("10.0.0.0/8"), 25), std::nullopt);
    EXPECT_EQ(plan.nodeCount(), 3 + 1024 + 65536);
    EXPECT_TRUE(plan.has(block("10.128.0.0/19")) && plan.isLeaf(block("10.255.255.128/25")));
    EXPECT_TRUE(plan.isLeaf(block("10.0.0.0/9")));
    EXPECT_EQ(plan.undoName(), "Split All");
    plan.undo();
    EXPECT_EQ(plan.nodeCount(), 3u);
    EXPECT_EQ(plan.splitAll(block("10.0.0.0/9"), 25), "no free leaf in 10.0.0.0/9 is larger than /25");
    EXPECT_EQ(plan.splitAll(block("10.0.0.0/8"), 8), "/8 is not inside 10.0.0.0/8: its subnets are /9 to /32");
    plan.addRoot(block("::/0"));
    EXPECT_EQ(plan.splitAll(block("::/0"), 128), "splitting every free leaf in ::/0 to /128 would make "
                                                 "340282366920938463463374607431768211456 subnets; one step makes at "
                                                 "most 65536");
}

TEST(Plan, PlacesRequestsLargestFirstAtTheLowestFreeAddress)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    EXPECT_EQ(plan.placeRequests(block("10.0.0.0/24"), {{"link", 30, "/30"}, {"office", 25, "100"}, {"lab", 26, "50"}}),
              std::nullopt);
    EXPECT_EQ(rowsOf(plan),
              (Rows{"0 10.0.0.0/24", "1 10.0.0.0/25 office", "1 10.0.0.128/25", "2 10.0.0.128/26 lab",
                    "2 10.0.0.192/26", "3 10.0.0.192/27", "4 10.0.0.192/28", "5 10.0.0.192/29", "6 10.0.0.192/30 link",
                    "6 10.0.0.196/30", "5 10.0.0.200/29", "4 10.0.0.208/28", "3 10.0.0.224/27"}));
    EXPECT_EQ(plan.details(block("10.0.0.0/25")).request, "100");
    const Rows placed = rowsOf(plan);
    EXPECT_EQ(plan.placeRequests(block("10.0.0.0/24"), {{"a", 27, "20"}, {"b", 26, "40"}}),
              "request 'b' (/26) finds no free leaf large enough in 10.0.0.0/24");
    EXPECT_EQ(rowsOf(plan), placed);
    EXPECT_EQ(plan.placeRequests(block("10.0.0.128/25"), {{"a", 28, "10"}, {"a", 28, "10"}}),
              "request 'a': the name 'a' is another request's already");
    EXPECT_EQ(plan.placeRequests(block("10.0.0.128/25"), {{"a", 27, "20"}}), std::nullopt);
    EXPECT_EQ(rowsOf(plan).back(), "3 10.0.0.224/27 a");
    plan.undo();
    EXPECT_EQ(rowsOf(plan), placed);
    // A request as large as the node takes all of it, when it is free.
    EXPECT_EQ(plan.placeRequests(block("10.0.0.224/27"), {{"all", 27, "30"}}), std::nullopt);
    EXPECT_EQ(rowsOf(plan).back(), "3 10.0.0.224/27 all");
}

// An address list, as aggregate reads it, imported as roots in one step.
TEST(Plan, ImportsAnAddressListMergedAsRoots)
{
    netquill::Complaints none;
    const auto list = netquill::readAddressList("\xEF\xBB\xBF# sites\r\n10.0.0.0/25\r\n\n 10.0.0.128 - 10.0.0.255 \n"
                                                "2001:db8::/33 # lab\n2001:db8:8000::/33\n",
                                                none);
    ASSERT_FALSE(none.any()) << none.report();
    Plan plan;
    plan.addRoot(block("192.168.0.0/16"));
    EXPECT_EQ(plan.addRoots(netquill::coveringBlocks(list)), std::nullopt);
    EXPECT_EQ(rowsOf(plan), (Rows{"0 10.0.0.0/24", "0 192.168.0.0/16", "0 2001:db8::/32"}));
    plan.undo();
    EXPECT_EQ(rowsOf(plan), Rows{"0 192.168.0.0/16"});
    EXPECT_EQ(plan.addRoots({block("10.0.0.0/8"), block("10.1.0.0/16")}), "10.1.0.0/16 overlaps 10.0.0.0/8");
    EXPECT_EQ(plan.addRoots({block("192.168.1.0/24")}), "192.168.1.0/24 overlaps a block the plan holds already");
}

// Delete takes a root with its tree, or what a leaf carries; Unpair undoes a
// pairing on both sides; each is one step, named for the Edit menu. (A /0
// root: the halves of the whole space are no roots.)
TEST(Plan, DeletesRootsAndWhatLeavesCarryAndUnpairs)
{
    Plan plan;
    plan.addRoot(block("0.0.0.0/0"));
    plan.split(block("0.0.0.0/0"), 1);
    plan.addRoot(block("2001:db8::/64"));
    plan.describe(block("0.0.0.0/1"), {"lab", "note", "50", {}});
    plan.pair(block("0.0.0.0/1"), block("2001:db8::/64"));
    EXPECT_EQ(plan.undoName(), "Pair");
    EXPECT_EQ(plan.remove(block("128.0.0.0/1")),
              "128.0.0.0/1 is free already: join the block above it to take it back");
    EXPECT_EQ(plan.remove(block("0.0.0.0/1")), std::nullopt);
    EXPECT_EQ(plan.details(block("0.0.0.0/1")), BlockDetails{});
    EXPECT_EQ(plan.details(block("2001:db8::/64")).paired, std::nullopt);
    EXPECT_TRUE(plan.undo());
    EXPECT_EQ(plan.details(block("2001:db8::/64")).paired, block("0.0.0.0/1"));
    EXPECT_EQ(plan.remove(block("0.0.0.0/0")), std::nullopt);
    EXPECT_EQ(rowsOf(plan), Rows{"0 2001:db8::/64"});
    EXPECT_EQ(plan.undoName(), "Delete");
    plan.undo();
    plan.split(block("128.0.0.0/1"), 1);
    EXPECT_EQ(plan.remove(block("128.0.0.0/1")),
              "128.0.0.0/1 is split: join it, or delete the block at the top of its tree");
    EXPECT_EQ(plan.unpair(block("128.0.0.0/2")), "128.0.0.0/2 is paired with no leaf");
    EXPECT_EQ(plan.unpair(block("2001:db8::/64")), std::nullopt);
    EXPECT_EQ(rowsOf(plan)[1], "1 0.0.0.0/1 lab");
    EXPECT_EQ(plan.undoName(), "Unpair");
    plan.undo();
    EXPECT_EQ(plan.redoName(), "Unpair");
    EXPECT_EQ(rowsOf(plan)[1], "1 0.0.0.0/1 lab =2001:db8::/64");
}

// A name is one leaf's: another leaf, a claim or a request cannot take it,
// nor "(free)" or a control character, as vlsm refuses them.
TEST(Plan, NamesAreOneLeafsAndFitForEveryFormat)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    plan.split(block("10.0.0.0/24"), 2);
    EXPECT_EQ(plan.describe(block("10.0.0.0/26"), {"web", "", "", {}}), std::nullopt);
    EXPECT_EQ(plan.describe(block("10.0.0.0/26"), {"web", "note", "", {}}), std::nullopt);  // its own name again
    EXPECT_EQ(plan.undoName(), "Edit Note");
    EXPECT_EQ(plan.describe(block("10.0.0.64/26"), {"web", "", "", {}}), "the name 'web' is 10.0.0.0/26's already");
    EXPECT_EQ(plan.describe(block("10.0.0.64/26"), {"(free)", "", "", {}}),
              "the name (free) is kept for the rows of the space left over");
    EXPECT_EQ(plan.describe(block("10.0.0.64/26"), {"a\nb", "", "", {}}),
              "a name cannot hold a TAB, a line break or another control character");
    EXPECT_EQ(plan.describe(block("10.0.0.64/26"), {"ok", "caf\xE9", "", {}}),
              "a name, note or request must be UTF-8 text");
    EXPECT_EQ(plan.claim(block("10.0.0.128/27"), {"web", "", "", {}}), "the name 'web' is 10.0.0.0/26's already");
    EXPECT_EQ(plan.placeRequests(block("10.0.0.0/24"), {{"web", 28, "10"}}),
              "request 'web': the name 'web' is 10.0.0.0/26's already");
}

// A status by default: a split node a container, a leaf that carries
// something active, a free leaf a container; one set to its default is none.
TEST(Plan, GivesEveryNodeAStatusAVlanAndAColour)
{
    using netquill::BlockStatus;
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    plan.split(block("10.0.0.0/24"), 1);
    EXPECT_EQ(plan.status(block("10.0.0.0/24")), BlockStatus::Container);
    EXPECT_EQ(plan.status(block("10.0.0.0/25")), BlockStatus::Container);
    plan.describe(block("10.0.0.0/25"), {.name = "office"});
    EXPECT_EQ(plan.status(block("10.0.0.0/25")), BlockStatus::Active);
    plan.describe(block("10.0.0.0/25"), {.name = "office", .status = BlockStatus::Active});
    EXPECT_EQ(plan.details(block("10.0.0.0/25")).status, std::nullopt);
    EXPECT_EQ(plan.describe(block("10.0.0.128/25"), {.status = BlockStatus::Reserved}), std::nullopt);
    EXPECT_EQ(plan.undoName(), "Set Status");
    EXPECT_EQ(plan.status(block("10.0.0.128/25")), BlockStatus::Reserved);
    EXPECT_EQ(plan.describe(block("10.0.0.0/24"), {.vlan = 4094}), std::nullopt);
    EXPECT_EQ(plan.undoName(), "Set VLAN");
    EXPECT_EQ(plan.describe(block("10.0.0.0/24"), {.vlan = 4095}), "a VLAN id is 1 to 4094");
    EXPECT_EQ(plan.describe(block("10.0.0.0/24"), {.vlan = 0}), "a VLAN id is 1 to 4094");
    EXPECT_EQ(plan.describe(block("10.0.0.0/24"), {.vlan = 4094, .colour = netquill::BlockColour::Grey}), std::nullopt);
    EXPECT_EQ(plan.undoName(), "Set Colour");
    plan.undo();
    EXPECT_EQ(plan.details(block("10.0.0.0/24")).colour, std::nullopt);
}

// A colour only marks a leaf: it stays free, and keeps the colour when a request takes it whole.
TEST(Plan, AColouredLeafStaysFree)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/30"));
    plan.describe(block("10.0.0.0/30"), {.colour = netquill::BlockColour::Green});
    EXPECT_EQ(plan.status(block("10.0.0.0/30")), netquill::BlockStatus::Container);
    EXPECT_TRUE(plan.usedAddresses(block("10.0.0.0/30")).isZero());
    EXPECT_EQ(plan.placeRequests(block("10.0.0.0/30"), {{"a", 30, "2"}}), std::nullopt);
    EXPECT_EQ(plan.details(block("10.0.0.0/30")),
              (BlockDetails{.name = "a", .request = "2", .colour = netquill::BlockColour::Green}));
}

// The addresses held by leaves in use, exact to the 2^128 of ::/0.
struct UsedCase {
    const char *name;
    const char *root;
    int splitBits;
    std::vector<int> namedChildren;
    const char *used;
    const char *share;
};

void PrintTo(const UsedCase &row, std::ostream *out) { *out << row.name; }

class UsedAddresses : public testing::TestWithParam<UsedCase>
{
};

TEST_P(UsedAddresses, CountLeavesThatCarrySomething)
{
    const UsedCase &row = GetParam();
    Plan plan;
    plan.addRoot(block(row.root));
    if (row.splitBits > 0)
        plan.split(block(row.root), row.splitBits);
    const std::vector<Plan::Row> rows = plan.rows();
    for (const int child : row.namedChildren)
        plan.describe(rows[static_cast<std::size_t>(child)].block, {.name = "n" + std::to_string(child)});
    const netquill::Count used = plan.usedAddresses(block(row.root));
    EXPECT_EQ(used.text(), row.used);
    EXPECT_EQ(netquill::shareText(used, block(row.root).width() - block(row.root).length()), row.share);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, UsedAddresses,
    testing::Values(UsedCase{"FreeLeaf", "10.0.0.0/24", 0, {}, "0", "0 %"},
                    UsedCase{"NamedRoot", "0.0.0.0/0", 0, {0}, "4294967296", "100 %"},
                    UsedCase{"TwoQuartersOfA24", "10.0.0.0/24", 2, {1, 3}, "128", "50.0 %"},
                    UsedCase{"ThreeEighthsOfA24", "10.0.0.0/24", 3, {1, 3, 5}, "96", "37.5 %"},
                    UsedCase{"OneHost", "10.0.0.0/31", 1, {2}, "1", "50.0 %"},
                    UsedCase{"OneOfA1024", "10.0.0.0/22", 10, {1}, "1", "< 0.1 %"},
                    UsedCase{"AllButOneOfA1024", "10.0.0.0/22", 10,
                             [] {
                                 std::vector<int> all(1023);
                                 std::iota(all.begin(), all.end(), 2);
                                 return all;
                             }(),
                             "1023", "99.9 %"},
                    UsedCase{"WholeIpv6Space", "::/0", 0, {0}, "340282366920938463463374607431768211456", "100 %"},
                    UsedCase{"HalfTheIpv6Space", "::/0", 1, {2}, "170141183460469231731687303715884105728", "50.0 %"},
                    UsedCase{
                        "ThreeQuartersOfThe64Bits", "2001:db8::/64", 2, {1, 2, 3}, "13835058055282163712", "75.0 %"}),
    [](const auto &info) { return std::string(info.param.name); });

// The first free block of a size, by address, inside the node's free leaves.
TEST(Plan, FindsTheFirstFreeBlockOfASize)
{
    Plan plan;
    plan.addRoot(block("10.0.0.0/24"));
    plan.claim(block("10.0.0.0/26"), {.name = "a"});
    EXPECT_EQ(plan.firstFreeBlock(block("10.0.0.0/24"), 27)->text(), "10.0.0.64/27");
    EXPECT_EQ(plan.firstFreeBlock(block("10.0.0.0/24"), 25)->text(), "10.0.0.128/25");
    EXPECT_EQ(plan.firstFreeBlock(block("10.0.0.0/24"), 24), std::nullopt);
    EXPECT_EQ(plan.firstFreeBlock(block("10.0.0.0/24"), 33), std::nullopt);
    EXPECT_EQ(plan.firstFreeBlock(block("10.0.0.0/26"), 30), std::nullopt);
}

// Prefixes of another system nest by containment in one step: a root, or
// halved down to inside the leaf that holds it, its holder keeping its name.
TEST(Plan, ImportsNestedBlocksInOneStep)
{
    using netquill::BlockStatus;
    Plan plan;
    plan.addRoot(block("192.168.0.0/22"));
    EXPECT_EQ(plan.importBlocks({{block("10.0.1.0/24"), {.name = "office", .vlan = 10}},
                                 {block("10.0.0.0/22"), {.name = "campus", .status = BlockStatus::Container}},
                                 {block("192.168.2.0/23"), {.status = BlockStatus::Reserved}}}),
              std::nullopt);
    EXPECT_EQ(plan.undoName(), "Import");
    EXPECT_EQ(rowsOf(plan), (Rows{"0 10.0.0.0/22 campus", "1 10.0.0.0/23", "2 10.0.0.0/24", "2 10.0.1.0/24 office",
                                  "1 10.0.2.0/23", "0 192.168.0.0/22", "1 192.168.0.0/23", "1 192.168.2.0/23"}));
    EXPECT_EQ(plan.details(block("10.0.0.0/22")).status, std::nullopt);  // a split node is a container by default
    EXPECT_EQ(plan.status(block("192.168.2.0/23")), BlockStatus::Reserved);
    plan.undo();
    EXPECT_EQ(rowsOf(plan), Rows{"0 192.168.0.0/22"});
    EXPECT_EQ(plan.importBlocks({{block("192.0.0.0/8"), {}}}),
              "192.0.0.0/8 overlaps 192.168.0.0/22, which the plan holds already");
    plan.describe(block("192.168.0.0/22"), {.request = "5"});
    EXPECT_EQ(plan.importBlocks({{block("192.168.1.0/24"), {}}}),
              "192.168.1.0/24 is in 192.168.0.0/22, which keeps a request or a pairing");
    EXPECT_EQ(plan.importBlocks({{block("192.168.0.0/22"), {.name = "x"}}}),
              "192.168.0.0/22 carries something in the plan already");
}

// The step names the plan as the steps left it: undo back to a step is that
// step again, so a window knows a plan undone to its saved state is clean.
TEST(Plan, StepsNameTheStateTheHistoryLeft)
{
    Plan plan;
    EXPECT_EQ(plan.step(), 0u);
    plan.addRoot(block("10.0.0.0/24"));
    const auto added = plan.step();
    plan.split(block("10.0.0.0/24"), 1);
    EXPECT_NE(plan.step(), added);
    plan.undo();
    EXPECT_EQ(plan.step(), added);
    plan.split(block("10.0.0.0/24"), 2);  // another change from the same state
    const auto splitInFour = plan.step();
    plan.undo();
    plan.redo();
    EXPECT_EQ(plan.step(), splitInFour);
    plan.undo();
    plan.undo();
    EXPECT_EQ(plan.step(), 0u);
}

}  // namespace
