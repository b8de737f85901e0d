#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

// IPv4 values: an address and a prefix (a mask by its number of one bits).
// Everything computes on numbers; texts appear only where a field is read
// and where a line is written.
namespace netquill {

constexpr std::uint32_t kLargestAddress = 0xFFFFFFFF;

class Ipv4Address
{
public:
    using Value = std::uint32_t;
    static constexpr int kBits = 32;

    constexpr Ipv4Address() = default;
    constexpr explicit Ipv4Address(std::uint32_t value) : m_value(value) {}

    constexpr std::uint32_t value() const { return m_value; }

    // Dotted text, "192.168.1.0".
    std::string text() const;
    void appendText(std::string &out) const;
    // Writes the dotted text (at most 15 characters) into room for 16 and
    // returns its end. Inline, as the command line writes millions a second.
    char *writeText(char *to) const;

    constexpr auto operator<=>(const Ipv4Address &) const = default;

private:
    std::uint32_t m_value = 0;
};

namespace detail {

// The decimal text of every octet value, four bytes each (three digits and
// the length), so a dotted address is four short copies.
struct OctetText {
    char digits[3];
    char length;
};

constexpr std::array<OctetText, 256> octetTexts()
{
    std::array<OctetText, 256> texts{};
    for (int value = 0; value < 256; ++value) {
        OctetText &text = texts[static_cast<std::size_t>(value)];
        text.length = static_cast<char>(value >= 100 ? 3 : value >= 10 ? 2 : 1);
        for (int digit = text.length - 1, rest = value; digit >= 0; --digit, rest /= 10)
            text.digits[digit] = static_cast<char>('0' + rest % 10);
    }
    return texts;
}

inline constexpr std::array<OctetText, 256> kOctetTexts = octetTexts();

// Four bytes always, one store; what the octet does not use, the next write covers.
inline char *writeOctet(char *to, std::uint32_t octet)
{
    const OctetText &text = kOctetTexts[octet & 0xFF];
    std::memcpy(to, &text, 4);
    return to + text.length;
}

}  // namespace detail

inline char *Ipv4Address::writeText(char *to) const
{
    to = detail::writeOctet(to, m_value >> 24);
    *to++ = '.';
    to = detail::writeOctet(to, m_value >> 16);
    *to++ = '.';
    to = detail::writeOctet(to, m_value >> 8);
    *to++ = '.';
    return detail::writeOctet(to, m_value);
}

// The masks the windows' lists offer: 1 to 32 bits.
constexpr int kShortestMask = 1;
constexpr int kLongestMask = 32;

class Prefix
{
public:
    // 0 to 32 bits; 0 is the whole address space (no mask chosen). Any other
    // length is a fault of the caller's, stopped here rather than shifted by.
    constexpr explicit Prefix(int bits = 0) : m_bits(bits)
    {
        if (bits < 0 || bits > kLongestMask)
            throw std::out_of_range("a prefix of " + std::to_string(bits) + " bits");
    }

    constexpr int bits() const { return m_bits; }
    constexpr int hostBits() const { return kLongestMask - m_bits; }
    constexpr std::uint32_t mask() const { return m_bits == 0 ? 0 : kLargestAddress << hostBits(); }
    constexpr Ipv4Address maskAddress() const { return Ipv4Address(mask()); }
    // The wildcard mask, "0.0.0.255" for a /24.
    constexpr Ipv4Address inverseAddress() const { return Ipv4Address(~mask()); }
    constexpr std::uint64_t addressCount() const { return std::uint64_t{1} << hostBits(); }
    // Usable hosts in a subnet of this prefix: 2^h − 2, its first and last
    // address being its network and broadcast; RFC 3021 counts both of a /31
    // point-to-point link, and a /32 is its one host.
    constexpr std::uint64_t usableHosts() const
    {
        return hostBits() == 0 ? 1 : hostBits() == 1 ? 2 : addressCount() - 2;
    }

    constexpr bool operator==(const Prefix &) const = default;

private:
    int m_bits;
};

}  // namespace netquill
