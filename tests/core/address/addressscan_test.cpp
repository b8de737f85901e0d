// Addresses in free text: whole tokens only, in their common dressings,
// and the same found when a long line is read in pieces.
#include "core/address/addressscan.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// Each address found as "4 text" or "6 text", the text as it stands in the line.
Texts found(std::string_view line)
{
    Texts texts;
    for (auto address = netquill::nextAddress(line); address;
         address = netquill::nextAddress(line, address->at + address->size))
        texts.push_back((address->address.family() == netquill::Family::Ipv6 ? "6 " : "4 ") +
                        std::string(line.substr(address->at, address->size)));
    return texts;
}

// The same, the line read in pieces of `size` bytes, each scanned up to its
// safe end and the rest carried into the next, as netquill-cli grep reads a
// line longer than its buffer.
Texts foundInPieces(std::string_view line, std::size_t size)
{
    Texts texts;
    std::string carried;
    bool boundaryBefore = true;
    for (std::size_t at = 0; at < line.size() || !carried.empty();) {
        const std::string piece = carried + std::string(line.substr(at, size));
        at += size;
        const bool last = at >= line.size();
        const std::size_t end = last ? piece.size() : netquill::safeEnd(piece);
        const std::string_view scanned = std::string_view(piece).substr(0, end);
        for (auto address = netquill::nextAddress(scanned, 0, boundaryBefore); address;
             address = netquill::nextAddress(scanned, address->at + address->size, boundaryBefore))
            texts.push_back((address->address.family() == netquill::Family::Ipv6 ? "6 " : "4 ") +
                            std::string(scanned.substr(address->at, address->size)));
        if (end > 0)
            boundaryBefore = netquill::isAddressBoundary(piece[end - 1]);
        carried = last ? std::string() : piece.substr(end);
        if (last)
            break;
    }
    return texts;
}

struct ScanCase {
    const char *name;
    const char *line;
    Texts expected;
};

class AddressScan : public testing::TestWithParam<ScanCase>
{
};

TEST_P(AddressScan, FindsWholeTokensInTheirDressings)
{
    EXPECT_EQ(found(GetParam().line), GetParam().expected);
    if (const auto zone = std::string_view(GetParam().line).find('%'); zone != std::string_view::npos) {
        EXPECT_EQ(netquill::zoneLength(GetParam().line, zone), std::string_view("%A-0.1_b~c").size());
    }
    for (std::size_t size = 1; size <= 8; ++size)
        EXPECT_EQ(foundInPieces(GetParam().line, size), GetParam().expected) << "pieces of " << size;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AddressScan,
    testing::Values(
        ScanCase{"Edges",
                 "0.0.0.0 255.255.255.255 :: ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
                 {"4 0.0.0.0", "4 255.255.255.255", "6 ::", "6 ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"}},
        ScanCase{"WithAPort", "src=192.0.2.7:5353 dst=[2001:db8::1]:443", {"4 192.0.2.7", "6 2001:db8::1"}},
        ScanCase{"AfterAKeyBeforeAComma", "addr=2001:db8::1, peer 10.0.0.1,", {"6 2001:db8::1", "4 10.0.0.1"}},
        ScanCase{"MappedIsIpv6", "from ::ffff:192.0.2.1 port 80", {"6 ::ffff:192.0.2.1"}},
        ScanCase{"Zone", "fe80::1%A-0.1_b~c up", {"6 fe80::1"}},
        ScanCase{"SentencePunctuation",
                 "refused 10.0.0.1. 2001:db8::1: reset 2001:DB8::A.",
                 {"4 10.0.0.1", "6 2001:db8::1", "6 2001:DB8::A"}},
        ScanCase{"LongestIpv6AndTwoStopsOrMore",
                 "ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255.. ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255..5",
                 {"6 ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255"}},
        ScanCase{"ARange", "10.0.0.1-10.0.0.5", {"4 10.0.0.1", "4 10.0.0.5"}},
        ScanCase{"AfterAColonKey", "data:10.0.0.1", {"4 10.0.0.1"}},
        ScanCase{
            "NotWhole", "1.2.3.45 v1.2.3.4 10.0.0.256 1.2.3.4.5 010.0.0.1 ip2001:db8::1 2001:db8::1g", {"4 1.2.3.45"}},
        ScanCase{"TimesAndMacs", "12:34:56 00:11:22:33:44:55 dead:beef cafe", {}},
        ScanCase{"AtTheEndWithoutANewline", "last 192.0.2.255", {"4 192.0.2.255"}},
        ScanCase{"InAWordRunTooLongForIpv6",
                 "a:b:c:d:e:f:a:b:c:d:e:f:a:b:c:d:e:f:a:b:c:d:e:f:a:b:10.1.2.3 x",
                 {"4 10.1.2.3"}}),
    [](const auto &info) { return info.param.name; });

}  // namespace
