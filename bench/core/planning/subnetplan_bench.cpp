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
    const netquill::SubnetPlan plan = slash8Into(30);
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::SubnetListing(plan).batch().size());
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_FirstBatchOfSlash8IntoSlash30);

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
