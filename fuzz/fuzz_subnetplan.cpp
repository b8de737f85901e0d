// Octet texts of any digits for an address, any prefix and any subnet mask:
// the network/node results agree with 32-bit arithmetic; the plan's rows tile
// the block with their hosts where RFC 3021 puts them, and every format writes
// one line per row (four in a web page) of dotted addresses.
#include "core/calculators/networknode.h"
#include "core/fields/octet.h"
#include "core/lines/subnetrows.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

namespace {

constexpr std::uint64_t kMostRowsChecked = 2048;

std::uint64_t linesIn(const std::string &text)
{
    return static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const int cidrBits = data[0] % 32 + 1;
    const int subnetBits = cidrBits + data[1] % (33 - cidrBits);
    const auto format = static_cast<netquill::RowFormat>(data[2] % 5);
    // The address as the fields may hold it: any digits, folded as the window reads them.
    auto octets = splitFields<4>(std::string_view(reinterpret_cast<const char *>(data + 3), size - 3));
    std::uint32_t address = 0;
    for (std::string &octet : octets) {
        octet = octet.substr(0, octet.find_first_not_of("0123456789"));
        address = address << 8 | static_cast<std::uint32_t>(std::stoul(netquill::FoldOctetText(octet)));
    }
    // The network/node tab's results agree with AND/OR on the folded address.
    const netquill::NetworkNodeResult node = netquill::CalculateNetworkNode({octets, netquill::Prefix(cidrBits)});
    const std::uint32_t mask = static_cast<std::uint32_t>(0xFFFFFFFFull << (32 - cidrBits));
    FUZZ_CHECK(node.hostID == netquill::Ipv4Address(address & ~mask).text());
    FUZZ_CHECK(node.networkID == netquill::Ipv4Address(address & mask).text());
    FUZZ_CHECK(node.broadcastAddress == netquill::Ipv4Address(address | ~mask).text());
    FUZZ_CHECK(node.nodesInSubnet == std::to_string(cidrBits == 32 ? 1 : (std::uint64_t{1} << (32 - cidrBits)) - 2));

    const auto block = netquill::Ipv4Block::containing(netquill::Ipv4Address(address), cidrBits);
    const netquill::SubnetPlan plan(block, netquill::Prefix(subnetBits));

    const std::uint64_t size64 = std::uint64_t{1} << (32 - subnetBits);
    const std::uint64_t total = plan.subnetCount();
    FUZZ_CHECK(total == std::uint64_t{1} << (subnetBits - cidrBits));
    const netquill::SubnetRowRenderer renderer(plan, format);
    std::string lines;
    const std::uint64_t rows = std::min(total, kMostRowsChecked);
    for (std::uint64_t k = 0; k < rows; ++k) {
        const netquill::SubnetAddresses row = plan.row(total - 1 - k);  // from the top of the block down
        const std::uint64_t start = block.network.value() + (total - 1 - k) * size64;
        FUZZ_CHECK(row.subnet.value() == start && row.broadcast.value() == start + size64 - 1);
        const bool everyAddressAHost = size64 <= 2;  // RFC 3021 and the /32
        FUZZ_CHECK(row.firstHost.value() == row.subnet.value() + (everyAddressAHost ? 0 : 1));
        FUZZ_CHECK(row.lastHost.value() == row.broadcast.value() - (everyAddressAHost ? 0 : 1));
        renderer.append(lines, row);
    }
    FUZZ_CHECK(plan.row(total - 1).broadcast == block.last());
    FUZZ_CHECK(linesIn(lines) == rows * (format == netquill::RowFormat::HTML ? 4 : 1));
    FUZZ_CHECK(onlyCharacters(lines, "0123456789.,\t\r\n to<>/=\"adlignhtrcesubkmkvzf_:{}ipwx"));

    return 0;
}
