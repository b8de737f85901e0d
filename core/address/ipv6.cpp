#include "core/address/ipv6.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace netquill {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// For each set of zero groups (bit k for group k), the first longest run of
// two or more: its start (8 for none) and length.
struct ZeroRun {
    std::uint8_t start;
    std::uint8_t length;
};

constexpr std::array<ZeroRun, 256> zeroRuns()
{
    std::array<ZeroRun, 256> runs{};
    for (int zeros = 0; zeros < 256; ++zeros) {
        ZeroRun best{8, 0};
        for (int start = 0; start < 8; ++start) {
            int length = 0;
            while (start + length < 8 && (zeros >> (start + length) & 1) != 0)
                ++length;
            if (length >= 2 && length > best.length)
                best = {static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(length)};
        }
        runs[static_cast<std::size_t>(zeros)] = best;
    }
    return runs;
}

constexpr std::array<ZeroRun, 256> kZeroRuns = zeroRuns();

// The two hex digits of every byte, for writing a group two digits at a time.
constexpr std::array<std::uint16_t, 256> hexPairs()
{
    std::array<std::uint16_t, 256> pairs{};
    for (unsigned byte = 0; byte < 256; ++byte)  // the first digit in the lower byte, as it is stored
        pairs[byte] = static_cast<std::uint16_t>(kHexDigits[byte >> 4] | kHexDigits[byte & 0xF] << 8);
    return pairs;
}

constexpr std::array<std::uint16_t, 256> kHexPairs = hexPairs();

int digitsOf(unsigned group) { return group >= 0x1000 ? 4 : group >= 0x100 ? 3 : group >= 0x10 ? 2 : 1; }

// A group's four hex digits in one word, the first in the lowest byte, as they are stored.
std::uint32_t hexWord(unsigned group) { return kHexPairs[group >> 8] | std::uint32_t{kHexPairs[group & 0xFF]} << 16; }

// A group's hex digits without leading zeros: all four made in one word, the
// leading zeros shifted out, one store; the next write covers what is left.
char *writeGroup(char *to, unsigned group)
{
    const int digits = digitsOf(group);
    const std::uint32_t word = hexWord(group) >> 8 * (4 - digits);
    std::memcpy(to, &word, 4);
    return to + digits;
}

// The digits of a group over those of a group with as many, in one word:
// the bytes after them are read and stored back as they were. Returns the word.
std::uint32_t overwriteGroup(char *at, unsigned group, int digits)
{
    const std::uint32_t word = hexWord(group) >> 8 * (4 - digits);
    const auto kept = static_cast<std::uint32_t>(~std::uint64_t{0} << 8 * digits);
    std::uint32_t text;
    std::memcpy(&text, at, 4);
    text = (text & kept) | word;
    std::memcpy(at, &text, 4);
    return text;
}

// Group k of the eight in two halves, a shift each (no array: none to guard on the stack).
unsigned groupIn(std::uint64_t high, std::uint64_t low, int k)
{
    return static_cast<unsigned>((k < 4 ? high : low) >> (48 - 16 * (k & 3)) & 0xFFFF);
}

// For four groups in a 64-bit word (the first in the high bits), bit k set where group k is zero.
unsigned zeroGroupsOf(std::uint64_t word)
{
    constexpr std::uint64_t kLow15 = 0x7FFF7FFF7FFF7FFFull;
    const std::uint64_t zero = ~(((word & kLow15) + kLow15) | word) & 0x8000800080008000ull;
    return static_cast<unsigned>((zero >> 63 & 1) | (zero >> 46 & 2) | (zero >> 29 & 4) | (zero >> 12 & 8));
}

}  // namespace

char *Ipv6Address::writeText(char *to) const
{
    Ipv6TextWriter writer;
    return writer.write(to, *this);
}

char *Ipv6TextWriter::write(char *to, Ipv6Address address)
{
    // The text before is copied first, before anything is written over it: a
    // wide read of bytes just written in part waits for those writes.
    std::memcpy(to, m_text.data(), 40);
    if (!update(address, to))
        std::memcpy(to, m_text.data(), 40);
    return to + m_length;
}

std::string_view Ipv6TextWriter::view(Ipv6Address address)
{
    update(address, nullptr);
    return {m_text.data(), m_length};
}

