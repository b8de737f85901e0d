#include "core/numberbase.h"

#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <random>
#include <string>

namespace {

using Routine = std::string (*)(std::string_view);

struct Example {
    const char *name;
    Routine routine;
    std::string input;
    std::string expected;
};

std::string ones(std::size_t count) { return std::string(count, '1'); }
std::string zeros(std::size_t count) { return std::string(count, '0'); }

// The 32 binary digits of a value, computed independently of the routines.
std::string bits32(std::uint32_t value) { return std::bitset<32>(value).to_string(); }

class NumberBaseExample : public testing::TestWithParam<Example>
{
};

TEST_P(NumberBaseExample, GivesTheDocumentedText)
{
    const Example &example = GetParam();
    EXPECT_EQ(example.routine(example.input), example.expected);
}

const std::string kBinary192_168_1_1 = "11000000101010000000000100000001";

// dec2bin: at least 32 digits, every digit of 2^32 and above kept.
INSTANTIATE_TEST_SUITE_P(
    dec2bin, NumberBaseExample,
    testing::Values(Example{"Empty", netquill::dec2bin, "", zeros(32)},
                    Example{"Zero", netquill::dec2bin, "0", zeros(32)},
                    Example{"Five", netquill::dec2bin, "5", zeros(29) + "101"},
                    Example{"LargestAddress", netquill::dec2bin, "4294967295", ones(32)},
                    Example{"TwoToTheThirtyTwoKeepsThirtyThreeDigits", netquill::dec2bin, "4294967296",
                            "1" + zeros(32)},
                    Example{"Address192_168_1_1", netquill::dec2bin, "3232235777", kBinary192_168_1_1},
                    Example{"NegativeZerosStandBeforeTheSign", netquill::dec2bin, "-5", zeros(28) + "-101"},
                    Example{"LettersReadAsZero", netquill::dec2bin, "abc", zeros(32)},
                    Example{"OnlyLeadingDigitsRead", netquill::dec2bin, "12abc", zeros(28) + "1100"},
                    Example{"LeadingBlankReadsAsZero", netquill::dec2bin, " 5", zeros(32)}),
    [](const auto &info) { return std::string(info.param.name); });

// bin2dec: any length; characters other than "1" count as zero digits.
INSTANTIATE_TEST_SUITE_P(
    bin2dec, NumberBaseExample,
    testing::Values(Example{"Empty", netquill::bin2dec, "", "0"},
                    Example{"ThirtyTwoOnes", netquill::bin2dec, ones(32), "4294967295"},
                    Example{"Address192_168_1_1", netquill::bin2dec, kBinary192_168_1_1, "3232235777"},
                    Example{"OtherCharacterKeepsItsPlace", netquill::bin2dec, "12", "2"},
                    Example{"Negative", netquill::bin2dec, "-101", "-5"},
                    Example{"ThirtyThreeDigits", netquill::bin2dec, "1" + zeros(32), "4294967296"}),
    [](const auto &info) { return std::string(info.param.name); });

// hex2bin: 32 digits, but the single "0" for the value zero.
INSTANTIATE_TEST_SUITE_P(
    hex2bin, NumberBaseExample,
    testing::Values(Example{"Zero", netquill::hex2bin, "0", "0"},
                    Example{"Address192_168_1_1", netquill::hex2bin, "C0A80101", kBinary192_168_1_1},
                    Example{"LargestAddress", netquill::hex2bin, "FFFFFFFF", ones(32)},
                    Example{"NineDigitsKeepEveryBit", netquill::hex2bin, "100000000", "1" + zeros(32)},
                    Example{"NegativeZerosStandBeforeTheSign", netquill::hex2bin, "-A", zeros(27) + "-1010"},
                    Example{"LowerCaseCountsAsZero", netquill::hex2bin, "1f", zeros(27) + "10000"},
                    Example{"OnlyForeignDigitsGiveThirtyTwoZeros", netquill::hex2bin, "G", zeros(32)}),
    [](const auto &info) { return std::string(info.param.name); });

// bin2hex: upper case, no leading zeros.
INSTANTIATE_TEST_SUITE_P(bin2hex, NumberBaseExample,
                         testing::Values(Example{"Ten", netquill::bin2hex, zeros(28) + "1010", "A"},
                                         Example{"Empty", netquill::bin2hex, "", "0"},
                                         Example{"NegativeTen", netquill::bin2hex, "-1010", "-A"},
                                         Example{"Address192_168_1_1", netquill::bin2hex, kBinary192_168_1_1,
                                                 "C0A80101"},
                                         Example{"ShortTextIsPadded", netquill::bin2hex, "11111", "1F"},
                                         Example{"OtherCharacterCountsAsZero", netquill::bin2hex, "1x1", "5"}),
                         [](const auto &info) { return std::string(info.param.name); });

// oct2dec: digit by digit, with no check that a digit is below 8.
INSTANTIATE_TEST_SUITE_P(oct2dec, NumberBaseExample,
                         testing::Values(Example{"Empty", netquill::oct2dec, "", "0"},
                                         Example{"Ten", netquill::oct2dec, "010", "8"},
                                         Example{"Address192_168_1_1", netquill::oct2dec, "30052000401", "3232235777"},
                                         Example{"EightCountsAsEight", netquill::oct2dec, "8", "8"},
                                         Example{"LetterCountsAsZero", netquill::oct2dec, "1x", "8"},
                                         Example{"SignCountsAsZero", netquill::oct2dec, "-7", "7"}),
                         [](const auto &info) { return std::string(info.param.name); });

// bin2oct: reads positions 32 down to 1; a shorter text is read as if zeros followed.
INSTANTIATE_TEST_SUITE_P(bin2oct, NumberBaseExample,
                         testing::Values(Example{"Empty", netquill::bin2oct, "", "0"},
                                         Example{"Address192_168_1_1", netquill::bin2oct, kBinary192_168_1_1,
                                                 "30052000401"},
                                         Example{"OneAloneIsTheTopBit", netquill::bin2oct, "1", "20000000000"},
                                         Example{"LowEightBits", netquill::bin2oct, zeros(24) + ones(8), "377"},
                                         Example{"DigitsPastThe32ndIgnored", netquill::bin2oct, zeros(32) + "1", "0"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Random addresses through every notation and back, checked against std::bitset.
TEST(NumberBaseRoundTrip, EveryNotationReturnsTheSameAddress)
{
    std::mt19937 random(20010101);
    std::uniform_int_distribution<std::uint32_t> anyAddress;
    for (int trial = 0; trial < 5000; ++trial) {
        const std::uint32_t value = anyAddress(random);
        const std::string decimal = std::to_string(value);
        const std::string binary = netquill::dec2bin(decimal);
        ASSERT_EQ(binary, bits32(value)) << decimal;
        ASSERT_EQ(netquill::bin2dec(binary), decimal);

        const std::string hexadecimal = netquill::bin2hex(binary);
        ASSERT_EQ(hexadecimal, [&] {
            char text[9];
            std::snprintf(text, sizeof text, "%X", value);
            return std::string(text);
        }()) << decimal;
        ASSERT_EQ(netquill::hex2bin(hexadecimal), value == 0 ? "0" : binary);

        const std::string octal = netquill::bin2oct(binary);
        ASSERT_EQ(octal, [&] {
            char text[12];
            std::snprintf(text, sizeof text, "%o", value);
            return std::string(text);
        }()) << decimal;
        ASSERT_EQ(netquill::oct2dec(octal), decimal);
    }
}

}  // namespace
