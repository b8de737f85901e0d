// A plan of about 100,000 leaves: a split, a join and their undoing must be
// instant; saving and opening the file within a second.
#include "core/lines/planfile.h"

#include <benchmark/benchmark.h>

namespace {

using netquill::Plan;
using netquill::PlanBlock;

// 10.0.0.0/8 into 64 /14s, each into 1024 /24s, a name on every eighth: 65,536 leaves,
// and 2001:db8::/32 into 32 /37s, each into 1024 /47s: 32,768 more.
Plan largePlan()
{
    Plan plan;
    for (const auto &[root, bits] : {std::pair{PlanBlock{false, 0x0A000000, 8}, 6},
                                     {PlanBlock{true, netquill::Uint128{0x20010DB8} << 96, 32}, 5}}) {
        plan.addRoot(root);
        plan.split(root, bits);
        for (netquill::Uint128 k = 0; k < (netquill::Uint128{1} << bits); ++k) {
            const PlanBlock child = root.child(k, root.length + bits);
            plan.split(child, 10);
            for (netquill::Uint128 leaf = 0; leaf < 1024; leaf += 8)
                plan.describe(child.child(leaf, child.length + 10),
                              {"subnet " + std::to_string(static_cast<unsigned>(leaf)), "", "", {}});
        }
    }
    plan.forgetHistory();
    return plan;
}

void BM_SplitJoinAndUndoInALargePlan(benchmark::State &state)
{
    Plan plan = largePlan();
    const PlanBlock leaf{false, 0x0A000100, 24};
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
