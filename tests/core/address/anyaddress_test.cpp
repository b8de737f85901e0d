// Blocks of either family: one order (IPv4 first, a block before the blocks
// inside it), and the block's arithmetic at the ends of both spaces; every
// expected text written by hand.
#include "core/address/anyaddress.h"

#include <gtest/gtest.h>

namespace {

using namespace netquill;

AnyBlock block(std::string_view text) { return *parseAnyBlock(text); }

struct PairCase {
    const char *name;
    const char *first;
    const char *second;
    std::strong_ordering order;
    bool firstHoldsSecond;
};

void PrintTo(const PairCase &row, std::ostream *out) { *out << row.name; }

using BlockPairs = testing::TestWithParam<PairCase>;

TEST_P(BlockPairs, OrderAndContainment)
{
    const AnyBlock first = block(GetParam().first);
    const AnyBlock second = block(GetParam().second);
    EXPECT_EQ(first <=> second, GetParam().order);
    EXPECT_EQ(first.contains(second), GetParam().firstHoldsSecond);
}

INSTANTIATE_TEST_SUITE_P(
    BothFamilies, BlockPairs,
    testing::Values(PairCase{"Ipv4BeforeIpv6", "255.255.255.255/32", "::/0", std::strong_ordering::less, false},
                    PairCase{"OtherFamilyNeverInside", "::/0", "0.0.0.0/0", std::strong_ordering::greater, false},
                    PairCase{"TopBeforeItsFirstHalf", "10.0.0.0/8", "10.0.0.0/9", std::strong_ordering::less, true},
                    PairCase{"SecondHalfInside", "10.0.0.0/8", "10.128.0.0/9", std::strong_ordering::less, true},
                    PairCase{"NeighbourOutside", "10.0.0.0/8", "11.0.0.0/8", std::strong_ordering::less, false},
                    PairCase{"Itself", "2001:db8::/32", "2001:db8::/32", std::strong_ordering::equal, true},
                    PairCase{"WholeIpv6Space", "::/0", "ffff::/16", std::strong_ordering::less, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct StepCase {
    const char *name;
    const char *block;
    const char *next;  // the first block past it and everything inside it; empty for none
    const char *firstChildOfFour;
    const char *lastChildOfFour;
    const char *widenedByOne;  // empty for a /0
};

void PrintTo(const StepCase &row, std::ostream *out) { *out << row.name; }

using BlockSteps = testing::TestWithParam<StepCase>;

TEST_P(BlockSteps, NextChildrenAndParent)
{
    const StepCase &row = GetParam();
    const AnyBlock at = block(row.block);
    const auto next = at.next();
    EXPECT_EQ(next ? next->text() : "", row.next);
    EXPECT_EQ(at.child(0, at.length() + 2).text(), row.firstChildOfFour);
    EXPECT_EQ(at.child(3, at.length() + 2).text(), row.lastChildOfFour);
    EXPECT_EQ(at.length() == 0 ? "" : at.widened(at.length() - 1).text(), row.widenedByOne);
}

INSTANTIATE_TEST_SUITE_P(
    BothFamilies, BlockSteps,
    testing::Values(
        StepCase{"Ipv4Slash8", "11.0.0.0/8", "12.0.0.0/0", "11.0.0.0/10", "11.192.0.0/10", "10.0.0.0/7"},
        StepCase{"LastOfIpv4GoesOnToIpv6", "255.255.255.0/24", "::/0", "255.255.255.0/26", "255.255.255.192/26",
                 "255.255.254.0/23"},
        StepCase{"WholeIpv4Space", "0.0.0.0/0", "::/0", "0.0.0.0/2", "192.0.0.0/2", ""},
        StepCase{"Ipv6Slash126", "2001:db8::4/126", "2001:db8::8/0", "2001:db8::4/128", "2001:db8::7/128",
                 "2001:db8::/125"},
        StepCase{"LastOfIpv6HasNoNext", "ffff::/16", "", "ffff::/18", "ffff:c000::/18", "fffe::/15"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
