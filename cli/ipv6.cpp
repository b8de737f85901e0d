#include "cli/ipv6.h"

#include "cli/messages.h"
#include "core/addresstext.h"
#include "core/jsontext.h"

namespace netquill::cli {

namespace {

std::string hexadecimalOf(Uint128 value)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits(32, '0');
    for (int k = 31; k >= 0; --k, value >>= 4)
        digits[static_cast<std::size_t>(k)] = kHex[static_cast<int>(value & 0xF)];
    return digits;
}

std::string binaryOf(Uint128 value)
{
    std::string digits(128, '0');
    for (int k = 127; k >= 0; --k, value >>= 1)
        digits[static_cast<std::size_t>(k)] = (value & 1) != 0 ? '1' : '0';
    return digits;
}

// "Label        : value" lines, the colons lined up as the IPv4 texts line them up.
class Lines
{
public:
    explicit Lines(std::string_view eol) : m_eol(eol) {}
    // A value under the one before it has no label: it stands in the value column.
    Lines &add(std::string_view label, std::string_view value)
    {
        m_text.append(label).append(std::string(14 - label.size(), ' ')).append(label.empty() ? "  " : ": ");
        m_text.append(value).append(m_eol);
        return *this;
    }
    const std::string &text() const { return m_text; }

private:
    std::string_view m_eol;
    std::string m_text;
};

}  // namespace

int convertIpv6(std::string_view text, bool json, Streams &streams)
{
    const auto zoned = parseZonedIpv6Address(text);
    if (!zoned)
        refuse("ADDRESS", text, zoned.reason());
    const Ipv6Address &address = zoned->address;
    const std::string shownAddress = address.text() + (zoned->zone.empty() ? "" : "%" + zoned->zone);
    const auto ipv4 = address.embeddedIpv4();
    if (json) {
        JsonObject object;
        object.text("address", shownAddress)
            .text("expanded", address.expandedText())
            .count("decimal", decimalText(address.value()))
            .text("hexadecimal", hexadecimalOf(address.value()))
            .text("binary", binaryOf(address.value()))
            .text("reverse_dns", address.reverseName());
        if (ipv4)
            object.text("embedded_ipv4", ipv4->text());
        streams.out.append(object.json());
        streams.out.append(streams.eol());
        return kDone;
    }
    Lines lines(streams.eol());
    lines.add("IPv6 Address", shownAddress)
        .add("Expanded", address.expandedText())
        .add("Decimal", decimalText(address.value()))
        .add("Hexadecimal", hexadecimalOf(address.value()))
        .add("Binary", binaryOf(address.value()))
        .add("Reverse DNS", address.reverseName());
    if (ipv4)
        lines.add("IPv4 Inside", ipv4->text());
    streams.out.append(lines.text());
    return kDone;
}

int calcIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const std::string joined = line.positionals.size() == 2
                                   ? std::string(line.positionals[0]) + "/" + std::string(line.positionals[1])
                                   : std::string(line.positionals[0]);
    const auto given = parseIpv6WithPrefix(joined);
    if (!given)
        refuse("ADDRESS/PREFIX", joined, given.reason());
    const Ipv6Block block = given->block();
    // Every address of an IPv6 block counts: none is kept for a network or a broadcast.
    const std::string count = decimalCount(block.last().value() - block.network.value() + 1, block.length == 0);
    const std::vector<std::string> zones = block.reverseZones();
    if (json) {
        streams.out.append(JsonObject()
                               .text("address", given->address.text())
                               .text("network", block.text())
                               .number("prefix_length", static_cast<std::uint64_t>(block.length))
                               .text("first_address", block.network.text())
                               .text("last_address", block.last().text())
                               .count("address_count", count)
                               .texts("reverse_zones", zones)
                               .json());
        streams.out.append(streams.eol());
        return kDone;
    }
    Lines lines(streams.eol());
    lines.add("IPv6 Address", given->address.text())
        .add("Network", block.text())
        .add("Prefix Length", std::to_string(block.length))
        .add("First Address", block.network.text())
        .add("Last Address", block.last().text())
        .add("Addresses", count);
    for (std::size_t k = 0; k < zones.size(); ++k)
        lines.add(k == 0 ? "Reverse Zones" : "", zones[k]);
    streams.out.append(lines.text());
    return kDone;
}

}  // namespace netquill::cli
