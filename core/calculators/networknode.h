#pragma once

#include "core/address/block.h"

#include <array>
#include <cstdint>
#include <string>

// The "Network/Node Calculator" tab without its window.
namespace netquill {

// The address split by a prefix. Nodes are 2^h − 2, but 1 for a 32-bit mask
// (no RFC 3021 rule here).
struct NetworkNode {
    Ipv4Address hostId;
    Ipv4Address networkId;
    Ipv4Address broadcast;
    std::uint64_t nodes;
};

NetworkNode networkNodeOf(Ipv4Address address, Prefix prefix);

struct NetworkNodeInput {
    std::array<std::string, 4> octets;  // as typed
    Prefix prefix;                      // Prefix(0) when no mask was chosen
};

struct NetworkNodeResult {
    std::array<std::string, 4> octets;  // folded, to be written back
    std::string hostID;
    std::string networkID;
    std::string broadcastAddress;
    std::string nodesInSubnet;

    bool operator==(const NetworkNodeResult &) const = default;
};

// The tab's results as texts. Empty octets count as 0 and large ones fold;
// without a mask every bit is a host bit.
NetworkNodeResult CalculateNetworkNode(const NetworkNodeInput &input);

// What the tab shows, for its clipboard text.
struct NetworkNodeTexts {
    std::array<std::string, 4> octets;
    std::string subnetMask;  // as shown in the mask list
    std::string maskBits;    // as shown in the bits list
    std::string hostID;
    std::string networkID;
    std::string broadcastAddress;
    std::string nodesInSubnet;
};

}  // namespace netquill
