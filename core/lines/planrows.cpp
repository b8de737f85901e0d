#include "core/lines/planrows.h"

#include "core/address/count.h"
#include "core/lines/jsontext.h"

namespace netquill {

// The texts of a row's cells that are not the leaf's own.
struct PlanRowWriter::Cells {
    const BlockDetails &carried;
    std::string depth;
    std::string block;
    std::string paired;
    std::string size;
    std::string_view status;
    std::string vlan;
    std::string_view colour;
};

PlanRowWriter::Cells PlanRowWriter::cellsOf(const Plan::Row &row)
{
    const BlockDetails &carried = *row.carried;
    return {carried,
            std::to_string(row.depth),
            row.block.text(),
            carried.paired ? carried.paired->text() : std::string(),
            row.block.sizeText(),
            statusName(statusOf(carried, row.leaf)),
            carried.vlan ? std::to_string(*carried.vlan) : std::string(),
            carried.colour ? colourName(*carried.colour) : std::string_view()};
}

void PlanRowWriter::fit(const std::vector<Plan::Row> &rows)
{
    if (m_cells.format() != RowFormat::TXT)
        return;
    for (const Plan::Row &row : rows) {
        const Cells cells = cellsOf(row);
        m_cells.fit({cells.depth, cells.block, cells.carried.name, cells.carried.note, cells.carried.request,
                     cells.paired, cells.size, cells.status, cells.vlan, cells.colour});
    }
}

void PlanRowWriter::append(std::string &out, const Plan::Row &row) const
{
    const Cells cells = cellsOf(row);
    const BlockDetails &carried = cells.carried;
    const std::string &paired = cells.paired;
    if (m_cells.format() == RowFormat::JSONL) {
        const std::string &text = cells.block;
        JsonObject object;
        object.number("depth", static_cast<std::uint64_t>(row.depth))
            .text("network", text.substr(0, text.find('/')))
            .number("prefix_length", static_cast<std::uint64_t>(row.block.length()))
            .text("name", carried.name)
            .text("note", carried.note)
            .text("request", carried.request);
        if (carried.paired)
            object.text("paired", paired);
        else
            object.null("paired");
        // IPv4 counts are numbers, IPv6 counts strings of digits, as in list's rows.
        if (const auto *block = row.block.as<Ipv4Block>())
            object.number("address_count", block->prefix().addressCount())
                .number("usable_hosts", block->prefix().usableHosts());
        else
            object.text("address_count", row.block.as<Ipv6Block>()->size().text()).null("usable_hosts");
        object.text("status", cells.status);
        if (carried.vlan)
            object.number("vlan", static_cast<std::uint64_t>(*carried.vlan));
        else
            object.null("vlan");
        if (carried.colour)
            object.text("colour", cells.colour);
        else
            object.null("colour");
        out.append(object.json()).append(m_cells.eol());
        return;
    }
    m_cells.appendRow(out, {cells.depth, cells.block, carried.name, carried.note, carried.request, paired, cells.size,
                            cells.status, cells.vlan, cells.colour});
}

}  // namespace netquill
