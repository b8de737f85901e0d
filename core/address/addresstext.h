#pragma once

#include "core/address/block.h"
#include "core/address/parsed.h"

#include <optional>
#include <string>
#include <string_view>

// The one strict reading of address texts, for every command of netquill-cli
// and every line of its address lists: an address, a prefix (a length or a
// contiguous dotted mask), an address with its prefix, and a range. A text is
// taken whole or refused with the reason, one reason for one mistake. (The
// window's fields are forgiving instead: they fold and correct as users of
// the old tool expect, in core/fields/octet.h.)
namespace netquill {

// Four decimal octets of 0 to 255 joined by dots, without leading zeros
// ("010" is octal 8 to some tools and ten to others, so it is refused).
Parsed<Ipv4Address> parseAddress(std::string_view text);

// A prefix length of 0 to 32, or a contiguous dotted mask ("255.255.255.0").
Parsed<Prefix> parsePrefix(std::string_view text);

// The text without the blanks (spaces and tabs) around it, as entries of lists are read.
std::string_view withoutBlanksAround(std::string_view text);

// Whether the bytes are UTF-8 as RFC 3629 defines it: no overlong form, no
// surrogate, nothing past U+10FFFF. Names and zones are kept as given, and
// JSON may hold only such text.
bool isUtf8(std::string_view text);

// Why a range whose ends are of two families is refused, whichever reads it.
constexpr const char *kMixedFamilies = "mixes IPv4 and IPv6: both ends of a range are of one family";

// RFC 4291 text: eight groups of one to four hex digits, at most one "::"
// standing for one zero group or more, a dotted IPv4 tail only in the last
// 32 bits. A zone ("%eth0") is refused: it names a link, not an address.
Parsed<Ipv6Address> parseIpv6Address(std::string_view text);

namespace detail {
// The two readings parseIpv6Address makes: one pass over well-formed text,
// as lists of millions of lines hold, taking nothing it cannot take whole;
// then, for what that left, the careful reading that gives the reason. A
// fuzz target checks that the careful one takes whatever the fast one does.
// With `slash`, the address may end at a "/" instead, whose place is kept
// there (the text's size where it has none).
std::optional<Ipv6Address> readWellFormedIpv6(std::string_view text, std::size_t *slash = nullptr);
Parsed<Ipv6Address> readIpv6Carefully(std::string_view text);
}  // namespace detail

// The same with its zone, kept verbatim, for where an address is only shown.
struct ZonedIpv6Address {
    Ipv6Address address;
    std::string zone;  // without the "%"; empty when none
};
Parsed<ZonedIpv6Address> parseZonedIpv6Address(std::string_view text);

// An address with its zone and, after a slash, the length of the block that
// holds it, as RFC 4007 (section 11.7) writes them: "fe80::1%eth0/64".
struct ZonedIpv6Entry {
    ZonedIpv6Address address;
    std::optional<int> length;  // none without a slash
};
Parsed<ZonedIpv6Entry> parseZonedIpv6Entry(std::string_view text);

// A prefix length of 0 to 128, without a leading zero.
Parsed<int> parseIpv6PrefixLength(std::string_view text);

// A whole number of `lowest` to `highest` (which may be 2^128) in decimal
// digits; "007" is refused, as other tools read it as octal.
Parsed<Count> parseWholeNumber(std::string_view text, Count lowest, Count highest);

enum class Family { Ipv4, Ipv6 };
constexpr Family otherFamily(Family family) { return family == Family::Ipv6 ? Family::Ipv4 : Family::Ipv6; }

// What tells the families apart where a text is read: their parsers of an
// address and of a prefix length, and the names the messages give them.
template <typename Address>
struct AddressFamily;

template <>
struct AddressFamily<Ipv4Address> {
    static constexpr Family kFamily = Family::Ipv4;
    static constexpr const char *kName = "IPv4";
    static constexpr const char *kNoPrefix = "needs a prefix after a slash, such as 192.168.1.0/24";
    static Parsed<Ipv4Address> readAddress(std::string_view text) { return parseAddress(text); }
    // A length or a dotted mask, as parsePrefix reads it.
    static Parsed<int> readLength(std::string_view text);
};

template <>
struct AddressFamily<Ipv6Address> {
    static constexpr Family kFamily = Family::Ipv6;
    static constexpr const char *kName = "IPv6";
    static constexpr const char *kNoPrefix = "needs a prefix length after a slash, such as 2001:db8::/32";
    static Parsed<Ipv6Address> readAddress(std::string_view text) { return parseIpv6Address(text); }
    static Parsed<int> readLength(std::string_view text) { return parseIpv6PrefixLength(text); }
};

// "ADDRESS/PREFIX", the address as written.
template <typename Address>
struct AddressWithPrefix {
    Address address;
    int length = 0;

    Block<Address> block() const { return Block<Address>::containing(address, length); }
};
template <typename Address>
Parsed<AddressWithPrefix<Address>> parseWithPrefix(std::string_view text);

// A block given by its network address: host bits set are refused, naming
// the block that holds the address.
template <typename Address>
Parsed<Block<Address>> parseBlock(std::string_view text);

// "FIRST-LAST" (blanks allowed around the dash), "ADDRESS/PREFIX" (the block
// that holds the address) or one address.
template <typename Address>
Parsed<Range<Address>> parseRange(std::string_view text);

// The family a text is written in: IPv6 where its address, before any "/",
// holds a colon ("1.1.1.1/::" is an IPv4 address with a wrong prefix).
inline Family familyOf(std::string_view text)
{
    const std::size_t colon = text.find(':');
    return colon != std::string_view::npos && text.substr(0, colon).find('/') == std::string_view::npos ? Family::Ipv6
                                                                                                        : Family::Ipv4;
}

}  // namespace netquill
