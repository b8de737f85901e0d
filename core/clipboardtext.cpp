#include "core/clipboardtext.h"

namespace netquill {

std::string joinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string joinDotted(const std::array<std::string, 4> &octets)
{
    std::string text;
    for (std::size_t k = 0; k < octets.size(); ++k) {
        if (k > 0)
            text += '.';
        text += trimBlanks(octets[k]);
    }
    return text;
}

}  // namespace netquill
