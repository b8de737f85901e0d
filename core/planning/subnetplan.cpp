#include "core/planning/subnetplan.h"

namespace netquill {

std::string SubnetPlan::subnetSizeText() const { return std::to_string(m_subnetPrefix.usableHosts()); }

}  // namespace netquill
