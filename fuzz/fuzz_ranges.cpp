// The one strict parser over any text, for both families, and address lists
// merged and covered by CIDR blocks: a text is read whole or refused with a
// reason; an address read prints as a text that reads back as the same
// address (the very text for IPv4); the fast IPv6 reading and the careful one
// agree, and so do the one-pass reading of a list's plain lines and the
// careful one; the merged ranges hold every entry, in order and apart; the blocks
// cover them exactly, in order, each aligned; an IPv6 block split into equal
// subnets tiles it, its last row at once; each address found in free text
// is a token the parser reads as the same address, the tokens in order.
#include "core/address/addressscan.h"
#include "core/address/addresstext.h"
#include "core/address/plainentry.h"
#include "core/calculators/ipv6calculator.h"
#include "core/planning/ranges.h"
#include "core/planning/split.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using netquill::Range;

template <typename Address>
void checkMergedAndCovered(std::vector<Range<Address>> ranges)
{
    const std::vector<Range<Address>> entries = ranges;
    netquill::mergeRanges(ranges);
    for (const Range<Address> &entry : entries) {
        const auto holder = std::upper_bound(ranges.begin(), ranges.end(), entry.first,
                                             [](Address a, const Range<Address> &r) { return a < r.first; });
        FUZZ_CHECK(holder != ranges.begin() && !(std::prev(holder)->last < entry.last));
    }
    std::vector<netquill::Block<Address>> blocks;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        // Apart: something lies between two merged ranges.
        FUZZ_CHECK(k == 0 || ranges[k - 1].last.value() + 1 < ranges[k].first.value());
        blocks.clear();
        netquill::appendCoveringBlocks(ranges[k], blocks);
        auto next = ranges[k].first;
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const Address first = blocks[b].first();
            const Address last = blocks[b].last();
            const auto hostMask = first.value() ^ last.value();  // aligned: the host bits all clear, then all set
            FUZZ_CHECK(first == next && (first.value() & hostMask) == 0 && ((hostMask + 1) & hostMask) == 0);
            FUZZ_CHECK(b + 1 < blocks.size() || last == ranges[k].last);
            next = Address(last.value() + 1);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto lines = splitFields<8>(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<netquill::Ipv4Range> ipv4;
    std::vector<netquill::Ipv6Range> ipv6;
    netquill::Ipv6TextWriter writtenOn;  // each address's text written on from the line before's
    for (const std::string &line : lines) {
        std::size_t after = 0;
        // One pass over the line finds what nextAddress finds one after the other.
        std::vector<netquill::FoundAddress> inOnePass;
        netquill::forEachAddress(line, true, [&](const netquill::FoundAddress &found) {
            inOnePass.push_back(found);
            return true;
        });
        std::size_t told = 0;
        for (auto found = netquill::nextAddress(line); found; found = netquill::nextAddress(line, after)) {
            FUZZ_CHECK(told < inOnePass.size() && inOnePass[told++] == *found);
            const std::string_view token = std::string_view(line).substr(found->at, found->size);
            FUZZ_CHECK(found->at >= after && found->size > 0);
            FUZZ_CHECK(netquill::parseAnyAddress(token) && *netquill::parseAnyAddress(token) == found->address);
            after = found->at + found->size;
        }
        FUZZ_CHECK(told == inOnePass.size());
        const auto address = netquill::parseAddress(line);
        FUZZ_CHECK(address ? address->text() == line : !address.reason().empty());
        const auto prefix = netquill::parsePrefix(line);
        FUZZ_CHECK(!prefix || prefix->bits() <= 32);
        const auto entry = netquill::parseRange<netquill::Ipv4Address>(line);
        FUZZ_CHECK(entry ? !(entry->last < entry->first) : !entry.reason().empty());
        FUZZ_CHECK(!entry || onlyCharacters(line, "0123456789./- \t"));
        if (entry)
            ipv4.push_back(*entry);

        // A plain list line read in one pass is the range the careful reading makes of it.
        netquill::Ipv4Range plain4;
        netquill::Ipv6Range plain6;
        const netquill::PlainEntry plain = netquill::readPlainEntry(line, plain4, plain6);
        if (plain == netquill::PlainEntry::Ipv4) {
            const auto careful = netquill::parseRange<netquill::Ipv4Address>(line);
            FUZZ_CHECK(netquill::familyOf(line) == netquill::Family::Ipv4 && careful && *careful == plain4);
        } else if (plain == netquill::PlainEntry::Ipv6) {
            const auto careful = netquill::parseRange<netquill::Ipv6Address>(line);
            FUZZ_CHECK(netquill::familyOf(line) == netquill::Family::Ipv6 && careful && *careful == plain6);
        }

        // The careful reading takes whatever the fast one does, as the same address.
        if (const auto fast = netquill::detail::readWellFormedIpv6(line)) {
            const auto careful = netquill::detail::readIpv6Carefully(line);
            FUZZ_CHECK(careful && *careful == *fast);
        }
        const auto address6 = netquill::parseIpv6Address(line);
        FUZZ_CHECK(address6 ? *netquill::parseIpv6Address(address6->text()) == *address6 : !address6.reason().empty());
        FUZZ_CHECK(!address6 || writtenOn.view(*address6) == address6->text());
        if (const auto entry = netquill::readIpv6Field(line))  // the IPv6 tab's field, as typed
            FUZZ_CHECK(!netquill::CalculateIpv6(entry->address, entry->length.value_or(64)).reverseZones.empty());
        if (const auto given = netquill::parseWithPrefix<netquill::Ipv6Address>(line)) {
            const netquill::Ipv6Block block = given->block();
            const int subnetLength =
                block.length + static_cast<int>(line.size() % static_cast<std::size_t>(129 - block.length));
            const netquill::Split<netquill::Ipv6Address> split(block, subnetLength);
            const netquill::Ipv6Block last = split.row(split.lastRow());
            FUZZ_CHECK(split.row(0).network == block.network && last.last() == block.last());
            FUZZ_CHECK(split.lastRow() == 0 || split.row(1).network.value() == split.row(0).last().value() + 1);
        }
        const auto entry6 = netquill::parseRange<netquill::Ipv6Address>(line);
        FUZZ_CHECK(entry6 ? !(entry6->last < entry6->first) : !entry6.reason().empty());
        if (entry6)
            ipv6.push_back(*entry6);
    }
    checkMergedAndCovered(ipv4);
    checkMergedAndCovered(ipv6);
    return 0;
}
