#pragma once

#include "core/lines/subnetrows.h"

#include <cstdint>
#include <string>
#include <vector>

// The subnet list window without its window: the plan's rows in batches of
// 1024, and a tab-separated text of every row produced so far.
namespace netquill {

constexpr std::uint64_t kSubnetBatchSize = 1024;

class SubnetListing
{
public:
    // Starts over with the plan and produces its first batch.
    explicit SubnetListing(const SubnetPlan &plan);

    // The rows of the current batch only.
    const std::vector<SubnetAddresses> &batch() const { return m_batch; }
    // Produces the next batch, which replaces the current one; nothing once every row is out.
    void nextBatch();
    bool hasMoreRows() const { return m_rowsProduced < m_plan.subnetCount(); }

    // The plan's last row: every octet shows its largest value there, so its
    // texts are the widest the listing will ever show.
    SubnetAddresses lastRow() const { return m_plan.row(m_plan.subnetCount() - 1); }
    const SubnetPlan &plan() const { return m_plan; }
    const SubnetRowRenderer &renderer() const { return m_renderer; }

    // The header line and one line per row produced since the listing started,
    // TAB between the columns, CR LF after every line.
    const std::string &clipboardText() const { return m_clipboardText; }

private:
    SubnetPlan m_plan;
    SubnetRowRenderer m_renderer;
    std::uint64_t m_rowsProduced = 0;
    std::vector<SubnetAddresses> m_batch;
    std::string m_clipboardText;
};

}  // namespace netquill
