#include "core/fields/octet.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fold {
    const char *name;
    std::string typed;
    std::string folded;
};

using FoldOctetText = testing::TestWithParam<Fold>;

TEST_P(FoldOctetText, WritesBackTheFoldedText)
{
    EXPECT_EQ(netquill::FoldOctetText(GetParam().typed), GetParam().folded);
}

// Up to 255 an octet stays as typed; above, 255 is taken away until it fits.
INSTANTIATE_TEST_SUITE_P(Octets, FoldOctetText,
                         testing::Values(Fold{"EmptyBecomesZero", "", "0"}, Fold{"LeadingZerosStay", "007", "007"},
                                         Fold{"Largest", "255", "255"}, Fold{"JustAbove", "256", "1"},
                                         Fold{"TwiceTheStep", "510", "255"}, Fold{"LeadingZerosDropped", "0300", "45"},
                                         Fold{"TwentyDigits", "99999999999999999999", "54"},
                                         Fold{"FourHundredDigits", std::string(400, '9'), "204"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Every value a four-digit field could hold, against repeated subtraction.
TEST(FoldOctetTextAgainstSubtraction, EveryValueUpTo9999)
{
    for (int value = 0; value <= 9999; ++value) {
        int expected = value;
        while (expected > 255)
            expected -= 255;
        ASSERT_EQ(netquill::FoldOctetText(std::to_string(value)), std::to_string(expected)) << value;
    }
}

TEST(OctetTexts, GiveTheirByteOfTheAddress)
{
    EXPECT_EQ(netquill::addressOfOctetTexts({"192", "168", "001", "10"}), netquill::Ipv4Address(0xC0A8010A));
    EXPECT_EQ(netquill::addressOfOctetTexts({"", "", "", ""}), netquill::Ipv4Address(0));
    // Not folded: 256 keeps its low eight bits (0), 300 gives 44.
    EXPECT_EQ(netquill::addressOfOctetTexts({"256", "300", "0", "1"}), netquill::Ipv4Address(0x002C0001));
}

}  // namespace
