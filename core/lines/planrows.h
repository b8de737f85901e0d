#pragma once

#include "core/lines/rowformat.h"
#include "core/planning/plan.h"

#include <string>

// A plan's rows in the formats of the other tables: a Depth column (not
// leading blanks, which spreadsheets lose), the subnet, what a leaf carries,
// its partner and its size. Names and notes are the user's text: each format
// quotes or escapes them as it must.
namespace netquill {

class PlanRowWriter
{
public:
    PlanRowWriter(RowFormat format, LineEnd lineEnd) : m_format(format), m_eol(lineEndText(lineEnd)) {}

    // The heading line (an HTML page and its heading row); nothing for JSONL.
    std::string tableStart() const;
    std::string tableEnd() const;
    // One row, its line end included. JSONL keys: depth, network,
    // prefix_length, name, note, request, paired (null without), and the
    // counts of list's rows: address_count, and usable_hosts for IPv4 (null for IPv6).
    void append(std::string &out, const Plan::Row &row) const;

private:
    void appendCell(std::string &out, std::string_view text, bool first = false) const;

    RowFormat m_format;
    std::string_view m_eol;
};

}  // namespace netquill
