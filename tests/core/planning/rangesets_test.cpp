// Address lists as sets: what they share, lack and differ by, and their sizes;
// and a set asked whether it holds an address.
#include "core/address/addresstext.h"
#include "core/planning/rangeindex.h"
#include "core/planning/ranges.h"
#include "core/planning/rangesets.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using netquill::Ipv4Address;
using netquill::Ipv6Address;
using netquill::RangeSet;

template <typename Address>
RangeSet<Address> setOf(const std::vector<std::string> &entries)
{
    RangeSet<Address> set;
    for (const std::string &entry : entries)
        set.push_back(*netquill::parseRange<Address>(entry));
    netquill::mergeRanges(set);
    return set;
}

template <typename Address>
std::vector<std::string> textsOf(const RangeSet<Address> &set)
{
    std::vector<std::string> texts;
    for (const auto &range : set)
        texts.push_back(range.first.text() + "-" + range.last.text());
    return texts;
}

using Texts = std::vector<std::string>;

struct SetCase {
    const char *name;
    Texts a;
    Texts b;
    Texts both;
    Texts onlyA;
    Texts onlyB;
    Texts eitherOnly;
};

class Ipv4Sets : public testing::TestWithParam<SetCase>
{
};

TEST_P(Ipv4Sets, ShareLackAndDifferBy)
{
    const SetCase &row = GetParam();
    const auto a = setOf<Ipv4Address>(row.a);
    const auto b = setOf<Ipv4Address>(row.b);
    EXPECT_EQ(textsOf(netquill::intersection(a, b)), row.both);
    EXPECT_EQ(textsOf(netquill::difference(a, b)), row.onlyA);
    EXPECT_EQ(textsOf(netquill::difference(b, a)), row.onlyB);
    EXPECT_EQ(textsOf(netquill::symmetricDifference(a, b)), row.eitherOnly);
    // Either: what merging both lists' entries at once makes.
    Texts entries = row.a;
    entries.insert(entries.end(), row.b.begin(), row.b.end());
    auto either = a;
    netquill::addTo(either, b);
    EXPECT_EQ(either, setOf<Ipv4Address>(entries));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Ipv4Sets,
    testing::Values(SetCase{"Disjoint",
                            {"10.0.0.0/24"},
                            {"10.0.2.0/24"},
                            {},
                            {"10.0.0.0-10.0.0.255"},
                            {"10.0.2.0-10.0.2.255"},
                            {"10.0.0.0-10.0.0.255", "10.0.2.0-10.0.2.255"}},
                    // Pieces of each side that touch are one range of the answer.
                    SetCase{"Touching",
                            {"10.0.0.0/24"},
                            {"10.0.1.0/24"},
                            {},
                            {"10.0.0.0-10.0.0.255"},
                            {"10.0.1.0-10.0.1.255"},
                            {"10.0.0.0-10.0.1.255"}},
                    SetCase{"HolesCutByTheOther",
                            {"10.0.0.0/24"},
                            {"10.0.0.10-10.0.0.19", "10.0.0.100", "10.0.0.250-10.0.1.5"},
                            {"10.0.0.10-10.0.0.19", "10.0.0.100-10.0.0.100", "10.0.0.250-10.0.0.255"},
                            {"10.0.0.0-10.0.0.9", "10.0.0.20-10.0.0.99", "10.0.0.101-10.0.0.249"},
                            {"10.0.1.0-10.0.1.5"},
                            {"10.0.0.0-10.0.0.9", "10.0.0.20-10.0.0.99", "10.0.0.101-10.0.0.249", "10.0.1.0-10.0.1.5"}},
                    // One range of b reaching over two of a.
                    SetCase{"OneOverTwo",
                            {"10.0.0.0-10.0.0.9", "10.0.0.20-10.0.0.29"},
                            {"10.0.0.5-10.0.0.24"},
                            {"10.0.0.5-10.0.0.9", "10.0.0.20-10.0.0.24"},
                            {"10.0.0.0-10.0.0.4", "10.0.0.25-10.0.0.29"},
                            {"10.0.0.10-10.0.0.19"},
                            {"10.0.0.0-10.0.0.4", "10.0.0.10-10.0.0.19", "10.0.0.25-10.0.0.29"}},
                    SetCase{
                        "Equal", {"192.0.2.0/24"}, {"192.0.2.0-192.0.2.255"}, {"192.0.2.0-192.0.2.255"}, {}, {}, {}},
                    SetCase{"WholeSpaceLessItsEnds",
                            {"0.0.0.0/0"},
                            {"0.0.0.0", "255.255.255.255"},
                            {"0.0.0.0-0.0.0.0", "255.255.255.255-255.255.255.255"},
                            {"0.0.0.1-255.255.255.254"},
                            {},
                            {"0.0.0.1-255.255.255.254"}},
                    SetCase{"EmptySide", {}, {"10.0.0.1"}, {}, {}, {"10.0.0.1-10.0.0.1"}, {"10.0.0.1-10.0.0.1"}}),
    [](const auto &info) { return info.param.name; });

