// The six routines' documented texts where the input is not a plain number;
// the fuzz target checks plain numbers against integer arithmetic.
#include "core/fields/numberbase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Example {
    const char *name;
    std::string (*routine)(std::string_view);
    std::string input;
    std::string expected;
};

std::string zeros(std::size_t count) { return std::string(count, '0'); }

using NumberBase = testing::TestWithParam<Example>;

TEST_P(NumberBase, GivesTheDocumentedText) { EXPECT_EQ(GetParam().routine(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Routines, NumberBase,
                         testing::Values(
                             // dec2bin: at least 32 digits, every digit of 2^32 and above kept.
                             Example{"dec2bin_Empty", netquill::dec2bin, "", zeros(32)},
                             Example{"dec2bin_ZerosStandBeforeTheSign", netquill::dec2bin, "-5", zeros(28) + "-101"},
                             Example{"dec2bin_OnlyLeadingDigitsRead", netquill::dec2bin, "12abc", zeros(28) + "1100"},
                             Example{"dec2bin_LeadingBlankReadsAsZero", netquill::dec2bin, " 5", zeros(32)},
                             // bin2dec: any length; characters other than "1" are zero digits.
                             Example{"bin2dec_Empty", netquill::bin2dec, "", "0"},
                             Example{"bin2dec_OtherCharacterKeepsItsPlace", netquill::bin2dec, "12", "2"},
                             Example{"bin2dec_Negative", netquill::bin2dec, "-101", "-5"},
                             // hex2bin: 32 digits, but the single "0" for the value zero.
                             Example{"hex2bin_Zero", netquill::hex2bin, "0", "0"},
                             Example{"hex2bin_NineDigitsKeepEveryBit", netquill::hex2bin, "100000000", "1" + zeros(32)},
                             Example{"hex2bin_ZerosStandBeforeTheSign", netquill::hex2bin, "-A", zeros(27) + "-1010"},
                             Example{"hex2bin_LowerCaseCountsAsZero", netquill::hex2bin, "1f", zeros(27) + "10000"},
                             Example{"hex2bin_OnlyForeignDigitsGiveZeros", netquill::hex2bin, "G", zeros(32)},
                             // bin2hex: upper case, no leading zeros.
                             Example{"bin2hex_Empty", netquill::bin2hex, "", "0"},
                             Example{"bin2hex_NegativeTen", netquill::bin2hex, "-1010", "-A"},
                             Example{"bin2hex_OtherCharacterCountsAsZero", netquill::bin2hex, "1x1", "5"},
                             // oct2dec: digit by digit, with no check that a digit is below 8.
                             Example{"oct2dec_Empty", netquill::oct2dec, "", "0"},
                             Example{"oct2dec_EightCountsAsEight", netquill::oct2dec, "8", "8"},
                             Example{"oct2dec_SignCountsAsZero", netquill::oct2dec, "-7", "7"},
                             // bin2oct: reads positions 32 down to 1, as if zeros followed a shorter text.
                             Example{"bin2oct_Empty", netquill::bin2oct, "", "0"},
                             Example{"bin2oct_OneAloneIsTheTopBit", netquill::bin2oct, "1", "20000000000"},
                             Example{"bin2oct_DigitsPastThe32ndIgnored", netquill::bin2oct, zeros(32) + "1", "0"}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
