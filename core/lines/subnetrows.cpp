#include "core/lines/subnetrows.h"

namespace netquill {

SubnetRowRenderer::SubnetRowRenderer(const SubnetPlan &plan, RowFormat format, LineEnd lineEnd)
    : RowWriter({plan.subnetPrefix().maskAddress().text(), plan.subnetPrefix().inverseAddress().text(),
                 std::to_string(plan.usableHosts()), std::to_string(plan.subnetPrefix().bits()), format,
                 lineEndText(lineEnd)},
                format, lineEnd)
{}

std::string subnetTextHeadingLine()
{
    return SubnetRowRenderer(SubnetPlan(Ipv4Block(), Prefix()), RowFormat::TXT).headingLine();
}

}  // namespace netquill
