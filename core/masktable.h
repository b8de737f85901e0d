#pragma once

#include <string>
#include <vector>

// The IPv4 masks by prefix length, and the subnet plans of a CIDR block.
namespace netquill {

constexpr int kShortestMask = 1;
constexpr int kLongestMask = 32;

struct MaskRow {
    std::string dotted;   // "255.255.255.0"
    std::string inverse;  // "0.0.0.255", the wildcard mask
    std::string binary;   // 24 "1" then 8 "0"
};

// The mask of 1 to 32 leading one bits; any other count is a programming error
// (std::out_of_range).
const MaskRow &MaskTable(int maskBits);

// Usable hosts in a subnet of h host bits: "1" for a /32, "2 (RFC3021)" for a
// point-to-point /31, "2" for a /30, then 2^h − 2. Empty outside 0 to 32.
std::string HostsPerSubnetText(int hostBits);

// The seven lists of every plan of a block with CIDR prefix p, 33 − p entries
// each. Entry j of the first five lists (and of numberOfSubnets) belongs to
// the plan of j subnet bits; the two host lists run the other way, so their
// entry j is the plan of 32 − p − j subnet bits.
struct PlanLists {
    std::vector<std::string> subnetMasks;
    std::vector<std::string> maskBits;
    std::vector<std::string> inverseMasks;
    std::vector<std::string> binaryMasks;
    std::vector<std::string> numberOfSubnets;
    std::vector<std::string> hostBits;
    std::vector<std::string> hostsPerSubnet;
};

// A prefix outside 1 to 32 has no plans: every list is empty.
PlanLists planListsFor(int cidrBits);

}  // namespace netquill
