#include "core/planning/hostrule.h"

namespace netquill {

namespace {

// A subnet's network and broadcast, where it has host bits for them.
int networkMargin(Prefix subnet) { return subnet.hostBits() >= 2 ? 1 : 0; }

}  // namespace

HostRule HostRule::pointToPoint()
{
    HostRule rule;
    rule.m_pointToPoint = true;
    return rule;
}

HostRule HostRule::inCloud(CloudProvider provider)
{
    HostRule rule;
    rule.m_cloud = provider;
    return rule;
}

int HostRule::keptFirst(Prefix subnet) const
{
    return cloud() && sizeRefusal(subnet).empty() ? cloud()->keptFirst : networkMargin(subnet);
}

int HostRule::keptLast(Prefix subnet) const
{
    return cloud() && sizeRefusal(subnet).empty() ? cloud()->keptLast : networkMargin(subnet);
}

std::uint64_t HostRule::usableHosts(Prefix subnet) const
{
    if (subnet.hostBits() < 2)
        return subnet.usableHosts();
    return subnet.addressCount() - static_cast<std::uint64_t>(keptFirst(subnet) + keptLast(subnet));
}

std::string HostRule::sizeRefusal(Prefix subnet) const
{
    const CloudRule *rule = cloud();
    if (!rule || (subnet.bits() >= rule->shortestLength && subnet.bits() <= rule->longestLength))
        return {};
    return cloudSizeRule(*rule);
}

std::optional<Prefix> HostRule::smallestPrefixHolding(std::uint64_t hosts) const
{
    if (m_pointToPoint && hosts <= 2)
        return Prefix(kLongestMask - 1);
    const CloudRule *rule = cloud();
    const int longest = rule ? rule->longestLength : kLongestMask - 2;
    const int shortest = rule ? rule->shortestLength : 0;
    for (int bits = longest; bits >= shortest; --bits)
        if (usableHosts(Prefix(bits)) >= hosts)
            return Prefix(bits);
    return std::nullopt;
}

std::uint64_t HostRule::mostRequestableHosts(Prefix block) const
{
    const CloudRule *rule = cloud();
    const int longest = rule ? rule->longestLength : m_pointToPoint ? kLongestMask - 1 : kLongestMask - 2;
    const int largest = rule ? std::max(block.bits(), rule->shortestLength) : block.bits();
    return largest > longest ? 0 : usableHosts(Prefix(largest));
}

std::string HostRule::noRoomIn(Prefix block) const
{
    if (const CloudRule *rule = cloud())
        return cloudSizeRule(*rule) + "; a /" + std::to_string(block.bits()) + " holds none";
    return "a /" + std::to_string(block.bits()) + " holds " +
           (block.hostBits() == 0 ? "one address" : "two addresses") +
           "; a request for hosts gets a /30, or a /31 with --rfc3021";
}

}  // namespace netquill
