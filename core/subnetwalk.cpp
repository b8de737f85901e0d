#include "subnetwalk.h"

#include "decimaltext.h"
#include "masktable.h"
#include "numberbase.h"
#include "octet.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace netquill {

namespace {

constexpr std::uint64_t kLargestAddress = 0xFFFFFFFF;

std::uint64_t valueOfBinary(const std::string &binary)
{
    std::uint64_t value = 0;
    for (const char bit : binary)
        value = value * 2 + (bit == '1' ? 1 : 0);
    return value;
}

// "Subnet Size" counts usable hosts, and a /31 has two of them.
std::string subnetSizeOf(const std::string &hostsText)
{
    return hostsText == HostsPerSubnetText(1) ? std::string("2") : hostsText;
}

}  // namespace

std::uint64_t countOf(const std::string &decimal)
{
    const std::string_view digits = leadingDigits(decimal);
    std::uint64_t count = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<std::uint64_t>::max();
    return count;
}

std::string dottedQuadText(std::uint64_t value)
{
    // Beyond the last address the routines' 33-digit text is cut into octets as it stands.
    if (value > kLargestAddress)
        return dottedFromBinary(dec2bin(std::to_string(value)));
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        text += std::to_string((value >> shift) & 0xFF);
        if (shift > 0)
            text += '.';
    }
    return text;
}

std::string SubnetRow::text(SubnetColumn column) const
{
    switch (column) {
    case SubnetColumn::Subnet:
        return subnet;
    case SubnetColumn::Mask:
        return mask;
    case SubnetColumn::InverseMask:
        return inverseMask;
    case SubnetColumn::SubnetSize:
        return subnetSize;
    case SubnetColumn::HostRange:
        return firstHost + " to " + lastHost;
    case SubnetColumn::Broadcast:
        return broadcast;
    }
    return {};
}

SubnetWalk::SubnetWalk(const SubnetPlan &plan)
    : m_mask(plan.subnetMask), m_inverseMask(plan.inverseMask), m_subnetSize(subnetSizeOf(plan.hostsText))
{
    std::array<std::string, 4> octets;
    for (std::size_t k = 0; k < octets.size(); ++k)
        octets[k] = FoldOctetText(plan.blockOctets[k]);
    std::string network = binaryAddressOf(octets);
    for (std::size_t position = 0; position < network.size() && position < plan.cidrBinaryMask.size(); ++position) {
        if (plan.cidrBinaryMask[position] == '0')
            network[position] = '0';
    }
    m_networkAddress = valueOfBinary(network);
    m_nextSubnet = m_networkAddress;

    if (plan.hostsText == HostsPerSubnetText(1)) {
        m_kind = SubnetKind::PointToPoint;
    } else if (plan.hostsText == HostsPerSubnetText(0)) {
        m_kind = SubnetKind::SingleAddress;
    } else {
        // No subnet of an IPv4 block holds more than 2^32 addresses.
        m_usableHosts = std::min(countOf(plan.hostsText), kLargestAddress + 1);
    }
}

SubnetAddresses SubnetWalk::nextAddresses()
{
    const std::uint64_t subnet = m_nextSubnet;
    SubnetAddresses row{subnet, subnet, subnet, subnet};
    switch (m_kind) {
    case SubnetKind::PointToPoint:
        // RFC 3021: both addresses of a /31 are hosts; the second is also its broadcast.
        row.lastHost = row.broadcast = subnet + 1;
        break;
    case SubnetKind::SingleAddress:
        // A /32 is one address: host and broadcast at once.
        break;
    case SubnetKind::Ordinary:
        row.firstHost = subnet + 1;
        row.lastHost = subnet + m_usableHosts;
        row.broadcast = subnet + m_usableHosts + 1;
        break;
    }
    m_nextSubnet = row.broadcast + 1;
    return row;
}

void SubnetWalk::jumpTo(std::uint64_t row)
{
    std::uint64_t addressesPerSubnet = 1;
    switch (m_kind) {
    case SubnetKind::PointToPoint:
        addressesPerSubnet = 2;
        break;
    case SubnetKind::SingleAddress:
        break;
    case SubnetKind::Ordinary:
        addressesPerSubnet = m_usableHosts + 2;
        break;
    }
    m_nextSubnet = m_networkAddress + row * addressesPerSubnet;
}

SubnetRow SubnetWalk::next()
{
    const SubnetAddresses row = nextAddresses();
    return {dottedQuadText(row.subnet),    m_mask, m_inverseMask, m_subnetSize, dottedQuadText(row.firstHost),
            dottedQuadText(row.lastHost), dottedQuadText(row.broadcast)};
}

}  // namespace netquill
