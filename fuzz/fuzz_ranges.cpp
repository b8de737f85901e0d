// Address-list entries of any text, merged and covered by CIDR blocks: an
// entry is read or refused, never half-read, and the blocks cover exactly the
// merged ranges, in order, each aligned.
#include "core/ranges.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto lines = splitFields<8>(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<netquill::AddressRange> ranges;
    for (const std::string &line : lines) {
        const auto entry = netquill::parseAddressEntry(line);
        FUZZ_CHECK(!entry || !(entry->last < entry->first));
        FUZZ_CHECK(!entry || onlyCharacters(line, "0123456789./-"));
        if (entry)
            ranges.push_back(*entry);
    }
    netquill::mergeRanges(ranges);
    std::vector<netquill::Block> blocks;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        FUZZ_CHECK(k == 0 || std::uint64_t{ranges[k - 1].last.value()} + 1 < ranges[k].first.value());
        blocks.clear();
        netquill::appendCoveringBlocks(ranges[k], blocks);
        std::uint64_t next = ranges[k].first.value();
        for (const netquill::Block &block : blocks) {
            FUZZ_CHECK(block.network.value() == next &&
                       netquill::Block::containing(block.network, block.prefix) == block);
            next = std::uint64_t{block.broadcast().value()} + 1;
        }
        FUZZ_CHECK(next == std::uint64_t{ranges[k].last.value()} + 1);
    }
    return 0;
}
