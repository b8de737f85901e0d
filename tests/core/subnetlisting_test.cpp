#include "subnetlisting.h"

#include "masktable.h"

#include "plans.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using netquill::SubnetListing;
using netquill::SubnetPlan;


std::size_t lineCount(const std::string &text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

const char *const kHeader = "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n";

TEST(SubnetListing, FourSubnetsCopyAsFiveLines)
{
    const SubnetListing listing(planOf({"192", "168", "1", "0"}, 24, 26));
    EXPECT_EQ(listing.batch().size(), 4u);
    EXPECT_FALSE(listing.hasMoreRows());
    EXPECT_EQ(listing.clipboardText(),
              std::string(kHeader) +
                  "192.168.1.0\t255.255.255.192\t0.0.0.63\t62\t192.168.1.1 to 192.168.1.62\t192.168.1.63\r\n"
                  "192.168.1.64\t255.255.255.192\t0.0.0.63\t62\t192.168.1.65 to 192.168.1.126\t192.168.1.127\r\n"
                  "192.168.1.128\t255.255.255.192\t0.0.0.63\t62\t192.168.1.129 to 192.168.1.190\t192.168.1.191\r\n"
                  "192.168.1.192\t255.255.255.192\t0.0.0.63\t62\t192.168.1.193 to 192.168.1.254\t192.168.1.255\r\n");
}

TEST(SubnetListing, ExactlyOneBatchHasNoMoreRows)
{
    const SubnetListing listing(planOf({"10", "0", "0", "0"}, 14, 24));
    EXPECT_EQ(listing.total(), 1024u);
    EXPECT_EQ(listing.batch().size(), 1024u);
    EXPECT_FALSE(listing.hasMoreRows());
}

TEST(SubnetListing, SecondBatchReplacesTheFirstAndTheTextKeepsBoth)
{
    SubnetListing listing(planOf({"10", "0", "0", "0"}, 13, 24));
    EXPECT_TRUE(listing.hasMoreRows());
    EXPECT_EQ(listing.batch().front().subnet, "10.0.0.0");
    listing.nextBatch();
    EXPECT_EQ(listing.batchStart(), 1025u);
    EXPECT_EQ(listing.batchEnd(), 2048u);
    EXPECT_EQ(listing.batch().size(), 1024u);
    EXPECT_EQ(listing.batch().front().subnet, "10.4.0.0");
    EXPECT_EQ(listing.batch().back().broadcast, "10.7.255.255");
    EXPECT_FALSE(listing.hasMoreRows());
    EXPECT_EQ(lineCount(listing.clipboardText()), 2049u);

    listing.nextBatch();  // nothing left: nothing changes
    EXPECT_EQ(listing.batchStart(), 1025u);
    EXPECT_EQ(lineCount(listing.clipboardText()), 2049u);
}

TEST(SubnetListing, SlashEightIntoSlash30OpensWithTheFirstBatch)
{
    const SubnetListing listing(planOf({"10", "0", "0", "0"}, 8, 30));
    EXPECT_EQ(listing.total(), 4194304u);
    ASSERT_EQ(listing.batch().size(), 1024u);
    EXPECT_EQ(listing.batch().front(),
              (netquill::SubnetRow{"10.0.0.0", "255.255.255.252", "0.0.0.3", "2", "10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    EXPECT_TRUE(listing.hasMoreRows());
}

TEST(SubnetListing, LargestPlanListsItsLastBatch)
{
    SubnetListing listing(planOf({"128", "0", "0", "0"}, 1, 12));
    while (listing.hasMoreRows())
        listing.nextBatch();
    EXPECT_EQ(listing.rowCount(), 2048u);
    EXPECT_EQ(listing.batch().back().broadcast, "255.255.255.255");
}

}  // namespace
