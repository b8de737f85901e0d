#include "core/lines/escapedtext.h"

namespace netquill {

namespace {

std::string escapedBelow(std::string_view text, unsigned kept)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (byte >= 0x20 && byte != 0x7F && byte < kept) {
                out += c;
            } else {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
        }
    }
    return out;
}

}  // namespace

std::string escaped(std::string_view text) { return escapedBelow(text, 0x80); }

std::string escapedControls(std::string_view text) { return escapedBelow(text, 0x100); }

std::string shown(std::string_view text)
{
    constexpr std::size_t kMostShown = 60;
    return text.size() <= kMostShown ? escaped(text) : escaped(text.substr(0, kMostShown)) + "\u2026";
}

}  // namespace netquill
