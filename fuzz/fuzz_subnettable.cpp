// The three row renderings and the table writer on any texts: one CR LF line
// per row (four in a web page), values never turned into markup, and no plan
// of more subnets than an export holds ever writes a row.
#include "fuzzcheck.h"
#include "subnettable.h"

#include <cstdint>
#include <sstream>

using netquill::ExportMode;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto texts = splitFields<9>(std::string_view(reinterpret_cast<const char *>(data), size));
    const netquill::SubnetRow row{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};

    const std::string csv = netquill::renderSubnetRow(row, ExportMode::CSV);
    const std::string txt = netquill::renderSubnetRow(row, ExportMode::TXT);
    FUZZ_CHECK(csv.starts_with(row.subnet + ",") && csv.ends_with(row.broadcast + "\r\n"));
    FUZZ_CHECK(txt.starts_with(row.subnet + "\t") && txt.ends_with(row.broadcast + "\r\n"));

    // Take away the fixed markup: no "<", ">" or quote of the values is left.
    std::string html = netquill::renderSubnetRow(row, ExportMode::HTML);
    for (const std::string_view markup : {"<tr>", "<td align=\"center\">", "<td>", "</td>"}) {
        for (std::size_t at; (at = html.find(markup)) != std::string::npos;)
            html.erase(at, markup.size());
    }
    FUZZ_CHECK(html.find_first_of("<>\"") == std::string::npos);

    // A table of any total: more than an export holds writes nothing.
    const netquill::SubnetPlan plan{{texts[0], texts[1], "0", "0"}, "", texts[2], texts[3], texts[4], texts[7]};
    const std::uint64_t total = netquill::countOf(plan.total);
    if (total > 4096 && total <= netquill::kMostExportedSubnets)
        return 0;  // writes fully, but slowly: the small tables say the same
    std::ostringstream out;
    const auto failure = netquill::WriteSubnetTable(plan, ExportMode::CSV, out);
    if (total > netquill::kMostExportedSubnets) {
        FUZZ_CHECK(failure.has_value() && out.str().empty());
    } else {
        FUZZ_CHECK(!failure.has_value());
        const std::string table = out.str();
        FUZZ_CHECK(static_cast<std::uint64_t>(std::count(table.begin(), table.end(), '\n')) >= total);
    }
    return 0;
}
