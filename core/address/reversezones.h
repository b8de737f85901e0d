#pragma once

#include "core/address/block.h"

#include <string>
#include <vector>

// The reverse DNS zones that cover exactly a block: the block's own where its
// prefix ends on a label (an octet in in-addr.arpa., a nibble in ip6.arpa.),
// else one for each value of the label the prefix ends in, 2 to 128 zones.
namespace netquill {

template <typename Address>
std::vector<std::string> reverseZones(const Block<Address> &block);

}  // namespace netquill
