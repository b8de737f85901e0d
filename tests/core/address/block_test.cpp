// Blocks of both families through the one shape, as one value of either
// family (IPv4 first, a block before the blocks inside it), and exact counts
// up to 2^128; every expected text written out by hand.
#include "core/address/anyaddress.h"

#include <gtest/gtest.h>

namespace {

using namespace netquill;

struct BlockCase {
    const char *name;
    const char *given;  // ADDRESS/PREFIX
    const char *block;  // the block that holds the address
    const char *last;
    const char *size;
    const char *outside;  // the address after the last, or before the first at the top; none for a whole space
    const char *next;     // the first block past it and all inside it, of either family; none past IPv6
    const char *halves;   // its two halves; none for a single address
    const char *widened;  // the block one bit shorter that holds it; none for a whole space
};

void PrintTo(const BlockCase &row, std::ostream *out) { *out << row.name; }

template <typename Address>
void expectBlock(const BlockCase &row)
{
    const Block<Address> block = parseWithPrefix<Address>(row.given)->block();
    EXPECT_EQ(block.text(), row.block);
    EXPECT_EQ(block.last().text(), row.last);
    EXPECT_EQ(block.size().text(), row.size);
    EXPECT_TRUE(block.contains(block.first()));
    EXPECT_TRUE(block.contains(block.last()));
    if (*row.outside != '\0') {
        EXPECT_FALSE(block.contains(*AddressFamily<Address>::readAddress(row.outside)));
    }
    const AnyBlock any = block;
    const auto next = any.next();
    EXPECT_EQ(next ? next->text() : "", row.next);
    const int half = any.length() + 1;
    EXPECT_EQ(half > any.width() ? "" : any.child(0, half).text() + " " + any.child(1, half).text(), row.halves);
    EXPECT_EQ(any.length() == 0 ? "" : any.widened(any.length() - 1).text(), row.widened);
}

using Blocks = testing::TestWithParam<BlockCase>;

TEST_P(Blocks, NetworkLastSizeAndContainment)
{
    if (familyOf(GetParam().given) == Family::Ipv6)
        expectBlock<Ipv6Address>(GetParam());
    else
        expectBlock<Ipv4Address>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    BothFamilies, Blocks,
    testing::Values(BlockCase{"Ipv4Slash0", "1.2.3.4/0", "0.0.0.0/0", "255.255.255.255", "4294967296", "", "::/0",
                              "0.0.0.0/1 128.0.0.0/1", ""},
                    BlockCase{"Ipv4Slash26", "192.168.1.77/26", "192.168.1.64/26", "192.168.1.127", "64",
                              "192.168.1.128", "192.168.1.128/0", "192.168.1.64/27 192.168.1.96/27", "192.168.1.0/25"},
                    BlockCase{"Ipv4Slash31", "10.0.0.7/31", "10.0.0.6/31", "10.0.0.7", "2", "10.0.0.8", "10.0.0.8/0",
                              "10.0.0.6/32 10.0.0.7/32", "10.0.0.4/30"},
                    BlockCase{"Ipv4Slash32", "255.255.255.255/32", "255.255.255.255/32", "255.255.255.255", "1",
                              "255.255.255.254", "::/0", "", "255.255.255.254/31"},
                    BlockCase{"Ipv6Slash64", "2001:db8::1/64", "2001:db8::/64", "2001:db8::ffff:ffff:ffff:ffff",
                              "18446744073709551616", "2001:db8:0:1::", "2001:db8:0:1::/0",
                              "2001:db8::/65 2001:db8:0:0:8000::/65", "2001:db8::/63"},
                    BlockCase{"Ipv6Slash127", "2001:db8::1/127", "2001:db8::/127", "2001:db8::1", "2", "2001:db8::2",
                              "2001:db8::2/0", "2001:db8::/128 2001:db8::1/128", "2001:db8::/126"},
                    BlockCase{"Ipv6Slash128", "::/128", "::/128", "::", "1", "::1", "::1/0", "", "::/127"},
                    BlockCase{"Ipv6Slash0", "1::/0", "::/0", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
                              "340282366920938463463374607431768211456", "", "", "::/1 8000::/1", ""}),
    [](const auto &info) { return std::string(info.param.name); });

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
    const AnyBlock first = *parseAnyBlock(GetParam().first);
    const AnyBlock second = *parseAnyBlock(GetParam().second);
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

TEST(Block, ALengthPastTheFamilysBitsIsRefusedWhereTheBlockIsMade)
{
    EXPECT_THROW(Ipv4Block(Ipv4Address(), 33), std::out_of_range);
    EXPECT_THROW(Ipv6Block(Ipv6Address(), -1), std::out_of_range);
}

struct CountCase {
    const char *name;
    const char *text;
    bool taken;
};

void PrintTo(const CountCase &row, std::ostream *out) { *out << row.name; }

using Counts = testing::TestWithParam<CountCase>;

// A count taken reads back as its own digits.
TEST_P(Counts, ReadsDecimalDigitsUpTo2To128)
{
    const std::optional<Count> count = readCount(GetParam().text);
    EXPECT_EQ(count ? count->text() : "refused", GetParam().taken ? GetParam().text : "refused");
}

INSTANTIATE_TEST_SUITE_P(Texts, Counts,
                         testing::Values(CountCase{"Zero", "0", true},

                                         CountCase{"TwoTo128LessOne", "340282366920938463463374607431768211455", true},
                                         CountCase{"TwoTo128", "340282366920938463463374607431768211456", true},
                                         CountCase{"PastTwoTo128", "340282366920938463463374607431768211457", false},
                                         CountCase{"LeadingZero", "01", false}, CountCase{"Empty", "", false},
                                         CountCase{"Exponent", "1e3", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Count, TwoTo128IsAboveEvery128BitCount)
{
    EXPECT_LT(Count(~Uint128{0}), Count::powerOfTwo(128));
    EXPECT_EQ(Count::oneMoreThan(~Uint128{0}), Count::powerOfTwo(128));
}

}  // namespace
