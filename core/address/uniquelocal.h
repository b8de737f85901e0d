#pragma once

#include "core/address/block.h"
#include "core/address/ipv6.h"

#include <cstdint>
#include <optional>
#include <string>

// Unique local IPv6 unicast addresses (RFC 4193 section 3): fd00::/8, then a
// 40-bit Global ID drawn at random, then a 16-bit subnet ID.
namespace netquill {

inline constexpr std::uint64_t kLargestGlobalId = (std::uint64_t{1} << 40) - 1;
inline constexpr unsigned kLargestSubnetId = 0xFFFF;

// A 40-bit Global ID from the system's random source (getrandom), as RFC
// 4193 section 3.2 asks: never a clock or a fixed value.
std::uint64_t randomGlobalId();
// The /48 of a Global ID, or the /64 of one of its subnets.
Ipv6Block uniqueLocalPrefix(std::uint64_t globalId);
Ipv6Block uniqueLocalSubnet(std::uint64_t globalId, unsigned subnetId);

struct UniqueLocalParts {
    std::uint64_t globalId;
    unsigned subnetId;
};
// As they stand in the address: 10 and 4 hex digits ("123456789a", "0001").
std::string globalIdText(std::uint64_t globalId);
std::string subnetIdText(unsigned subnetId);

// The parts of an address in fd00::/8; nothing for any other address.
std::optional<UniqueLocalParts> uniqueLocalPartsOf(Ipv6Address address);

}  // namespace netquill
