#include "subnetcalculator.h"

#include "clipboardtext.h"
#include "octet.h"

#include <algorithm>

namespace netquill {

PlanEntries linkedPlanEntries(PlanList chosenList, int chosen, int entryCount)
{
    const bool chosenRunsWithTheMasks = chosenList == PlanList::SubnetMask || chosenList == PlanList::MaskBits ||
                                        chosenList == PlanList::NumberOfSubnets;
    const int subnetBits = chosenRunsWithTheMasks ? chosen : entryCount - 1 - chosen;
    const int hostEntry = entryCount - 1 - subnetBits;
    return {subnetBits, subnetBits, subnetBits, hostEntry, hostEntry};
}

std::string SubnetBitMaskPattern(int cidrBits, int maskBits, int hostBits)
{
    const auto repeated = [](int count, char letter) { return std::string(static_cast<std::size_t>(std::max(count, 0)), letter); };
    const std::string letters = repeated(cidrBits, 'n') + repeated(maskBits - cidrBits, 's') + repeated(hostBits, 'h');

    std::string pattern;
    for (std::size_t start = 0; start < 32; start += 8) {
        if (start > 0)
            pattern += '.';
        if (start < letters.size())
            pattern += letters.substr(start, 8);
    }
    return pattern;
}

std::string ComputeSubnetAddress(const std::array<std::string, 4> &blockOctets, std::string_view binaryMask)
{
    std::string address = binaryAddressOf(blockOctets);
    for (std::size_t position = 0; position < address.size() && position < binaryMask.size(); ++position) {
        if (binaryMask[position] == '0')
            address[position] = '0';
    }
    return dottedFromBinary(address);
}

std::string BuildSubnetClipboardText(const SubnetTexts &texts)
{
    return joinLines({
        "IPAddress       : " + joinDotted(texts.blockOctets),
        "Address Class    : Classless /" + texts.cidrBits,
        "Network Address  : " + texts.cidrMask,
        "",
        "Subnet Address   : " + texts.subnetAddress,
        "Subnet Mask      : " + texts.subnetMask,
        "Subnet Bit Mask  : " + texts.subnetBitMask,
        "Subnet Bits      : " + texts.maskBits,
        "Host Bits        : " + texts.hostBits,
        "Possible Number of Subnets : " + texts.numberOfSubnets,
        "Hosts per Subnet : " + texts.hostsPerSubnet,
    });
}

}  // namespace netquill
