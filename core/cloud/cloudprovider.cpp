#include "core/cloud/cloudprovider.h"

#include <algorithm>

namespace netquill {

const CloudRule &cloudRule(CloudProvider provider)
{
    return *std::find_if(std::begin(kCloudRules), std::end(kCloudRules),
                         [&](const CloudRule &rule) { return rule.provider == provider; });
}

std::optional<CloudProvider> cloudProviderNamed(std::string_view key)
{
    for (const CloudRule &rule : kCloudRules)
        if (rule.key == key)
            return rule.provider;
    return std::nullopt;
}

std::string cloudProviderKeys()
{
    std::string keys;
    const std::size_t count = std::size(kCloudRules);
    for (std::size_t k = 0; k < count; ++k)
        keys.append(k == 0 ? "" : k + 1 == count ? " or " : ", ").append(kCloudRules[k].key);
    return keys;
}

std::string cloudSizes(const CloudRule &rule)
{
    const std::string smallest = "/" + std::to_string(rule.longestLength);
    return rule.shortestLength == 0 ? smallest + " or larger"
                                    : "/" + std::to_string(rule.shortestLength) + " to " + smallest;
}

std::string cloudSizeRule(const CloudRule &rule) { return std::string(rule.name) + " subnets are " + cloudSizes(rule); }

std::string cloudKeptAddresses(const CloudRule &rule)
{
    return "the first " + std::to_string(rule.keptFirst) + " addresses and the last" +
           (rule.keptLast == 1 ? std::string() : " " + std::to_string(rule.keptLast));
}

}  // namespace netquill
