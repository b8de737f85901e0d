#pragma once

#include <array>
#include <string>

// The "Network/Node Calculator" tab without its window.
namespace netquill {

struct NetworkNodeInput {
    std::array<std::string, 4> octets;  // as typed
    std::string binaryMask;             // 32 digits, or empty when no mask was chosen
};

struct NetworkNodeResult {
    std::array<std::string, 4> octets;  // folded, to be written back
    std::string hostID;
    std::string networkID;
    std::string broadcastAddress;
    std::string nodesInSubnet;

    bool operator==(const NetworkNodeResult &) const = default;
};

// Host ID, network ID, broadcast and node count of an address under a mask.
// Empty octets count as 0 and large ones fold; without a mask every bit is a
// host bit. Nodes are 2^h − 2, but 1 for a 32-bit mask (no RFC 3021 rule here).
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

// Eight CR LF lines, the colons lined up in column 18.
std::string BuildNetworkNodeClipboardText(const NetworkNodeTexts &texts);

}  // namespace netquill
