#include "masktable.h"

#include "octet.h"

#include <array>
#include <cstdint>

namespace netquill {

namespace {

std::array<MaskRow, kLongestMask> makeMaskTable()
{
    std::array<MaskRow, kLongestMask> table;
    for (int maskBits = kShortestMask; maskBits <= kLongestMask; ++maskBits) {
        const std::string binary = std::string(maskBits, '1') + std::string(kLongestMask - maskBits, '0');
        std::string inverse;
        for (const char bit : binary)
            inverse += bit == '1' ? '0' : '1';
        table[static_cast<std::size_t>(maskBits - 1)] = {dottedFromBinary(binary), dottedFromBinary(inverse), binary};
    }
    return table;
}

}  // namespace

const MaskRow &MaskTable(int maskBits)
{
    static const std::array<MaskRow, kLongestMask> table = makeMaskTable();
    return table.at(static_cast<std::size_t>(maskBits - 1));
}

std::string HostsPerSubnetText(int hostBits)
{
    if (hostBits < 0 || hostBits > kLongestMask)
        return {};
    switch (hostBits) {
    case 0:
        return "1";
    case 1:
        return "2 (RFC3021)";
    case 2:
        return "2";
    default:
        return std::to_string((std::uint64_t{1} << hostBits) - 2);
    }
}

PlanLists planListsFor(int cidrBits)
{
    PlanLists lists;
    if (cidrBits < kShortestMask || cidrBits > kLongestMask)
        return lists;
    for (int maskBits = cidrBits; maskBits <= kLongestMask; ++maskBits) {
        const MaskRow &row = MaskTable(maskBits);
        lists.subnetMasks.push_back(row.dotted);
        lists.maskBits.push_back(std::to_string(maskBits));
        lists.inverseMasks.push_back(row.inverse);
        lists.binaryMasks.push_back(row.binary);
    }
    for (int j = 0; j < static_cast<int>(lists.subnetMasks.size()); ++j) {
        lists.hostBits.push_back(std::to_string(j));
        lists.numberOfSubnets.push_back(std::to_string(std::uint64_t{1} << j));
        lists.hostsPerSubnet.push_back(HostsPerSubnetText(j));
    }
    return lists;
}

}  // namespace netquill
