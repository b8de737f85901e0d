// The plan's rows as numbers, the renderer's CSV rows, the list window's
// first batch and the largest export table.
#include "core/lines/subnetlisting.h"
#include "core/lines/subnetrows.h"
#include "core/lines/subnettable.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

netquill::SubnetPlan slash8Into(int subnetBits)
{
    const auto block = netquill::Ipv4Block::containing(netquill::Ipv4Address(0x0A000000), 8);
    return netquill::SubnetPlan(block, netquill::Prefix(subnetBits));
}

void BM_PlanRowAsNumbers(benchmark::State &state)
{
    const netquill::SubnetPlan plan = slash8Into(30);
    std::uint64_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(plan.row(k++ & 0x3FFFFF));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlanRowAsNumbers);

void BM_RenderCsvRow(benchmark::State &state)
{
    const netquill::SubnetPlan plan = slash8Into(30);
    const netquill::SubnetRowRenderer renderer(plan, netquill::RowFormat::CSV);
    std::string out;
    std::uint64_t k = 0;
    for (auto _ : state) {
        if (out.size() > (1 << 20))
            out.clear();
        renderer.append(out, plan.row(k++ & 0x3FFFFF));
    }
    benchmark::DoNotOptimize(out.data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RenderCsvRow);

void BM_FirstBatchOfSlash8IntoSlash30(benchmark::State &state)
{
    const netquill::Split<netquill::Ipv4Address> split(slash8Into(30).block(), 30);
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::subnetListing(split)->batchRows());
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_FirstBatchOfSlash8IntoSlash30);

// The list window's largest split: its first page, then a Find of an
// address halfway through and the page there. Both must come within 50 ms.
void BM_Ipv6WholeSpaceFirstPageAndFind(benchmark::State &state)
{
    const netquill::Split<netquill::Ipv6Address> split({netquill::Ipv6Address(0), 0}, 128);
    for (auto _ : state) {
        const auto listing = netquill::subnetListing(split);
        listing->startAt(*listing->findRow("8000::1"));
        benchmark::DoNotOptimize(listing->clipboardText().size());
    }
    state.SetItemsProcessed(state.iterations() * 2048);
}
BENCHMARK(BM_Ipv6WholeSpaceFirstPageAndFind)->Unit(benchmark::kMillisecond);

void BM_ExportTable16384Rows(benchmark::State &state)
{
    const netquill::SubnetPlan plan = slash8Into(22);
    const auto mode = static_cast<netquill::ExportMode>(state.range(0));
    std::ofstream out("/dev/null", std::ios::binary);  // a file, as an export writes, without the disk
    const auto toFile = [&out](std::string_view block, std::uint64_t) {
        return static_cast<bool>(out.write(block.data(), static_cast<std::streamsize>(block.size())));
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::WriteSubnetTable(plan, mode, toFile));
    state.SetItemsProcessed(state.iterations() * 16384);
}
BENCHMARK(BM_ExportTable16384Rows)->Arg(0)->Arg(1)->Arg(2)->ArgName("csv_txt_html")->Unit(benchmark::kMillisecond);

}  // namespace
