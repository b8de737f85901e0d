#include "core/address/reversezones.h"

namespace netquill {

namespace {

// How each family's reverse names are labelled.
template <typename Address>
struct ReverseLabels;

template <>
struct ReverseLabels<Ipv4Address> {
    static constexpr int kBits = 8;
    static constexpr const char *kSuffix = "in-addr.arpa.";
    static std::string text(unsigned octet) { return std::to_string(octet); }
};

template <>
struct ReverseLabels<Ipv6Address> {
    static constexpr int kBits = 4;
    static constexpr const char *kSuffix = "ip6.arpa.";
    static std::string text(unsigned nibble) { return {"0123456789abcdef"[nibble]}; }
};

}  // namespace

template <typename Address>
std::vector<std::string> reverseZones(const Block<Address> &block)
{
    using Labels = ReverseLabels<Address>;
    const int whole = block.length / Labels::kBits;
    const int partBits = block.length % Labels::kBits;
    // The zone of the first `labels` labels, the last of them moved on by `extra`.
    const auto zone = [&block](int labels, unsigned extra) {
        std::string name;
        for (int k = labels - 1; k >= 0; --k) {
            const int shift = Address::kBits - Labels::kBits * (k + 1);
            auto label = static_cast<unsigned>(block.network.value() >> shift) & ((1u << Labels::kBits) - 1);
            if (k == labels - 1)
                label += extra;
            name += Labels::text(label) + ".";
        }
        return name + Labels::kSuffix;
    };
    if (partBits == 0)
        return {zone(whole, 0)};
    std::vector<std::string> zones;
    for (unsigned value = 0; value < (1u << (Labels::kBits - partBits)); ++value)
        zones.push_back(zone(whole + 1, value));
    return zones;
}

template std::vector<std::string> reverseZones(const Ipv4Block &block);
template std::vector<std::string> reverseZones(const Ipv6Block &block);

}  // namespace netquill
