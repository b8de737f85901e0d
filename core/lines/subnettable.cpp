#include "core/lines/subnettable.h"

namespace netquill {

std::optional<std::string> WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, std::ostream &out)
{
    const std::uint64_t total = plan.subnetCount();
    if (total > kMostExportedSubnets) {
        return "The plan has " + std::to_string(total) + " subnets; an export holds at most " +
               std::to_string(kMostExportedSubnets) + ". Choose a subnet mask with fewer subnets.";
    }
    const SubnetRowRenderer renderer(plan, mode);
    constexpr std::size_t kChunk = 1 << 16;
    std::string chunk;
    std::uint64_t written = 0;
    for (std::uint64_t row = 0; row < total; ++row) {
        renderer.append(chunk, plan.row(row));
        if (chunk.size() < kChunk && row + 1 < total)
            continue;
        if (!(out << chunk))
            return "The subnet table could not be written after " + std::to_string(written) + " rows.";
        written = row + 1;
        chunk.clear();
    }
    return std::nullopt;
}

}  // namespace netquill
