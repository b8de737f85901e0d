#pragma once

#include "core/lines/celltable.h"
#include "core/planning/plan.h"

#include <string>
#include <vector>

// A plan's rows in the formats of the other tables: a Depth column (not
// leading blanks, which spreadsheets lose), the subnet, what the node
// carries, its partner, its size, its status, VLAN and colour. Names and
// notes are the user's text: each format quotes or escapes them as it must.
namespace netquill {

class PlanRowWriter
{
public:
    PlanRowWriter(RowFormat format, LineEnd lineEnd)
        : m_cells(format, lineEnd,
                  {"Depth", "Subnet", "Name", "Note", "Request", "Paired", "Size", "Status", "VLAN", "Colour"})
    {}

    // In text, lines the columns up for these rows: call before the first is written.
    void fit(const std::vector<Plan::Row> &rows);
    // The heading line (an HTML page and its heading row); nothing for JSONL.
    std::string tableStart() const { return m_cells.tableStart(); }
    std::string tableEnd() const { return m_cells.tableEnd(); }
    // One row, its line end included. JSONL keys: depth, network,
    // prefix_length, name, note, request, paired (null without), the
    // counts of list's rows: address_count, and usable_hosts for IPv4 (null
    // for IPv6), then status, vlan and colour (null without).
    void append(std::string &out, const Plan::Row &row) const;

private:
    struct Cells;
    static Cells cellsOf(const Plan::Row &row);

    CellTable m_cells;
};

}  // namespace netquill
