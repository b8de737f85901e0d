#pragma once

#include "core/address/anyaddress.h"
#include "core/address/functionref.h"

#include <cstddef>
#include <optional>
#include <string_view>

// Addresses as they stand in free text, such as the lines of a log: a whole
// token only, of either family, in its common dressings. An IPv4 address
// stands between characters that cannot continue it ("src=192.0.2.7:5353",
// "(10.0.0.1)", a sentence's final dot); "1.2.3.45" is not 1.2.3.4, and
// "v1.2.3.4", "10.0.0.256" and "1.2.3.4.5" hold no address. An IPv6 address
// may stand in brackets with a port ("[2001:db8::1]:443"), after a key
// ("addr=2001:db8::1,"), with a zone ("fe80::1%eth0") or with a dotted tail:
// "::ffff:192.0.2.1" is one IPv6 address, not an IPv4 one. Each token is read
// by the core's one parser.
namespace netquill {

struct FoundAddress {
    std::size_t at = 0;  // where its text starts in the line
    std::size_t size = 0;
    AnyAddress address;

    bool operator==(const FoundAddress &) const = default;
};

// The first address at or after `from`. The line's end counts as a
// boundary, and so does its start unless `boundaryBefore` says that the text
// goes on from a piece before it.
std::optional<FoundAddress> nextAddress(std::string_view line, std::size_t from = 0, bool boundaryBefore = true);

// The length of the zone ("%eth0") that follows an IPv6 address ending at
// `end`, 0 where none does: "%" and RFC 6874's unreserved characters
// (letters, digits, "-", ".", "_", "~"), which is what zones are named with.
std::size_t zoneLength(std::string_view line, std::size_t end);

// The size of the address's text with the zone that follows it, for IPv6.
std::size_t sizeWithZone(std::string_view line, const FoundAddress &found);

// Every address of the line in turn, in one pass over it, until `found`
// says stop (false): the addresses nextAddress finds one after the other.
void forEachAddress(std::string_view line, bool boundaryBefore, FunctionRef<bool(const FoundAddress &)> found);

// Whether an address may stand right after or before the character.
bool isAddressBoundary(char c);

// Where a long line read in pieces is cut, so that no address is cut: the
// text from the cut goes on in the next piece, which starts after a boundary
// when the character before the cut is one. The cut is the start of the run
// of address characters that reaches the piece's end, or, for a run too long
// to be an address, its last colon (a dotted IPv4 address may follow
// one); the piece's end when nothing can still become an address.
std::size_t safeEnd(std::string_view piece);

}  // namespace netquill
