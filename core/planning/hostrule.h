#pragma once

#include "core/address/ipv4.h"
#include "core/cloud/cloudprovider.h"

#include <cstdint>
#include <optional>
#include <string>

// Which addresses of an IPv4 subnet are hosts, and the subnet a number of
// hosts needs: one rule for the rows that count a subnet's hosts and for the
// requests that ask for them.
namespace netquill {

class HostRule
{
public:
    // A subnet's first and last addresses are its network and broadcast. A
    // row counts both of a /31 (RFC 3021, a point-to-point link) and the one
    // of a /32, but a request for hosts gets a /30 or larger.
    HostRule() = default;
    // The same, and a request for one or two hosts gets a /31.
    static HostRule pointToPoint();
    // The provider keeps addresses of its own in each subnet it has, and has
    // subnets of some sizes only. A block of another size (free space, say)
    // counts as above.
    static HostRule inCloud(CloudProvider provider);

    // The provider's rule; nothing outside a cloud.
    const CloudRule *cloud() const { return m_cloud ? &cloudRule(*m_cloud) : nullptr; }

    // How many addresses at a subnet's start and at its end are no hosts.
    int keptFirst(Prefix subnet) const;
    int keptLast(Prefix subnet) const;
    std::uint64_t usableHosts(Prefix subnet) const;

    // Why the provider has no subnet of this size ("AWS subnets are /16 to
    // /28"); empty where it has one, and outside a cloud.
    std::string sizeRefusal(Prefix subnet) const;

    // The smallest subnet a request for `hosts` gets; nothing where no subnet
    // holds as many.
    std::optional<Prefix> smallestPrefixHolding(std::uint64_t hosts) const;
    // The most hosts a request gets in a block of this prefix; 0 where no
    // subnet the rule allows fits in it.
    std::uint64_t mostRequestableHosts(Prefix block) const;
    // Why a request for hosts finds no room in a block that holds too few:
    // "a /32 holds one address; a request for hosts gets a /30, or a /31 with
    // --rfc3021", "AWS subnets are /16 to /28; a /29 holds none".
    std::string noRoomIn(Prefix block) const;

    bool operator==(const HostRule &) const = default;

private:
    bool m_pointToPoint = false;
    std::optional<CloudProvider> m_cloud;
};

}  // namespace netquill
