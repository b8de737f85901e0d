#include "core/ipam/ipamexport.h"

#include <algorithm>

namespace netquill {

std::string ipamDescription(const BlockDetails &details)
{
    if (details.note.empty())
        return details.name;
    return (details.name.empty() ? std::string(kDescriptionSeparator.substr(1)) : details.name + " | ") + details.note;
}

std::string phpIpamDescription(std::string_view description)
{
    std::string out;
    out.reserve(description.size());
    for (const char c : description) {
        switch (c) {
        case ';':
            out += ',';
            break;
        case '\'':
            out += "\u2019";
            break;
        case '"':
            out += "\u201D";
            break;
        case '\t':
        case '\r':
        case '\n':
            out += ' ';
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

class CsvLines
{
public:
    explicit CsvLines(LineEnd lineEnd) : m_lineEnd(lineEndText(lineEnd)) {}

    void line(std::initializer_list<std::string_view> fields)
    {
        bool first = true;
        for (const std::string_view field : fields) {
            if (!first)
                m_text += ',';
            first = false;
            appendDelimitedField(m_text, field, ',');
        }
        m_text += m_lineEnd;
    }
    std::string take() { return std::move(m_text); }

private:
    std::string_view m_lineEnd;
    std::string m_text;
};

std::string vlanText(const BlockDetails &details) { return details.vlan ? std::to_string(*details.vlan) : ""; }

// Infoblox's object types: a split node holds networks, a leaf is one.
std::string_view infobloxType(const Plan::Row &row)
{
    const bool ipv6 = row.block.family() == Family::Ipv6;
    if (row.leaf)
        return ipv6 ? "ipv6network" : "network";
    return ipv6 ? "ipv6networkcontainer" : "networkcontainer";
}

}  // namespace

std::string ipamExportText(const Plan &plan, IpamFormat format, std::string_view section, LineEnd lineEnd)
{
    const std::vector<Plan::Row> rows = plan.rows();
    const bool vlans = std::any_of(rows.begin(), rows.end(), [](const Plan::Row &row) { return row.carried->vlan; });
    CsvLines csv(lineEnd);
    switch (format) {
    case IpamFormat::NetBox:
        vlans ? csv.line({"prefix", "status", "description", "vlan"}) : csv.line({"prefix", "status", "description"});
        for (const Plan::Row &row : rows) {
            const std::string prefix = row.block.text();
            const std::string_view status = statusName(statusOf(*row.carried, row.leaf));
            const std::string description = ipamDescription(*row.carried);
            vlans ? csv.line({prefix, status, description, vlanText(*row.carried)})
                  : csv.line({prefix, status, description});
        }
        break;
    case IpamFormat::PhpIpam:
        vlans ? csv.line({"section", "subnet", "description", "vlan"}) : csv.line({"section", "subnet", "description"});
        for (const Plan::Row &row : rows) {
            const std::string subnet = row.block.text();
            const std::string description = phpIpamDescription(ipamDescription(*row.carried));
            vlans ? csv.line({section, subnet, description, vlanText(*row.carried)})
                  : csv.line({section, subnet, description});
        }
        break;
    case IpamFormat::Infoblox: {
        std::vector<std::string_view> headed;
        for (const Plan::Row &row : rows) {
            const std::string_view type = infobloxType(row);
            const bool ipv6 = row.block.family() == Family::Ipv6;
            if (std::find(headed.begin(), headed.end(), type) == headed.end()) {
                headed.push_back(type);
                const std::string header = "header-" + std::string(type);
                csv.line({header, "address*", ipv6 ? "cidr*" : "netmask*", "comment"});
            }
            const std::string text = row.block.text();
            const std::string_view address = std::string_view(text).substr(0, text.find('/'));
            const std::string size =
                ipv6 ? std::to_string(row.block.length()) : row.block.as<Ipv4Block>()->prefix().maskAddress().text();
            csv.line({type, address, size, ipamDescription(*row.carried)});
        }
        break;
    }
    }
    return csv.take();
}

}  // namespace netquill
