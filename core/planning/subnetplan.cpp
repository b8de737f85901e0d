#include "core/planning/subnetplan.h"

namespace netquill {

std::string SubnetPlan::subnetSizeText() const
{
    return m_subnetPrefix.hostBits() == 1 ? "2" : m_subnetPrefix.hostsPerSubnetText();
}

}  // namespace netquill
