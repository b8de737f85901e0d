// Ranges as CIDR blocks, merged lists and subnets for host counts, checked
// against brute force over small windows of the address space, and the
// edges of the 128-bit space.
#include "core/address/addresstext.h"
#include "core/planning/hostrule.h"
#include "core/planning/ranges.h"
#include "core/planning/split.h"
#include "core/planning/vlsm.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>

namespace {

using namespace netquill;

std::string texts(const std::vector<Ipv4Block> &blocks)
{
    std::string all;
    for (const Ipv4Block &block : blocks)
        all += block.text() + " ";
    return all;
}

std::vector<Ipv4Block> covering(std::uint32_t first, std::uint32_t last)
{
    std::vector<Ipv4Block> blocks;
    appendCoveringBlocks({Ipv4Address(first), Ipv4Address(last)}, blocks);
    return blocks;
}

TEST(CoveringBlocks, EdgesOfTheAddressSpace)
{
    EXPECT_EQ(texts(covering(0, 0xFFFFFFFF)), "0.0.0.0/0 ");
    EXPECT_EQ(texts(covering(0xFFFFFFFF, 0xFFFFFFFF)), "255.255.255.255/32 ");
    EXPECT_EQ(texts(covering(0x0A000005, 0x0A000011)), "10.0.0.5/32 10.0.0.6/31 10.0.0.8/29 10.0.0.16/31 ");
    EXPECT_EQ(covering(1, 0xFFFFFFFE).size(), 62u);
}

// The fewest aligned blocks for [first, last] inside a window, by dynamic programming.
std::size_t fewestBlocks(std::uint32_t first, std::uint32_t last)
{
    std::vector<std::size_t> fewest(last - first + 2, 0);
    for (std::uint32_t start = last + 1; start-- > first;) {
        fewest[start - first] = SIZE_MAX;
        for (std::uint32_t size = 1; start % size == 0 && start + size - 1 <= last; size *= 2)
            fewest[start - first] = std::min(fewest[start - first], 1 + fewest[start + size - first]);
    }
    return fewest[0];
}

// The fuzz target checks that the blocks cover the range exactly, in order and aligned.
TEST(CoveringBlocks, AreTheFewestPossible)
{
    std::mt19937 random(2026);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::uint32_t first = random() % 1024;
        const std::uint32_t last = first + random() % (1024 - first);
        ASSERT_EQ(covering(first, last).size(), fewestBlocks(first, last)) << first << "-" << last;
    }
}

// The fuzz target checks that merged ranges hold every entry, in order and apart.
TEST(MergeRanges, TheEndsOfTheAddressSpace)
{
    std::vector<Ipv4Range> top{{Ipv4Address(0xFFFFFFF0), Ipv4Address(0xFFFFFFFF)},
                               {Ipv4Address(0), Ipv4Address(5)},
                               {Ipv4Address(0xFFFFFFFF), Ipv4Address(0xFFFFFFFF)},
                               {Ipv4Address(6), Ipv4Address(9)}};
    mergeRanges(top);
    EXPECT_EQ(top, (std::vector<Ipv4Range>{{Ipv4Address(0), Ipv4Address(9)},
                                           {Ipv4Address(0xFFFFFFF0), Ipv4Address(0xFFFFFFFF)}}));
}

// Long lists take the radix sort (IPv4) and the bucket sort (IPv6): the same
// runs as a plain sort and merge, for ranges spread over the space and for
// ranges that all start in one /64 (whose first 64 bits never differ).
template <typename Address>
void expectLongListsMergedAsSorted(typename Address::Value spread, typename Address::Value base)
{
    std::mt19937_64 random(4096);
    std::vector<Range<Address>> ranges(20000);
    for (Range<Address> &range : ranges) {  // half of them overlapping near the base
        range.first = Address(base + random() % (random() % 2 ? spread : 64));
        range.last = Address(range.first.value() + random() % 32);
    }
    std::vector<Range<Address>> expected = ranges;
    std::sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::size_t runs = 0;
    for (const Range<Address> &range : expected) {
        if (runs > 0 && range.first.value() <= expected[runs - 1].last.value() + 1)
            expected[runs - 1].last = std::max(expected[runs - 1].last, range.last);
        else
            expected[runs++] = range;
    }
    expected.resize(runs);
    mergeRanges(ranges);
    EXPECT_EQ(ranges, expected);
}

TEST(MergeRanges, LongListsOfBothFamilies)
{
    expectLongListsMergedAsSorted<Ipv4Address>(0xFFFFFF00, 0);
    expectLongListsMergedAsSorted<Ipv6Address>(~Uint128{0} >> 1, 0);
    expectLongListsMergedAsSorted<Ipv6Address>(Uint128{1} << 63, Uint128{0x20010DB8} << 96);
}

