#include "core/ranges.h"

#include <algorithm>
#include <bit>

namespace netquill {

std::optional<Ipv4Address> parseDottedAddress(std::string_view text)
{
    std::uint32_t value = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0) {
            if (text.empty() || text.front() != '.')
                return std::nullopt;
            text.remove_prefix(1);
        }
        unsigned number = 0;
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9' && digits < 3)
            number = number * 10 + static_cast<unsigned>(text[digits++] - '0');
        if (digits == 0 || number > 255 || (digits < text.size() && text[digits] >= '0' && text[digits] <= '9'))
            return std::nullopt;
        value = value << 8 | number;
        text.remove_prefix(digits);
    }
    if (!text.empty())
        return std::nullopt;
    return Ipv4Address(value);
}

std::optional<AddressRange> parseAddressEntry(std::string_view text)
{
    if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
        const auto first = parseDottedAddress(text.substr(0, dash));
        const auto last = parseDottedAddress(text.substr(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        return AddressRange{*first, *last};
    }
    const std::size_t slash = text.find('/');
    const auto address = parseDottedAddress(text.substr(0, slash));
    if (!address)
        return std::nullopt;
    if (slash == std::string_view::npos)
        return AddressRange{*address, *address};
    const std::string_view bits = text.substr(slash + 1);
    if (bits.empty() || bits.size() > 2 || bits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int prefixBits = bits.size() == 1 ? bits[0] - '0' : (bits[0] - '0') * 10 + (bits[1] - '0');
    if (prefixBits > kLongestMask)
        return std::nullopt;
    const Block block = Block::containing(*address, Prefix(prefixBits));
    return AddressRange{block.network, block.broadcast()};
}

void mergeRanges(std::vector<AddressRange> &ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const AddressRange &a, const AddressRange &b) { return a.first < b.first; });
    std::size_t merged = 0;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        // Touching counts: 10.0.0.0-10.0.0.9 and 10.0.0.10-… are one run.
        if (merged > 0 &&
            std::uint64_t{ranges[k].first.value()} <= std::uint64_t{ranges[merged - 1].last.value()} + 1) {
            ranges[merged - 1].last =
                std::max(ranges[merged - 1].last, ranges[k].last, [](Ipv4Address a, Ipv4Address b) { return a < b; });
            continue;
        }
        ranges[merged++] = ranges[k];
    }
    ranges.resize(merged);
}

void appendCoveringBlocks(AddressRange range, std::vector<Block> &blocks)
{
    std::uint64_t first = range.first.value();
    const std::uint64_t end = std::uint64_t{range.last.value()} + 1;
    while (first < end) {
        // The largest block that starts here: as aligned as the address, and no longer than what is left.
        const int alignedBits = first == 0 ? kLongestMask : std::countr_zero(first);
        const int fittingBits = std::bit_width(end - first) - 1;
        const int hostBits = std::min(alignedBits, fittingBits);
        blocks.push_back({Ipv4Address(static_cast<std::uint32_t>(first)), Prefix(kLongestMask - hostBits)});
        first += std::uint64_t{1} << hostBits;
    }
}

}  // namespace netquill
