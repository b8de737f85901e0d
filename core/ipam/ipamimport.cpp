#include "core/ipam/ipamimport.h"

#include "core/files/csvreader.h"
#include "core/files/wholefile.h"
#include "core/ipam/ipamexport.h"
#include "core/planning/requesttext.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace netquill {

namespace {

// What a column means to a plan; every other column the format has is read past.
enum class Meaning { Prefix, Mask, Status, Description, Vlan, Section, Other };

struct Column {
    std::string_view heading;
    Meaning meaning;
};

// NetBox's import keys (ipam/forms/bulk_import.py, PrefixImportForm) and its
// prefix table's labels (ipam/tables/ip.py, PrefixTable), exact in case.
constexpr Column kNetBoxColumns[] = {
    {"prefix", Meaning::Prefix},
    {"status", Meaning::Status},
    {"description", Meaning::Description},
    {"vlan", Meaning::Vlan},
    {"id", Meaning::Other},
    {"vrf", Meaning::Other},
    {"tenant", Meaning::Other},
    {"site", Meaning::Other},
    {"scope_type", Meaning::Other},
    {"scope_id", Meaning::Other},
    {"vlan_group", Meaning::Other},
    {"role", Meaning::Other},
    {"is_pool", Meaning::Other},
    {"mark_utilized", Meaning::Other},
    {"comments", Meaning::Other},
    {"tags", Meaning::Other},
    {"Prefix", Meaning::Prefix},
    {"Prefix (Flat)", Meaning::Prefix},
    {"Status", Meaning::Status},
    {"Description", Meaning::Description},
    {"VLAN", Meaning::Vlan},
    {"ID", Meaning::Other},
    {"Depth", Meaning::Other},
    {"Children", Meaning::Other},
    {"VRF", Meaning::Other},
    {"Utilization", Meaning::Other},
    {"Tenant", Meaning::Other},
    {"Tenant Group", Meaning::Other},
    {"Site", Meaning::Other},
    {"Scope", Meaning::Other},
    {"Scope Type", Meaning::Other},
    {"VLAN Group", Meaning::Other},
    {"Role", Meaning::Other},
    {"Pool", Meaning::Other},
    {"Marked Utilized", Meaning::Other},
    {"Contacts", Meaning::Other},
    {"Comments", Meaning::Other},
    {"Tags", Meaning::Other},
    {"Created", Meaning::Other},
    {"Last updated", Meaning::Other},
};

// phpIPAM's subnet export (app/admin/import-export/export-subnets.php) and
// import fields (import-subnets-check.php), in any case.
constexpr Column kPhpIpamColumns[] = {
    {"subnet", Meaning::Prefix},  {"mask", Meaning::Mask},        {"description", Meaning::Description},
    {"vlan", Meaning::Vlan},      {"section", Meaning::Section},  {"vlan domain", Meaning::Other},
    {"domain", Meaning::Other},   {"vrf", Meaning::Other},        {"master subnet", Meaning::Other},
    {"requests", Meaning::Other}, {"host check", Meaning::Other}, {"discover", Meaning::Other},
    {"customer", Meaning::Other},
};

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

std::optional<Meaning> meaningOf(std::string_view heading, IpamSource source)
{
    if (source == IpamSource::NetBox) {
        if (heading.starts_with("cf_"))  // a custom field
            return Meaning::Other;
        for (const Column &column : kNetBoxColumns)
            if (column.heading == heading)
                return column.meaning;
        return std::nullopt;
    }
    const std::string lower = lowerCase(heading);
    for (const Column &column : kPhpIpamColumns)
        if (column.heading == lower)
            return column.meaning;
    return std::nullopt;
}

std::optional<IpamSource> sourceOfHeader(const std::vector<std::string> &header)
{
    for (const std::string &heading : header) {
        if (heading == "prefix" || heading == "Prefix" || heading == "Prefix (Flat)")
            return IpamSource::NetBox;
        if (lowerCase(heading) == "subnet")
            return IpamSource::PhpIpam;
    }
    return std::nullopt;
}

std::string_view firstLine(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text.substr(0, text.find('\n'));
}

// A VLAN as each system writes it: NetBox's VID, or its label "name (VID)";
// phpIPAM's number, or "NA" for none.
std::optional<int> vlanOf(std::string_view text)
{
    if (const auto open = text.rfind('('); open != std::string_view::npos && text.ends_with(')'))
        text = text.substr(open + 1, text.size() - open - 2);
    return readVlan(text);
}

bool isNoVlan(std::string_view text)
{
    const std::string lower = lowerCase(text);
    return lower.empty() || lower == "na" || lower == "n/a";
}

// The description as a name and a note; kept whole as the note where its name is not one the plan can take.
void describe(BlockDetails &details, std::string_view description, const Plan &plan, std::set<std::string> &named)
{
    std::string_view name = description;
    std::string_view note;
    if (description.starts_with(kDescriptionSeparator.substr(1))) {
        name = {};
        note = description.substr(kDescriptionSeparator.size() - 1);
    } else if (const auto at = description.find(kDescriptionSeparator); at != std::string_view::npos) {
        name = description.substr(0, at);
        note = description.substr(at + kDescriptionSeparator.size());
    }
    if (!name.empty() && (plan.nameRefusal(name) || named.contains(std::string(name)))) {
        name = {};
        note = description;
    }
    details.name = name;
    details.note = note;
    if (!name.empty())
        named.emplace(name);
}

}  // namespace

