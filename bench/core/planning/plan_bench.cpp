// A plan of about 100,000 leaves: a split, a join and their undoing must be
// instant; saving and opening the file within a second.
#include "bench/core/planning/largeplan.h"
#include "core/files/planfile.h"

#include <benchmark/benchmark.h>

namespace {

using netquill::AnyBlock;
using netquill::Plan;
using netquill::bench::largePlan;

void BM_SplitJoinAndUndoInALargePlan(benchmark::State &state)
{
    Plan plan = largePlan();
    const AnyBlock leaf = netquill::Ipv4Block(netquill::Ipv4Address(0x0A000100), 24);
    for (auto _ : state) {
        plan.split(leaf, 4);
        plan.join(leaf, false);
        plan.undo();
        plan.undo();
    }
    state.counters["leaves"] = static_cast<double>(plan.nodeCount());
}
BENCHMARK(BM_SplitJoinAndUndoInALargePlan)->Unit(benchmark::kMicrosecond);

void BM_SaveALargePlan(benchmark::State &state)
{
    const Plan plan = largePlan();
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::planFileText(plan).size());
}
BENCHMARK(BM_SaveALargePlan)->Unit(benchmark::kMillisecond);

void BM_OpenALargePlan(benchmark::State &state)
{
    const std::string text = netquill::planFileText(largePlan());
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::readPlanFile(text)->nodeCount());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_OpenALargePlan)->Unit(benchmark::kMillisecond);

}  // namespace
