#include "core/address/plainentry.h"

#include "core/address/addresstext.h"
#include "core/address/block.h"

namespace netquill {

namespace {

// The digit at `at`, or a value above 9 for any other byte and past the end.
unsigned digitAt(std::string_view text, std::size_t at)
{
    return at < text.size() ? static_cast<unsigned>(static_cast<unsigned char>(text[at]) - '0') : 10u;
}

// A length of 0 to `most` in digits, without a leading zero, ending the line.
bool readLength(std::string_view text, std::size_t at, int most, int &length)
{
    unsigned value = digitAt(text, at);
    if (value > 9)
        return false;
    for (++at; digitAt(text, at) <= 9 && value != 0 && value <= static_cast<unsigned>(most); ++at)
        value = value * 10 + digitAt(text, at);
    length = static_cast<int>(value);
    return at == text.size() && value <= static_cast<unsigned>(most);
}

// Four octets from `at` on, `at` moved past them.
bool readOctets(std::string_view line, std::size_t &at, std::uint32_t &value)
{
    value = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0 && (at == line.size() || line[at++] != '.'))
            return false;
        unsigned number = digitAt(line, at);
        if (number > 9)
            return false;
        ++at;
        // A second and third digit, none after a leading zero.
        for (int more = 0; more < 2 && number != 0 && digitAt(line, at) <= 9; ++more)
            number = number * 10 + digitAt(line, at++);
        if (number > 255)
            return false;
        value = value << 8 | number;
    }
    return true;
}

bool readPlainIpv4(std::string_view line, Range<Ipv4Address> &range)
{
    std::uint32_t value = 0;
    std::size_t at = 0;
    if (!readOctets(line, at, value))
        return false;
    const Ipv4Address address(value);
    if (at == line.size()) {
        range = {address, address};
        return true;
    }
    int length = 0;
    if (line[at] == '/' && readLength(line, at + 1, kLongestMask, length)) {
        range = Ipv4Block::containing(address, length).range();
        return true;
    }
    // FIRST-LAST, blanks allowed around the dash, running forwards.
    while (at < line.size() && line[at] == ' ')
        ++at;
    if (at == line.size() || line[at++] != '-')
        return false;
    while (at < line.size() && line[at] == ' ')
        ++at;
    std::uint32_t last = 0;
    if (!readOctets(line, at, last) || at != line.size() || last < value)
        return false;
    range = {address, Ipv4Address(last)};
    return true;
}

bool readPlainIpv6(std::string_view line, Range<Ipv6Address> &range)
{
    std::size_t slash = 0;
    const auto address = detail::readWellFormedIpv6(line, &slash);
    if (!address)
        return false;
    if (slash == line.size()) {
        range = {*address, *address};
        return true;
    }
    int length = 0;
    if (!readLength(line, slash + 1, Ipv6Address::kBits, length))
        return false;
    range = Ipv6Block::containing(*address, length).range();
    return true;
}

}  // namespace

PlainEntry readPlainEntry(std::string_view line, Range<Ipv4Address> &ipv4, Range<Ipv6Address> &ipv6)
{
    if (readPlainIpv4(line, ipv4))
        return PlainEntry::Ipv4;
    if (readPlainIpv6(line, ipv6))
        return PlainEntry::Ipv6;
    return PlainEntry::None;
}

}  // namespace netquill
