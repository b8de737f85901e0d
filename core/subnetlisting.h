#pragma once

#include "subnetwalk.h"

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
    const std::vector<SubnetRow> &batch() const { return m_batch; }
    // Produces the next batch, which replaces the current one; nothing once every row is out.
    void nextBatch();
    bool hasMoreRows() const { return m_rowCount < m_total; }

    std::uint64_t batchStart() const { return m_batchStart; }  // 1-based
    std::uint64_t batchEnd() const { return m_batchEnd; }
    std::uint64_t rowCount() const { return m_rowCount; }
    std::uint64_t total() const { return m_total; }
    // The plan's last row, computed at once: every octet shows its largest
    // value there, so its texts are the widest the listing will ever show.
    SubnetRow lastRow() const;

    // The header line and one line per row produced since the listing started,
    // TAB between the columns, CR LF after every line.
    const std::string &clipboardText() const { return m_clipboardText; }

private:
    void appendRows();

    SubnetWalk m_walk;
    std::uint64_t m_total;
    std::uint64_t m_rowCount = 0;
    std::uint64_t m_batchStart = 1;
    std::uint64_t m_batchEnd = 0;
    std::vector<SubnetRow> m_batch;
    std::string m_clipboardText;
};

}  // namespace netquill
