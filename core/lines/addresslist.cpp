#include "core/lines/addresslist.h"

#include "core/planning/ranges.h"

namespace netquill {

namespace {

template <typename Address>
void appendMerged(std::vector<Range<Address>> &ranges, std::vector<PlanBlock> &blocks)
{
    mergeRanges(ranges);
    std::vector<Block<Address>> covering;
    for (const Range<Address> &range : ranges)
        appendCoveringBlocks(range, covering);
    for (const Block<Address> &block : covering)
        blocks.push_back(PlanBlock::of(block));
}

// Keeps the entry's range, or gives why it is none.
template <typename Address>
std::string keepRange(std::string_view entry, std::vector<Range<Address>> &ranges)
{
    const auto range = parseRange<Address>(entry);
    if (!range)
        return range.reason();
    ranges.push_back(*range);
    return {};
}

}  // namespace

Parsed<std::vector<PlanBlock>> readAddressList(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Range<Ipv4Address>> ipv4;
    std::vector<Range<Ipv6Address>> ipv6;
    for (std::size_t start = 0, line = 1; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        const std::string_view entry = withoutBlanksAround(raw.substr(0, raw.find('#')));
        if (entry.empty())
            continue;
        const std::string reason = looksLikeIpv6(entry) ? keepRange(entry, ipv6) : keepRange(entry, ipv4);
        if (!reason.empty())
            return Parsed<std::vector<PlanBlock>>::refused("line " + std::to_string(line) + ": " + reason);
    }
    std::vector<PlanBlock> blocks;
    appendMerged(ipv4, blocks);
    appendMerged(ipv6, blocks);
    return blocks;
}

}  // namespace netquill
