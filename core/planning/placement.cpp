#include "core/planning/placement.h"

#include <algorithm>
#include <numeric>

namespace netquill {

std::vector<std::size_t> placingOrder(const std::vector<SubnetRequest> &requests)
{
    std::vector<std::size_t> order(requests.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return requests[a].length < requests[b].length; });
    return order;
}

template <typename Address>
FreeSpace<Address>::FreeSpace(const std::vector<Block<Address>> &free)
{
    for (const Block<Address> &block : free)
        m_networksByLength[static_cast<std::size_t>(block.length)].insert(block.network.value());
}

template <typename Address>
std::optional<Block<Address>> FreeSpace<Address>::take(int length)
{
    if (length < 0 || length > Address::kBits)
        return std::nullopt;
    std::optional<Block<Address>> from;
    for (int larger = 0; larger <= length; ++larger) {
        const std::set<Value> &networks = m_networksByLength[static_cast<std::size_t>(larger)];
        if (!networks.empty() && (!from || *networks.begin() < from->network.value()))
            from = Block<Address>(Address(*networks.begin()), larger);
    }
    if (!from)
        return std::nullopt;
    m_networksByLength[static_cast<std::size_t>(from->length)].erase(from->network.value());
    // The upper half of each halving on the way down stays free.
    for (int half = from->length + 1; half <= length; ++half)
        m_networksByLength[static_cast<std::size_t>(half)].insert(
            from->network.value() | static_cast<Value>(Value{1} << (Address::kBits - half)));
    return Block<Address>(from->network, length);
}

template <typename Address>
std::vector<Block<Address>> FreeSpace<Address>::blocks() const
{
    std::vector<Block<Address>> free;
    for (int length = 0; length <= Address::kBits; ++length)
        for (const Value network : m_networksByLength[static_cast<std::size_t>(length)])
            free.emplace_back(Address(network), length);
    std::sort(free.begin(), free.end());
    return free;
}

template class FreeSpace<Ipv4Address>;
template class FreeSpace<Ipv6Address>;

}  // namespace netquill
