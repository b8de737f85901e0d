#include "networknode.h"

#include "masktable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

using netquill::NetworkNodeInput;
using netquill::NetworkNodeResult;
using Octets = std::array<std::string, 4>;

std::string maskOf(int maskBits) { return std::string(maskBits, '1') + std::string(32 - maskBits, '0'); }

struct Calculation {
    const char *name;
    NetworkNodeInput input;
    NetworkNodeResult result;
};

void PrintTo(const Calculation &calculation, std::ostream *out) { *out << calculation.name; }

class CalculateNetworkNode : public testing::TestWithParam<Calculation> {};

TEST_P(CalculateNetworkNode, GivesHostNetworkBroadcastAndNodes)
{
    const NetworkNodeResult result = netquill::CalculateNetworkNode(GetParam().input);
    const NetworkNodeResult &expected = GetParam().result;
    EXPECT_EQ(result.octets, expected.octets);
    EXPECT_EQ(result.hostID, expected.hostID);
    EXPECT_EQ(result.networkID, expected.networkID);
    EXPECT_EQ(result.broadcastAddress, expected.broadcastAddress);
    EXPECT_EQ(result.nodesInSubnet, expected.nodesInSubnet);
}

INSTANTIATE_TEST_SUITE_P(Masks, CalculateNetworkNode, testing::Values(
    Calculation{"Slash24", {{"192", "168", "1", "10"}, maskOf(24)},
                {{"192", "168", "1", "10"}, "0.0.0.10", "192.168.1.0", "192.168.1.255", "254"}},
    Calculation{"Slash1", {{"10", "1", "2", "3"}, maskOf(1)},
                {{"10", "1", "2", "3"}, "10.1.2.3", "0.0.0.0", "127.255.255.255", "2147483646"}},
    Calculation{"Slash30", {{"10", "0", "0", "6"}, maskOf(30)},
                {{"10", "0", "0", "6"}, "0.0.0.2", "10.0.0.4", "10.0.0.7", "2"}},
    Calculation{"Slash31HasNoNodes", {{"10", "0", "0", "5"}, maskOf(31)},
                {{"10", "0", "0", "5"}, "0.0.0.1", "10.0.0.4", "10.0.0.5", "0"}},
    Calculation{"Slash32IsTheAddressAlone", {{"10", "1", "2", "3"}, maskOf(32)},
                {{"10", "1", "2", "3"}, "0.0.0.0", "10.1.2.3", "10.1.2.3", "1"}},
    Calculation{"NoMaskMakesEveryBitAHostBit", {{"10", "1", "2", "3"}, ""},
                {{"10", "1", "2", "3"}, "10.1.2.3", "0.0.0.0", "255.255.255.255", "4294967294"}},
    Calculation{"AllOnesAddress", {{"255", "255", "255", "255"}, maskOf(8)},
                {{"255", "255", "255", "255"}, "0.255.255.255", "255.0.0.0", "255.255.255.255", "16777214"}},
    Calculation{"AllZerosAddress", {{"0", "0", "0", "0"}, maskOf(16)},
                {{"0", "0", "0", "0"}, "0.0.0.0", "0.0.0.0", "0.0.255.255", "65534"}}
), [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Octets, CalculateNetworkNode, testing::Values(
    Calculation{"EmptyOctetsBecomeZero", {{"", "", "", ""}, maskOf(24)},
                {{"0", "0", "0", "0"}, "0.0.0.0", "0.0.0.0", "0.0.0.255", "254"}},
    Calculation{"LargeOctetsFold", {{"256", "300", "999", "510"}, maskOf(32)},
                {{"1", "45", "234", "255"}, "0.0.0.0", "1.45.234.255", "1.45.234.255", "1"}},
    Calculation{"LeadingZerosStay", {{"010", "001", "0", "00"}, maskOf(8)},
                {{"010", "001", "0", "00"}, "0.1.0.0", "10.0.0.0", "10.255.255.255", "16777214"}}
), [](const auto &info) { return std::string(info.param.name); });

// Random addresses and masks against plain 32-bit arithmetic.
TEST(CalculateNetworkNodeProperty, AgreesWithAndOrArithmetic)
{
    const auto dotted = [](std::uint32_t value) {
        return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 255) + "." +
               std::to_string((value >> 8) & 255) + "." + std::to_string(value & 255);
    };
    std::mt19937 random(20020202);
    std::uniform_int_distribution<std::uint32_t> anyAddress;
    std::uniform_int_distribution<int> anyMaskBits(1, 32);
    for (int trial = 0; trial < 5000; ++trial) {
        const std::uint32_t address = anyAddress(random);
        const int maskBits = anyMaskBits(random);
        const std::uint32_t mask = static_cast<std::uint32_t>(0xFFFFFFFFull << (32 - maskBits));
        const Octets octets{std::to_string(address >> 24), std::to_string((address >> 16) & 255),
                            std::to_string((address >> 8) & 255), std::to_string(address & 255)};
        const NetworkNodeResult result =
            netquill::CalculateNetworkNode({octets, netquill::MaskTable(maskBits).binary});
        ASSERT_EQ(result.hostID, dotted(address & ~mask));
        ASSERT_EQ(result.networkID, dotted(address & mask));
        ASSERT_EQ(result.broadcastAddress, dotted(address | ~mask));
        const std::uint64_t addresses = std::uint64_t{1} << (32 - maskBits);
        ASSERT_EQ(result.nodesInSubnet, std::to_string(maskBits == 32 ? 1 : addresses - 2));
    }
}

// ---- Clipboard ----

TEST(BuildNetworkNodeClipboardText, EightLinesWithColonsInColumn18)
{
    const netquill::NetworkNodeTexts texts{{"192", "168", "1", "10"}, "255.255.255.0", "24", "0.0.0.10",
                                           "192.168.1.0", "192.168.1.255", "254"};
    EXPECT_EQ(netquill::BuildNetworkNodeClipboardText(texts),
              "IPAddress        : 192.168.1.10\r\n"
              "Subnet Mask      : 255.255.255.0\r\n"
              "Subnet Mask Bits : /24\r\n"
              "\r\n"
              "Host ID          : 0.0.0.10\r\n"
              "Network ID       : 192.168.1.0\r\n"
              "Broadcast Address: 192.168.1.255\r\n"
              "Nodes in Subnet  : 254\r\n");
}

TEST(BuildNetworkNodeClipboardText, NeverCalculatedTabGivesEmptyValues)
{
    EXPECT_EQ(netquill::BuildNetworkNodeClipboardText({}),
              "IPAddress        : ...\r\n"
              "Subnet Mask      : \r\n"
              "Subnet Mask Bits : /\r\n"
              "\r\n"
              "Host ID          : \r\n"
              "Network ID       : \r\n"
              "Broadcast Address: \r\n"
              "Nodes in Subnet  : \r\n");
}

}  // namespace
