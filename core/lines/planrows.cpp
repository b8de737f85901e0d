#include "core/lines/planrows.h"

#include "core/address/count.h"
#include "core/lines/jsontext.h"

namespace netquill {

void PlanRowWriter::append(std::string &out, const Plan::Row &row) const
{
    static const PlanLeaf kNothing;
    const PlanLeaf &carried = row.carried ? *row.carried : kNothing;
    const std::string paired = carried.paired ? carried.paired->text() : std::string();
    if (m_cells.format() == RowFormat::JSONL) {
        const std::string text = row.block.text();
        JsonObject object;
        object.number("depth", static_cast<std::uint64_t>(row.depth))
            .text("network", text.substr(0, text.find('/')))
            .number("prefix_length", static_cast<std::uint64_t>(row.block.length))
            .text("name", carried.name)
            .text("note", carried.note)
            .text("request", carried.request);
        if (carried.paired)
            object.text("paired", paired);
        else
            object.null("paired");
        // IPv4 counts are numbers, IPv6 counts strings of digits, as in list's rows.
        if (row.block.ipv6) {
            object.text("address_count", Count::powerOfTwo(128 - row.block.length).text()).null("usable_hosts");
        } else {
            const Prefix prefix(row.block.length);
            object.number("address_count", prefix.addressCount()).number("usable_hosts", prefix.usableHosts());
        }
        out.append(object.json()).append(m_cells.eol());
        return;
    }
    m_cells.appendRow(out, {std::to_string(row.depth), row.block.text(), carried.name, carried.note, carried.request,
                            paired, row.block.sizeText()});
}

}  // namespace netquill
