#include "core/planning/vlsm.h"

#include "core/planning/placement.h"
#include "core/planning/ranges.h"

namespace netquill {

namespace {

// How many addresses the requests of these lengths ask for beyond the block's
// size, in decimal: 128-bit sums with their carries counted, as requests in a
// whole IPv6 space pass 2^128.
template <typename Address>
std::string lackingFor(const std::vector<SubnetRequest> &requests, int blockLength)
{
    constexpr int kWidth = Address::kBits;
    Uint128 asked = 0;
    int carries = 0;
    for (const SubnetRequest &request : requests) {
        const int hostBits = kWidth - request.length;
        const Uint128 size = hostBits >= 128 ? 0 : Uint128{1} << hostBits;
        carries += hostBits >= 128 || asked + size < asked ? 1 : 0;
        asked += size;
    }
    const bool roomIsWhole = kWidth - blockLength == 128;
    const Uint128 room = roomIsWhole ? 0 : Uint128{1} << (kWidth - blockLength);
    const int lackingCarries = carries - (roomIsWhole ? 1 : 0) - (asked < room ? 1 : 0);
    const Uint128 lacking = asked - room;
    return lackingCarries == 0                   ? decimalText(lacking)
           : lackingCarries == 1 && lacking == 0 ? Count::powerOfTwo(128).text()
                                                 : "more than 2^128";
}

}  // namespace

template <typename Address>
std::variant<VlsmAllocation<Address>, VlsmShortfall> allocateSubnets(Block<Address> block,
                                                                     const std::vector<SubnetRequest> &requests)
{
    FreeSpace<Address> space({block});
    VlsmAllocation<Address> carved;
    for (const std::size_t request : placingOrder(requests)) {
        const int length = requests[request].length;
        const auto subnet = length >= block.length ? space.take(length) : std::nullopt;
        if (!subnet)
            return VlsmShortfall{request, lackingFor<Address>(requests, block.length)};
        carved.allocations.push_back({requests[request].name, *subnet});
    }
    carved.free = space.blocks();
    return carved;
}

template std::variant<VlsmAllocation<Ipv4Address>, VlsmShortfall>
allocateSubnets(Ipv4Block block, const std::vector<SubnetRequest> &requests);
template std::variant<VlsmAllocation<Ipv6Address>, VlsmShortfall>
allocateSubnets(Ipv6Block block, const std::vector<SubnetRequest> &requests);

}  // namespace netquill
