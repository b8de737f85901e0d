#include "core/addressconverter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using netquill::AddressFields;
using netquill::AddressNotation;

// The tab's fields with only the chosen notation's typed.
AddressFields typedAs(AddressNotation notation, std::string text)
{
    AddressFields fields;
    std::string *typed[] = {nullptr, &fields.decimal, &fields.hexadecimal, &fields.octal, &fields.binary};
    *typed[static_cast<int>(notation)] = std::move(text);
    return fields;
}
AddressFields dotted(std::array<std::string, 4> octets) { return AddressFields{std::move(octets), "", "", "", ""}; }

struct Conversion {
    const char *name;
    AddressNotation notation;
    AddressFields typed;
    AddressFields shown;
};

using ConvertAddress = testing::TestWithParam<Conversion>;

TEST_P(ConvertAddress, ShowsEveryNotation)
{
    EXPECT_EQ(netquill::ConvertAddress(GetParam().notation, GetParam().typed), GetParam().shown);
}

const std::string kBinary192_168_1_1 = "11000000101010000000000100000001";
const AddressFields k192_168_1_1{{"192", "168", "1", "1"}, "3232235777", "C0A80101", "30052000401", kBinary192_168_1_1};
const AddressFields kAllOnes{
    {"255", "255", "255", "255"}, "4294967295", "FFFFFFFF", "37777777777", std::string(32, '1')};
const AddressFields kAllZeros{{"0", "0", "0", "0"}, "0", "0", "0", std::string(32, '0')};
constexpr auto kDotted = AddressNotation::DottedQuad;
constexpr auto kDecimal = AddressNotation::Decimal;
constexpr auto kHexadecimal = AddressNotation::Hexadecimal;
constexpr auto kOctal = AddressNotation::Octal;
constexpr auto kBinary = AddressNotation::Binary;

INSTANTIATE_TEST_SUITE_P(
    Notations, ConvertAddress,
    testing::Values(
        Conversion{"DottedAddress", kDotted, dotted({"192", "168", "1", "1"}), k192_168_1_1},
        Conversion{"DottedEmptyOctetsBecomeZero", kDotted, dotted({"", "", "", ""}), kAllZeros},
        Conversion{"DottedLargeOctetsFold",
                   kDotted,
                   dotted({"256", "510", "511", "999"}),
                   {{"1", "255", "1", "234"}, "33489386", "1FF01EA", "177600752", "00000001111111110000000111101010"}},
        Conversion{"DottedLeadingZerosStayAsTyped",
                   kDotted,
                   dotted({"007", "00", "0", "1"}),
                   {{"007", "00", "0", "1"}, "117440513", "7000001", "700000001", "00000111000000000000000000000001"}},
        Conversion{
            "DottedReplacesTheOtherFields", kDotted, {{"192", "168", "1", "1"}, "5", "FF", "7", "1"}, k192_168_1_1},
        Conversion{"DecimalAddress", kDecimal, typedAs(kDecimal, "3232235777"), k192_168_1_1},
        Conversion{"DecimalAboveLargestIsCapped", kDecimal, typedAs(kDecimal, "4294967296"), kAllOnes},
        Conversion{"DecimalEmptyCountsAsZero", kDecimal, typedAs(kDecimal, ""), kAllZeros},
        Conversion{"HexadecimalAddress", kHexadecimal, typedAs(kHexadecimal, "C0A80101"), k192_168_1_1},
        Conversion{"HexadecimalZeroGivesOneBinaryDigit",
                   kHexadecimal,
                   typedAs(kHexadecimal, "0"),
                   {{"0", "0", "0", "0"}, "0", "0", "0", "0"}},
        Conversion{"HexadecimalEmptyStaysEmpty",
                   kHexadecimal,
                   typedAs(kHexadecimal, ""),
                   {{"0", "0", "0", "0"}, "0", "", "0", "0"}},
        Conversion{"HexadecimalLeadingZerosStay",
                   kHexadecimal,
                   typedAs(kHexadecimal, "000000FF"),
                   {{"0", "0", "0", "255"}, "255", "000000FF", "377", std::string(24, '0') + "11111111"}},
        Conversion{"OctalAddress", kOctal, typedAs(kOctal, "30052000401"), k192_168_1_1},
        Conversion{"OctalAboveLargestIsCapped", kOctal, typedAs(kOctal, "77777777777"), kAllOnes},
        Conversion{"OctalEmptyCountsAsZero", kOctal, typedAs(kOctal, ""), kAllZeros},
        Conversion{"BinaryAddress", kBinary, typedAs(kBinary, kBinary192_168_1_1), k192_168_1_1},
        Conversion{"BinaryOneIsPadded",
                   kBinary,
                   typedAs(kBinary, "1"),
                   {{"0", "0", "0", "1"}, "1", "1", "1", std::string(31, '0') + "1"}},
        Conversion{"BinaryEmptyBecomesZeros", kBinary, typedAs(kBinary, ""), kAllZeros}),
    [](const auto &info) { return std::string(info.param.name); });

// Five lines ended by CR LF; the octets lose their surrounding blanks only.
TEST(BuildAddressClipboardText, FiveLinesOfTheShownFields)
{
    EXPECT_EQ(netquill::BuildAddressClipboardText(k192_168_1_1),
              "IP Address : 192.168.1.1\r\nDecimal    : 3232235777\r\nHexadecimal: C0A80101\r\n"
              "Octal      : 30052000401\r\nBinary     : 11000000101010000000000100000001\r\n");
    EXPECT_EQ(netquill::BuildAddressClipboardText(dotted({" 10", "1 ", " 2 ", "007"})).substr(0, 25),
              "IP Address : 10.1.2.007\r\n");
}

}  // namespace
