#include "core/fields/addressconverter.h"
#include "core/lines/clipboardtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using netquill::AddressNotation;

// The tab's eight fields written as it shows them: the octets joined by dots,
// then decimal, hexadecimal, octal and binary; "-" or a missing text for an
// empty field ("..." are four empty octets).
netquill::AddressFields fields(std::string text)
{
    std::replace(text.begin(), text.begin() + std::min(text.find(' '), text.size()), '.', ' ');
    netquill::AddressFields fields;
    std::string *parts[] = {&fields.octets[0], &fields.octets[1],   &fields.octets[2], &fields.octets[3],
                            &fields.decimal,   &fields.hexadecimal, &fields.octal,     &fields.binary};
    std::size_t part = 0;
    for (const char c : text) {
        if (c == ' ')
            ++part;
        else
            *parts[part] += c;
    }
    for (std::string *part : parts)
        if (*part == "-")
            part->clear();
    return fields;
}

struct Conversion {
    const char *name;
    AddressNotation notation;
    const char *typed;
    const char *shown;
};

using ConvertAddress = testing::TestWithParam<Conversion>;

TEST_P(ConvertAddress, ShowsEveryNotation)
{
    EXPECT_EQ(netquill::ConvertAddress(GetParam().notation, fields(GetParam().typed)), fields(GetParam().shown));
}

const char *const k192_168_1_1 = "192.168.1.1 3232235777 C0A80101 30052000401 11000000101010000000000100000001";
const char *const kAllOnes = "255.255.255.255 4294967295 FFFFFFFF 37777777777 11111111111111111111111111111111";
const char *const kAllZeros = "0.0.0.0 0 0 0 00000000000000000000000000000000";
using enum AddressNotation;

INSTANTIATE_TEST_SUITE_P(
    Notations, ConvertAddress,
    testing::Values(Conversion{"DottedAddress", DottedQuad, "192.168.1.1", k192_168_1_1},
                    Conversion{"DottedEmptyOctetsBecomeZero", DottedQuad, "...", kAllZeros},
                    Conversion{"DottedLargeOctetsFold", DottedQuad, "256.510.511.999",
                               "1.255.1.234 33489386 1FF01EA 177600752 00000001111111110000000111101010"},
                    Conversion{"DottedLeadingZerosStayAsTyped", DottedQuad, "007.00.0.1",
                               "007.00.0.1 117440513 7000001 700000001 00000111000000000000000000000001"},
                    Conversion{"DottedReplacesTheOtherFields", DottedQuad, "192.168.1.1 5 FF 7 1", k192_168_1_1},
                    Conversion{"DecimalAboveLargestIsCapped", Decimal, "... 4294967296", kAllOnes},
                    Conversion{"DecimalEmptyCountsAsZero", Decimal, "...", kAllZeros},
                    Conversion{"HexadecimalZeroGivesOneBinaryDigit", Hexadecimal, "... - 0", "0.0.0.0 0 0 0 0"},
                    Conversion{"HexadecimalEmptyStaysEmpty", Hexadecimal, "...", "0.0.0.0 0 - 0 0"},
                    Conversion{"HexadecimalLeadingZerosStay", Hexadecimal, "... - 000000FF",
                               "0.0.0.255 255 000000FF 377 00000000000000000000000011111111"},
                    Conversion{"OctalAboveLargestIsCapped", Octal, "... - - 77777777777", kAllOnes},
                    Conversion{"OctalEmptyCountsAsZero", Octal, "...", kAllZeros},
                    Conversion{"BinaryOneIsPadded", Binary, "... - - - 1",
                               "0.0.0.1 1 1 1 00000000000000000000000000000001"},
                    Conversion{"BinaryEmptyBecomesZeros", Binary, "...", kAllZeros}),
    [](const auto &info) { return std::string(info.param.name); });

// Five lines ended by CR LF; the octets lose their surrounding blanks only.
TEST(BuildAddressClipboardText, FiveLinesOfTheShownFields)
{
    EXPECT_EQ(netquill::BuildAddressClipboardText(fields(k192_168_1_1)),
              "IP Address : 192.168.1.1\r\nDecimal    : 3232235777\r\nHexadecimal: C0A80101\r\n"
              "Octal      : 30052000401\r\nBinary     : 11000000101010000000000100000001\r\n");
    netquill::AddressFields typed;
    typed.octets = {" 10", "1 ", " 2 ", "007"};
    EXPECT_EQ(netquill::BuildAddressClipboardText(typed).substr(0, 25), "IP Address : 10.1.2.007\r\n");
}

}  // namespace
