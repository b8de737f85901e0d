#include "core/vlsm.h"

#include "core/ranges.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace netquill {

std::optional<Prefix> smallestPrefixHolding(std::uint64_t hosts, bool rfc3021)
{
    if (rfc3021 && hosts <= 2)
        return Prefix(kLongestMask - 1);
    for (int hostBits = 2; hostBits <= kLongestMask; ++hostBits) {
        if ((std::uint64_t{1} << hostBits) - 2 >= hosts)
            return Prefix(kLongestMask - hostBits);
    }
    return std::nullopt;
}

std::uint64_t mostUsableHosts(Prefix prefix, bool rfc3021)
{
    if (prefix.hostBits() >= 2)
        return prefix.addressCount() - 2;
    return prefix.hostBits() == 1 && rfc3021 ? 2 : 0;
}

std::variant<VlsmPlan, VlsmShortfall> allocateSubnets(Block block, const std::vector<SubnetRequest> &requests,
                                                      bool rfc3021)
{
    std::vector<std::size_t> order(requests.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<std::uint64_t> sizes;
    for (const SubnetRequest &request : requests) {
        const auto prefix = smallestPrefixHolding(request.hosts, rfc3021);
        sizes.push_back(prefix ? prefix->addressCount() : std::uint64_t{1} << (kLongestMask + 1));
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return sizes[a] > sizes[b]; });

    // Sizes are powers of two taken largest first, so the next free address is
    // always aligned to the next size.
    const std::uint64_t room = block.prefix.addressCount();
    std::uint64_t used = 0;
    VlsmPlan plan;
    for (const std::size_t request : order) {
        if (used + sizes[request] > room) {
            const std::uint64_t needed = std::accumulate(sizes.begin(), sizes.end(), std::uint64_t{0});
            return VlsmShortfall{request, needed - room};
        }
        const Prefix prefix(kLongestMask - std::countr_zero(sizes[request]));
        plan.allocations.push_back(
            {requests[request].name, {Ipv4Address(static_cast<std::uint32_t>(block.network.value() + used)), prefix}});
        used += sizes[request];
    }
    if (used < room)
        appendCoveringBlocks({Ipv4Address(static_cast<std::uint32_t>(block.network.value() + used)), block.broadcast()},
                             plan.free);
    return plan;
}

}  // namespace netquill
