// A block split into subnets: its rows as numbers at the edges of the address
// space (the fuzz target checks every other; the list window's batches are
// tested through the window).
#include "core/planning/subnetplan.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv4Address;
using netquill::Prefix;

struct PlanRowCase {
    const char *name;
    std::uint32_t network;
    int cidrBits;
    int subnetBits;
    std::uint64_t row;
    std::uint32_t subnet, firstHost, lastHost, broadcast;
};

void PrintTo(const PlanRowCase &row, std::ostream *out) { *out << row.name; }

using PlanRow = testing::TestWithParam<PlanRowCase>;

TEST_P(PlanRow, HasItsSubnetHostsAndBroadcast)
{
    const PlanRowCase &c = GetParam();
    const netquill::SubnetPlan plan(netquill::Ipv4Block::containing(Ipv4Address(c.network), c.cidrBits),
                                    Prefix(c.subnetBits));
    EXPECT_EQ(plan.row(c.row), (netquill::SubnetAddresses{Ipv4Address(c.subnet), Ipv4Address(c.firstHost),
                                                          Ipv4Address(c.lastHost), Ipv4Address(c.broadcast)}));
}

INSTANTIATE_TEST_SUITE_P(
    EdgesOfTheAddressSpace, PlanRow,
    testing::Values(
        PlanRowCase{"LastAddressAsA32", 0xFFFFFFFF, 32, 32, 0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
        PlanRowCase{"Slash31BothAddressesHosts", 0x0A000000, 30, 31, 1, 0x0A000002, 0x0A000002, 0x0A000003, 0x0A000003},
        PlanRowCase{"UpperHalfOfASlash1", 0x80000000, 1, 2, 1, 0xC0000000, 0xC0000001, 0xFFFFFFFE, 0xFFFFFFFF},
        PlanRowCase{"WholeSpaceIntoHalves", 0, 0, 1, 1, 0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF}),
    [](const testing::TestParamInfo<PlanRowCase> &info) { return std::string(info.param.name); });

}  // namespace
