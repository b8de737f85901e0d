// IPv6 values: their other notations, reverse names and zones checked
// against a nibble computation of the test's own, the text writer of rows,
// and the edges of the 128-bit space in ranges and splits. (Reading and
// printing are addresstext_test's.)
#include "core/address/addresstext.h"
#include "core/address/reversezones.h"
#include "core/planning/ranges.h"
#include "core/planning/split.h"
#include "core/planning/vlsm.h"

#include <gtest/gtest.h>

namespace {

using namespace netquill;

// (The IPv4 address inside is ipv6calculator_test's.)
TEST(Ipv6Address, ExpandedHexAndZoned)
{
    const Ipv6Address mapped = *parseIpv6Address("::ffff:10.1.2.3");
    EXPECT_EQ(mapped.expandedText(), "0000:0000:0000:0000:0000:ffff:0a01:0203");
    EXPECT_EQ(mapped.hexadecimalText(), "00000000000000000000ffff0a010203");
    EXPECT_EQ(parseZonedIpv6Address("fe80::1%eth0")->zone, "eth0");
}

// The zones of every prefix length of one address, against the test's own
// nibbles: the address's first length/4 nibbles, reversed, then each value
// of the next nibble that the prefix leaves free.
TEST(Ipv6Block, ReverseZonesForEveryPrefixLength)
{
    const std::string nibbles = "20010db8abcd12340000000000000000";
    const Ipv6Address address = *parseIpv6Address("2001:db8:abcd:1234::");
    for (int length = 0; length <= 128; ++length) {
        std::vector<std::string> expected;
        const int whole = length / 4;
        const int freeBits = (4 - length % 4) % 4;
        const int first =
            whole < 32 && freeBits > 0
                ? std::stoi(nibbles.substr(static_cast<std::size_t>(whole), 1), nullptr, 16) & ~((1 << freeBits) - 1)
                : 0;
        for (int value = 0; value < (freeBits > 0 ? 1 << freeBits : 1); ++value) {
            std::string name = freeBits > 0 ? std::string(1, "0123456789abcdef"[first + value]) + "." : "";
            for (int k = whole - 1; k >= 0; --k)
                name += std::string(1, nibbles[static_cast<std::size_t>(k)]) + ".";
            expected.push_back(name + "ip6.arpa.");
        }
        EXPECT_EQ(reverseZones(Ipv6Block::containing(address, length)), expected) << "/" << length;
    }
    EXPECT_EQ(address.reverseName(), "0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.4.3.2.1.d.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa.");
    EXPECT_EQ(reverseZones(Ipv4Block::containing(Ipv4Address(0x0A010000), 20)).back(), "15.1.10.in-addr.arpa.");
}

// Addresses written on from the one before, as the rows of a split are, read
// the same as each printed alone, across changes of the zero groups, of a
// group's number of digits (0xfff to 0x1000 in the second group) and of the
// mapped form.
TEST(Ipv6TextWriter, WritesWhatTextPrints)
{
    Ipv6TextWriter written;
    Ipv6TextWriter viewed;
    for (const char *start :
         {"::", "2001:0:0:1::fff0", "::fffe:ffff:fff8", "1:0:0:0:0:0:ffff:fff0", "::ffff:0:fff0", "1:ff0::1"}) {
        const Uint128 first = parseIpv6Address(start)->value();
        for (Uint128 step : {Uint128{1}, Uint128{1} << 16, Uint128{1} << 64, Uint128{1} << 96}) {
            for (int k = 0; k < 40; ++k) {
                const Ipv6Address address(first + step * static_cast<unsigned>(k));
                char text[48];
                ASSERT_EQ(std::string(text, written.write(text, address)), address.text());
                ASSERT_EQ(viewed.view(address), address.text());
            }
        }
    }
    // Not a split: the first and last groups change, the zero run between them stays.
    for (const char *text : {"2001::ff", "2000::fff", "2001::f:ff"}) {
        const Ipv6Address address = *parseIpv6Address(text);
        ASSERT_EQ(viewed.view(address), text);
    }
}

// ---- The edges of the 128-bit space ----

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
