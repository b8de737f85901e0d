#pragma once

#include "core/address/block.h"
#include "core/planning/placement.h"

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

template <typename Address>
struct Allocation {
    std::string name;
    Block<Address> subnet;

    bool operator==(const Allocation &) const = default;
};

template <typename Address>
struct VlsmAllocation {
    std::vector<Allocation<Address>> allocations;  // largest first, ties in the order asked
    std::vector<Block<Address>> free;              // the fewest blocks that cover what is left, ascending
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
template <typename Address>
std::variant<VlsmAllocation<Address>, VlsmShortfall> allocateSubnets(Block<Address> block,
                                                                     const std::vector<SubnetRequest> &requests);

}  // namespace netquill
