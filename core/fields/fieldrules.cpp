#include "core/fields/fieldrules.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace netquill {

namespace {

bool belongsTo(FieldCharset charset, char character)
{
    switch (charset) {
    case FieldCharset::DecimalDigits:
        return character >= '0' && character <= '9';
    case FieldCharset::HexadecimalDigits:
        return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'F');
    case FieldCharset::OctalDigits:
        return character >= '0' && character <= '7';
    case FieldCharset::BinaryDigits:
        return character == '0' || character == '1';
    }
    return false;
}

char asTyped(FieldCharset charset, char character)
{
    if (charset == FieldCharset::HexadecimalDigits && character >= 'a' && character <= 'f')
        return static_cast<char>(character - 'a' + 'A');
    return character;
}

// The letter after "0" that marks a pasted number as written in the field's
// notation; decimal has none.
char prefixLetterOf(FieldCharset charset)
{
    switch (charset) {
    case FieldCharset::DecimalDigits:
        return '\0';
    case FieldCharset::HexadecimalDigits:
        return 'x';
    case FieldCharset::OctalDigits:
        return 'o';
    case FieldCharset::BinaryDigits:
        return 'b';
    }
    return '\0';
}

bool isBlank(char character) { return character == ' ' || character == '\t' || character == '\r' || character == '\n'; }

}  // namespace

KeystrokeOutcome filterKeystroke(KeystrokeRule rule, char typed)
{
    if (rule.dotMovesOn && typed == '.')
        return {KeystrokeAction::MoveToNextField, '\0'};
    const char character = asTyped(rule.charset, typed);
    if (belongsTo(rule.charset, character))
        return {KeystrokeAction::Insert, character};
    return {KeystrokeAction::Drop, '\0'};
}

std::optional<std::string> pastedDigits(FieldCharset charset, std::string_view pasted, std::size_t room)
{
    const auto first = std::find_if_not(pasted.begin(), pasted.end(), isBlank);
    const auto end = std::find_if_not(pasted.rbegin(), std::make_reverse_iterator(first), isBlank).base();
    std::string_view digits(first, end);
    const char prefixLetter = prefixLetterOf(charset);
    if (prefixLetter != '\0' && digits.size() > 2 && digits[0] == '0' &&
        std::tolower(static_cast<unsigned char>(digits[1])) == prefixLetter)
        digits.remove_prefix(2);
    if (digits.empty() || digits.size() > room)
        return std::nullopt;
    std::string kept;
    for (const char pastedChar : digits) {
        const char character = asTyped(charset, pastedChar);
        if (!belongsTo(charset, character))
            return std::nullopt;
        kept += character;
    }
    return kept;
}

std::optional<std::array<std::string, 4>> dottedAddressInPaste(std::string_view pasted, std::size_t mostDigits)
{
    const auto first = std::find_if_not(pasted.begin(), pasted.end(), isBlank);
    const auto end = std::find_if_not(
        first, pasted.end(), [](char character) { return character == '.' || (character >= '0' && character <= '9'); });
    const std::string_view address(first, end);
    const bool restIsSuffix = end == pasted.end() || *end == '/' || isBlank(*end);
    if (!restIsSuffix || std::count(address.begin(), address.end(), '.') != 3)
        return std::nullopt;

    std::array<std::string, 4> octets;
    std::size_t start = 0;
    for (std::string &octet : octets) {
        const std::size_t dot = std::min(address.find('.', start), address.size());
        if (dot == start || dot - start > mostDigits)
            return std::nullopt;
        octet = std::string(address.substr(start, dot - start));
        start = dot + 1;
    }
    return octets;
}

}  // namespace netquill
