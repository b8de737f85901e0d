#include "core/fields/fieldrules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using netquill::FieldCharset;
using netquill::KeystrokeAction;
using netquill::KeystrokeOutcome;
using netquill::KeystrokeRule;

constexpr KeystrokeRule kOctet{FieldCharset::DecimalDigits, true};
constexpr KeystrokeRule kDecimal{FieldCharset::DecimalDigits, false};
constexpr KeystrokeRule kHexadecimal{FieldCharset::HexadecimalDigits, false};
constexpr KeystrokeRule kOctal{FieldCharset::OctalDigits, false};
constexpr KeystrokeRule kBinary{FieldCharset::BinaryDigits, false};

constexpr KeystrokeOutcome inserts(char c) { return {KeystrokeAction::Insert, c}; }
constexpr KeystrokeOutcome kDropped{KeystrokeAction::Drop, '\0'};
constexpr KeystrokeOutcome kMovesOn{KeystrokeAction::MoveToNextField, '\0'};

struct Keystroke {
    const char *name;
    KeystrokeRule rule;
    char typed;
    KeystrokeOutcome outcome;
};

using FilterKeystroke = testing::TestWithParam<Keystroke>;

TEST_P(FilterKeystroke, InsertsDropsOrMovesOn)
{
    EXPECT_EQ(netquill::filterKeystroke(GetParam().rule, GetParam().typed), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Keys, FilterKeystroke,
                         testing::Values(Keystroke{"OctetDigitInserted", kOctet, '7', inserts('7')},
                                         Keystroke{"OctetDotMovesOn", kOctet, '.', kMovesOn},
                                         Keystroke{"OctetLetterDropped", kOctet, 'x', kDropped},
                                         Keystroke{"DecimalNineInserted", kDecimal, '9', inserts('9')},
                                         Keystroke{"DecimalDotDroppedWithoutMoving", kDecimal, '.', kDropped},
                                         Keystroke{"HexadecimalLowerCaseBecomesUpper", kHexadecimal, 'a', inserts('A')},
                                         Keystroke{"HexadecimalGDropped", kHexadecimal, 'g', kDropped},
                                         Keystroke{"OctalSevenInserted", kOctal, '7', inserts('7')},
                                         Keystroke{"OctalEightDropped", kOctal, '8', kDropped},
                                         Keystroke{"BinaryOneInserted", kBinary, '1', inserts('1')},
                                         Keystroke{"BinaryTwoDropped", kBinary, '2', kDropped}),
                         [](const auto &info) { return std::string(info.param.name); });

struct Paste {
    const char *name;
    FieldCharset charset;
    std::string pasted;
    std::size_t room;
    std::string kept;
};

using FilterPastedText = testing::TestWithParam<Paste>;

TEST_P(FilterPastedText, KeepsWhatTypingWouldKeep)
{
    EXPECT_EQ(netquill::filterPastedText(GetParam().charset, GetParam().pasted, GetParam().room), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, FilterPastedText,
    testing::Values(Paste{"ForeignCharactersDroppedBeforeTheLimit", FieldCharset::DecimalDigits, "abc123", 3, "123"},
                    Paste{"CutToTheRoomLeft", FieldCharset::DecimalDigits, "12345", 2, "12"},
                    Paste{"HexadecimalUpperCased", FieldCharset::HexadecimalDigits, "0xc0a8-0101", 8, "0C0A8010"},
                    Paste{"OctalDropsEightAndNine", FieldCharset::OctalDigits, "1890 7", 11, "107"},
                    Paste{"BinaryKeepsZerosAndOnes", FieldCharset::BinaryDigits, "1100 0000\t1010", 32, "110000001010"},
                    Paste{"ControlCharactersAndUtf8Dropped", FieldCharset::DecimalDigits, "\0014\u200F2\n", 10, "42"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DottedAddressInPaste, FindsFourOctetsOfUpToThreeDigitsOrNothing)
{
    const auto found = [](std::string_view pasted) {
        const auto octets = netquill::dottedAddressInPaste(pasted);
        return octets ? (*octets)[0] + "|" + (*octets)[1] + "|" + (*octets)[2] + "|" + (*octets)[3] : "none";
    };
    EXPECT_EQ(found("10.1.2.3"), "10|1|2|3");
    EXPECT_EQ(found("10.0.0.0/8"), "10|0|0|0");
    EXPECT_EQ(found("1..3."), "1||3|");
    EXPECT_EQ(found("1234.5.6.7"), "123|5|6|7");
    EXPECT_EQ(found("10.1.2"), "none");
    EXPECT_EQ(found("10.1x.2.3"), "none");
}

}  // namespace
