#pragma once

#include "core/address/block.h"
#include "core/address/ipv4.h"
#include "core/address/ipv6.h"
#include "core/address/parsed.h"

// IPv4-embedded IPv6 addresses (RFC 6052 section 2.2), as DNS64 and NAT64
// make them: the 32 bits of the IPv4 address follow a prefix of 32, 40, 48,
// 56, 64 or 96 bits, skipping bits 64 to 71 (the "u" octet), which stay zero.
namespace netquill {

// The IPv6 address of an IPv4 address under the prefix; refused for another
// prefix length, or a /96 whose u octet is not zero.
Parsed<Ipv6Address> nat64Address(const Ipv6Block &prefix, Ipv4Address ipv4);
// And back: the IPv4 address an address under the prefix carries; refused
// for an address outside it, or whose u octet is not zero.
Parsed<Ipv4Address> ipv4OfNat64Address(const Ipv6Block &prefix, Ipv6Address address);

}  // namespace netquill
