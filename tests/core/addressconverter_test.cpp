#include "core/addressconverter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using netquill::AddressFields;
using netquill::AddressNotation;

std::string ones(std::size_t count) { return std::string(count, '1'); }
std::string zeros(std::size_t count) { return std::string(count, '0'); }

AddressFields fields(std::array<std::string, 4> octets, std::string decimal, std::string hexadecimal, std::string octal,
                     std::string binary)
{
    return AddressFields{std::move(octets), std::move(decimal), std::move(hexadecimal), std::move(octal),
                         std::move(binary)};
}

AddressFields dotted(std::array<std::string, 4> octets) { return fields(std::move(octets), "", "", "", ""); }
AddressFields decimal(std::string text) { return fields({}, std::move(text), "", "", ""); }
AddressFields hexadecimal(std::string text) { return fields({}, "", std::move(text), "", ""); }
AddressFields octal(std::string text) { return fields({}, "", "", std::move(text), ""); }
AddressFields binary(std::string text) { return fields({}, "", "", "", std::move(text)); }

struct Conversion {
    const char *name;
    AddressNotation notation;
    AddressFields typed;
    AddressFields shown;
};

class ConvertAddress : public testing::TestWithParam<Conversion>
{
};

TEST_P(ConvertAddress, ShowsEveryNotation)
{
    EXPECT_EQ(netquill::ConvertAddress(GetParam().notation, GetParam().typed), GetParam().shown);
}

const std::string kBinary192_168_1_1 = "11000000101010000000000100000001";
const AddressFields kShown192_168_1_1 =
    fields({"192", "168", "1", "1"}, "3232235777", "C0A80101", "30052000401", kBinary192_168_1_1);
const AddressFields kShownAllOnes =
    fields({"255", "255", "255", "255"}, "4294967295", "FFFFFFFF", "37777777777", ones(32));
const AddressFields kShownAllZeros = fields({"0", "0", "0", "0"}, "0", "0", "0", zeros(32));

INSTANTIATE_TEST_SUITE_P(
    DottedQuad, ConvertAddress,
    testing::Values(Conversion{"Address192_168_1_1", AddressNotation::DottedQuad, dotted({"192", "168", "1", "1"}),
                               kShown192_168_1_1},
                    Conversion{"EmptyOctetsBecomeZero", AddressNotation::DottedQuad, dotted({"", "", "", ""}),
                               kShownAllZeros},
                    Conversion{"LargeOctetsFold", AddressNotation::DottedQuad, dotted({"256", "510", "511", "999"}),
                               fields({"1", "255", "1", "234"}, "33489386", "1FF01EA", "177600752",
                                      "00000001111111110000000111101010")},
                    Conversion{"LeadingZerosStayAsTyped", AddressNotation::DottedQuad, dotted({"007", "00", "0", "1"}),
                               fields({"007", "00", "0", "1"}, "117440513", "7000001", "700000001",
                                      "00000111000000000000000000000001")},
                    Conversion{"OtherFieldsAreReplaced", AddressNotation::DottedQuad,
                               fields({"192", "168", "1", "1"}, "5", "FF", "7", "1"), kShown192_168_1_1}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Decimal, ConvertAddress,
    testing::Values(Conversion{"Address192_168_1_1", AddressNotation::Decimal, decimal("3232235777"),
                               kShown192_168_1_1},
                    Conversion{"AboveLargestIsCapped", AddressNotation::Decimal, decimal("4294967296"), kShownAllOnes},
                    Conversion{"EmptyCountsAsZero", AddressNotation::Decimal, decimal(""), kShownAllZeros}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ConvertAddress,
    testing::Values(Conversion{"Address192_168_1_1", AddressNotation::Hexadecimal, hexadecimal("C0A80101"),
                               kShown192_168_1_1},
                    Conversion{"ZeroGivesOneBinaryDigit", AddressNotation::Hexadecimal, hexadecimal("0"),
                               fields({"0", "0", "0", "0"}, "0", "0", "0", "0")},
                    Conversion{"EmptyStaysEmpty", AddressNotation::Hexadecimal, hexadecimal(""),
                               fields({"0", "0", "0", "0"}, "0", "", "0", "0")},
                    Conversion{"LeadingZerosStayAsTyped", AddressNotation::Hexadecimal, hexadecimal("000000FF"),
                               fields({"0", "0", "0", "255"}, "255", "000000FF", "377", zeros(24) + ones(8))}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Octal, ConvertAddress,
    testing::Values(Conversion{"Address192_168_1_1", AddressNotation::Octal, octal("30052000401"), kShown192_168_1_1},
                    Conversion{"AboveLargestIsCapped", AddressNotation::Octal, octal("77777777777"), kShownAllOnes},
                    Conversion{"Ten", AddressNotation::Octal, octal("10"),
                               fields({"0", "0", "0", "8"}, "8", "8", "10", zeros(28) + "1000")},
                    Conversion{"EmptyCountsAsZero", AddressNotation::Octal, octal(""), kShownAllZeros}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Binary, ConvertAddress,
                         testing::Values(Conversion{"Address192_168_1_1", AddressNotation::Binary,
                                                    binary(kBinary192_168_1_1), kShown192_168_1_1},
                                         Conversion{"OneIsPadded", AddressNotation::Binary, binary("1"),
                                                    fields({"0", "0", "0", "1"}, "1", "1", "1", zeros(31) + "1")},
                                         Conversion{"EmptyBecomesThirtyTwoZeros", AddressNotation::Binary, binary(""),
                                                    kShownAllZeros}),
                         [](const auto &info) { return std::string(info.param.name); });

// The five clipboard lines.
TEST(BuildAddressClipboardText, FiveLinesEachEndedByCarriageReturnLineFeed)
{
    EXPECT_EQ(netquill::BuildAddressClipboardText(kShown192_168_1_1),
              "IP Address : 192.168.1.1\r\n"
              "Decimal    : 3232235777\r\n"
              "Hexadecimal: C0A80101\r\n"
              "Octal      : 30052000401\r\n"
              "Binary     : 11000000101010000000000100000001\r\n");
}

TEST(BuildAddressClipboardText, OctetsLoseSurroundingBlanksOnly)
{
    const AddressFields typed = dotted({" 10", "1 ", " 2 ", "007"});
    EXPECT_EQ(netquill::BuildAddressClipboardText(typed).substr(0, 25), "IP Address : 10.1.2.007\r\n");
}

}  // namespace
