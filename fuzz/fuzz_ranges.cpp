// The one strict parser over any text, and address-list entries merged and
// covered by CIDR blocks: a text is read whole or refused with a reason, an
// address read prints back as the very text, and the blocks cover exactly the
// merged ranges, in order, each aligned.
#include "core/addresstext.h"
#include "core/ranges.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto lines = splitFields<8>(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<netquill::AddressRange> ranges;
    for (const std::string &line : lines) {
        const auto address = netquill::parseAddress(line);
        FUZZ_CHECK(address ? address->text() == line : !address.reason().empty());
        const auto prefix = netquill::parsePrefix(line);
        FUZZ_CHECK(!prefix || prefix->bits() <= 32);
        const auto entry = netquill::parseRange(line);
        FUZZ_CHECK(entry ? !(entry->last < entry->first) : !entry.reason().empty());
        FUZZ_CHECK(!entry || onlyCharacters(line, "0123456789./- \t"));
        if (entry)
            ranges.push_back(*entry);
    }
    const std::vector<netquill::AddressRange> entries = ranges;
    netquill::mergeRanges(ranges);
    // Every entry lies within one merged range.
    for (const netquill::AddressRange &entry : entries) {
        const auto holder =
            std::upper_bound(ranges.begin(), ranges.end(), entry.first,
                             [](netquill::Ipv4Address a, const netquill::AddressRange &r) { return a < r.first; });
        FUZZ_CHECK(holder != ranges.begin() && !(std::prev(holder)->last < entry.last));
    }
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
