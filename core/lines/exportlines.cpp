#include "core/lines/exportlines.h"

#include "core/lines/clipboardtext.h"
#include "core/lines/exporttext.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/subnetrows.h"
#include "core/productinfo.h"

namespace netquill {

namespace {

// Collects a file's lines. A trimmed line loses its leading and trailing blanks
// as a whole; the other lines are written exactly as built.
class Lines
{
public:
    explicit Lines(ExportMode mode) : m_mode(mode) {}

    void trimmed(const std::string &line) { m_lines.emplace_back(trimBlanks(line)); }
    void asBuilt(std::string line) { m_lines.push_back(std::move(line)); }

    // A field's text in the file's bytes.
    std::string value(std::string_view utf8) const { return exportBytes(utf8, m_mode); }
    std::string dotted(const std::array<std::string, 4> &octets) const { return value(joinDotted(octets)); }

    std::vector<std::string> take() { return std::move(m_lines); }

private:
    ExportMode m_mode;
    std::vector<std::string> m_lines;
};

// The comma-delimited file marks numbers that spreadsheets would otherwise
// reformat: quoted, with a no-break space (byte 0xA0) before the closing quote.
std::string keptAsText(const std::string &value) { return "\"" + value + "\xA0\""; }

std::string csvField(const std::string &value)
{
    std::string field;
    appendDelimitedField(field, value, ',');
    return field;
}

// One line of a tab's section, as all three files describe it.
struct Entry {
    Entry(std::string label, std::string value, bool keptAsText = false, std::string csvLabel = {})
        : label(std::move(label)), value(std::move(value)), keptAsText(keptAsText), csvLabel(std::move(csvLabel))
    {}

