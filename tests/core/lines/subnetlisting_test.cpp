// The list window without its window: Find by row number or address in both
// families, and the rows from there (the copy against netquill-cli: the window test's).
#include "core/lines/subnetlisting.h"

#include <gtest/gtest.h>

namespace {

using netquill::Split;
using netquill::Uint128;

struct FindCase {
    const char *name;
    const char *text;
    Uint128 row;         // 0-based, where found
    const char *reason;  // where refused
};

// 10.0.0.0/8 in /19s: 2048 rows of 8192 addresses.
class FindIpv4Row : public testing::TestWithParam<FindCase>
{
};

TEST_P(FindIpv4Row, ByNumberOrAddress)
{
    const auto listing = netquill::subnetListing(
        Split<netquill::Ipv4Address>(netquill::Ipv4Block::containing(netquill::Ipv4Address(0x0A000000), 8), 19));
    const auto found = listing->findRow(GetParam().text);
    if (*GetParam().reason)
        EXPECT_EQ(found.reason(), GetParam().reason);
    else
        EXPECT_EQ(*found, GetParam().row) << found.reason();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FindIpv4Row,
    testing::Values(FindCase{"FirstRow", "1", 0, ""}, FindCase{"LastRow", " 2048 ", 2047, ""},
                    FindCase{"RowZero", "0", 0, "rows are numbered 1 to 2048"},
                    FindCase{"PastTheLastRow", "2049", 0, "rows are numbered 1 to 2048"},
                    FindCase{"AddressInTheSecondSubnet", "10.0.32.1", 1, ""},
                    FindCase{"LastAddress", "10.255.255.255", 2047, ""},
                    FindCase{"AddressOutside", "11.0.0.0", 0, "is outside 10.0.0.0/8"},
                    FindCase{"LeadingZero", "010", 0, "rows are numbered 1 to 2048"},
                    FindCase{"Ipv6Address", "2001:db8::1", 0,
                             "is an IPv6 address, and the subnets of 10.0.0.0/8 are IPv4"},
                    FindCase{"Neither", "10.0.0", 0,
                             "is neither a row number, 1 to 2048, nor an IPv4 address (is not an address: four "
                             "numbers of 0 to 255 joined by dots, such as 192.168.1.1)"}),
    [](const auto &info) { return std::string(info.param.name); });

// ::/0 in /128s: any of its 2^128 rows at once, the last one whole, and no
// row after it.
TEST(SubnetListing, FindsAndEndsAtTheLastOfTwoTo128Rows)
{
    const auto listing = netquill::subnetListing(Split<netquill::Ipv6Address>({netquill::Ipv6Address(0), 0}, 128));
    EXPECT_EQ(*listing->findRow("8000::1"), Uint128{1} << 127 | 1);
    const auto last = listing->findRow("340282366920938463463374607431768211456");
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, ~Uint128{0});
    EXPECT_EQ(listing->findRow("340282366920938463463374607431768211457").reason(),
              "rows are numbered 1 to 340282366920938463463374607431768211456");
    EXPECT_EQ(listing->findRow("192.0.2.1").reason(), "is an IPv4 address, and the subnets of ::/0 are IPv6");
    listing->startAt(*last);
    EXPECT_EQ(listing->batchRows(), 1u);
    EXPECT_FALSE(listing->hasMoreRows());
    EXPECT_EQ(listing->clipboardText(),
              "Subnet\tPrefix Length\tFirst Address\tLast Address\tAddress Count\r\n"
              "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128\t128\tffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff\t"
              "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff\t1\r\n");
    listing->startAt(0);
    EXPECT_EQ(listing->batchRows(), netquill::kSubnetBatchSize);
    EXPECT_EQ(listing->cellText(1023, 0), "::3ff/128");
}

}  // namespace
