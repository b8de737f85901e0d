#include "core/calculators/subnetcalculator.h"

#include "core/address/block.h"
#include "core/fields/octet.h"

namespace netquill {

PlanEntries linkedPlanEntries(PlanList chosenList, int chosen, int entryCount)
{
    const bool chosenRunsWithTheMasks = chosenList == PlanList::SubnetMask || chosenList == PlanList::MaskBits ||
                                        chosenList == PlanList::NumberOfSubnets;
    const int subnetBits = chosenRunsWithTheMasks ? chosen : entryCount - 1 - chosen;
    const int hostEntry = entryCount - 1 - subnetBits;
    return {subnetBits, subnetBits, subnetBits, hostEntry, hostEntry};
}

std::string SubnetBitMaskPattern(Prefix cidr, Prefix subnet)
{
    std::string pattern;
    for (int bit = 0; bit < kLongestMask; ++bit) {
        if (bit > 0 && bit % 8 == 0)
            pattern += '.';
        pattern += bit < cidr.bits() ? 'n' : bit < subnet.bits() ? 's' : 'h';
    }
    return pattern;
}

std::string ComputeSubnetAddress(const std::array<std::string, 4> &blockOctets, Prefix subnet)
{
    return Ipv4Block::containing(addressOfOctetTexts(blockOctets), subnet.bits()).network.text();
}

}  // namespace netquill
