// The network/node calculation on any octet texts and any mask: its results
// agree with 32-bit AND/OR arithmetic on the folded octets.
#include "core/networknode.h"
#include "core/octet.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

namespace {

std::string dotted(std::uint32_t value)
{
    return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 255) + "." +
           std::to_string((value >> 8) & 255) + "." + std::to_string(value & 255);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int maskBits = data[0] % 33;  // 0: no mask chosen
    const auto texts = splitFields<4>(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
    std::array<std::string, 4> octets;
    for (std::size_t k = 0; k < 4; ++k)
        octets[k] = texts[k].substr(0, texts[k].find_first_not_of("0123456789"));  // what the octet fields take

    const netquill::NetworkNodeResult result = netquill::CalculateNetworkNode({octets, netquill::Prefix(maskBits)});

    std::uint32_t address = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        FUZZ_CHECK(result.octets[k] == netquill::FoldOctetText(octets[k]));
        address = address << 8 | static_cast<std::uint32_t>(std::stoul(result.octets[k]));
    }
    const std::uint32_t mask = maskBits == 0 ? 0 : static_cast<std::uint32_t>(0xFFFFFFFFull << (32 - maskBits));
    FUZZ_CHECK(result.hostID == dotted(address & ~mask));
    FUZZ_CHECK(result.networkID == dotted(address & mask));
    FUZZ_CHECK(result.broadcastAddress == dotted(address | ~mask));
    const std::uint64_t addresses = std::uint64_t{1} << (32 - maskBits);
    FUZZ_CHECK(result.nodesInSubnet == std::to_string(maskBits == 32 ? 1 : addresses - 2));
    return 0;
}
