#pragma once

#include "core/address/block.h"

#include <array>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Where requests for subnets go, for netquill-cli vlsm carving a block and
// for the plan window placing requests into the free leaves of a node alike:
// the largest first (ties in the order given), each at the lowest free
// address aligned to its size where a free block at least as large starts.
// From one whole block that fills the block from its start without gaps.
namespace netquill {

// A named request for a subnet of a prefix length, and the amount as the
// user wrote it ("100" hosts, "/64"), which a plan keeps with the subnet.
struct SubnetRequest {
    std::string name;
    int length = 0;
    std::string asked;
};

// The order the requests are placed in: the largest first, ties in the order given.
std::vector<std::size_t> placingOrder(const std::vector<SubnetRequest> &requests);

// Free blocks, of which requests take the lowest large enough: a block taken
// from a larger one leaves the halves beside it free, as the plan's tree
// splits a leaf in halves down to a claimed block.
template <typename Address>
class FreeSpace
{
public:
    // Blocks that do not overlap, in any order.
    explicit FreeSpace(const std::vector<Block<Address>> &free);

    // The block of `length` bits at the lowest free address aligned to its
    // size, taken; nothing where no free block is as large.
    std::optional<Block<Address>> take(int length);
    // What is still free, ascending: no two of them halves of one block.
    std::vector<Block<Address>> blocks() const;

private:
    using Value = typename Address::Value;
    // The networks of the free blocks of each length: a take looks at the
    // lowest of each length up to its own, never at the whole space.
    std::array<std::set<Value>, Address::kBits + 1> m_networksByLength;
};

}  // namespace netquill
