#pragma once

#include "masktable.h"
#include "subnetwalk.h"

#include <cstdint>
#include <string>

// The plan the "Subnet Calculator" tab reads for a block, its CIDR prefix and
// the subnet mask chosen, as its lists show them.
inline netquill::SubnetPlan planOf(std::array<std::string, 4> block, int cidrBits, int maskBits)
{
    return {std::move(block),
            netquill::MaskTable(cidrBits).binary,
            netquill::MaskTable(maskBits).dotted,
            netquill::MaskTable(maskBits).inverse,
            netquill::HostsPerSubnetText(32 - maskBits),
            std::to_string(std::uint64_t{1} << (maskBits - cidrBits))};
}
