#include "core/address/ipv4.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv4Address;
using netquill::Prefix;

struct PrefixCase {
    const char *name;
    int bits;
    const char *mask;
    const char *inverse;
    std::uint64_t usableHosts;  // RFC 3021 counts both addresses of a /31
};

using PrefixForms = testing::TestWithParam<PrefixCase>;

TEST_P(PrefixForms, MaskInverseAndHosts)
{
    const Prefix prefix(GetParam().bits);
    EXPECT_EQ(prefix.maskAddress().text(), GetParam().mask);
    EXPECT_EQ(prefix.inverseAddress().text(), GetParam().inverse);
    EXPECT_EQ(prefix.usableHosts(), GetParam().usableHosts);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, PrefixForms,
                         testing::Values(PrefixCase{"NoMask", 0, "0.0.0.0", "255.255.255.255", 4294967294},
                                         PrefixCase{"Slash1", 1, "128.0.0.0", "127.255.255.255", 2147483646},
                                         PrefixCase{"Slash8", 8, "255.0.0.0", "0.255.255.255", 16777214},
                                         PrefixCase{"Slash20", 20, "255.255.240.0", "0.0.15.255", 4094},
                                         PrefixCase{"Slash30", 30, "255.255.255.252", "0.0.0.3", 2},
                                         PrefixCase{"Slash31PointToPoint", 31, "255.255.255.254", "0.0.0.1", 2},
                                         PrefixCase{"Slash32", 32, "255.255.255.255", "0.0.0.0", 1}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
