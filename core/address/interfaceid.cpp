#include "core/address/interfaceid.h"

#include "core/address/count.h"

#include <array>

namespace netquill {

namespace {

constexpr std::uint64_t kUniversalLocalBit = std::uint64_t{0x02} << 56;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string MacAddress::text() const
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (int shift = 40; shift >= 0; shift -= 8) {
        const auto byte = static_cast<unsigned>(value >> shift) & 0xFF;
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
        if (shift > 0)
            out += ':';
    }
    return out;
}

Parsed<MacAddress> parseMacAddress(std::string_view text)
{
    // Where the separators stand in each spelling, and which it is.
    const bool pairs = text.size() == 17 && (text[2] == ':' || text[2] == '-');
    const bool groups = text.size() == 14 && text[4] == '.';
    if (!pairs && !groups)
        return Parsed<MacAddress>::refused(Refusal(
            "is not a MAC address: six pairs of hex digits joined by : or -, or three groups of four joined by ."));
    const char separator = pairs ? text[2] : '.';
    const std::size_t group = pairs ? 2 : 4;
    std::uint64_t value = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((at + 1) % (group + 1) == 0) {
            if (text[at] != separator)
                return Parsed<MacAddress>::refused(Refusal("mixes its separators"));
            continue;
        }
        const int digit = hexDigit(text[at]);
        if (digit < 0)
            return Parsed<MacAddress>::refused(Refusal("has '" + std::string(1, text[at]) + "', not a hex digit"));
        value = value << 4 | static_cast<unsigned>(digit);
    }
    return MacAddress{value};
}

std::uint64_t interfaceIdOf(MacAddress mac)
{
    const std::uint64_t oui = mac.value >> 24;
    const std::uint64_t serial = mac.value & 0xFFFFFF;
    return (oui << 40 | std::uint64_t{0xFFFE} << 24 | serial) ^ kUniversalLocalBit;
}

std::string interfaceIdText(std::uint64_t id)
{
    return hexDigits(id >> 48, 4) + ":" + hexDigits(id >> 32 & 0xFFFF, 4) + ":" + hexDigits(id >> 16 & 0xFFFF, 4) +
           ":" + hexDigits(id & 0xFFFF, 4);
}

Ipv6Address slaacAddress(Ipv6Address prefix, MacAddress mac)
{
    return Ipv6Address((prefix.value() >> 64) << 64 | interfaceIdOf(mac));
}

Ipv6Address linkLocalAddress(MacAddress mac) { return slaacAddress(Ipv6Address(Uint128{0xFE80} << 112), mac); }

std::optional<MacAddress> macOfInterfaceId(Ipv6Address address)
{
    const auto id = static_cast<std::uint64_t>(address.value()) ^ kUniversalLocalBit;
    if ((id >> 24 & 0xFFFF) != 0xFFFE)
        return std::nullopt;
    return MacAddress{(id >> 40) << 24 | (id & 0xFFFFFF)};
}

Ipv6Address solicitedNodeGroup(Ipv6Address address)
{
    constexpr Uint128 kGroup = Uint128{0xFF02} << 112 | Uint128{0x1FF} << 24;  // ff02::1:ff00:0
    return Ipv6Address(kGroup | (address.value() & 0xFFFFFF));
}

}  // namespace netquill