std::optional<IpamSource> ipamSourceOf(std::string_view text)
{
    const std::string_view header = firstLine(text);
    try {
        CsvReader reader(header, csvDelimiterOf(header));
        const auto fields = reader.next();
        return fields ? sourceOfHeader(*fields) : std::nullopt;
    } catch (const Refusal &) {
        return std::nullopt;
    }
}

Parsed<std::vector<std::pair<AnyBlock, BlockDetails>>> readIpamBlocks(std::string_view text, const Plan &plan)
{
    using Blocks = std::vector<std::pair<AnyBlock, BlockDetails>>;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    try {
        CsvReader reader(text, csvDelimiterOf(firstLine(text)));
        const auto header = reader.next();
        const auto source = header ? sourceOfHeader(*header) : std::nullopt;
        if (!source)
            return Parsed<Blocks>::refused({"has no header row of NetBox's prefixes or phpIPAM's subnets", 1});
        std::vector<Meaning> meanings;
        for (const std::string &heading : *header) {
            const auto meaning = meaningOf(heading, *source);
            if (!meaning)
                return Parsed<Blocks>::refused({"has a column \"" + heading + "\" that " +
                                                    (*source == IpamSource::NetBox ? "NetBox's prefixes do not have"
                                                                                   : "phpIPAM's subnets do not have"),
                                                1});
            meanings.push_back(*meaning);
        }
        Blocks blocks;
        std::map<AnyBlock, int> lineOf;
        std::set<std::string> named;
        while (const auto record = reader.next()) {
            const int line = reader.line();
            const auto refused = [&](std::string reason) { return Parsed<Blocks>::refused({std::move(reason), line}); };
            if (std::all_of(record->begin(), record->end(), [](const std::string &field) { return field.empty(); }))
                continue;
            if (record->size() > meanings.size())
                return refused("has more fields than the header row");
            std::string prefix;
            std::string mask;
            std::string description;
            BlockDetails details;
            for (std::size_t k = 0; k < record->size(); ++k) {
                const std::string &field = (*record)[k];
                switch (meanings[k]) {
                case Meaning::Prefix:
                    prefix = field;
                    break;
                case Meaning::Mask:
                    mask = field;
                    break;
                case Meaning::Description:
                    description = field;
                    break;
                case Meaning::Status:
                    if (!field.empty() && !(details.status = readStatus(field)))
                        return refused("has a status \"" + field +
                                       "\" that is not container, active, reserved or deprecated");
                    break;
                case Meaning::Vlan:
                    if (!isNoVlan(field) && !(details.vlan = vlanOf(field)))
                        return refused("has a VLAN \"" + field + "\" that is no VLAN id of 1 to 4094");
                    break;
                case Meaning::Section:
                case Meaning::Other:
                    break;
                }
            }
            // A phpIPAM folder groups subnets and holds no addresses.
            if (*source == IpamSource::PhpIpam && prefix.ends_with(" (folder)"))
                continue;
            if (prefix.find('/') == std::string::npos && !mask.empty())
                prefix += "/" + mask;
            const auto block = parseAnyBlock(prefix);
            if (!block)
                return refused("\"" + prefix + "\" " + block.reason());
            if (const auto [earlier, fresh] = lineOf.emplace(*block, line); !fresh)
                return refused(block->text() + " is given on line " + std::to_string(earlier->second) + " as well");
            describe(details, description, plan, named);
            blocks.emplace_back(*block, std::move(details));
        }
        return blocks;
    } catch (const Refusal &refusal) {
        return Parsed<Blocks>::refused(refusal);
    }
}

}  // namespace netquill
