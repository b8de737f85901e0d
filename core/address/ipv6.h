#pragma once

#include "core/address/bits.h"
#include "core/address/ipv4.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// IPv6 values: a 128-bit address, computed on as the IPv4 one is; texts as
// RFC 5952 prints them.
namespace netquill {

class Ipv6Address
{
public:
    using Value = Uint128;
    static constexpr int kBits = 128;

    constexpr Ipv6Address() = default;
    constexpr explicit Ipv6Address(Uint128 value) : m_value(value) {}

    constexpr Uint128 value() const { return m_value; }

    // RFC 5952: lower case, no leading zeros, "::" for the longest run of two
    // or more zero groups (the first of equal runs), and the dotted form for
    // an IPv4-mapped address ("::ffff:192.0.2.1").
    std::string text() const;
    void appendText(std::string &out) const;
    // Writes the text (at most 39 characters) into room for 40 and returns its end.
    char *writeText(char *to) const;
    // Eight groups of four digits: "2001:0db8:0000:…".
    std::string expandedText() const;
    // The 128-bit value in 32 hex digits and in 128 binary digits, leading zeros kept.
    std::string hexadecimalText() const;
    std::string binaryText() const;
    // "1.0.0.0.….8.b.d.0.1.0.0.2.ip6.arpa.", a nibble a label.
    std::string reverseName() const;
    // The IPv4 address an IPv4-mapped (::ffff:0:0/96), NAT64 (64:ff9b::/96),
    // 6to4 (2002::/16) or Teredo (2001::/32) address carries, if it is one
    // of these: for Teredo the client's, which the last 32 bits hold inverted.
    std::optional<Ipv4Address> embeddedIpv4() const;
    // The Teredo server's IPv4 address, bits 32 to 63 of a Teredo address.
    std::optional<Ipv4Address> teredoServer() const;

    constexpr auto operator<=>(const Ipv6Address &) const = default;

private:
    Uint128 m_value = 0;
};

// Writes the texts of addresses that follow one another, as the rows of a
// split do: where the zero groups stand where they stood in the address
// before, the groups that changed are written over their old digits while
// they keep their number of digits, and the text from the first that does
// not is written again. The texts are RFC 5952's, as Ipv6Address::text describes them
// (it writes each address with a writer of its own).
//
// What it buys (bench/core/lines/ipv6rows_bench, BM_Ipv6RowAddresses): the
// two addresses of a row of 2001:db8::/32 split into /64s take 25 ns written
// on from the row before and 71 ns written whole (/128s: 24 and 65 ns),
// nearly three times as long, for every row a listing writes.
class Ipv6TextWriter
{
public:
    // Writes the text (at most 39 characters) into room for 40 and returns its end.
    char *write(char *to, Ipv6Address address);
    // The text, valid until the next address; 40 bytes may be read from its start.
    std::string_view view(Ipv6Address address);

private:
    // Makes the text of `address` from the one before. True where only digits
    // were written over (also at `copy`, a copy of the text before, if given);
    // false where the text was written again.
    bool update(Ipv6Address address, char *copy);

    // The address before, in halves: a 128-bit value kept in memory is
    // stored in halves and read whole, and that read waits for the stores.
    std::uint64_t m_high = 0;
    std::uint64_t m_low = 0;
    static constexpr unsigned kNoText = ~0u;   // none written yet, or the last was IPv4-mapped
    unsigned m_zeros = kNoText;                // which groups were zero
    std::array<char, 48> m_text{};             // the text, and room for a whole 40-byte copy of it
    std::array<std::uint8_t, 8> m_digitsAt{};  // where each group's digits begin
    std::array<std::uint8_t, 8> m_digits{};    // and how many there are
    std::size_t m_length = 0;
};

}  // namespace netquill
