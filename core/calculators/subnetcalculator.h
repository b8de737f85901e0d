#pragma once

#include "core/address/ipv4.h"

#include <array>
#include <string>

// The "Subnet Calculator" tab without its window: the five linked plan lists,
// the subnet bit mask, the subnet address and the clipboard text.
namespace netquill {

// The five plan lists, in the order the plan reads them.
enum class PlanList { SubnetMask = 0, MaskBits, NumberOfSubnets, HostBits, HostsPerSubnet };
constexpr std::size_t kPlanListCount = 5;

// Where every plan list stands for one plan, indexed by PlanList.
using PlanEntries = std::array<int, kPlanListCount>;

// The entries of all five lists that belong with entry `chosen` of the list the
// user chose, when each list holds `entryCount` entries (33 − p). The subnet
// mask, mask bits and number of subnets lists run one way, the two host lists
// the other.
PlanEntries linkedPlanEntries(PlanList chosenList, int chosen, int entryCount);

// The picture of an address's bits under a plan: "n" for the block's bits,
// "s" for the subnet bits, "h" for the host bits, in four dotted groups of
// eight ("nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh").
std::string SubnetBitMaskPattern(Prefix cidr, Prefix subnet);

// The block's address with the subnet mask's host bits cleared; octets are not
// folded here (an octet above 255 gives its low eight bits).
std::string ComputeSubnetAddress(const std::array<std::string, 4> &blockOctets, Prefix subnet);

// What the tab shows, for its clipboard text.
struct SubnetTexts {
    std::array<std::string, 4> blockOctets;
    std::string cidrBits;  // as shown in the bits list
    std::string cidrMask;  // as shown in the CIDR mask list
    std::string subnetAddress;
    std::string subnetMask;
    std::string subnetBitMask;
    std::string maskBits;
    std::string hostBits;
    std::string numberOfSubnets;
    std::string hostsPerSubnet;
};

}  // namespace netquill
