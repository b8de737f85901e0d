#include "core/address/addresstext.h"

#include <algorithm>
#include <array>
#include <bit>

namespace netquill {

namespace {

constexpr const char kHexDigitsBothCases[] = "0123456789abcdefABCDEF";

// The value of every byte as a hex digit, kNotHex for the others: one load a
// digit, where lists of millions of addresses are read.
constexpr std::uint8_t kNotHex = 16;
constexpr std::array<std::uint8_t, 256> hexValues()
{
    std::array<std::uint8_t, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[static_cast<std::size_t>(c)] = c >= '0' && c <= '9'   ? static_cast<std::uint8_t>(c - '0')
                                              : c >= 'a' && c <= 'f' ? static_cast<std::uint8_t>(c - 'a' + 10)
                                              : c >= 'A' && c <= 'F' ? static_cast<std::uint8_t>(c - 'A' + 10)
                                                                     : kNotHex;
    return values;
}
constexpr std::array<std::uint8_t, 256> kHexValues = hexValues();

constexpr const char *kAddressForm = "is not an address: four numbers of 0 to 255 joined by dots, such as 192.168.1.1";

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string_view withoutBlanksAround(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The sequence's length and the range its second byte must lie in.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong form
            high = lead == 0xED ? 0x9F : 0xBF;  // no surrogate
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
        } else {
            return false;
        }
        if (text.size() - at < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        at += length;
    }
    return true;
}

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

namespace detail {

std::optional<Ipv6Address> readWellFormedIpv6(std::string_view text, std::size_t *slash)
{
    std::array<std::uint16_t, 8> groups{};
    int count = 0;
    int gap = -1;  // the group index where "::" stands
    std::size_t at = 0;
    if (text.starts_with("::")) {
        gap = 0;
        at = 2;
    }
    const auto ends = [&](std::size_t k) { return k == text.size() || (slash && text[k] == '/'); };
    while (!ends(at)) {
        const std::size_t start = at;
        unsigned value = 0;
        while (at < text.size() && at - start < 5) {
            const unsigned digit = kHexValues[static_cast<unsigned char>(text[at])];
            if (digit == kNotHex)
                break;
            value = value * 16 + digit;
            ++at;
        }
        if (at < text.size() && text[at] == '.') {
            const auto ipv4 = parseAddress(text.substr(start));
            if (!ipv4 || count > 6)
                return std::nullopt;
            groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(ipv4->value() >> 16);
            groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(ipv4->value());
            at = text.size();
            break;
        }
        if (at == start || at - start > 4 || count == 8)
            return std::nullopt;
        groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(value);
        if (ends(at))
            break;
        if (text[at] != ':' || ends(at + 1))
            return std::nullopt;
        ++at;
        if (text[at] == ':') {
            if (gap >= 0)
                return std::nullopt;
            gap = count;
            ++at;
        }
    }
    if (gap < 0 ? count != 8 : count > 7)
        return std::nullopt;
    if (slash)
        *slash = at;
    Uint128 value = 0;
    const int shift = gap < 0 ? 0 : 8 - count;  // the zero groups "::" stands for
    for (int k = 0; k < count; ++k) {
        const int place = k < gap || gap < 0 ? k : k + shift;
        value |= Uint128{groups[static_cast<std::size_t>(k)]} << (112 - 16 * place);
    }
    return Ipv6Address(value);
}

Parsed<Ipv6Address> readIpv6Carefully(std::string_view text)
{
    using Refused = Parsed<Ipv6Address>;
    if (text.empty())
        return Refused::refused("is empty: an address such as 2001:db8::1 is needed");
    if (text.find('%') != std::string_view::npos)
        return Refused::refused("has a zone: a zone names a link, not an address or a block");
    if (text.find(":::") != std::string_view::npos)
        return Refused::refused("has ':::': '::' stands for the zero groups, and the ':' beside it for an empty one");
    const std::size_t doubleColon = text.find("::");
    if (doubleColon != std::string_view::npos && text.find("::", doubleColon + 1) != std::string_view::npos)
        return Refused::refused("has '::' more than once: it may stand once, for one zero group or more");
    if (text.front() == ':' && doubleColon != 0)
        return Refused::refused("begins with a single ':'");
    if (text.back() == ':' && doubleColon != text.size() - 2)
        return Refused::refused("ends with a single ':'");

    // The groups before and after the "::", each as a 16-bit value.
    std::array<std::uint16_t, 8> head{};
    std::array<std::uint16_t, 8> tail{};
    int heads = 0;
    int tails = 0;
    const auto readGroups = [&](std::string_view part, std::array<std::uint16_t, 8> &groups, int &count,
                                bool mayEndInIpv4) -> std::string {
        if (part.empty())
            return {};
        std::size_t start = 0;
        for (;;) {
            const std::size_t colon = part.find(':', start);
            const std::string_view group = part.substr(start, colon - start);
            if (colon == std::string_view::npos && mayEndInIpv4 && group.find('.') != std::string_view::npos) {
                const auto ipv4 = parseAddress(group);
                if (!ipv4)
                    return "the IPv4 part: " + ipv4.reason();
                if (count > 6)
                    return "has more than eight groups";
                groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(ipv4->value() >> 16);
                groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(ipv4->value());
                return {};
            }
            if (group.empty())
                return "has an empty group: only '::' may stand for zero groups";
            if (group.find('.') != std::string_view::npos)
                return "has a dotted IPv4 part before its end: it may stand only for the last 32 bits";
            unsigned value = 0;
            for (const char c : group) {
                const auto digit = std::string_view(kHexDigitsBothCases).find(c);
                if (digit == std::string_view::npos && static_cast<unsigned char>(c) >= 0x80)
                    return std::string("holds a character beyond ASCII, which is not a hex digit");
                if (digit == std::string_view::npos)
                    return "holds '" + std::string(1, c) + "', which is not a hex digit, a ':' or a '.'";
                value = value * 16 + static_cast<unsigned>(digit < 16 ? digit : digit - 6);
            }
            if (group.size() > 4)
                return "has a group of more than four hex digits: '" + std::string(group) + "'";
            if (count == 8)
                return "has more than eight groups";
            groups[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(value);
            if (colon == std::string_view::npos)
                return {};
            start = colon + 1;
        }
    };
    const bool compressed = doubleColon != std::string_view::npos;
    const std::string_view before = compressed ? text.substr(0, doubleColon) : text;
    const std::string_view after = compressed ? text.substr(doubleColon + 2) : std::string_view();
    if (std::string problem = readGroups(before, head, heads, !compressed); !problem.empty())
        return Refused::refused(problem);
    if (std::string problem = readGroups(after, tail, tails, true); !problem.empty())
        return Refused::refused(problem);
    if (!compressed && heads != 8)
        return Refused::refused("has " + std::to_string(heads) + (heads == 1 ? " group" : " groups") +
                                ", not eight, and no '::'");
    if (compressed && heads + tails > 7)
        return Refused::refused("has '::' with eight groups beside it: '::' stands for one zero group or more");
    Uint128 value = 0;
    for (int k = 0; k < heads; ++k)
        value |= Uint128{head[static_cast<std::size_t>(k)]} << (112 - 16 * k);
    for (int k = 0; k < tails; ++k)
        value |= Uint128{tail[static_cast<std::size_t>(k)]} << (16 * (tails - 1 - k));
    return Ipv6Address(value);
}

}  // namespace detail

Parsed<Ipv6Address> parseIpv6Address(std::string_view text)
{
    if (const auto wellFormed = detail::readWellFormedIpv6(text))
        return *wellFormed;
    return detail::readIpv6Carefully(text);
}

namespace {

// An address and its zone, which ends the text.
Parsed<ZonedIpv6Address> readZonedIpv6(std::string_view text)
{
    const std::size_t percent = text.find('%');
    const auto address = parseIpv6Address(text.substr(0, percent));
    if (!address)
        return Parsed<ZonedIpv6Address>::refused(address.reason());
    if (percent == std::string_view::npos)
        return ZonedIpv6Address{*address, {}};
    if (percent + 1 == text.size())
        return Parsed<ZonedIpv6Address>::refused("has an empty zone after '%'");
    // RFC 4007, section 11: one zone, after the one "%".
    const std::string_view zone = text.substr(percent + 1);
    if (!isUtf8(zone))
        return Parsed<ZonedIpv6Address>::refused("has a zone that is not UTF-8 text");
    if (zone.find('%') != std::string_view::npos)
        return Parsed<ZonedIpv6Address>::refused("has a '%' inside its zone: one '%' stands before one zone");
    if (zone.find_first_of(" \t") != std::string_view::npos)
        return Parsed<ZonedIpv6Address>::refused("has a blank inside its zone");
    return ZonedIpv6Address{*address, std::string(zone)};
}

}  // namespace

Parsed<ZonedIpv6Address> parseZonedIpv6Address(std::string_view text)
{
    // RFC 4007, section 11.7: a "/" ends the zone, and what follows is a prefix.
    const std::size_t percent = text.find('%');
    if (percent != std::string_view::npos && text.find('/', percent) != std::string_view::npos &&
        parseIpv6Address(text.substr(0, percent)))
        return Parsed<ZonedIpv6Address>::refused("has a prefix after its zone: an address is meant, not a block");
    return readZonedIpv6(text);
}

Parsed<ZonedIpv6Entry> parseZonedIpv6Entry(std::string_view text)
{
    const std::size_t slash = text.find('/');
    const auto address = readZonedIpv6(text.substr(0, slash));
    if (!address)
        return Parsed<ZonedIpv6Entry>::refused(address.reason());
    if (slash == std::string_view::npos)
        return ZonedIpv6Entry{*address, std::nullopt};
    const auto length = parseIpv6PrefixLength(text.substr(slash + 1));
    if (!length)
        return Parsed<ZonedIpv6Entry>::refused(length.reason());
    return ZonedIpv6Entry{*address, *length};
}

Parsed<int> parseIpv6PrefixLength(std::string_view text)
{
    if (text.empty() || text.size() > 3 || !allDigits(text))
        return Parsed<int>::refused("the prefix must be a length of 0 to 128");
    if (text.size() > 1 && text.front() == '0')
        return Parsed<int>::refused("the prefix length has a leading zero");
    int bits = 0;
    for (const char digit : text)
        bits = bits * 10 + (digit - '0');
    if (bits > 128)
        return Parsed<int>::refused("the prefix length is over 128");
    return bits;
}

Parsed<Count> parseWholeNumber(std::string_view text, Count lowest, Count highest)
{
    if (text.size() > 1 && text[0] == '0' && text[1] >= '0' && text[1] <= '9')
        return Parsed<Count>::refused("has a leading zero, which other tools read as octal");
    const std::optional<Count> count = readCount(text);
    if (!count || *count < lowest || highest < *count)
        return Parsed<Count>::refused("must be a whole number from " + lowest.text() + " to " + highest.text());
    return *count;
}

Parsed<int> AddressFamily<Ipv4Address>::readLength(std::string_view text)
{
    // A length of 0 to 32 first, as lists of millions of lines give it; the
    // rest (masks, and every refusal) as parsePrefix reads them.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() == 1 && digit(text[0]))
        return text[0] - '0';
    if (text.size() == 2 && text[0] >= '1' && text[0] <= '3' && digit(text[1]) &&
        (text[0] - '0') * 10 + (text[1] - '0') <= kLongestMask)
        return (text[0] - '0') * 10 + (text[1] - '0');
    const auto prefix = parsePrefix(text);
    if (!prefix)
        return Parsed<int>::refused(prefix.reason());
    return prefix->bits();
}

namespace {

// ADDRESS/PREFIX split at its slash.
template <typename Address>
Parsed<AddressWithPrefix<Address>> parseAroundSlash(std::string_view text, std::size_t slash)
{
    using Family = AddressFamily<Address>;
    using Refused = Parsed<AddressWithPrefix<Address>>;
    const auto address = Family::readAddress(text.substr(0, slash));
    if (!address)
        return Refused::refused(address.reason());
    const auto length = Family::readLength(text.substr(slash + 1));
    if (!length)
        return Refused::refused(length.reason());
    return AddressWithPrefix<Address>{*address, *length};
}

}  // namespace

template <typename Address>
Parsed<AddressWithPrefix<Address>> parseWithPrefix(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return Parsed<AddressWithPrefix<Address>>::refused(AddressFamily<Address>::kNoPrefix);
    return parseAroundSlash<Address>(text, slash);
}

template <typename Address>
Parsed<Block<Address>> parseBlock(std::string_view text)
{
    const auto given = parseWithPrefix<Address>(text);
    if (!given)
        return Parsed<Block<Address>>::refused(given.reason());
    if (given->block().network != given->address)
        return Parsed<Block<Address>>::refused("has host bits set: the block that holds it is " +
                                               given->block().text());
    return given->block();
}

// A range of either family: FIRST-LAST (blanks allowed around the dash),
// ADDRESS/PREFIX (the block that holds the address) or one address. The
// marks are found in one plain pass, as lists of millions of lines pass here.
template <typename Address>
Parsed<Range<Address>> parseRange(std::string_view text)
{
    using Refused = Parsed<Range<Address>>;
    const auto readAddress = AddressFamily<Address>::readAddress;
    std::size_t mark = 0;
    while (mark < text.size() && text[mark] != '-' && text[mark] != '/')
        ++mark;
    if (mark < text.size() && text[mark] == '-') {
        if (familyOf(text.substr(0, mark)) != familyOf(text.substr(mark + 1)))
            return Refused::refused(kMixedFamilies);
        const auto first = readAddress(withoutBlanksAround(text.substr(0, mark)));
        if (!first)
            return Refused::refused("the first address " + first.reason());
        const auto last = readAddress(withoutBlanksAround(text.substr(mark + 1)));
        if (!last)
            return Refused::refused("the last address " + last.reason());
        if (*last < *first)
            return Refused::refused("the range runs backwards: its last address comes before its first");
        return Range<Address>{*first, *last};
    }
    if (mark < text.size()) {
        const auto given = parseAroundSlash<Address>(text, mark);
        if (!given)
            return Refused::refused(given.reason());
        return given->block().range();
    }
    const auto address = readAddress(text);
    if (!address)
        return Refused::refused(address.reason());
    return Range<Address>{*address, *address};
}

template Parsed<AddressWithPrefix<Ipv4Address>> parseWithPrefix(std::string_view text);
template Parsed<AddressWithPrefix<Ipv6Address>> parseWithPrefix(std::string_view text);
template Parsed<Ipv4Block> parseBlock(std::string_view text);
template Parsed<Ipv6Block> parseBlock(std::string_view text);
template Parsed<Range<Ipv4Address>> parseRange(std::string_view text);
template Parsed<Range<Ipv6Address>> parseRange(std::string_view text);

}  // namespace netquill
