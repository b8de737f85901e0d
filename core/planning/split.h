#pragma once

#include "core/address/block.h"

#include <stdexcept>

// A block of either family split into equal subnets, row k at once for any k,
// up to the 2^128 /128s of ::/0.
namespace netquill {

template <typename Address>
class Split
{
public:
    // Subnets no longer than the block's prefix can make are a fault of the caller's.
    constexpr Split(Block<Address> block, int subnetLength) : m_block(block), m_subnetLength(subnetLength)
    {
        if (subnetLength < block.length || subnetLength > Address::kBits)
            throw std::out_of_range("subnets of " + std::to_string(subnetLength) + " bits in a /" +
                                    std::to_string(block.length));
    }

    constexpr const Block<Address> &block() const { return m_block; }
    constexpr int subnetLength() const { return m_subnetLength; }
    // How many subnets, less one, which 128 bits hold even for 2^128 of them.
    constexpr Uint128 lastRow() const
    {
        const int splitBits = m_subnetLength - m_block.length;
        return splitBits == 0 ? 0 : ~Uint128{0} >> (128 - splitBits);
    }
    constexpr Count subnetCount() const { return Count::powerOfTwo(m_subnetLength - m_block.length); }
    // Addresses in each subnet.
    constexpr Count subnetSize() const { return Count::powerOfTwo(Address::kBits - m_subnetLength); }
    // The subnet of row k (0-based): the network moved on by k subnets.
    constexpr Block<Address> row(Uint128 k) const { return {rowNetwork(k), m_subnetLength}; }
    constexpr Address rowNetwork(Uint128 k) const
    {
        using Value = typename Address::Value;
        return m_subnetLength == 0
                   ? m_block.network
                   : Address(m_block.network.value() + (static_cast<Value>(k) << (Address::kBits - m_subnetLength)));
    }

    constexpr bool operator==(const Split &) const = default;

private:
    Block<Address> m_block;
    int m_subnetLength;
};

}  // namespace netquill
