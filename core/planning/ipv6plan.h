#pragma once

#include "core/address/ipv6.h"

#include <string>

// An IPv6 block split into equal subnets, row k at once for any k below 2^128.
namespace netquill {

// The subnet of row k (0-based) of a block of either family split into
// subnets of `subnetLength` bits: the network moved on by k subnets.
template <typename Address>
constexpr Address nthSubnet(Address network, int subnetLength, typename Address::Value k)
{
    return subnetLength == 0 ? network : Address(network.value() + (k << (Address::kBits - subnetLength)));
}

class Ipv6Plan
{
public:
    // The subnet length is at least the block's.
    Ipv6Plan(Ipv6Block block, int subnetLength) : m_block(block), m_subnetLength(subnetLength) {}

    const Ipv6Block &block() const { return m_block; }
    int subnetLength() const { return m_subnetLength; }
    // Subnets less one, so that the 2^128 of ::/0 split into /128s fits.
    Uint128 lastRow() const
    {
        const int splitBits = m_subnetLength - m_block.length;
        return splitBits == 0 ? 0 : ~Uint128{0} >> (128 - splitBits);
    }
    std::string subnetCountText() const { return decimalCount(lastRow() + 1, m_subnetLength - m_block.length == 128); }
    // Addresses in each subnet, 2^128 for a /0.
    std::string addressCountText() const { return Ipv6Block::addressCountText(m_subnetLength); }
    Ipv6Block row(Uint128 k) const { return {nthSubnet(m_block.network, m_subnetLength, k), m_subnetLength}; }

private:
    Ipv6Block m_block;
    int m_subnetLength;
};

}  // namespace netquill
