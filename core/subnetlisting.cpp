#include "subnetlisting.h"

#include <algorithm>

namespace netquill {

namespace {

const char *const kHeaderLine = "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n";

}  // namespace

SubnetListing::SubnetListing(const SubnetPlan &plan)
    : m_walk(plan), m_total(countOf(plan.total)), m_clipboardText(kHeaderLine)
{
    m_batchEnd = std::min(m_total, kSubnetBatchSize);
    appendRows();
}

void SubnetListing::nextBatch()
{
    if (!hasMoreRows())
        return;
    m_batchStart = m_batchEnd + 1;
    m_batchEnd = std::min(m_batchEnd + kSubnetBatchSize, m_total);
    appendRows();
}

SubnetRow SubnetListing::lastRow() const
{
    SubnetWalk walk = m_walk;
    walk.jumpTo(m_total > 0 ? m_total - 1 : 0);
    return walk.next();
}

void SubnetListing::appendRows()
{
    m_batch.clear();
    for (std::uint64_t row = m_batchStart; row <= m_batchEnd; ++row) {
        ++m_rowCount;
        const SubnetRow &added = m_batch.emplace_back(m_walk.next());
        for (int column = 0; column < kSubnetColumnCount; ++column) {
            m_clipboardText += added.text(static_cast<SubnetColumn>(column));
            m_clipboardText += column + 1 < kSubnetColumnCount ? "\t" : "\r\n";
        }
    }
}

}  // namespace netquill
