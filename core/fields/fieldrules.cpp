#include "core/fields/fieldrules.h"

#include <algorithm>

namespace netquill {

namespace {

constexpr std::size_t kOctetDigits = 3;

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

std::string filterPastedText(FieldCharset charset, std::string_view pasted, std::size_t room)
{
    std::string kept;
    for (const char typed : pasted) {
        if (kept.size() == room)
            break;
        const char character = asTyped(charset, typed);
        if (belongsTo(charset, character))
            kept += character;
    }
    return kept;
}

std::optional<std::array<std::string, 4>> dottedAddressInPaste(std::string_view pasted)
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
        octet = std::string(address.substr(start, std::min(dot - start, kOctetDigits)));
        start = dot + 1;
    }
    return octets;
}

}  // namespace netquill
