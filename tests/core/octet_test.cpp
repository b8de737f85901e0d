#include "core/octet.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fold {
    const char *name;
    std::string typed;
    std::string folded;
};

class FoldOctetText : public testing::TestWithParam<Fold>
{
};

TEST_P(FoldOctetText, WritesBackTheFoldedText)
{
    EXPECT_EQ(netquill::FoldOctetText(GetParam().typed), GetParam().folded);
}

// In range: left exactly as typed.
INSTANTIATE_TEST_SUITE_P(InRange, FoldOctetText,
                         testing::Values(Fold{"EmptyBecomesZero", "", "0"}, Fold{"LeadingZerosStay", "007", "007"},
                                         Fold{"Largest", "255", "255"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Above 255: 255 is taken away until the value fits.
INSTANTIATE_TEST_SUITE_P(AboveRange, FoldOctetText,
                         testing::Values(Fold{"JustAbove", "256", "1"}, Fold{"ThreeHundred", "300", "45"},
                                         Fold{"TwiceTheStep", "510", "255"}, Fold{"LeadingZerosDropped", "0300", "45"},
                                         Fold{"TwentyDigits", "99999999999999999999", "54"},
                                         Fold{"FourHundredDigits", std::string(400, '9'), "204"}),
                         [](const auto &info) { return std::string(info.param.name); });

// The result agrees with repeated subtraction for every value a four-digit field
// could hold.
TEST(FoldOctetTextAgainstSubtraction, EveryValueUpTo9999)
{
    for (int value = 0; value <= 9999; ++value) {
        int expected = value;
        while (expected > 255)
            expected -= 255;
        ASSERT_EQ(netquill::FoldOctetText(std::to_string(value)), std::to_string(expected)) << value;
    }
}

}  // namespace