bool Ipv6TextWriter::update(Ipv6Address address, char *copy)
{
    const Uint128 value = address.value();
    // IPv4-mapped: ::ffff:a.b.c.d.
    if ((value >> 32) == 0xFFFF) {
        m_zeros = kNoText;
        char *end = std::copy_n("::ffff:", 7, m_text.data());
        end = Ipv4Address(static_cast<std::uint32_t>(value)).writeText(end);
        m_length = static_cast<std::size_t>(end - m_text.data());
        return false;
    }
    const auto high = static_cast<std::uint64_t>(value >> 64);
    const auto low = static_cast<std::uint64_t>(value);
    const auto groupAt = [high, low](int k) { return groupIn(high, low, k); };
    // While the groups that changed were not zero and are not now, and each
    // keeps its number of digits, the text keeps its shape: they are written
    // over their old digits.
    const bool none = m_zeros == kNoText;
    const std::uint64_t highChanged = none ? ~std::uint64_t{0} : high ^ m_high;
    const std::uint64_t lowChanged = none ? ~std::uint64_t{0} : low ^ m_low;
    int from = highChanged != 0  ? std::countl_zero(highChanged) / 16
               : lowChanged != 0 ? 4 + std::countl_zero(lowChanged) / 16
                                 : 8;
    const int lastChanged = lowChanged != 0    ? 7 - std::countr_zero(lowChanged) / 16
                            : highChanged != 0 ? 3 - std::countr_zero(highChanged) / 16
                                               : -1;
    for (; from <= lastChanged; ++from) {
        if (groupIn(highChanged, lowChanged, from) == 0)
            continue;  // a group between two that changed, as it was
        const auto k = static_cast<std::size_t>(from);
        const unsigned group = groupAt(from);
        if (group == 0 || (m_zeros >> from & 1) != 0 || digitsOf(group) != m_digits[k])
            break;
        const std::uint32_t word = overwriteGroup(m_text.data() + m_digitsAt[k], group, m_digits[k]);
        if (copy != nullptr)  // digits begin at most 35 bytes in: the word stays in the copy's 40
            std::memcpy(copy + m_digitsAt[k], &word, 4);
    }
    if (from > lastChanged) {
        m_high = high;
        m_low = low;
        return true;
    }
    // The text before group `from` stands while the zero groups do.
    const unsigned zeros = zeroGroupsOf(high) | zeroGroupsOf(low) << 4;
    if (zeros != m_zeros)
        from = 0;
    const ZeroRun run = kZeroRuns[zeros];
    // Group `from` is not zero: its part of the text is its digits and the ':' before them, if any.
    const bool separated = from > 0 && from != run.start + run.length;
    char *at = m_text.data() + (from > 0 ? m_digitsAt[static_cast<std::size_t>(from)] - (separated ? 1 : 0) : 0);
    // From the first group whose text changed length on: RFC 5952's text, its
    // "::" where the longest zero run stands, each group without leading zeros.
    for (int k = from; k < 8; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        if (k == run.start) {
            *at++ = ':';
            *at++ = ':';
            k += run.length - 1;
            continue;
        }
        if (k > 0 && k != run.start + run.length)
            *at++ = ':';
        const unsigned group = groupAt(k);
        m_digitsAt[slot] = static_cast<std::uint8_t>(at - m_text.data());
        m_digits[slot] = static_cast<std::uint8_t>(digitsOf(group));
        at = writeGroup(at, group);
    }
    m_length = static_cast<std::size_t>(at - m_text.data());
    m_high = high;
    m_low = low;
    m_zeros = zeros;
    return false;
}

void Ipv6Address::appendText(std::string &out) const
{
    char text[40];
    out.append(text, writeText(text));
}

std::string Ipv6Address::text() const
{
    std::string out;
    appendText(out);
    return out;
}

std::string Ipv6Address::hexadecimalText() const
{
    std::string digits(32, '0');
    Uint128 value = m_value;
    for (std::size_t k = 32; k-- > 0; value >>= 4)
        digits[k] = kHexDigits[static_cast<int>(value & 0xF)];
    return digits;
}

std::string Ipv6Address::binaryText() const
{
    std::string digits(128, '0');
    Uint128 value = m_value;
    for (std::size_t k = 128; k-- > 0; value >>= 1)
        digits[k] = (value & 1) != 0 ? '1' : '0';
    return digits;
}

std::string Ipv6Address::expandedText() const
{
    const std::string digits = hexadecimalText();
    std::string out;
    for (std::size_t group = 0; group < 8; ++group)
        out.append(group > 0 ? ":" : "").append(digits, 4 * group, 4);
    return out;
}

std::string Ipv6Address::reverseName() const
{
    const std::string digits = hexadecimalText();
    std::string out;
    for (auto nibble = digits.rbegin(); nibble != digits.rend(); ++nibble)
        out.append(1, *nibble).append(".");
    return out + "ip6.arpa.";
}

std::optional<Ipv4Address> Ipv6Address::embeddedIpv4() const
{
    const auto low32 = Ipv4Address(static_cast<std::uint32_t>(m_value));
    if ((m_value >> 32) == 0xFFFF || (m_value >> 32) == (Uint128{0x0064FF9B} << 64))
        return low32;
    if ((m_value >> 112) == 0x2002)
        return Ipv4Address(static_cast<std::uint32_t>(m_value >> 80));
    if (teredoServer())
        return Ipv4Address(~static_cast<std::uint32_t>(m_value));
    return std::nullopt;
}

std::optional<Ipv4Address> Ipv6Address::teredoServer() const
{
    if ((m_value >> 96) != 0x20010000)
        return std::nullopt;
    return Ipv4Address(static_cast<std::uint32_t>(m_value >> 64));
}

}  // namespace netquill