    std::string label;     // as the text file writes it; empty for the blank line
    std::string value;     // in the file's bytes
    bool keptAsText;       // the comma-delimited file marks it as text
    std::string csvLabel;  // where the comma-delimited file writes the label otherwise
};

// A tab's section: its title, its lines, and the column at which the text
// file lines its values up with tabs (eight characters apart).
struct Section {
    std::string title;
    std::vector<Entry> entries;
    std::size_t txtValueColumn;
};

Section sectionOf(CalculatorTab tab, const ExportFields &fields, const Lines &lines)
{
    switch (tab) {
    case CalculatorTab::Netquill: {
        const AddressFields &converter = fields.converter;
        return {"Netquill",
                {{"IP Address:", lines.dotted(converter.octets)},
                 {"Decimal:", lines.value(converter.decimal), true},
                 {"Hexadecimal:", lines.value(converter.hexadecimal), true},
                 {"Octal:", lines.value(converter.octal), true},
                 {"Binary:", lines.value(converter.binary), true}},
                16};
    }
    case CalculatorTab::NetworkNodeCalculator: {
        const NetworkNodeTexts &network = fields.networkNode;
        return {"Network/Node Calculator",
                {{"IP Address:", lines.dotted(network.octets)},
                 {"Subnet Mask:", lines.value(network.subnetMask)},
                 {"Subnet Mask Bits:", "/" + lines.value(network.maskBits)},
                 {"", ""},
                 {"Host ID:", lines.value(network.hostID)},
                 {"Network ID:", lines.value(network.networkID)},
                 {"Broadcast Address:", lines.value(network.broadcastAddress)},
                 {"Nodes in Subnet:", lines.value(network.nodesInSubnet), true}},
                24};
    }
    case CalculatorTab::SubnetCalculator: {
        const SubnetTexts &subnet = fields.subnet;
        return {"Subnet Calculator",
                {{"# Address Block", lines.dotted(subnet.blockOctets) + "/" + lines.value(subnet.cidrBits)},
                 {"# CIDR Mask", lines.value(subnet.cidrMask)},
                 {"# Subnet Mask", lines.value(subnet.subnetMask)},
                 {"# Subnet Bit Mask", lines.value(subnet.subnetBitMask), false, "# Subnet bit mask"},
                 {"# Subnet Bits", lines.value(subnet.maskBits), false, "# Subnet bits"},
                 {"# Host Bits", lines.value(subnet.hostBits), false, "# Host bits"},
                 {"# Possible Number of Subnets", lines.value(subnet.numberOfSubnets), false,
                  "# Possible Number of subnets"},
                 {"# Hosts per Subnet", lines.value(subnet.hostsPerSubnet)}},
                32};
    }
    case CalculatorTab::Ipv6: {
        const Ipv6Texts &ipv6 = fields.ipv6;
        const bool shown = !ipv6.address.empty();
        // Counts are kept from a spreadsheet's reformatting, as the other tabs' are.
        const auto count = [](std::string label, const std::optional<std::string> &digits) {
            return Entry(std::move(label), digits.value_or(""), digits.has_value());
        };
        std::string zones;
        for (const std::string &zone : ipv6.reverseZones)
            zones += (zones.empty() ? "" : ", ") + zone;
        return {"IPv6",
                {{"IPv6 Address:", lines.value(ipv6.address + (ipv6.zone.empty() ? "" : "%" + ipv6.zone))},
                 {"Expanded:", ipv6.expanded},
                 {"Address Type:", shown ? ipv6.type.text() : ""},
                 {"IPv4 Inside:", ipv6.embeddedIpv4.value_or("")},
                 {"Teredo Server:", ipv6.teredoServer.value_or("")},
                 {"Network:", ipv6.network},
                 {"First Address:", ipv6.networkAddress},
                 {"Last Address:", ipv6.lastAddress},
                 {"Addresses:", shown ? ipv6.addressCount + " (" + ipv6.addressPower + ")" : ""},
                 count("/48 Subnets:", ipv6.subnets48),
                 count("/64 Subnets:", ipv6.subnets64),
                 {"Reverse DNS:", ipv6.reverseName},
                 {"Reverse Zones:", zones},
                 {"", ""},
                 {"Subnet Prefix:", fields.ipv6SubnetLength.empty() ? "" : "/" + fields.ipv6SubnetLength},
                 count("Number of Subnets:",
                       fields.ipv6SubnetCount.empty() ? std::nullopt : std::optional(fields.ipv6SubnetCount))},
                24};
    }
    }
    return {};
}

// The heading cells of a web page's subnet table, in the border's colours.
void writeHtmlTableHeadings(Lines &lines, CalculatorTab tab)
{
    const std::string heading = "<td bordercolor=\"#000000\" bgcolor=\"#F0F0F0\"";
    const auto cell = [&heading](std::string_view text, bool centred) {
        return heading + (centred ? " align=\"center\">" : ">") + std::string(text) + "</td>";
    };
    lines.asBuilt("<tr>");
    if (tab == CalculatorTab::Ipv6) {
        for (const auto &column : kIpv6Rows.columns)
            lines.asBuilt(cell(column.heading, column.centred) + (&column == &kIpv6Rows.columns.back() ? "</tr>" : ""));
        return;
    }
    for (const SubnetColumn column : {SubnetColumn::Subnet, SubnetColumn::Mask, SubnetColumn::InverseMask,
                                      SubnetColumn::SubnetSize, SubnetColumn::HostRange}) {
        const bool centred =
            column == SubnetColumn::Mask || column == SubnetColumn::InverseMask || column == SubnetColumn::SubnetSize;
        lines.asBuilt(cell(subnetColumnHeading(column), centred));
    }
    lines.asBuilt(cell(subnetColumnHeading(SubnetColumn::Broadcast), false) + "</tr>");
}

// The text file's label followed by the tabs that bring its value to the column.
std::string tabbedTo(const std::string &label, std::size_t column)
{
    std::string text = label;
    for (std::size_t at = label.size(); at < column; at = (at / 8 + 1) * 8)
        text += '\t';
    return text;
}

// The comma-delimited and text files share their header and their section's
// shape: "#" lines, then one line per entry. The subnet section's lines after
// the first keep their blanks, and its table's heading follows.
void writeDelimited(Lines &lines, ExportMode mode, CalculatorTab tab, const ExportFields &fields,
                    const ExportSetting &setting)
{
    const bool csv = mode == ExportMode::CSV;
    const std::string separator = csv ? "," : "\t\t";
    lines.trimmed(std::string("# Generated by") + (csv ? "," : "\t") + kProductName);
    lines.trimmed("#" + separator + kMakerHost);
    lines.trimmed("#" + separator + "on " + lines.value(setting.timestamp));
    lines.trimmed("#");
    const Section section = sectionOf(tab, fields, lines);
    lines.trimmed("#" + separator + section.title);
    lines.trimmed("#");
    const bool subnetSection = tab == CalculatorTab::SubnetCalculator;
    for (const Entry &entry : section.entries) {
        std::string line = " ";
        if (!entry.label.empty() && csv)
            line = (entry.csvLabel.empty() ? entry.label : entry.csvLabel) + "," +
                   (entry.keptAsText ? keptAsText(entry.value) : csvField(entry.value));
        else if (!entry.label.empty())
            line = tabbedTo(entry.label, section.txtValueColumn) + entry.value;
        if (subnetSection && &entry != &section.entries.front())
            lines.asBuilt(std::move(line));
        else
            lines.trimmed(line);
    }
    if (subnetSection) {
        lines.asBuilt("#");
        // The comma-delimited heading has kept its blanks since the first version.
        lines.asBuilt(csv ? "Subnet,Mask,Inverse Mask, Subnet Size, Host Range, Broadcast" : subnetTextHeadingLine());
    }
    if (tab == CalculatorTab::Ipv6) {
        lines.trimmed("#");
        lines.trimmed(Ipv6RowRenderer(csv ? RowFormat::CSV : RowFormat::TXT, LineEnd::CRLF).headingLine());
    }
}

std::string htmlRow(const Entry &entry)
{
    if (entry.label.empty())
        return "<tr><td>&nbsp;</td><td>&nbsp;</td></tr>";
    const std::string label = entry.label.starts_with("# ") ? entry.label.substr(2) : entry.label;
    return "<tr><td>" + label + "</td><td>" + entry.value + "</td></tr>";
}

void writeHtml(Lines &lines, CalculatorTab tab, const ExportFields &fields, const ExportSetting &setting)
{
    lines.trimmed("<html>");
    lines.trimmed("<head>");
    lines.trimmed(std::string("<title>") + kProductName + "</title>");
    lines.asBuilt("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
    lines.trimmed("</head>");
    lines.trimmed("<body>");
    lines.trimmed("<center>");
    lines.trimmed(std::string("<a href=\"") + kMakerSite + "\"><img src=\"" + lines.value(setting.programFolder) +
                  "/TrevantisBanner.jpg\" border=0></a>");
    lines.trimmed("</center>");
    const Section section = sectionOf(tab, fields, lines);
    lines.trimmed("<center>");
    lines.trimmed("<br><font size=5>" + section.title + "</font><br><br>");
    lines.trimmed("<table border=0 width=50%>");
    if (tab == CalculatorTab::Netquill || tab == CalculatorTab::NetworkNodeCalculator) {
        // The first two tabs' rows stand on one line.
        std::string rows;
        for (const Entry &entry : section.entries)
            rows += htmlRow(entry);
        lines.trimmed(rows);
        lines.trimmed("</table></center>");
        return;
    }
    lines.trimmed(htmlRow(section.entries.front()));
    for (auto entry = section.entries.begin() + 1; entry != section.entries.end(); ++entry)
        lines.asBuilt(htmlRow(*entry));
    lines.asBuilt("</table>");
    lines.asBuilt("</center>");
    lines.asBuilt("<br><br>");
    lines.asBuilt("<table width=\"100%\" border=\"1\" cellpadding=\"0\" cellspacing=\"0\" bordercolor=\"#000000\">");
    writeHtmlTableHeadings(lines, tab);
}

}  // namespace

std::vector<std::string> linesBeforeTable(ExportMode mode, CalculatorTab tab, const ExportFields &fields,
                                          const ExportSetting &setting)
{
    Lines lines(mode);
    if (mode == ExportMode::HTML)
        writeHtml(lines, tab, fields, setting);
    else
        writeDelimited(lines, mode, tab, fields, setting);
    return lines.take();
}

std::vector<std::string> linesAfterTable(ExportMode mode, CalculatorTab tab, const ExportSetting &setting)
{
    Lines lines(mode);
    if (mode != ExportMode::HTML)
        return {};
    if (tab == CalculatorTab::SubnetCalculator || tab == CalculatorTab::Ipv6)
        lines.asBuilt("</table>");
    lines.asBuilt(std::string("<br><br><center><font size=2 color=#C0C0C0>Generated by ") + kProductName + " on " +
                  lines.value(setting.timestamp) + "</font></center>");
    lines.asBuilt("</body>");
    lines.asBuilt("</html>");
    return lines.take();
}

}  // namespace netquill
