#pragma once

#include "core/address/ipv4.h"
#include "core/planning/ipv6plan.h"

#include <cstdint>
#include <string>

// A block split into equal subnets: the plan of the "Subnet Calculator" tab.
namespace netquill {

// The four addresses of one subnet.
struct SubnetAddresses {
    Ipv4Address subnet;
    Ipv4Address firstHost;
    Ipv4Address lastHost;
    Ipv4Address broadcast;

    bool operator==(const SubnetAddresses &) const = default;
};

class SubnetPlan
{
public:
    // The subnet prefix is at least as long as the block's.
    SubnetPlan(Block block, Prefix subnetPrefix) : m_block(block), m_subnetPrefix(subnetPrefix) {}

    const Block &block() const { return m_block; }
    Prefix subnetPrefix() const { return m_subnetPrefix; }
    std::uint64_t subnetCount() const { return std::uint64_t{1} << (m_subnetPrefix.bits() - m_block.prefix.bits()); }

    // Row k (0-based) at once. A subnet loses its first and last address to
    // the subnet and broadcast, except a /31, whose two addresses are both
    // hosts (RFC 3021, the second also its broadcast), and a /32, one address
    // that is host and broadcast at once.
    SubnetAddresses row(std::uint64_t k) const
    {
        const std::uint32_t subnet =
            nthSubnet(m_block.network, m_subnetPrefix.bits(), static_cast<std::uint32_t>(k)).value();
        const std::uint32_t broadcast = subnet + static_cast<std::uint32_t>(m_subnetPrefix.addressCount() - 1);
        const std::uint32_t hostMargin = m_subnetPrefix.hostBits() >= 2 ? 1 : 0;
        return {Ipv4Address(subnet), Ipv4Address(subnet + hostMargin), Ipv4Address(broadcast - hostMargin),
                Ipv4Address(broadcast)};
    }

    // The "Subnet Size" of every row: its usable hosts, "2" for a /31.
    std::string subnetSizeText() const;

    bool operator==(const SubnetPlan &) const = default;

private:
    Block m_block;
    Prefix m_subnetPrefix;
};

}  // namespace netquill
