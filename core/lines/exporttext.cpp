#include "core/lines/exporttext.h"

#include "core/lines/htmltext.h"

namespace netquill {

namespace {

constexpr char32_t kNotACharacter = 0xFFFD;

// The next code point of a UTF-8 text; a broken sequence reads as one U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t &at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int continuation = 0;
    char32_t codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3;
        codePoint = lead & 0x07;
    } else {
        return kNotACharacter;
    }
    for (int k = 0; k < continuation; ++k) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return kNotACharacter;
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return codePoint;
}

}  // namespace

std::string exportBytes(std::string_view utf8, ExportMode mode)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t codePoint = nextCodePoint(utf8, at);
        if (mode == ExportMode::HTML) {
            if (codePoint > 0xFF)
                bytes += "&#" + std::to_string(static_cast<std::uint32_t>(codePoint)) + ";";
            else
                bytes += escapeHtml(std::string(1, static_cast<char>(codePoint)));
        } else {
            bytes += codePoint > 0xFF ? '?' : static_cast<char>(codePoint);
        }
    }
    return bytes;
}

}  // namespace netquill
