// The subnet walk: for the plan of any block, prefix and subnet mask the rows
// tile the block; for any texts at all it still returns dotted addresses.
#include "fuzzcheck.h"
#include "masktable.h"
#include "subnetwalk.h"

#include <cstdint>

namespace {

constexpr std::uint64_t kMostRowsChecked = 2048;

void checkTiling(const std::uint8_t *data)
{
    const std::uint32_t block = static_cast<std::uint32_t>(data[1]) << 24 | static_cast<std::uint32_t>(data[2]) << 16 |
                                static_cast<std::uint32_t>(data[3]) << 8 | data[4];
    const int cidrBits = data[5] % 32 + 1;
    const int maskBits = cidrBits + data[6] % (33 - cidrBits);
    const std::uint64_t total = std::uint64_t{1} << (maskBits - cidrBits);
    const netquill::SubnetPlan plan{{std::to_string(data[1]), std::to_string(data[2]), std::to_string(data[3]),
                                     std::to_string(data[4])},
                                    netquill::MaskTable(cidrBits).binary,
                                    netquill::MaskTable(maskBits).dotted,
                                    netquill::MaskTable(maskBits).inverse,
                                    netquill::HostsPerSubnetText(32 - maskBits),
                                    std::to_string(total)};
    const std::uint64_t blockSize = std::uint64_t{1} << (32 - cidrBits);
    const std::uint64_t network = block & ~(blockSize - 1) & 0xFFFFFFFFu;
    const std::uint64_t subnetSize = std::uint64_t{1} << (32 - maskBits);

    netquill::SubnetWalk walk(plan);
    FUZZ_CHECK(walk.networkAddress() == network);
    // The first rows, and the last when the plan is short enough to reach it.
    const std::uint64_t rows = std::min(total, kMostRowsChecked);
    for (std::uint64_t k = 0; k < rows; ++k) {
        const netquill::SubnetRow row = walk.next();
        const std::uint64_t start = network + k * subnetSize;
        FUZZ_CHECK(row.subnet == netquill::dottedQuadText(start));
        FUZZ_CHECK(row.broadcast == netquill::dottedQuadText(start + subnetSize - 1));
        const std::uint64_t firstHost = subnetSize <= 2 ? start : start + 1;
        const std::uint64_t lastHost = subnetSize <= 2 ? start + subnetSize - 1 : start + subnetSize - 2;
        FUZZ_CHECK(row.firstHost == netquill::dottedQuadText(firstHost));
        FUZZ_CHECK(row.lastHost == netquill::dottedQuadText(lastHost));
    }
    if (total <= kMostRowsChecked)
        FUZZ_CHECK(walk.next().subnet == netquill::dottedQuadText(network + blockSize));
}

void checkAnyTexts(std::string_view bytes)
{
    const auto texts = splitFields<9>(bytes);
    const netquill::SubnetPlan plan{{texts[0], texts[1], texts[2], texts[3]}, texts[4], texts[5], texts[6], texts[7], texts[8]};
    netquill::SubnetWalk walk(plan);
    for (int k = 0; k < 64; ++k) {
        const netquill::SubnetRow row = walk.next();
        for (const std::string *address : {&row.subnet, &row.firstHost, &row.lastHost, &row.broadcast})
            FUZZ_CHECK(onlyCharacters(*address, "0123456789.") && std::count(address->begin(), address->end(), '.') == 3);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size >= 7 && data[0] % 2 == 0)
        checkTiling(data);
    else if (size > 0)
        checkAnyTexts(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
    return 0;
}
