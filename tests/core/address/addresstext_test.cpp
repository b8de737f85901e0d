// The one strict reading of address texts: each row a text as a user or a
// list writes it, and what it reads as or the reason it is refused.
#include "core/address/addresstext.h"

#include <gtest/gtest.h>

namespace {

using namespace netquill;

struct Reading {
    const char *name;
    const char *text;
    const char *read;  // the value as text, or "refused: <reason>"
};

void PrintTo(const Reading &row, std::ostream *out) { *out << row.name; }

template <typename Value, typename Show>
std::string shown(const Parsed<Value> &parsed, Show show)
{
    return parsed ? show(*parsed) : "refused: " + parsed.reason();
}

// ---- Addresses ----

using AddressReading = testing::TestWithParam<Reading>;

// Either family by its text, IPv6 printed as RFC 5952 says.
TEST_P(AddressReading, ReadsWholeOrRefusesWithTheReason)
{
    const auto text = [](auto address) { return address.text(); };
    EXPECT_EQ(familyOf(GetParam().text) == Family::Ipv6 ? shown(parseIpv6Address(GetParam().text), text)
                                                        : shown(parseAddress(GetParam().text), text),
              GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AddressReading,
    testing::Values(
        Reading{"Lowest", "0.0.0.0", "0.0.0.0"}, Reading{"Highest", "255.255.255.255", "255.255.255.255"},
        Reading{"Typical", "192.168.1.10", "192.168.1.10"},
        Reading{"OctetAbove255", "10.0.0.256", "refused: octet 4 is above 255"},
        Reading{"FourDigitOctet", "1000.0.0.1", "refused: octet 1 is above 255"},
        Reading{"LeadingZero", "010.0.0.1", "refused: octet 1 has a leading zero, which other tools read as octal"},
        Reading{"DoubleZero", "10.00.0.1", "refused: octet 2 has a leading zero, which other tools read as octal"},
        Reading{"ThreeOctets", "10.0.1",
                "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"},
        Reading{"FiveOctets", "1.2.3.4.5",
                "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"},
        Reading{"EmptyOctet", "10..0.1",
                "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"},
        Reading{"Blank", " 10.0.0.1",
                "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"},
        Reading{"Empty", "", "refused: is empty: an address such as 192.168.1.1 is needed"},
        // RFC 4291 reading, RFC 5952 printing
        Reading{"Unspecified", "::", "::"}, Reading{"Loopback", "0:0:0:0:0:0:0:1", "::1"},
        Reading{"HighestIpv6", "FFFF:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"},
        Reading{"LeadingZerosDropped", "2001:0db8:0000:0000:0000:0000:0000:0001", "2001:db8::1"},
        Reading{"FirstOfEqualRuns", "2001:db8:0:0:1:0:0:1", "2001:db8::1:0:0:1"},
        Reading{"LongestRun", "2001:0:0:1:0:0:0:1", "2001:0:0:1::1"},
        Reading{"SingleZeroGroupKept", "2001:db8:0:1:1:1:1:1", "2001:db8:0:1:1:1:1:1"},
        Reading{"DoubleColonForOneGroup", "2001:db8::1:1:1:1:1", "2001:db8:0:1:1:1:1:1"},
        Reading{"TrailingRun", "1::", "1::"}, Reading{"MappedIpv4Dotted", "::ffff:c000:0201", "::ffff:192.0.2.1"},
        Reading{"Ipv4Tail", "64:ff9b::192.0.2.33", "64:ff9b::c000:221"},
        Reading{"TripleColon", "2001:db8:::1",
                "refused: has ':::': '::' stands for the zero groups, and the ':' beside it for an empty one"},
        Reading{"NineGroups", "1:2:3:4:5:6:7:8:9", "refused: has more than eight groups"},
        Reading{"FiveDigitGroup", "02001:db8::1", "refused: has a group of more than four hex digits: '02001'"},
        Reading{"Ipv4TailWithLeadingZero", "::ffff:1.2.3.04",
                "refused: the IPv4 part: octet 4 has a leading zero, which other tools read as octal"},
        Reading{"TrailingColon", "2001:db8::1:", "refused: ends with a single ':'"},
        Reading{"LeadingColon", ":2001:db8::1", "refused: begins with a single ':'"},
        Reading{"EmptyGroup", "1:2::3:4:5:6:7:8",
                "refused: has '::' with eight groups beside it: '::' stands for one zero "
                "group or more"},
        Reading{"EmptyGroupWithoutDoubleColon", "1:2:3::4:5:6:7::",
                "refused: has '::' more than once: it may stand "
                "once, for one zero group or more"},
        Reading{"SevenGroups", "1:2:3:4:5:6:7", "refused: has 7 groups, not eight, and no '::'"},
        Reading{"Zone", "fe80::1%eth0", "refused: has a zone: a zone names a link, not an address or a block"},
        // The dotted part only as the last 32 bits, and only ASCII hex digits
        Reading{"Ipv4PartFirst", "1.2.3.4::1",
                "refused: has a dotted IPv4 part before its end: it may stand only for the last 32 bits"},
        Reading{"Ipv4PartInside", "1:2:3:4:5:6:1.2.3.4:7",
                "refused: has a dotted IPv4 part before its end: it may stand only for the last 32 bits"},
        Reading{"ArabicIndicDigit", "2001:db8::\xD9\xA1",
                "refused: holds a character beyond ASCII, which is not a hex digit"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Prefixes: a length or a contiguous mask ----

using PrefixReading = testing::TestWithParam<Reading>;

TEST_P(PrefixReading, ReadsALengthOrAContiguousMask)
{
    EXPECT_EQ(shown(parsePrefix(GetParam().text), [](Prefix p) { return "/" + std::to_string(p.bits()); }),
              GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrefixReading,
    testing::Values(Reading{"Zero", "0", "/0"}, Reading{"One", "1", "/1"}, Reading{"ThirtyTwo", "32", "/32"},
                    Reading{"MaskOfNone", "0.0.0.0", "/0"}, Reading{"MaskOfOne", "128.0.0.0", "/1"},
                    Reading{"MaskOf24", "255.255.255.0", "/24"}, Reading{"MaskOfAll", "255.255.255.255", "/32"},
                    Reading{"Over32", "33", "refused: the prefix length is over 32"},
                    Reading{"LeadingZero", "08", "refused: the prefix length has a leading zero"},
                    Reading{"NotContiguous", "255.0.255.0",
                            "refused: the mask is not contiguous: its one bits must all come first"},
                    Reading{"MaskOctetAbove255", "255.256.0.0", "refused: the mask octet 2 is above 255"},
                    Reading{"Letters", "x",
                            "refused: the prefix must be a length of 0 to 32 or a dotted mask such as 255.255.255.0"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Blocks and ranges ----

using RangeReading = testing::TestWithParam<Reading>;

TEST_P(RangeReading, ReadsAnAddressABlockOrFirstToLast)
{
    const auto text = [](const auto &range) { return range.first.text() + "-" + range.last.text(); };
    EXPECT_EQ(familyOf(GetParam().text) == Family::Ipv6 ? shown(parseRange<Ipv6Address>(GetParam().text), text)
                                                        : shown(parseRange<Ipv4Address>(GetParam().text), text),
              GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RangeReading,
    testing::Values(Reading{"Address", "10.0.0.1", "10.0.0.1-10.0.0.1"},
                    Reading{"BlockHoldingTheAddress", "10.1.2.3/8", "10.0.0.0-10.255.255.255"},
                    Reading{"DottedMask", "10.1.2.3/255.255.0.0", "10.1.0.0-10.1.255.255"},
                    Reading{"Everything", "1.2.3.4/0", "0.0.0.0-255.255.255.255"},
                    Reading{"FirstToLast", "10.0.0.5-10.0.0.17", "10.0.0.5-10.0.0.17"},
                    Reading{"BlanksAroundTheDash", "10.0.0.5 - 10.0.0.17", "10.0.0.5-10.0.0.17"},
                    Reading{"Backwards", "10.0.0.17-10.0.0.5",
                            "refused: the range runs backwards: its last address comes before its first"},
                    Reading{"NoLast", "10.0.0.1-",
                            "refused: the last address is empty: an address such as 192.168.1.1 is needed"},
                    Reading{"EmptyPrefix", "10.0.0.1/",
                            "refused: the prefix must be a length of 0 to 32 or a dotted mask such as 255.255.255.0"},
                    Reading{"BlankBeforeTheSlash", "10.0.0.1 /8",
                            "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"},
                    Reading{"Ipv6Block", "2001:db8::1/127", "2001:db8::-2001:db8::1"},
                    Reading{"Ipv6FirstToLast", "::1 - ::ffff:0.0.0.0", "::1-::ffff:0.0.0.0"},
                    Reading{"Ipv6PrefixOver128", "::/129", "refused: the prefix length is over 128"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- UTF-8, as names and zones must be ----

struct Utf8Case {
    const char *name;
    std::string_view bytes;
    bool isUtf8;
};

using Utf8 = testing::TestWithParam<Utf8Case>;

TEST_P(Utf8, WellFormedOrNot) { EXPECT_EQ(isUtf8(GetParam().bytes), GetParam().isUtf8); }

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8,
    testing::Values(Utf8Case{"Ascii", "eth0", true}, Utf8Case{"TwoBytes", "caf\xC3\xA9", true},
                    Utf8Case{"Highest", "\xF4\x8F\xBF\xBF", true}, Utf8Case{"Latin1", "caf\xE9", false},
                    Utf8Case{"Overlong", "\xC0\xAF", false}, Utf8Case{"OverlongThreeBytes", "\xE0\x9F\xBF", false},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", false}, Utf8Case{"PastU10FFFF", "\xF4\x90\x80\x80", false},
                    Utf8Case{"Cut", "\xE2\x82", false}, Utf8Case{"LoneContinuation", "\x80", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BlockReading, HostBitsAreRefusedWhereABlockIsMeant)
{
    EXPECT_EQ(shown(parseBlock<Ipv4Address>("10.0.0.0/8"), [](const Ipv4Block &b) { return b.text(); }), "10.0.0.0/8");
    EXPECT_EQ(shown(parseBlock<Ipv4Address>("0.0.0.0/0"), [](const Ipv4Block &b) { return b.text(); }), "0.0.0.0/0");
    EXPECT_EQ(parseBlock<Ipv4Address>("10.0.0.5/24").reason(),
              "has host bits set: the block that holds it is 10.0.0.0/24");
    EXPECT_EQ(parseBlock<Ipv4Address>("10.0.0.0").reason(), "needs a prefix after a slash, such as 192.168.1.0/24");
    EXPECT_EQ(parseBlock<Ipv6Address>("2001:db8::1/64").reason(),
              "has host bits set: the block that holds it is 2001:db8::/64");
}

}  // namespace
