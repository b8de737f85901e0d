#include "core/calculators/masktable.h"

#include <cstdint>

namespace netquill {

std::string hostsPerSubnetText(Prefix prefix)
{
    return prefix.hostBits() == 1 ? "2 (RFC3021)" : std::to_string(prefix.usableHosts());
}

PlanLists planListsFor(Prefix cidr)
{
    PlanLists lists;
    if (cidr.bits() < kShortestMask || cidr.bits() > kLongestMask)
        return lists;
    for (int maskBits = cidr.bits(); maskBits <= kLongestMask; ++maskBits) {
        const int entry = maskBits - cidr.bits();
        lists.subnetMasks.push_back(Prefix(maskBits).maskAddress().text());
        lists.maskBits.push_back(std::to_string(maskBits));
        lists.numberOfSubnets.push_back(std::to_string(std::uint64_t{1} << entry));
        lists.hostBits.push_back(std::to_string(entry));
        lists.hostsPerSubnet.push_back(hostsPerSubnetText(Prefix(kLongestMask - entry)));
    }
    return lists;
}

}  // namespace netquill
