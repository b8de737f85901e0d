// IPv6 texts: the rows of a split, each written on from the one before, and
// addresses that share nothing with the one before, written whole.
#include "core/lines/ipv6rows.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_Ipv6CsvRowsOfASplit(benchmark::State &state)
{
    const netquill::Split<netquill::Ipv6Address> plan(
        netquill::Ipv6Block{netquill::Ipv6Address(netquill::Uint128{0x20010DB8} << 96), 32},
        static_cast<int>(state.range(0)));
    const netquill::Ipv6RowRenderer renderer(netquill::RowFormat::CSV, netquill::LineEnd::LF);
    std::vector<char> block(1 << 16);
    char *to = block.data();
    netquill::Uint128 k = 0;
    for (auto _ : state) {
        if (to > block.data() + block.size() - netquill::Ipv6RowRenderer::kLongestRow)
            to = block.data();
        to = renderer.writeRow(to, plan.row(k++));
    }
    benchmark::DoNotOptimize(block.data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Ipv6CsvRowsOfASplit)->Arg(64)->Arg(128)->ArgName("subnet_length");

// The two addresses of each row of a split, written on from the row before
// (what the rows do) or each written whole: what the text writer buys.
template <bool kWrittenOn>
void BM_Ipv6RowAddresses(benchmark::State &state)
{
    const netquill::Split<netquill::Ipv6Address> plan(
        netquill::Ipv6Block{netquill::Ipv6Address(netquill::Uint128{0x20010DB8} << 96), 32},
        static_cast<int>(state.range(0)));
    netquill::Ipv6TextWriter network;
    netquill::Ipv6TextWriter last;
    char text[96];
    netquill::Uint128 k = 0;
    for (auto _ : state) {
        const netquill::Ipv6Block row = plan.row(k++);
        char *to = kWrittenOn ? network.write(text, row.network) : row.network.writeText(text);
        benchmark::DoNotOptimize(kWrittenOn ? last.write(to, row.last()) : row.last().writeText(to));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Ipv6RowAddresses<true>)->Arg(64)->Arg(128)->ArgName("subnet_length");
BENCHMARK(BM_Ipv6RowAddresses<false>)->Arg(64)->Arg(128)->ArgName("subnet_length");

void BM_Ipv6AddressTextWhole(benchmark::State &state)
{
    // Addresses of a multiplicative sequence: groups of every width, zero runs here and there.
    netquill::Uint128 value = 0x20010DB8;
    char text[40];
    for (auto _ : state) {
        value = value * 0x9E3779B97F4A7C15ull + 1;
        const netquill::Uint128 address = value & ~(netquill::Uint128{0xFFFFFFFF} << 32);  // a zero run
        benchmark::DoNotOptimize(netquill::Ipv6Address(address).writeText(text));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Ipv6AddressTextWhole);

}  // namespace
