#pragma once

#include "core/address/ipv4.h"
#include "core/planning/hostrule.h"
#include "core/planning/split.h"

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
    SubnetPlan(Ipv4Block block, Prefix subnetPrefix, HostRule hostRule = {})
        : m_split(block, subnetPrefix.bits()), m_subnetPrefix(subnetPrefix), m_hostRule(hostRule)
    {}

    const Ipv4Block &block() const { return m_split.block(); }
    Prefix subnetPrefix() const { return m_subnetPrefix; }
    std::uint64_t subnetCount() const { return static_cast<std::uint64_t>(m_split.lastRow()) + 1; }
    std::uint64_t usableHosts() const { return m_hostRule.usableHosts(m_subnetPrefix); }

    // Row k (0-based) at once: its hosts are what the rule keeps of neither
    // end. A /31's two addresses are both hosts (RFC 3021, the second also
    // its broadcast), and a /32 is one address, host and broadcast at once.
    SubnetAddresses row(std::uint64_t k) const
    {
        const std::uint32_t subnet = m_split.rowNetwork(k).value();
        const std::uint32_t broadcast = subnet + static_cast<std::uint32_t>(m_subnetPrefix.addressCount() - 1);
        return {Ipv4Address(subnet), Ipv4Address(subnet + m_hostRule.keptFirst(m_subnetPrefix)),
                Ipv4Address(broadcast - m_hostRule.keptLast(m_subnetPrefix)), Ipv4Address(broadcast)};
    }

    bool operator==(const SubnetPlan &) const = default;

private:
    Split<Ipv4Address> m_split;
    Prefix m_subnetPrefix;
    HostRule m_hostRule;
};

}  // namespace netquill
