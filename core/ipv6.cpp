#include "core/ipv6.h"

#include <algorithm>

namespace netquill {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The first longest run of two or more zero groups: its start and length.
std::pair<int, int> longestZeroRun(const Ipv6Address &address)
{
    int bestStart = -1;
    int bestLength = 1;
    for (int start = 0; start < 8;) {
        int end = start;
        while (end < 8 && address.group(end) == 0)
            ++end;
        if (end - start > bestLength) {
            bestStart = start;
            bestLength = end - start;
        }
        start = end == start ? start + 1 : end;
    }
    return {bestStart, bestStart < 0 ? 0 : bestLength};
}

void appendGroup(std::string &out, std::uint16_t group)
{
    bool started = false;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int nibble = (group >> shift) & 0xF;
        if (nibble != 0 || started || shift == 0) {
            out += kHexDigits[nibble];
            started = true;
        }
    }
}

}  // namespace

std::string decimalText(Uint128 value)
{
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string decimalCount(Uint128 value, bool whole)
{
    return whole ? "340282366920938463463374607431768211456" : decimalText(value);
}

void Ipv6Address::appendText(std::string &out) const
{
    // IPv4-mapped: ::ffff:a.b.c.d.
    if ((m_value >> 32) == 0xFFFF) {
        out += "::ffff:";
        Ipv4Address(static_cast<std::uint32_t>(m_value)).appendText(out);
        return;
    }
    const auto [zerosStart, zerosLength] = longestZeroRun(*this);
    for (int k = 0; k < 8; ++k) {
        if (k == zerosStart) {
            out += "::";
            k += zerosLength - 1;
            continue;
        }
        if (k > 0 && k != zerosStart + zerosLength)
            out += ':';
        appendGroup(out, group(k));
    }
}

std::string Ipv6Address::text() const
{
    std::string out;
    appendText(out);
    return out;
}

std::string Ipv6Address::expandedText() const
{
    std::string out;
    for (int k = 0; k < 8; ++k) {
        if (k > 0)
            out += ':';
        for (int shift = 12; shift >= 0; shift -= 4)
            out += kHexDigits[(group(k) >> shift) & 0xF];
    }
    return out;
}

std::string Ipv6Address::reverseName() const
{
    std::string out;
    for (int nibble = 0; nibble < 32; ++nibble)
        out.append(1, kHexDigits[static_cast<int>(m_value >> (4 * nibble)) & 0xF]).append(".");
    return out + "ip6.arpa.";
}

std::optional<Ipv4Address> Ipv6Address::embeddedIpv4() const
{
    const auto low32 = Ipv4Address(static_cast<std::uint32_t>(m_value));
    if ((m_value >> 32) == 0xFFFF || (m_value >> 32) == (Uint128{0x0064FF9B} << 64))
        return low32;
    if ((m_value >> 112) == 0x2002)
        return Ipv4Address(static_cast<std::uint32_t>(m_value >> 80));
    return std::nullopt;
}

void Ipv6Block::appendText(std::string &out) const
{
    network.appendText(out);
    out += '/';
    out += std::to_string(length);
}

std::string Ipv6Block::text() const
{
    std::string out;
    appendText(out);
    return out;
}

namespace {

// The zones of a block in labels of `labelBits` bits: the block's own where
// its prefix ends on a label, else each value of the label it ends in.
template <typename Name>
std::vector<std::string> zonesOf(int length, int labelBits, Name nameOfLabels)
{
    const int whole = length / labelBits;
    const int partBits = length % labelBits;
    if (partBits == 0)
        return {nameOfLabels(whole, -1)};
    std::vector<std::string> zones;
    for (int value = 0; value < (1 << (labelBits - partBits)); ++value)
        zones.push_back(nameOfLabels(whole + 1, value));
    return zones;
}

}  // namespace

std::vector<std::string> Ipv6Block::reverseZones() const
{
    const Uint128 first = network.value();
    return zonesOf(length, 4, [first](int nibbles, int extra) {
        std::string name;
        for (int k = nibbles - 1; k >= 0; --k) {
            int nibble = static_cast<int>(first >> (124 - 4 * k)) & 0xF;
            if (extra >= 0 && k == nibbles - 1)
                nibble += extra;
            name.append(1, kHexDigits[nibble]).append(".");
        }
        return name + "ip6.arpa.";
    });
}

std::vector<std::string> reverseZonesOf(const Block &block)
{
    const std::uint32_t first = block.network.value();
    return zonesOf(block.prefix.bits(), 8, [first](int octets, int extra) {
        std::string name;
        for (int k = octets - 1; k >= 0; --k) {
            int octet = static_cast<int>(first >> (24 - 8 * k)) & 0xFF;
            if (extra >= 0 && k == octets - 1)
                octet += extra;
            name += std::to_string(octet) + ".";
        }
        return name + "in-addr.arpa.";
    });
}

}  // namespace netquill
