#pragma once

#include "core/address/ipv4.h"

#include <string>
#include <vector>

// The texts of the plan lists of a CIDR block, as the "Subnet Calculator" tab
// offers them.
namespace netquill {

// Every plan of a block with prefix p, 33 − p entries per list. Entry j of the
// subnet mask, mask bits and number of subnets lists belongs to the plan of j
// subnet bits; the two host lists run the other way, so their entry j is the
// plan of 32 − p − j subnet bits.
struct PlanLists {
    std::vector<std::string> subnetMasks;
    std::vector<std::string> maskBits;
    std::vector<std::string> numberOfSubnets;
    std::vector<std::string> hostBits;
    std::vector<std::string> hostsPerSubnet;
};

// The usable hosts of a subnet of the prefix as the lists offer them: "2
// (RFC3021)" for a /31.
std::string hostsPerSubnetText(Prefix prefix);

// A prefix outside 1 to 32 has no plans: every list is empty.
PlanLists planListsFor(Prefix cidr);

}  // namespace netquill
