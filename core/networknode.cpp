#include "networknode.h"

#include "clipboardtext.h"
#include "octet.h"

#include <cstdint>

namespace netquill {

NetworkNodeResult CalculateNetworkNode(const NetworkNodeInput &input)
{
    NetworkNodeResult result;
    for (std::size_t k = 0; k < result.octets.size(); ++k)
        result.octets[k] = FoldOctetText(input.octets[k]);
    const std::string address = binaryAddressOf(result.octets);

    std::string host;
    std::string network;
    std::string broadcast;
    int hostBits = 0;
    for (std::size_t position = 0; position < address.size(); ++position) {
        const bool networkBit = position < input.binaryMask.size() && input.binaryMask[position] == '1';
        if (networkBit) {
            host += '0';
            network += address[position];
            broadcast += address[position];
        } else {
            ++hostBits;
            host += address[position];
            network += '0';
            broadcast += '1';
        }
    }
    result.hostID = dottedFromBinary(host);
    result.networkID = dottedFromBinary(network);
    result.broadcastAddress = dottedFromBinary(broadcast);
    result.nodesInSubnet = hostBits == 0 ? "1" : std::to_string((std::uint64_t{1} << hostBits) - 2);
    return result;
}

std::string BuildNetworkNodeClipboardText(const NetworkNodeTexts &texts)
{
    return joinLines({
        "IPAddress        : " + joinDotted(texts.octets),
        "Subnet Mask      : " + texts.subnetMask,
        "Subnet Mask Bits : /" + texts.maskBits,
        "",
        "Host ID          : " + texts.hostID,
        "Network ID       : " + texts.networkID,
        "Broadcast Address: " + texts.broadcastAddress,
        "Nodes in Subnet  : " + texts.nodesInSubnet,
    });
}

}  // namespace netquill
