#include "core/addresstext.h"

#include <algorithm>
#include <bit>

namespace netquill {

namespace {

constexpr const char *kAddressForm = "is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ADDRESS/PREFIX split at its slash; a plain loop, as lists of millions of lines pass here.
Parsed<AddressWithPrefix> parseAroundSlash(std::string_view text, std::size_t slash)
{
    const auto address = parseAddress(text.substr(0, slash));
    if (!address)
        return Parsed<AddressWithPrefix>::refused(address.reason());
    const auto prefix = parsePrefix(text.substr(slash + 1));
    if (!prefix)
        return Parsed<AddressWithPrefix>::refused(prefix.reason());
    return AddressWithPrefix{*address, *prefix};
}

}  // namespace

Parsed<Ipv4Address> parseAddress(std::string_view text)
{
    if (text.empty())
        return Parsed<Ipv4Address>::refused("is empty: an address such as 192.168.1.1 is needed");
    std::uint32_t value = 0;
    std::size_t at = 0;
    for (int octet = 1; octet <= 4; ++octet) {
        if (octet > 1) {
            if (at == text.size() || text[at] != '.')
                return Parsed<Ipv4Address>::refused(kAddressForm);
            ++at;
        }
        // One to three digits, unrolled: lists of millions of lines pass here.
        const auto digitAt = [&text](std::size_t k) {
            return k < text.size() ? static_cast<unsigned>(static_cast<unsigned char>(text[k]) - '0') : 10u;
        };
        unsigned number = digitAt(at);
        if (number > 9)
            return Parsed<Ipv4Address>::refused(kAddressForm);
        ++at;
        for (int more = 0; more < 3 && digitAt(at) <= 9; ++more) {
            if (more == 0 && number == 0)
                return Parsed<Ipv4Address>::refused("octet " + std::to_string(octet) +
                                                    " has a leading zero, which other tools read as octal");
            number = number * 10 + digitAt(at++);
        }
        if (number > 255)
            return Parsed<Ipv4Address>::refused("octet " + std::to_string(octet) + " is above 255");
        value = value << 8 | number;
    }
    if (at != text.size())
        return Parsed<Ipv4Address>::refused(kAddressForm);
    return Ipv4Address(value);
}

Parsed<Prefix> parsePrefix(std::string_view text)
{
    if (std::any_of(text.begin(), text.end(), [](char c) { return c == '.'; })) {
        const auto mask = parseAddress(text);
        if (!mask)
            return Parsed<Prefix>::refused("the mask " + mask.reason());
        const std::uint32_t inverse = ~mask->value();
        // Contiguous: the ones all lead, so the inverse is one less than a power of two.
        if ((inverse & (inverse + 1)) != 0)
            return Parsed<Prefix>::refused("the mask is not contiguous: its one bits must all come first");
        return Prefix(std::countl_one(mask->value()));
    }
    if (text.empty() || !allDigits(text))
        return Parsed<Prefix>::refused("the prefix must be a length of 0 to 32 or a dotted mask such as 255.255.255.0");
    if (text.size() > 1 && text.front() == '0')
        return Parsed<Prefix>::refused("the prefix length has a leading zero");
    const int bits = text.size() == 1 ? text[0] - '0' : text.size() == 2 ? (text[0] - '0') * 10 + (text[1] - '0') : 99;
    if (bits > kLongestMask)
        return Parsed<Prefix>::refused("the prefix length is over 32");
    return Prefix(bits);
}

Parsed<AddressWithPrefix> parseAddressWithPrefix(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return Parsed<AddressWithPrefix>::refused("needs a prefix after a slash, such as 192.168.1.0/24");
    return parseAroundSlash(text, slash);
}

Parsed<Block> parseBlock(std::string_view text)
{
    const auto given = parseAddressWithPrefix(text);
    if (!given)
        return Parsed<Block>::refused(given.reason());
    if (given->hasHostBits())
        return Parsed<Block>::refused("has host bits set: the block that holds it is " + given->block().text());
    return given->block();
}

Parsed<AddressRange> parseRange(std::string_view text)
{
    std::size_t mark = 0;
    while (mark < text.size() && text[mark] != '-' && text[mark] != '/')
        ++mark;
    if (mark == text.size())
        mark = std::string_view::npos;
    if (mark != std::string_view::npos && text[mark] == '-') {
        const std::size_t dash = mark;
        const auto first = parseAddress(trimmed(text.substr(0, dash)));
        if (!first)
            return Parsed<AddressRange>::refused("the first address " + first.reason());
        const auto last = parseAddress(trimmed(text.substr(dash + 1)));
        if (!last)
            return Parsed<AddressRange>::refused("the last address " + last.reason());
        if (*last < *first)
            return Parsed<AddressRange>::refused("the range runs backwards: its last address comes before its first");
        return AddressRange{*first, *last};
    }
    if (mark != std::string_view::npos) {
        const auto given = parseAroundSlash(text, mark);
        if (!given)
            return Parsed<AddressRange>::refused(given.reason());
        const Block block = given->block();
        return AddressRange{block.network, block.broadcast()};
    }
    const auto address = parseAddress(text);
    if (!address)
        return Parsed<AddressRange>::refused(address.reason());
    return AddressRange{*address, *address};
}

}  // namespace netquill
