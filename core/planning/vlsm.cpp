#include "core/planning/vlsm.h"

#include "core/planning/ranges.h"

#include <algorithm>
#include <numeric>

namespace netquill {

namespace {

// Where each request's subnet goes: its index and network, largest first.
template <typename Address>
struct Carving {
    std::vector<std::pair<std::size_t, Address>> placed;
    std::optional<Range<Address>> rest;  // what is left, if anything
};

// Addresses of a subnet of `hostBits`, less one, so that a whole space fits.
template <typename Value>
constexpr Value sizeLessOne(int hostBits, int width)
{
    return hostBits == width ? static_cast<Value>(~Value{0}) : static_cast<Value>((Value{1} << hostBits) - 1);
}

// Requests as prefix lengths (none where no subnet holds the request) carved
// from a block, largest first: the sizes are powers of two taken in falling
// order, so the next free address is always aligned to the next size.
template <typename Address>
std::variant<Carving<Address>, VlsmShortfall> carve(Address network, int blockLength,
                                                    const std::vector<SubnetRequest> &requests)
{
    using Value = typename Address::Value;
    constexpr int kWidth = Address::kBits;
    std::vector<std::optional<int>> lengths;
    for (const SubnetRequest &request : requests)
        lengths.push_back(request.length);
    std::vector<std::size_t> order(lengths.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lengths[a].value_or(-1) < lengths[b].value_or(-1); });

    const Value span = sizeLessOne<Value>(kWidth - blockLength, kWidth);
    Value offset = 0;
    bool full = false;
    Carving<Address> carving;
    for (const std::size_t request : order) {
        const bool fits = lengths[request] && *lengths[request] >= blockLength && !full &&
                          span - offset >= sizeLessOne<Value>(kWidth - *lengths[request], kWidth);
        if (!fits) {
            // What every request asks, less the block: 128-bit sums with their
            // carries counted, as requests in a whole IPv6 space pass 2^128.
            Uint128 asked = 0;
            int carries = 0;
            for (const std::optional<int> &length : lengths) {
                const int hostBits = kWidth - length.value_or(0);
                const Uint128 size = hostBits >= 128 ? 0 : Uint128{1} << hostBits;
                carries += hostBits >= 128 || asked + size < asked ? 1 : 0;
                asked += size;
            }
            const bool roomIsWhole = kWidth == 128 && span == static_cast<Value>(~Value{0});
            const Uint128 room = roomIsWhole ? 0 : Uint128{span} + 1;
            const int lackingCarries = carries - (roomIsWhole ? 1 : 0) - (asked < room ? 1 : 0);
            const Uint128 lacking = asked - room;
            return VlsmShortfall{request, lackingCarries == 0                   ? decimalText(lacking)
                                          : lackingCarries == 1 && lacking == 0 ? Count::powerOfTwo(128).text()
                                                                                : "more than 2^128"};
        }
        const Value size = sizeLessOne<Value>(kWidth - *lengths[request], kWidth);
        carving.placed.emplace_back(request, Address(network.value() + offset));
        if (span - offset == size)
            full = true;
        else
            offset += size + 1;
    }
    if (!full)
        carving.rest = Range<Address>{Address(network.value() + offset), Address(network.value() + span)};
    return carving;
}

}  // namespace

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

template <typename Address>
std::variant<VlsmPlan<Address>, VlsmShortfall> allocateSubnets(Block<Address> block,
                                                               const std::vector<SubnetRequest> &requests)
{
    const auto carved = carve(block.network, block.length, requests);
    if (const auto *shortfall = std::get_if<VlsmShortfall>(&carved))
        return *shortfall;
    const auto &carving = std::get<Carving<Address>>(carved);
    VlsmPlan<Address> plan;
    for (const auto &[request, network] : carving.placed)
        plan.allocations.push_back({requests[request].name, {network, *requests[request].length}});
    if (carving.rest)
        appendCoveringBlocks(*carving.rest, plan.free);
    return plan;
}

template std::variant<VlsmPlan<Ipv4Address>, VlsmShortfall> allocateSubnets(Ipv4Block block,
                                                                            const std::vector<SubnetRequest> &requests);
template std::variant<VlsmPlan<Ipv6Address>, VlsmShortfall> allocateSubnets(Ipv6Block block,
                                                                            const std::vector<SubnetRequest> &requests);

}  // namespace netquill
