// IPv6 values: their other notations, reverse names and zones checked
// against a nibble computation of the test's own, and the text writer of
// rows. (Reading and printing are addresstext_test's; the edges of the
// 128-bit space in ranges, splits and VLSM are planning_test's.)
#include "core/address/addresstext.h"
#include "core/address/reversezones.h"

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

}  // namespace
