#include "core/calculators/networknode.h"

#include "core/fields/octet.h"

namespace netquill {

NetworkNode networkNodeOf(Ipv4Address address, Prefix prefix)
{
    const Ipv4Block block = Ipv4Block::containing(address, prefix.bits());
    const std::uint64_t nodes = prefix.hostBits() == 0 ? 1 : prefix.addressCount() - 2;
    return {Ipv4Address(address.value() & ~prefix.mask()), block.network, block.last(), nodes};
}

NetworkNodeResult CalculateNetworkNode(const NetworkNodeInput &input)
{
    NetworkNodeResult result;
    for (std::size_t k = 0; k < result.octets.size(); ++k)
        result.octets[k] = FoldOctetText(input.octets[k]);
    const NetworkNode node = networkNodeOf(addressOfOctetTexts(result.octets), input.prefix);
    result.hostID = node.hostId.text();
    result.networkID = node.networkId.text();
    result.broadcastAddress = node.broadcast.text();
    result.nodesInSubnet = std::to_string(node.nodes);
    return result;
}

}  // namespace netquill