// The same walk at 128 bits: the last address, and counts up to 2^128.
TEST(Ipv6Sets, TheWholeSpaceAndItsCounts)
{
    const auto all = setOf<Ipv6Address>({"::/0"});
    const auto ends = setOf<Ipv6Address>({"::", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "2001:db8::/32"});
    EXPECT_EQ(textsOf(netquill::difference(all, ends)), (Texts{"::1-2001:db7:ffff:ffff:ffff:ffff:ffff:ffff",
                                                               "2001:db9::-ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe"}));
    EXPECT_EQ(netquill::addressCount(all).text(), "340282366920938463463374607431768211456");
    // 2 + 2^96
    EXPECT_EQ(netquill::addressCount(ends).text(), "79228162514264337593543950338");
    EXPECT_EQ(netquill::blockCount(ends), 3u);
    // 2^128 − 2^96 − 2
    EXPECT_EQ(netquill::addressCount(netquill::difference(all, ends)).text(),
              "340282366841710300949110269838224261118");
}

// The index answers what the set's own walk does (an address is held where
// the set shares it), at the edges of every range and past them: ranges with
// a long shared prefix, none shared, and the ends of the space.
template <typename Address>
void expectIndexAgrees(const std::vector<std::string> &entries)
{
    const auto set = setOf<Address>(entries);
    const netquill::RangeIndex<Address> index(set);
    for (const auto &range : set)
        for (const Address address : {Address(range.first.value() - 1), range.first, range.last,
                                      Address(range.last.value() + 1), Address(range.first.value() ^ 0x10000)}) {
            const bool held = !netquill::intersection(set, RangeSet<Address>{{address, address}}).empty();
            EXPECT_EQ(index.holds(address), held) << address.text();
        }
}

TEST(RangeIndex, AnswersAsTheSetAtEveryEdge)
{
    std::mt19937 random(65536);
    std::vector<std::string> site;
    std::vector<std::string> spread;
    for (int k = 0; k < 3000; ++k) {
        site.push_back("10.1." + std::to_string(random() % 256) + "." + std::to_string(random() % 256) + "/" +
                       std::to_string(24 + random() % 9));
        spread.push_back(Ipv4Address(static_cast<std::uint32_t>(random())).text() + "/" +
                         std::to_string(12 + random() % 21));
    }
    expectIndexAgrees<Ipv4Address>(site);
    expectIndexAgrees<Ipv4Address>(spread);
    expectIndexAgrees<Ipv4Address>({"0.0.0.0", "255.255.255.255"});
    expectIndexAgrees<Ipv6Address>({"2001:db8:1::/48", "2001:db8:1:2::5", "2001:db8:ffff::/64", "::", "ff00::/8"});
    EXPECT_FALSE(netquill::RangeIndex<Ipv4Address>(RangeSet<Ipv4Address>()).holds(Ipv4Address(0)));
}

TEST(Ipv4SetCounts, AddressesAndFewestBlocks)
{
    const auto set = setOf<Ipv4Address>({"192.0.0.0-192.0.0.4", "0.0.0.0/1"});
    EXPECT_EQ(netquill::addressCount(set).text(), "2147483653");  // 2^31 + 5
    EXPECT_EQ(netquill::blockCount(set), 3u);                     // 0.0.0.0/1, 192.0.0.0/30, 192.0.0.4/32
}

}  // namespace
