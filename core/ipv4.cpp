#include "core/ipv4.h"

#include <array>
#include <cstring>

namespace netquill {

namespace {

// The decimal text of every octet value, four bytes each (three digits and
// the length), so a dotted address is four short copies.
struct OctetTexts {
    std::array<std::array<char, 4>, 256> texts{};

    OctetTexts()
    {
        for (int value = 0; value < 256; ++value) {
            const std::string digits = std::to_string(value);
            std::memcpy(texts[static_cast<std::size_t>(value)].data(), digits.data(), digits.size());
            texts[static_cast<std::size_t>(value)][3] = static_cast<char>(digits.size());
        }
    }
};

const OctetTexts kOctetTexts;

}  // namespace

std::string Ipv4Address::text() const
{
    std::string out;
    appendText(out);
    return out;
}

void Ipv4Address::appendText(std::string &out) const
{
    char dotted[16];
    out.append(dotted, writeText(dotted));
}

char *Ipv4Address::writeText(char *to) const
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto &octet = kOctetTexts.texts[(m_value >> shift) & 0xFF];
        std::memcpy(to, octet.data(), 4);  // the fourth byte is overwritten by the dot
        to += octet[3];
        *to++ = '.';
    }
    return to - 1;
}

std::string Block::text() const
{
    std::string out;
    appendText(out);
    return out;
}

void Block::appendText(std::string &out) const
{
    char text[20];
    char *end = network.writeText(text);
    *end++ = '/';
    if (prefix.bits() >= 10)
        *end++ = static_cast<char>('0' + prefix.bits() / 10);
    *end++ = static_cast<char>('0' + prefix.bits() % 10);
    out.append(text, end);
}

std::string Prefix::binaryText() const
{
    return std::string(static_cast<std::size_t>(m_bits), '1') + std::string(static_cast<std::size_t>(hostBits()), '0');
}

std::string Prefix::hostsPerSubnetText() const
{
    switch (hostBits()) {
    case 0:
        return "1";
    case 1:
        return "2 (RFC3021)";
    default:
        return std::to_string(addressCount() - 2);
    }
}

}  // namespace netquill