TEST(Vlsm, LargestFirstFromTheStartThenTheFreeBlocks)
{
    const Ipv4Block block = Ipv4Block::containing(Ipv4Address(0x0A000000), 24);
    const auto carved =
        std::get<VlsmAllocation<Ipv4Address>>(allocateSubnets(block, {{"web", 25}, {"db", 26}, {"3", 27}, {"4", 30}}));
    std::vector<Ipv4Block> allocated;
    for (const Allocation<Ipv4Address> &allocation : carved.allocations)
        allocated.push_back(allocation.subnet);
    EXPECT_EQ(texts(allocated), "10.0.0.0/25 10.0.0.128/26 10.0.0.192/27 10.0.0.224/30 ");
    EXPECT_EQ(carved.allocations[1].name, "db");
    EXPECT_EQ(texts(carved.free), "10.0.0.228/30 10.0.0.232/29 10.0.0.240/28 ");

    const auto full = std::get<VlsmAllocation<Ipv4Address>>(allocateSubnets(block, {{"a", 25}, {"b", 25}}));
    EXPECT_TRUE(full.free.empty());
    // The ends of the family: the whole space as one subnet, a /32 left free.
    const auto whole = std::get<VlsmAllocation<Ipv4Address>>(allocateSubnets(Ipv4Block(), {{"all", 0}}));
    EXPECT_EQ(whole.allocations[0].subnet, Ipv4Block());
    const auto last = std::get<VlsmAllocation<Ipv4Address>>(
        allocateSubnets(Ipv4Block::containing(Ipv4Address(0xFFFFFFFF), 30), {{"a", 31}, {"b", 32}}));
    EXPECT_EQ(texts(last.free), "255.255.255.255/32 ");
}

// Largest first, each aligned subnet starts where the one before ended: the
// requests fit exactly when their sizes add up to no more than the block,
// and then the subnets and the free blocks tile it; otherwise the shortfall
// is what they add up to past the block.
TEST(Vlsm, AllocationsAndFreeBlocksTileTheBlockOrTheShortfallIsExact)
{
    std::mt19937 random(1918);
    const Ipv4Block block = Ipv4Block::containing(Ipv4Address(0xC0A80000), 22);
    int refused = 0;
    const HostRule hostRules[] = {HostRule::pointToPoint(), HostRule()};
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<SubnetRequest> requests;
        std::uint64_t asked = 0;
        for (int k = static_cast<int>(random() % 6) + 1; k > 0; --k) {
            requests.push_back(
                {std::to_string(k), hostRules[trial % 2].smallestPrefixHolding(random() % 200 + 1)->bits()});
            asked += std::uint64_t{1} << (32 - requests.back().length);
        }
        const auto result = allocateSubnets(block, requests);
        const auto *carved = std::get_if<VlsmAllocation<Ipv4Address>>(&result);
        if (!carved) {
            ++refused;
            ASSERT_GT(asked, 1024u);
            ASSERT_EQ(std::get<VlsmShortfall>(result).lacking, std::to_string(asked - 1024));
            continue;
        }
        ASSERT_LE(asked, 1024u);
        std::bitset<1024> taken;
        std::vector<Ipv4Block> all = carved->free;
        for (std::size_t k = 0; k < carved->allocations.size(); ++k)
            all.push_back(carved->allocations[k].subnet);
        for (const Ipv4Block &subnet : all) {
            ASSERT_EQ(Ipv4Block::containing(subnet.network, subnet.length), subnet);
            for (std::uint32_t a = subnet.network.value(); a <= subnet.last().value(); ++a) {
                ASSERT_FALSE(taken[a - block.network.value()]);
                taken.set(a - block.network.value());
            }
        }
        ASSERT_TRUE(taken.all());
    }
    EXPECT_TRUE(refused > 0 && refused < 300) << refused;
}

// ---- IPv6: the edges of the 128-bit space ----

TEST(Ipv6Planning, EdgesOfTheSpace)
{
    const Ipv6Address last(~Uint128{0});
    std::vector<Ipv6Block> blocks;
    appendCoveringBlocks(Ipv6Range{Ipv6Address(), last}, blocks);
    EXPECT_EQ(blocks, (std::vector<Ipv6Block>{{Ipv6Address(), 0}}));
    blocks.clear();
    appendCoveringBlocks(Ipv6Range{Ipv6Address(1), Ipv6Address(~Uint128{0} - 1)}, blocks);
    EXPECT_EQ(blocks.size(), 254u);  // 127 on each side of the middle
    std::vector<Ipv6Range> ranges{{last, last}, {Ipv6Address(), Ipv6Address(5)}, {Ipv6Address(6), last}};
    mergeRanges(ranges);
    EXPECT_EQ(ranges, (std::vector<Ipv6Range>{{Ipv6Address(), last}}));

    const Split<Ipv6Address> everything(Ipv6Block{}, 128);
    EXPECT_EQ(everything.subnetCount().text(), "340282366920938463463374607431768211456");
    EXPECT_EQ(everything.row(everything.lastRow()).text(), "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128");
    const Split<Ipv6Address> sixtyFours(parseWithPrefix<Ipv6Address>("2001:db8::/32")->block(), 64);
    EXPECT_EQ(sixtyFours.subnetSize().text(), "18446744073709551616");  // 2^64, every address counts
    EXPECT_EQ(sixtyFours.row(Uint128{0xFFFFFFFF}).text(), "2001:db8:ffff:ffff::/64");
}

// Placement is one algorithm for both families (planning_test); what a
// 128-bit block lacks is counted exactly, past 2^128 too.
TEST(Ipv6Vlsm, WhatTheBlockLacksIsExact)
{
    const Ipv6Block block = parseWithPrefix<Ipv6Address>("2001:db8::/62")->block();
    EXPECT_EQ(std::get<VlsmShortfall>(allocateSubnets(block, {{"a", 61}})).lacking,
              "73786976294838206464");  // 2^67 - 2^66
    EXPECT_EQ(std::get<VlsmShortfall>(allocateSubnets(Ipv6Block(), {{"a", 0}, {"b", 1}})).lacking,
              "170141183460469231731687303715884105728");  // 2^127, past the whole space
    EXPECT_EQ(std::get<VlsmShortfall>(allocateSubnets(Ipv6Block(), {{"a", 0}, {"b", 0}, {"c", 0}})).lacking,
              "more than 2^128");
}

}  // namespace
