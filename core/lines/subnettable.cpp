#include "core/lines/subnettable.h"

namespace netquill {

bool WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, const SubnetTableSink &sink)
{
    const std::uint64_t total = plan.subnetCount();
    const SubnetRowRenderer renderer(plan, rowFormatOf(mode));
    constexpr std::size_t kBlock = 1 << 16;
    std::string block;
    block.reserve(2 * kBlock);
    for (std::uint64_t row = 0; row < total; ++row) {
        renderer.append(block, plan.row(row));
        if (block.size() < kBlock && row + 1 < total)
            continue;
        if (!sink(block, row + 1))
            return false;
        block.clear();
    }
    return true;
}

}  // namespace netquill
