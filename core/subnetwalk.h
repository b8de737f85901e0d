#pragma once

#include <array>
#include <cstdint>
#include <string>

// The subnets of a plan, one row at a time, in ascending address order.
namespace netquill {

// What the walk reads from the "Subnet Calculator" tab.
struct SubnetPlan {
    std::array<std::string, 4> blockOctets;  // as the fields hold them
    std::string cidrBinaryMask;              // 32 digits
    std::string subnetMask;                  // "255.255.255.192"
    std::string inverseMask;                 // "0.0.0.63"
    std::string hostsText;                   // "62", "2", "2 (RFC3021)" or "1"
    std::string total;                       // number of subnets, "1" to "2147483648"
};

enum class SubnetColumn { Subnet = 0, Mask, InverseMask, SubnetSize, HostRange, Broadcast };
constexpr int kSubnetColumnCount = 6;

struct SubnetRow {
    std::string subnet;
    std::string mask;
    std::string inverseMask;
    std::string subnetSize;
    std::string firstHost;
    std::string lastHost;
    std::string broadcast;

    // The six texts of the table: "Host Range" is "first to last".
    std::string text(SubnetColumn column) const;

    bool operator==(const SubnetRow &) const = default;
};

// The dotted text of an address value, as the number-base routines write it.
std::string dottedQuadText(std::uint64_t value);

// The four addresses of one subnet row, as numbers.
struct SubnetAddresses {
    std::uint64_t subnet;
    std::uint64_t firstHost;
    std::uint64_t lastHost;
    std::uint64_t broadcast;
};

// A walk over the subnets of a plan. A small value: it holds where it stopped,
// never the rows, so any plan can be walked in constant memory.
class SubnetWalk
{
public:
    // Starts at the block's network address. Empty octets count as 0 and
    // octets above 255 fold, as "Generate Subnets" would write them.
    explicit SubnetWalk(const SubnetPlan &plan);

    // The next subnet; each row starts right after the previous one's broadcast.
    SubnetRow next();
    // The same, as numbers, for callers that write the texts themselves.
    SubnetAddresses nextAddresses();
    // Moves to the row of the given 0-based number at once, by arithmetic.
    void jumpTo(std::uint64_t row);

    const std::string &mask() const { return m_mask; }
    const std::string &inverseMask() const { return m_inverseMask; }
    const std::string &subnetSize() const { return m_subnetSize; }

    std::uint64_t networkAddress() const { return m_networkAddress; }

private:
    enum class SubnetKind { Ordinary, PointToPoint, SingleAddress };

    SubnetKind m_kind = SubnetKind::Ordinary;
    std::uint64_t m_usableHosts = 0;
    std::uint64_t m_networkAddress = 0;
    // Where the next subnet starts: right after the last broadcast.
    std::uint64_t m_nextSubnet = 0;
    std::string m_mask;
    std::string m_inverseMask;
    std::string m_subnetSize;
};

// The number a decimal text such as a plan's total or host count stands for;
// 0 for a text without digits, saturating at the largest 64-bit value.
std::uint64_t countOf(const std::string &decimal);

}  // namespace netquill
