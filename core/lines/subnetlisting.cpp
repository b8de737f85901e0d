#include "core/lines/subnetlisting.h"

#include <algorithm>

namespace netquill {

SubnetListing::SubnetListing(const SubnetPlan &plan)
    : m_plan(plan), m_renderer(plan, RowFormat::TSV), m_clipboardText(m_renderer.tableStart())
{
    nextBatch();
}

void SubnetListing::nextBatch()
{
    if (!hasMoreRows())
        return;
    const std::uint64_t batchEnd = std::min(m_rowsProduced + kSubnetBatchSize, m_plan.subnetCount());
    m_batch.clear();
    for (; m_rowsProduced < batchEnd; ++m_rowsProduced) {
        m_batch.push_back(m_plan.row(m_rowsProduced));
        m_renderer.append(m_clipboardText, m_batch.back());
    }
}

}  // namespace netquill
