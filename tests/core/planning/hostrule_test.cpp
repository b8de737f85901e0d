// Which addresses of a subnet are hosts, and the subnet a number of hosts
// gets: without a rule, with RFC 3021, and in each cloud, whose kept
// addresses and sizes are counted here by hand from the providers' pages.
#include "core/address/addresstext.h"
#include "core/planning/hostrule.h"
#include "core/planning/subnetplan.h"

#include <gtest/gtest.h>

namespace {

using netquill::CloudProvider;
using netquill::HostRule;
using netquill::Prefix;

// One subnet of 10.1.2.0 under a rule: its hosts and the first and last of them.
struct Subnet {
    const char *name;
    HostRule rule;
    int length;
    std::uint64_t hosts;
    const char *firstHost;
    const char *lastHost;
};

void PrintTo(const Subnet &row, std::ostream *out) { *out << row.name; }

class HostsOfASubnet : public testing::TestWithParam<Subnet>
{
};

TEST_P(HostsOfASubnet, CountsAndBoundsTheHosts)
{
    const Subnet &row = GetParam();
    const netquill::SubnetPlan plan(netquill::Ipv4Block::containing(*netquill::parseAddress("10.1.2.0"), row.length),
                                    Prefix(row.length), row.rule);
    EXPECT_EQ(plan.usableHosts(), row.hosts);
    EXPECT_EQ(plan.row(0).firstHost.text(), row.firstHost);
    EXPECT_EQ(plan.row(0).lastHost.text(), row.lastHost);
}

const HostRule kAws = HostRule::inCloud(CloudProvider::Aws);
const HostRule kAzure = HostRule::inCloud(CloudProvider::Azure);
const HostRule kGcp = HostRule::inCloud(CloudProvider::Gcp);
const HostRule kOci = HostRule::inCloud(CloudProvider::Oci);

INSTANTIATE_TEST_SUITE_P(EachRule, HostsOfASubnet,
                         testing::Values(
                             // Network and broadcast; both addresses of a /31, the one of a /32.
                             Subnet{"Slash24", {}, 24, 254, "10.1.2.1", "10.1.2.254"},
                             Subnet{"Slash31", {}, 31, 2, "10.1.2.0", "10.1.2.1"},
                             Subnet{"Slash32", {}, 32, 1, "10.1.2.0", "10.1.2.0"},
                             // 256 less the first four and the last.
                             Subnet{"AwsSlash24", kAws, 24, 251, "10.1.2.4", "10.1.2.254"},
                             Subnet{"AwsSmallest", kAws, 28, 11, "10.1.2.4", "10.1.2.14"},
                             Subnet{"AzureSmallest", kAzure, 29, 3, "10.1.2.4", "10.1.2.6"},
                             // The first two and the last two.
                             Subnet{"GcpSlash24", kGcp, 24, 252, "10.1.2.2", "10.1.2.253"},
                             Subnet{"GcpSmallest", kGcp, 29, 4, "10.1.2.2", "10.1.2.5"},
                             // The first two and the last: a /30 has one host.
                             Subnet{"OciSmallest", kOci, 30, 1, "10.1.2.2", "10.1.2.2"},
                             Subnet{"OciLargest", kOci, 16, 65533, "10.1.0.2", "10.1.255.254"},
                             // Space of a size AWS has no subnet of counts as a plain subnet.
                             Subnet{"AwsFreeSlash30", kAws, 30, 2, "10.1.2.1", "10.1.2.2"}),
                         [](const auto &info) { return std::string(info.param.name); });

// A request for hosts: the smallest subnet the rule allows that holds them.
struct Request {
    const char *name;
    HostRule rule;
    std::uint64_t hosts;
    int length;  // -1 where no subnet holds them
};

void PrintTo(const Request &row, std::ostream *out) { *out << row.name; }

class SubnetForHosts : public testing::TestWithParam<Request>
{
};

TEST_P(SubnetForHosts, IsTheSmallestThatHoldsThem)
{
    const auto prefix = GetParam().rule.smallestPrefixHolding(GetParam().hosts);
    EXPECT_EQ(prefix ? prefix->bits() : -1, GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    EachRule, SubnetForHosts,
    testing::Values(Request{"OneHostGetsASlash30", {}, 1, 30}, Request{"TwoHosts", {}, 2, 30},
                    Request{"ThreeHosts", {}, 3, 29}, Request{"SixtyTwoFillASlash26", {}, 62, 26},
                    Request{"SixtyThreeNeedASlash25", {}, 63, 25}, Request{"AllOfASlash0", {}, 4294967294, 0},
                    Request{"MoreThanASlash0", {}, 4294967295, -1},
                    Request{"Rfc3021OneHost", HostRule::pointToPoint(), 1, 31},
                    Request{"Rfc3021TwoHosts", HostRule::pointToPoint(), 2, 31},
                    Request{"Rfc3021ThreeHosts", HostRule::pointToPoint(), 3, 29},
                    // No AWS subnet is smaller than a /28 or larger than a /16.
                    Request{"AwsOneHost", kAws, 1, 28}, Request{"AwsElevenFillASlash28", kAws, 11, 28},
                    Request{"AwsTwelveNeedASlash27", kAws, 12, 27}, Request{"AwsAllOfASlash16", kAws, 65531, 16},
                    Request{"AwsMoreThanASlash16", kAws, 65532, -1}, Request{"AzureOneHost", kAzure, 1, 29},
                    Request{"AzureFourHosts", kAzure, 4, 28}, Request{"AzureAllOfASlash0", kAzure, 4294967291, 0},
                    Request{"GcpFourFillASlash29", kGcp, 4, 29}, Request{"GcpFiveHosts", kGcp, 5, 28},
                    Request{"OciOneHost", kOci, 1, 30}, Request{"OciTwoHosts", kOci, 2, 29},
                    Request{"OciMoreThanASlash16", kOci, 65534, -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HostRule, RefusesSizesTheProviderHasNot)
{
    EXPECT_EQ(kAws.sizeRefusal(Prefix(15)), "AWS subnets are /16 to /28");
    EXPECT_EQ(kAws.sizeRefusal(Prefix(29)), "AWS subnets are /16 to /28");
    EXPECT_EQ(kAws.sizeRefusal(Prefix(16)), "");
    EXPECT_EQ(kAzure.sizeRefusal(Prefix(30)), "Azure subnets are /29 or larger");
    EXPECT_EQ(kAzure.sizeRefusal(Prefix(0)), "");
    EXPECT_EQ(HostRule().sizeRefusal(Prefix(32)), "");
}

TEST(HostRule, MostHostsARequestGetsInABlock)
{
    EXPECT_EQ(HostRule().mostRequestableHosts(Prefix(24)), 254U);
    EXPECT_EQ(HostRule().mostRequestableHosts(Prefix(31)), 0U);
    EXPECT_EQ(HostRule::pointToPoint().mostRequestableHosts(Prefix(31)), 2U);
    EXPECT_EQ(HostRule::pointToPoint().mostRequestableHosts(Prefix(32)), 0U);
    // A /8 holds AWS subnets of a /16 at the largest.
    EXPECT_EQ(kAws.mostRequestableHosts(Prefix(8)), 65531U);
    EXPECT_EQ(kAws.mostRequestableHosts(Prefix(29)), 0U);
    EXPECT_EQ(kAws.noRoomIn(Prefix(29)), "AWS subnets are /16 to /28; a /29 holds none");
    EXPECT_EQ(HostRule().noRoomIn(Prefix(32)),
              "a /32 holds one address; a request for hosts gets a /30, or a /31 with --rfc3021");
}

}  // namespace
