#pragma once

#include <optional>
#include <string>
#include <string_view>

// The IPv4 subnets of the public clouds: the addresses each provider keeps in
// every subnet and the sizes it lets a subnet have, each taken from the
// provider's own documentation (read on 2026-12-08), whose address is given
// with it.
namespace netquill {

enum class CloudProvider { Aws, Azure, Gcp, Oci };

struct CloudRule {
    CloudProvider provider;
    std::string_view key;   // as --cloud takes it: "aws"
    std::string_view name;  // as a message names it: "AWS"
    int keptFirst;          // addresses the provider keeps at a subnet's start, the network address with them
    int keptLast;           // and at its end, the broadcast address with them
    // The prefix lengths of the largest and the smallest subnet. Where the
    // documentation gives no largest, any up to the whole space; where it
    // gives no smallest, the smallest that leaves a host after the kept addresses.
    int shortestLength;
    int longestLength;
    std::string_view source;
};

inline constexpr CloudRule kCloudRules[] = {
    // "AWS reserves both the first four and the last IPv4 address in each
    // subnet's CIDR block"; a subnet from /16 to /28.
    {CloudProvider::Aws, "aws", "AWS", 4, 1, 16, 28,
     "https://docs.aws.amazon.com/AWSEC2/latest/APIReference/API_CreateSubnet.html"},
    // The first four (network, default gateway, two mapping Azure DNS) and
    // the last (broadcast); a subnet of /29 at the smallest, no largest given.
    {CloudProvider::Azure, "azure", "Azure", 4, 1, 0, 29,
     "https://learn.microsoft.com/azure/virtual-network/virtual-networks-faq"},
    // The first two (network, default gateway) and the last two (one kept for
    // future use, the broadcast) of a subnet's primary range; no sizes given.
    {CloudProvider::Gcp, "gcp", "Google Cloud", 2, 2, 0, 29,
     "https://cloud.google.com/vpc/docs/subnets#unusable-ip-addresses-in-every-subnet"},
    // The first two addresses of each subnet's CIDR and the last; a VCN,
    // and so each subnet in it, from /16 to /30.
    {CloudProvider::Oci, "oci", "Oracle Cloud", 2, 1, 16, 30,
     "https://docs.oracle.com/iaas/Content/Network/Concepts/overview.htm"},
};

const CloudRule &cloudRule(CloudProvider provider);

// The provider --cloud names, by its key; nothing for another word.
std::optional<CloudProvider> cloudProviderNamed(std::string_view key);

// "aws, azure, gcp or oci", for a refusal of another word.
std::string cloudProviderKeys();

// What sizes the provider's subnets have: "/16 to /28", "/29 or larger".
std::string cloudSizes(const CloudRule &rule);
// Why a subnet of another size is refused: "AWS subnets are /16 to /28".
std::string cloudSizeRule(const CloudRule &rule);
// The addresses it keeps: "the first 4 addresses and the last".
std::string cloudKeptAddresses(const CloudRule &rule);

}  // namespace netquill
