#include "cli/ipv6.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/jsontext.h"

#include <vector>

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

// The block and the subnets' length from at most one of --mask-bits,
// --subnets (the smallest split into at least N) and --min-addresses (the
// smallest subnets of at least N addresses).
Ipv6Plan readIpv6Plan(const CommandLine &line)
{
    for (const char *ipv4Only : {"--subnet-mask", "--host-bits", "--hosts", "--min-hosts"})
        if (const std::string *value = line.option(ipv4Only))
            refuse(ipv4Only, *value, "is for IPv4; an IPv6 block takes --mask-bits, --subnets or --min-addresses");
    if (line.has("--rfc3021"))
        throw UsageError("--rfc3021 is for IPv4: every address of an IPv6 subnet counts");
    const std::string_view text = onlyPositional(line, "BLOCK/PREFIX");
    const auto given = parseIpv6WithPrefix(text);
    if (!given)
        refuse("BLOCK/PREFIX", text, given.reason());
    const Ipv6Block block = given->block();
    int length = block.length;
    int chosen = 0;
    const int freeBits = 128 - block.length;
    if (const std::string *bits = line.option("--mask-bits")) {
        length = static_cast<int>(parseNumber("--mask-bits", *bits, static_cast<std::uint64_t>(block.length), 128));
        ++chosen;
    }
    if (const std::string *subnets = line.option("--subnets")) {
        const Uint128 most = freeBits == 128 ? ~Uint128{0} : Uint128{1} << freeBits;
        const Uint128 count = parseNumber128("--subnets", *subnets, 1, most, decimalCount(most, freeBits == 128));
        length = block.length + bitWidth(static_cast<Uint128>(count - 1));
        ++chosen;
    }
    if (const std::string *addresses = line.option("--min-addresses")) {
        const Uint128 most = freeBits == 128 ? ~Uint128{0} : Uint128{1} << freeBits;
        const Uint128 count =
            parseNumber128("--min-addresses", *addresses, 1, most, decimalCount(most, freeBits == 128));
        length = 128 - bitWidth(static_cast<Uint128>(count - 1));
        ++chosen;
    }
    if (chosen > 1)
        throw UsageError("only one of --mask-bits, --subnets and --min-addresses may be given");
    return Ipv6Plan(block, length);
}

}  // namespace

int planIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const Ipv6Plan plan = readIpv6Plan(line);
    const Ipv6Block first = plan.row(0);
    const Ipv6Block last = plan.row(plan.lastRow());
    if (json) {
        writeJson(streams, JsonObject()
                               .text("network", plan.block().text())
                               .number("prefix_length", static_cast<std::uint64_t>(plan.block().length))
                               .number("subnet_prefix_length", static_cast<std::uint64_t>(plan.subnetLength()))
                               .count("subnet_count", plan.subnetCountText())
                               .count("address_count", plan.addressCountText())
                               .text("first_subnet", first.text())
                               .text("last_subnet", last.text()));
        return kDone;
    }
    Lines lines(streams.eol());
    lines.add("IPv6 Block", plan.block().text())
        .add("Subnet Length", std::to_string(plan.subnetLength()))
        .add("Subnets", plan.subnetCountText())
        .add("Subnet Size", plan.addressCountText())
        .add("First Subnet", first.text())
        .add("Last Subnet", last.text());
    streams.out.append(lines.text());
    return kDone;
}

int listIpv6(const CommandLine &line, RowFormat format, Streams &streams)
{
    const Ipv6Plan plan = readIpv6Plan(line);
    const Uint128 lastRow = plan.lastRow();
    const std::string subnets = plan.subnetCountText();
    // Rows are counted from 1, so the last of ::/0 split into /128s is 2^128.
    Uint128 first = 0;
    if (const std::string *from = line.option("--from")) {
        const std::string_view text = *from;
        if (text == "340282366920938463463374607431768211456" && lastRow == ~Uint128{0})
            first = lastRow;
        else
            first = parseNumber128("--from", text, 1, lastRow == ~Uint128{0} ? lastRow : lastRow + 1, subnets) - 1;
    }
    Uint128 remaining = lastRow - first;  // rows after the first
    bool unlimited = true;
    if (const std::string *most = line.option("--count")) {
        const Uint128 count = parseNumber128("--count", *most, 0, ~Uint128{0}, decimalText(~Uint128{0}));
        if (count == 0)
            remaining = 0;
        if (count == 0 || count - 1 < remaining)
            remaining = count == 0 ? 0 : count - 1;
        unlimited = count != 0;
    }
    const Ipv6RowRenderer renderer(format, streams.lineEnd);
    if (!line.has("--no-header") || format == RowFormat::HTML)
        streams.out.append(renderer.tableStart());
    RowBlock rows(streams.out, Ipv6RowRenderer::kLongestRow);
    // Each row's network is the one before moved on by a subnet's size.
    Ipv6Block row = plan.row(first);
    const Uint128 size = plan.subnetLength() == 0 ? 0 : Uint128{1} << (128 - plan.subnetLength());
    for (Uint128 k = first; unlimited && streams.out.open(); ++k) {
        rows.took(renderer.writeRow(rows.room(), row));
        row.network = Ipv6Address(row.network.value() + size);
        if (k - first == remaining)
            break;
    }
    rows.send();
    streams.out.append(renderer.tableEnd());
    return kDone;
}

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
        writeJson(streams, object);
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
    const std::string count = Ipv6Block::addressCountText(block.length);
    const std::vector<std::string> zones = block.reverseZones();
    if (json) {
        writeJson(streams, JsonObject()
                               .text("address", given->address.text())
                               .text("network", block.text())
                               .number("prefix_length", static_cast<std::uint64_t>(block.length))
                               .text("first_address", block.network.text())
                               .text("last_address", block.last().text())
                               .count("address_count", count)
                               .texts("reverse_zones", zones));
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
