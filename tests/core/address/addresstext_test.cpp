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

TEST_P(AddressReading, ReadsWholeOrRefusesWithTheReason)
{
    EXPECT_EQ(shown(parseAddress(GetParam().text), [](Ipv4Address a) { return a.text(); }), GetParam().read);
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
        Reading{"Empty", "", "refused: is empty: an address such as 192.168.1.1 is needed"}),
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
    EXPECT_EQ(
        shown(parseRange<Ipv4Address>(GetParam().text), [](const Ipv4Range &r) { return r.first.text() + "-" + r.last.text(); }),
        GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RangeReading,
    testing::Values(
        Reading{"Address", "10.0.0.1", "10.0.0.1-10.0.0.1"},
        Reading{"BlockHoldingTheAddress", "10.1.2.3/8", "10.0.0.0-10.255.255.255"},
        Reading{"DottedMask", "10.1.2.3/255.255.0.0", "10.1.0.0-10.1.255.255"},
        Reading{"Everything", "1.2.3.4/0", "0.0.0.0-255.255.255.255"},
        Reading{"FirstToLast", "10.0.0.5-10.0.0.17", "10.0.0.5-10.0.0.17"},
        Reading{"BlanksAroundTheDash", "10.0.0.5 - 10.0.0.17", "10.0.0.5-10.0.0.17"},
        Reading{"Backwards", "10.0.0.17-10.0.0.5",
                "refused: the range runs backwards: its last address comes before its first"},
        Reading{"NoLast", "10.0.0.1-", "refused: the last address is empty: an address such as 192.168.1.1 is needed"},
        Reading{"EmptyPrefix", "10.0.0.1/",
                "refused: the prefix must be a length of 0 to 32 or a dotted mask such as 255.255.255.0"},
        Reading{"BlankBeforeTheSlash", "10.0.0.1 /8",
                "refused: is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1"}),
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
    EXPECT_EQ(parseBlock<Ipv4Address>("10.0.0.5/24").reason(), "has host bits set: the block that holds it is 10.0.0.0/24");
    EXPECT_EQ(parseBlock<Ipv4Address>("10.0.0.0").reason(), "needs a prefix after a slash, such as 192.168.1.0/24");
}

}  // namespace
