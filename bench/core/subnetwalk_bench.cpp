// The subnet walk and its renderings: rows per second, the list window's
// batch of 1024 and the largest export table.
#include "masktable.h"
#include "subnetlisting.h"
#include "subnettable.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

netquill::SubnetPlan planOf(int cidrBits, int maskBits)
{
    const std::uint64_t total = std::uint64_t{1} << (maskBits - cidrBits);
    return {{"10", "0", "0", "0"}, netquill::MaskTable(cidrBits).binary, netquill::MaskTable(maskBits).dotted,
            netquill::MaskTable(maskBits).inverse, netquill::HostsPerSubnetText(32 - maskBits), std::to_string(total)};
}

void BM_WalkRow(benchmark::State &state)
{
    netquill::SubnetWalk walk(planOf(8, 30));
    for (auto _ : state)
        benchmark::DoNotOptimize(walk.next());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WalkRow);

void BM_FirstBatchOfSlash8IntoSlash30(benchmark::State &state)
{
    const netquill::SubnetPlan plan = planOf(8, 30);
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::SubnetListing(plan).batch().size());
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_FirstBatchOfSlash8IntoSlash30);

void BM_ExportTable16384Rows(benchmark::State &state)
{
    const netquill::SubnetPlan plan = planOf(8, 22);
    const auto mode = static_cast<netquill::ExportMode>(state.range(0));
    for (auto _ : state) {
        std::ostringstream out;
        benchmark::DoNotOptimize(netquill::WriteSubnetTable(plan, mode, out));
    }
    state.SetItemsProcessed(state.iterations() * 16384);
}
BENCHMARK(BM_ExportTable16384Rows)->Arg(0)->Arg(1)->Arg(2)->ArgName("csv_txt_html")->Unit(benchmark::kMillisecond);

}  // namespace
