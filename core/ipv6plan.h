#pragma once

#include "core/ipv6.h"

#include <array>
#include <string>
#include <string_view>

// An IPv6 block split into equal subnets, row k at once for any k below 2^128,
// and the lines netquill-cli writes for its rows.
namespace netquill {

// The subnet of row k (0-based) of a block of either family split into
// subnets of `subnetLength` bits: the network moved on by k subnets.
template <typename Address>
constexpr Address nthSubnet(Address network, int subnetLength, typename Address::Value k)
{
    return subnetLength == 0 ? network : Address(network.value() + (k << (Address::kBits - subnetLength)));
}

class Ipv6Plan
{
public:
    // The subnet length is at least the block's.
    Ipv6Plan(Ipv6Block block, int subnetLength) : m_block(block), m_subnetLength(subnetLength) {}

    const Ipv6Block &block() const { return m_block; }
    int subnetLength() const { return m_subnetLength; }
    // Subnets less one, so that the 2^128 of ::/0 split into /128s fits.
    Uint128 lastRow() const
    {
        const int splitBits = m_subnetLength - m_block.length;
        return splitBits == 0 ? 0 : ~Uint128{0} >> (128 - splitBits);
    }
    std::string subnetCountText() const { return decimalCount(lastRow() + 1, m_subnetLength - m_block.length == 128); }
    // Addresses in each subnet, 2^128 for a /0.
    std::string addressCountText() const
    {
        return decimalCount(Uint128{1} << ((128 - m_subnetLength) % 128), m_subnetLength == 0);
    }
    Ipv6Block row(Uint128 k) const { return {nthSubnet(m_block.network, m_subnetLength, k), m_subnetLength}; }

private:
    Ipv6Block m_block;
    int m_subnetLength;
};

enum class RowFormat;
enum class LineEnd;

// Rows of IPv6 subnets: subnet, prefix length, first and last address and the
// address count, in the formats of the IPv4 rows; a named table (vlsm) has a
// "Name" column first.
class Ipv6RowRenderer
{
public:
    Ipv6RowRenderer(RowFormat format, LineEnd lineEnd);

    std::string tableStart(bool named = false) const;
    std::string tableEnd() const;
    void append(std::string &out, const Ipv6Block &row) const;
    // The same row written at `to`, which has room for kLongestRow bytes; returns its end.
    char *writeRow(char *to, const Ipv6Block &row) const;
    static constexpr std::size_t kLongestRow = 512;
    void appendNamed(std::string &out, std::string_view name, const Ipv6Block &row) const;

private:
    std::string_view countOf(int length) const;

    RowFormat m_format;
    std::string_view m_lineEnd;
    // The count of the last prefix length written: a 128-bit decimal costs
    // divisions. At most 39 digits, in a block that whole 40-byte copies read.
    mutable int m_countLength = -1;
    mutable std::array<char, 40> m_count{};
    mutable std::size_t m_countSize = 0;
};

}  // namespace netquill
