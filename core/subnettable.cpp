#include "subnettable.h"

#include "htmltext.h"

namespace netquill {

namespace {

std::string renderHtmlRow(const SubnetRow &row)
{
    std::string lines = "<tr><td>" + escapeHtml(row.subnet) + "</td>";
    for (const std::string *centred : {&row.mask, &row.inverseMask, &row.subnetSize})
        lines += "<td align=\"center\">" + escapeHtml(*centred) + "</td>";
    lines += "\r\n<td>" + escapeHtml(row.firstHost) + "\r\n";
    lines += " to " + escapeHtml(row.lastHost) + "</td>\r\n";
    lines += "<td>" + escapeHtml(row.broadcast) + "</td>\r\n";
    return lines;
}

}  // namespace

std::string renderSubnetRow(const SubnetRow &row, ExportMode mode)
{
    const auto text = [&row](SubnetColumn column) { return row.text(column); };
    switch (mode) {
    case ExportMode::CSV:
        return text(SubnetColumn::Subnet) + "," + text(SubnetColumn::Mask) + "," + text(SubnetColumn::InverseMask) +
               "," + text(SubnetColumn::SubnetSize) + "," + text(SubnetColumn::HostRange) + "," +
               text(SubnetColumn::Broadcast) + "\r\n";
    case ExportMode::TXT:
        // The doubled tabs line the columns up under the text file's headings.
        return text(SubnetColumn::Subnet) + "\t" + text(SubnetColumn::Mask) + "\t\t" +
               text(SubnetColumn::InverseMask) + "\t" + text(SubnetColumn::SubnetSize) + "\t\t" +
               text(SubnetColumn::HostRange) + "\t" + text(SubnetColumn::Broadcast) + "\r\n";
    case ExportMode::HTML:
        return renderHtmlRow(row);
    }
    return {};
}

std::optional<std::string> WriteSubnetTable(const SubnetPlan &plan, ExportMode mode, std::ostream &out)
{
    const std::uint64_t total = countOf(plan.total);
    if (total > kMostExportedSubnets) {
        return "The plan has " + plan.total + " subnets; an export holds at most " +
               std::to_string(kMostExportedSubnets) + ". Choose a subnet mask with fewer subnets.";
    }
    SubnetWalk walk(plan);
    for (std::uint64_t row = 0; row < total; ++row) {
        if (!(out << renderSubnetRow(walk.next(), mode)))
            return "The subnet table could not be written after " + std::to_string(row) + " rows.";
    }
    return std::nullopt;
}

}  // namespace netquill
