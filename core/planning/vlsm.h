#pragma once

#include "core/address/ipv4.h"
#include "core/address/ipv6.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Subnets of different sizes carved from one block, for host counts, address
// counts or prefix lengths, in either family; one algorithm for both.
namespace netquill {

// The most usable hosts any subnet holds: a /0's.
constexpr std::uint64_t kMostUsableHosts = (std::uint64_t{1} << kLongestMask) - 2;

// The longest prefix whose subnets hold `hosts` usable hosts: a subnet of h
// host bits holds 2^h − 2 (h ≥ 2); with RFC 3021 a /31 holds 2. Nothing for
// more than kMostUsableHosts.
std::optional<Prefix> smallestPrefixHolding(std::uint64_t hosts, bool rfc3021);

// The most usable hosts a subnet as large as the prefix holds under the same
// rule; 0 where it holds none (a /32, or a /31 without RFC 3021).
std::uint64_t mostUsableHosts(Prefix prefix, bool rfc3021);

// An IPv4 request: a subnet of at least `hosts` usable hosts, or of the prefix length given.
struct SubnetRequest {
    std::string name;
    std::uint64_t hosts = 0;
    std::optional<int> length = {};
};

struct Allocation {
    std::string name;
    Block subnet;

    bool operator==(const Allocation &) const = default;
};

struct VlsmPlan {
    std::vector<Allocation> allocations;  // largest first, ties in the order asked
    std::vector<Block> free;              // the fewest blocks that cover what is left, ascending
};

// Why the requests do not fit: the first request (by its position in the list
// given) that found no room, and how many addresses the block lacks for all,
// in decimal ("more than 2^128" past what 128 bits count).
struct VlsmShortfall {
    std::size_t request;
    std::string lacking;
};

// Places the largest request first, each at the lowest free address aligned to
// its size: the block fills from its start without gaps.
std::variant<VlsmPlan, VlsmShortfall> allocateSubnets(Block block, const std::vector<SubnetRequest> &requests,
                                                      bool rfc3021);

// The same for IPv6, each request a prefix length.
struct Ipv6Request {
    std::string name;
    int length;
};
struct Ipv6Allocation {
    std::string name;
    Ipv6Block subnet;
};
struct Ipv6VlsmPlan {
    std::vector<Ipv6Allocation> allocations;
    std::vector<Ipv6Block> free;
};
std::variant<Ipv6VlsmPlan, VlsmShortfall> allocateSubnets(Ipv6Block block, const std::vector<Ipv6Request> &requests);

}  // namespace netquill
