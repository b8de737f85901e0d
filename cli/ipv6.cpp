#include "cli/ipv6.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/jsontext.h"

#include <optional>
#include <vector>

namespace netquill::cli {

namespace {

// The fields of one answer, each stated once with its label and its JSON
// key: written as "Label        : value" lines, the colons lined up as the
// IPv4 texts line them up, or as one JSON object. A field without a label is
// in the JSON only, one without a key in the text only.
class Answer
{
public:
    explicit Answer(std::string_view eol) : m_eol(eol) {}

    // A 128-bit value or count is a text too: its digits, as a JSON string.
    Answer &text(std::string_view label, std::string_view key, std::string_view value)
    {
        if (!key.empty())
            m_json.text(key, value);
        return line(label, value);
    }
    Answer &number(std::string_view label, std::string_view key, int value)
    {
        m_json.number(key, static_cast<std::uint64_t>(value));
        return line(label, std::to_string(value));
    }
    // A value the input may not have: no line without it, and null in the JSON.
    Answer &optionalText(std::string_view label, std::string_view key, const std::optional<std::string> &value)
    {
        if (value)
            return text(label, key, *value);
        m_json.null(key);
        return *this;
    }
    // One a line, the lines after the first under it.
    Answer &texts(std::string_view label, std::string_view key, const std::vector<std::string> &values)
    {
        m_json.texts(key, values);
        for (std::size_t k = 0; k < values.size(); ++k)
            m_lines.append(padded(k == 0 ? label : "")).append(k == 0 ? ": " : "  ").append(values[k]).append(m_eol);
        return *this;
    }

    void write(Streams &streams, bool json) const
    {
        if (json)
            writeJson(streams, m_json);
        else
            streams.out.append(m_lines);
    }

private:
    // The labels' column; a longer label pushes its colon on, never under it.
    static constexpr std::size_t kLabelWidth = 14;
    static std::string padded(std::string_view label)
    {
        return std::string(label) + std::string(kLabelWidth - std::min(label.size(), kLabelWidth), ' ');
    }

    Answer &line(std::string_view label, std::string_view value)
    {
        if (!label.empty())
            m_lines.append(padded(label)).append(": ").append(value).append(m_eol);
        return *this;
    }

    std::string_view m_eol;
    JsonObject m_json;
    std::string m_lines;
};

// The block and the subnets' length from at most one of --mask-bits,
// --subnets (the smallest split into at least N) and --min-addresses (the
// smallest subnets of at least N addresses).
Ipv6Plan readIpv6Plan(const CommandLine &line)
{
    for (const char *ipv4Only : {"--subnet-mask", "--host-bits", "--hosts", "--min-hosts"})
        if (const std::string *value = line.option(ipv4Only))
            refuse(ipv4Only, *value, "is for IPv4; an IPv6 block takes --mask-bits, --subnets or --min-addresses");
    const std::string_view text = onlyPositional(line, "BLOCK/PREFIX");
    const Ipv6Block block = accepted("BLOCK/PREFIX", text, parseIpv6WithPrefix(text)).block();
    int length = block.length;
    int chosen = 0;
    const int freeBits = 128 - block.length;
    if (const std::string *bits = line.option("--mask-bits")) {
        length = static_cast<int>(parseNumber("--mask-bits", *bits, static_cast<std::uint64_t>(block.length), 128));
        ++chosen;
    }
    // Up to 2^128, the subnets or addresses of ::/0.
    const Uint128 mostLessOne = freeBits == 128 ? ~Uint128{0} : (Uint128{1} << freeBits) - 1;
    if (const std::string *subnets = line.option("--subnets")) {
        length = block.length + bitWidth(parseCountLessOne("--subnets", *subnets, mostLessOne));
        ++chosen;
    }
    if (const std::string *addresses = line.option("--min-addresses")) {
        length = 128 - bitWidth(parseCountLessOne("--min-addresses", *addresses, mostLessOne));
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
    Answer(streams.eol())
        .text("IPv6 Block", "", plan.block().text())
        .text("", "network", plan.block().network.text())
        .number("", "prefix_length", plan.block().length)
        .number("Subnet Length", "subnet_prefix_length", plan.subnetLength())
        .text("Subnets", "subnet_count", plan.subnetCountText())
        .text("Subnet Size", "subnet_address_count", plan.addressCountText())
        .text("First Subnet", "first_subnet", first.text())
        .text("Last Subnet", "last_subnet", last.text())
        .write(streams, json);
    return kDone;
}

int listIpv6(const CommandLine &line, RowFormat format, Streams &streams)
{
    const Ipv6Plan plan = readIpv6Plan(line);
    const Uint128 lastRow = plan.lastRow();
    // Rows are counted from 1, so the last of ::/0 split into /128s is 2^128.
    const std::string *from = line.option("--from");
    const Uint128 first = from ? parseCountLessOne("--from", *from, lastRow) : 0;
    Uint128 remaining = lastRow - first;  // rows after the first
    bool unlimited = true;
    if (const std::string *most = line.option("--count")) {
        // At most that many: a count past the end writes the rows there are.
        unlimited = *most != "0";
        if (unlimited)
            remaining = std::min(remaining, parseCountLessOne("--count", *most, ~Uint128{0}));
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

int convertIpv6(const ZonedIpv6Address &zoned, bool json, Streams &streams)
{
    const Ipv6Address &address = zoned.address;
    const std::string zone = zoned.zone.empty() ? "" : "%" + zoned.zone;
    // A zone is the user's text: its control bytes are escaped where a terminal shows it.
    Answer answer(streams.eol());
    answer.text("IPv6 Address", "", address.text() + escaped(zone))
        .text("", "address", address.text() + zone)
        .text("Expanded", "expanded", address.expandedText())
        .text("Decimal", "decimal", decimalText(address.value()))
        .text("Hexadecimal", "hexadecimal", "0x" + address.hexadecimalText())
        .text("Binary", "binary", "0b" + address.binaryText())
        .text("Reverse DNS", "reverse_dns", address.reverseName());
    const auto ipv4 = address.embeddedIpv4();
    answer.optionalText("IPv4 Inside", "embedded_ipv4", ipv4 ? std::optional(ipv4->text()) : std::nullopt)
        .write(streams, json);
    return kDone;
}

namespace {

// ADDRESS/PREFIX, or ADDRESS PREFIX with each word refused as typed.
Ipv6WithPrefix calcArgument(const CommandLine &line)
{
    const std::string_view first = line.positionals[0];
    if (line.positionals.size() == 1)
        return accepted("ADDRESS/PREFIX", first, parseIpv6WithPrefix(first));
    const std::string_view second = line.positionals[1];
    return {accepted("ADDRESS", first, parseIpv6Address(first)),
            accepted("PREFIX", second, parseIpv6PrefixLength(second))};
}

}  // namespace

int calcIpv6(const CommandLine &line, bool json, Streams &streams)
{
    const Ipv6WithPrefix given = calcArgument(line);
    const Ipv6Block block = given.block();
    // Every address of an IPv6 block counts: none is kept for a network or a broadcast.
    Answer(streams.eol())
        .text("IPv6 Address", "address", given.address.text())
        .text("Network", "", block.text())
        .text("", "network", block.network.text())
        .number("Prefix Length", "prefix_length", block.length)
        .text("First Address", "first_address", block.network.text())
        .text("Last Address", "last_address", block.last().text())
        .text("Addresses", "address_count", Ipv6Block::addressCountText(block.length))
        .texts("Reverse Zones", "reverse_zones", block.reverseZones())
        .write(streams, json);
    return kDone;
}

}  // namespace netquill::cli
