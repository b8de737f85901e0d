#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the address fields let through, whether typed or pasted.
namespace netquill {

enum class FieldCharset { DecimalDigits, HexadecimalDigits, OctalDigits, BinaryDigits };

// The most digits each address field holds, in the window and on the command line.
constexpr int kOctetFieldLength = 3;
constexpr int kDecimalFieldLength = 10;
constexpr int kHexadecimalFieldLength = 8;
constexpr int kOctalFieldLength = 11;
constexpr int kBinaryFieldLength = 32;

struct KeystrokeRule {
    FieldCharset charset;
    // Octet fields: "." moves on to the next field instead of being typed.
    bool dotMovesOn;
};

enum class KeystrokeAction { Insert, Drop, MoveToNextField };

struct KeystrokeOutcome {
    KeystrokeAction action;
    char character;  // what Insert puts into the field

    bool operator==(const KeystrokeOutcome &) const = default;
};

// One typed character: "." moves on from an octet field, "a"–"f" become "A"–"F"
// in a hexadecimal field, and anything outside the field's digits is dropped
// without a sound.
KeystrokeOutcome filterKeystroke(KeystrokeRule rule, char typed);

// Pasted text as the field is to hold it, or nothing when it cannot hold it
// whole: a pasted number is never cut into another one. The blanks around the
// text and the notation's prefix ("0x" hexadecimal, "0o" octal, "0b" binary,
// either case) are dropped and hexadecimal letters upper-cased; a character
// outside the field's digits, no digit at all, or more digits than `room`
// refuses the paste.
std::optional<std::string> pastedDigits(FieldCharset charset, std::string_view pasted, std::size_t room);

// A whole dotted address in pasted text ("10.1.2.3", blanks and a trailing
// "/24" or line break allowed), as four octet texts of one to `mostDigits`
// digits; nothing when the text does not hold exactly that.
std::optional<std::array<std::string, 4>> dottedAddressInPaste(std::string_view pasted, std::size_t mostDigits);

}  // namespace netquill
