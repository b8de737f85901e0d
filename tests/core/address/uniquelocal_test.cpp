// Unique local prefixes (RFC 4193 section 3): fd, a 40-bit Global ID, a
// 16-bit subnet ID; the Global ID drawn anew each time.
#include "core/address/addresstext.h"
#include "core/address/uniquelocal.h"

#include <gtest/gtest.h>

namespace {

TEST(UniqueLocal, PutsTheGlobalIdAndSubnetIdInPlace)
{
    EXPECT_EQ(netquill::uniqueLocalPrefix(0x123456789a).text(), "fd12:3456:789a::/48");
    EXPECT_EQ(netquill::uniqueLocalSubnet(0x123456789a, 0xffff).text(), "fd12:3456:789a:ffff::/64");
    EXPECT_EQ(netquill::uniqueLocalPrefix(0).text(), "fd00::/48");
    const auto parts = netquill::uniqueLocalPartsOf(*netquill::parseIpv6Address("fdff:ffff:ffff:1::1"));
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->globalId, 0xffffffffffu);
    EXPECT_EQ(parts->subnetId, 1u);
    EXPECT_FALSE(netquill::uniqueLocalPartsOf(*netquill::parseIpv6Address("fc00::1")));  // the L bit clear
}

// Two draws of 40 bits are equal once in 2^40.
TEST(UniqueLocal, DrawsEachGlobalIdAnew)
{
    const std::uint64_t first = netquill::randomGlobalId();
    const std::uint64_t second = netquill::randomGlobalId();
    EXPECT_NE(first, second);
    EXPECT_LE(std::max(first, second), netquill::kLargestGlobalId);
}

}  // namespace
