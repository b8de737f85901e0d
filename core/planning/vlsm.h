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
