#include "core/address/nat64.h"

namespace netquill {

namespace {

// Bits are counted from the most significant, as RFC 6052 draws them.
constexpr int kUOctetStart = 64;
constexpr int kUOctetEnd = 72;

Uint128 bitAt(int position) { return Uint128{1} << (127 - position); }

bool uOctetIsZero(Uint128 value) { return (value >> (127 - kUOctetEnd + 1) & 0xFF) == 0; }

Refused prefixRefusal(const Ipv6Block &prefix)
{
    switch (prefix.length) {
    case 32:
    case 40:
    case 48:
    case 56:
    case 64:
    case 96:
        break;
    default:
        return Refusal("a NAT64 prefix is /32, /40, /48, /56, /64 or /96 (RFC 6052)");
    }
    if (!uOctetIsZero(prefix.network.value()))
        return Refusal("bits 64 to 71 of a NAT64 prefix must be zero (RFC 6052)");
    return std::nullopt;
}

}  // namespace

Parsed<Ipv6Address> nat64Address(const Ipv6Block &prefix, Ipv4Address ipv4)
{
    if (const auto refusal = prefixRefusal(prefix))
        return Parsed<Ipv6Address>::refused(*refusal);
    Uint128 value = prefix.network.value();
    int position = prefix.length;
    for (int bit = 31; bit >= 0; --bit, ++position) {
        if (position == kUOctetStart)
            position = kUOctetEnd;
        if (ipv4.value() >> bit & 1)
            value |= bitAt(position);
    }
    return Ipv6Address(value);
}

Parsed<Ipv4Address> ipv4OfNat64Address(const Ipv6Block &prefix, Ipv6Address address)
{
    if (const auto refusal = prefixRefusal(prefix))
        return Parsed<Ipv4Address>::refused(*refusal);
    if (!prefix.contains(address))
        return Parsed<Ipv4Address>::refused(Refusal("is not under the prefix " + prefix.text()));
    if (!uOctetIsZero(address.value()))
        return Parsed<Ipv4Address>::refused(Refusal("has bits 64 to 71 set, which RFC 6052 keeps zero"));
    std::uint32_t ipv4 = 0;
    int position = prefix.length;
    for (int bit = 0; bit < 32; ++bit, ++position) {
        if (position == kUOctetStart)
            position = kUOctetEnd;
        ipv4 = ipv4 << 1 | ((address.value() & bitAt(position)) != 0);
    }
    return Ipv4Address(ipv4);
}

}  // namespace netquill
