#include "core/fields/fieldrules.h"

#include <gtest/gtest.h>

#include <optional>
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
    std::optional<std::string> kept;  // none: refused whole
};

using PastedDigits = testing::TestWithParam<Paste>;

TEST_P(PastedDigits, WholeOrNotAtAll)
{
    EXPECT_EQ(netquill::pastedDigits(GetParam().charset, GetParam().pasted, GetParam().room), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, PastedDigits,
    testing::Values(
        // What the field takes: its notation's prefix and the blanks around dropped
        Paste{"HexadecimalPrefixDroppedAndUpperCased", FieldCharset::HexadecimalDigits, "0xc0a80101", 8, "C0A80101"},
        Paste{"HexadecimalCapitalPrefix", FieldCharset::HexadecimalDigits, "0XFF", 8, "FF"},
        Paste{"BlanksAroundDropped", FieldCharset::HexadecimalDigits, " C0A80101 \n", 8, "C0A80101"},
        Paste{"OctalPrefix", FieldCharset::OctalDigits, "0o30052000401", 11, "30052000401"},
        Paste{"BinaryPrefix", FieldCharset::BinaryDigits, "0B101", 32, "101"},
        Paste{"ExactlyTheRoomLeft", FieldCharset::DecimalDigits, "4294967295", 10, "4294967295"},
        Paste{"ZeroIsADigitNotAPrefix", FieldCharset::HexadecimalDigits, "0B", 8, "0B"},
        // What it refuses whole rather than cut
        Paste{"OneDigitMoreThanTheRoom", FieldCharset::HexadecimalDigits, "0xC0A8010101", 8, std::nullopt},
        Paste{"AnotherNotationsPrefix", FieldCharset::DecimalDigits, "0x10", 10, std::nullopt},
        Paste{"OctalEight", FieldCharset::OctalDigits, "178", 11, std::nullopt},
        Paste{"BlanksInside", FieldCharset::BinaryDigits, "1100 0000", 32, std::nullopt},
        Paste{"ForeignCharacters", FieldCharset::DecimalDigits, "x9y9", 3, std::nullopt},
        Paste{"PrefixWithoutDigits", FieldCharset::HexadecimalDigits, "0x", 8, std::nullopt},
        Paste{"OnlyBlanks", FieldCharset::DecimalDigits, " \t", 10, std::nullopt},
        Paste{"ControlCharactersAndUtf8", FieldCharset::DecimalDigits, "\0014\u200F2", 10, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DottedAddressInPaste, FindsFourWholeOctetsOrNothing)
{
    const auto found = [](std::string_view pasted, std::size_t mostDigits = 3) {
        const auto octets = netquill::dottedAddressInPaste(pasted, mostDigits);
        return octets ? (*octets)[0] + "|" + (*octets)[1] + "|" + (*octets)[2] + "|" + (*octets)[3] : "none";
    };
    EXPECT_EQ(found(" 10.1.2.3\n"), "10|1|2|3");
    EXPECT_EQ(found("10.0.0.0/8"), "10|0|0|0");
    EXPECT_EQ(found("1234.5.6.7"), "none");
    EXPECT_EQ(found("1234.5.6.7", 5), "1234|5|6|7");
    EXPECT_EQ(found("1..3."), "none");
    EXPECT_EQ(found("10.1.2"), "none");
}

}  // namespace
