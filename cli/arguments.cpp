#include "cli/arguments.h"

#include "core/fieldrules.h"

#include <charconv>

namespace netquill::cli {

void refuse(std::string_view argument, std::string_view text, std::string_view what)
{
    throw UsageError(std::string(argument) + " '" + std::string(text) + "': " + std::string(what));
}

std::uint64_t parseNumber(std::string_view argument, std::string_view text, std::uint64_t lowest, std::uint64_t highest)
{
    const std::string range =
        "must be a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        refuse(argument, text, range);
    return value;
}

std::array<std::string, 4> parseDottedAddress(std::string_view argument, std::string_view text)
{
    std::array<std::string, 4> octets;
    std::string_view rest = text;
    for (std::size_t k = 0; k < octets.size(); ++k) {
        const std::size_t dot = rest.find('.');
        if ((k < 3) == (dot == std::string_view::npos))
            refuse(argument, text, "must be four octets joined by dots, such as 192.168.1.1");
        const std::string_view octet = rest.substr(0, dot);
        if (octet.empty() || octet.size() > static_cast<std::size_t>(kOctetFieldLength) ||
            octet.find_first_not_of("0123456789") != std::string_view::npos || std::stoi(std::string(octet)) > 255)
            refuse(argument, text, "octet " + std::to_string(k + 1) + " must be 0 to 255");
        octets[k] = std::string(octet);
        rest = dot == std::string_view::npos ? std::string_view{} : rest.substr(dot + 1);
    }
    return octets;
}

int parseMaskBits(std::string_view argument, std::string_view text)
{
    if (text.find('.') == std::string_view::npos)
        return static_cast<int>(parseNumber(argument, text, 1, 32));
    const std::array<std::string, 4> octets = parseDottedAddress(argument, text);
    std::uint32_t mask = 0;
    for (const std::string &octet : octets)
        mask = mask << 8 | static_cast<std::uint32_t>(std::stoi(octet));
    const std::uint32_t inverse = ~mask;
    // Contiguous: the ones all lead, so the inverse is one less than a power of two.
    if (mask == 0 || (inverse & (inverse + 1)) != 0)
        refuse(argument, text, "must be a contiguous mask from 128.0.0.0 to 255.255.255.255");
    int bits = 0;
    for (std::uint32_t bit = 0x80000000u; bit != 0 && (mask & bit) != 0; bit >>= 1)
        ++bits;
    return bits;
}

std::pair<std::string_view, std::string_view> splitAtSlash(std::string_view argument, std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        refuse(argument, text, "must be an address, a slash and a mask, such as 192.168.1.0/24");
    return {text.substr(0, slash), text.substr(slash + 1)};
}

}  // namespace netquill::cli
