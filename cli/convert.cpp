#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/address/addresstext.h"
#include "core/calculators/ipv6calculator.h"
#include "core/fields/addressconverter.h"
#include "core/fields/fieldrules.h"
#include "core/fields/octet.h"
#include "core/lines/answer.h"
#include "core/lines/clipboardtext.h"
#include "core/lines/jsontext.h"

#include <cctype>
#include <map>
#include <optional>

namespace netquill::cli {

const char *const kConvertHelp =
    "usage: netquill-cli convert ADDRESS [--from dotted|decimal|hex|octal|binary] [--family 4|6]\n"
    "                            [--format text|json]\n"
    "ADDRESS is a dotted quad (192.168.1.1), a decimal number (3232235777), or 0x hexadecimal,\n"
    "0o octal or 0b binary digits; --from reads bare digits in that IPv4 notation. Prints the\n"
    "five lines of the \"Netquill\" tab, or with --format json one object, keys: dotted_quad,\n"
    "decimal, hexadecimal, octal, binary.\n"
    "An IPv6 ADDRESS (2001:db8::1, a zone shown as given) gives its compressed and expanded\n"
    "forms, decimal, 0x hexadecimal and 0b binary, its reverse-DNS name and any IPv4 address\n"
    "inside (mapped, NAT64, 6to4, a Teredo client's, and the Teredo server), its solicited-node\n"
    "multicast group (RFC 4291 2.7.1), the MAC of a modified EUI-64 interface identifier, and a\n"
    "unique local address's Global ID and subnet ID (RFC 4193), 10 and 4 hex digits; JSON keys:\n"
    "address, expanded, decimal, hexadecimal, binary, reverse_dns, embedded_ipv4,\n"
    "teredo_server, solicited_node, mac, global_id, subnet_id (null where there is none).\n"
    "Each form convert writes reads back as the same address: a number too large for IPv4\n"
    "(a decimal above 4294967295, more than 8 hex or 32 binary digits) is IPv6, and --family 6\n"
    "reads a smaller one as IPv6 too.\n";

namespace {

AddressFields fieldsFor(AddressNotation notation, std::string_view argument, std::string_view digits)
{
    AddressFields fields;
    const auto onlyDigits = [&](std::string_view allowed, int most, const char *what) {
        if (digits.empty() || digits.size() > static_cast<std::size_t>(most) ||
            digits.find_first_not_of(allowed) != std::string_view::npos)
            refuse("ADDRESS", argument, what);
    };
    switch (notation) {
    case AddressNotation::DottedQuad:
        fields.octets = octetTextsOf(addressArgument("ADDRESS", digits));
        break;
    case AddressNotation::Decimal:
        parseNumber("ADDRESS", digits, 0, kLargestAddress);
        fields.decimal = std::string(digits);
        break;
    case AddressNotation::Hexadecimal:
        onlyDigits("0123456789abcdefABCDEF", kHexadecimalFieldLength, "must be 1 to 8 hexadecimal digits");
        for (const char digit : digits)
            fields.hexadecimal += static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
        break;
    case AddressNotation::Octal:
        onlyDigits("01234567", kOctalFieldLength, "must be 1 to 11 octal digits, at most 37777777777");
        if (std::stoull(std::string(digits), nullptr, 8) > kLargestAddress)
            refuse("ADDRESS", argument, "must be 1 to 11 octal digits, at most 37777777777");
        fields.octal = std::string(digits);
        break;
    case AddressNotation::Binary:
        onlyDigits("01", kBinaryFieldLength, "must be 1 to 32 binary digits");
        fields.binary = std::string(digits);
        break;
    }
    return fields;
}

// A number with its notation's prefix, as convert prints an address: 0x
// hexadecimal, 0o octal, 0b binary, else decimal.
struct WrittenNumber {
    AddressNotation notation;
    std::string_view digits;
};

WrittenNumber writtenNumber(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0') {
        switch (std::tolower(static_cast<unsigned char>(text[1]))) {
        case 'x':
            return {AddressNotation::Hexadecimal, text.substr(2)};
        case 'o':
            return {AddressNotation::Octal, text.substr(2)};
        case 'b':
            return {AddressNotation::Binary, text.substr(2)};
        default:
            break;
        }
    }
    return {AddressNotation::Decimal, text};
}

// The IPv6 address of a number, when it is one: more digits than an IPv4
// address has (9 to 32 hex, 33 to 128 binary, a decimal above 2^32 - 1), or
// any number with --family 6.
std::optional<Ipv6Address> ipv6OfNumber(std::string_view text, std::optional<Family> asked)
{
    const WrittenNumber written = writtenNumber(text);
    const std::string_view digits = written.digits;
    const auto valueIn = [&](unsigned base, std::string_view allowed, std::size_t ipv4Digits, std::size_t most,
                             const char *what) -> std::optional<Ipv6Address> {
        if (digits.size() <= ipv4Digits && asked != Family::Ipv6)
            return std::nullopt;
        if (digits.empty() || digits.size() > most || digits.find_first_not_of(allowed) != std::string_view::npos)
            refuse("ADDRESS", text, what);
        Uint128 value = 0;
        for (const char digit : digits)
            value = value * base + static_cast<unsigned>(
                                       std::string_view("0123456789abcdef")
                                           .find(static_cast<char>(std::tolower(static_cast<unsigned char>(digit)))));
        return Ipv6Address(value);
    };
    switch (written.notation) {
    case AddressNotation::Hexadecimal:
        return valueIn(16, "0123456789abcdefABCDEF", kHexadecimalFieldLength, 32, "must be 1 to 32 hexadecimal digits");
    case AddressNotation::Binary:
        return valueIn(2, "01", kBinaryFieldLength, 128, "must be 1 to 128 binary digits");
    case AddressNotation::Decimal: {
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;  // refused with the IPv4 notations' reason
        const Uint128 value = countArgument("ADDRESS", digits, Count(0), Count(~Uint128{0})).value();
        if (value <= kLargestAddress && asked != Family::Ipv6)
            return std::nullopt;
        return Ipv6Address(value);
    }
    case AddressNotation::Octal:
        if (asked == Family::Ipv6)
            refuse("ADDRESS", text, "an IPv6 address is read from its text, decimal, 0x hex or 0b binary digits");
        return std::nullopt;
    case AddressNotation::DottedQuad:
        break;
    }
    return std::nullopt;
}

int convertIpv6(const ZonedIpv6Address &zoned, bool json, Streams &streams)
{
    const Ipv6Address &address = zoned.address;
    const std::string zone = zoned.zone.empty() ? "" : "%" + zoned.zone;
    // A zone is the user's text: its control bytes are escaped where a terminal shows it.
    Answer answer(streams.lineEnd);
    answer.text("IPv6 Address", "", address.text() + escaped(zone))
        .text("", "address", address.text() + zone)
        .text("Expanded", "expanded", address.expandedText())
        .text("Decimal", "decimal", decimalText(address.value()))
        .text("Hexadecimal", "hexadecimal", "0x" + address.hexadecimalText())
        .text("Binary", "binary", "0b" + address.binaryText())
        .text("Reverse DNS", "reverse_dns", address.reverseName());
    const auto textOf = [](std::optional<Ipv4Address> ipv4) {
        return ipv4 ? std::optional(ipv4->text()) : std::nullopt;
    };
    // What the address makes or is made of, as calc and the IPv6 tab show it.
    const Ipv6Texts texts = CalculateIpv6(zoned, Ipv6Address::kBits);
    answer.optionalText("IPv4 Inside", "embedded_ipv4", textOf(address.embeddedIpv4()))
        .optionalText("Teredo Server", "teredo_server", textOf(address.teredoServer()))
        .text("Solicited Node", "solicited_node", texts.solicitedNode)
        .optionalText("MAC (EUI-64)", "mac", texts.mac)
        .optionalText("ULA Global ID", "global_id", texts.globalId)
        .optionalText("ULA Subnet ID", "subnet_id", texts.subnetId);
    writeAnswer(streams, answer, json);
    return kDone;
}

}  // namespace

int convertCommand(const CommandLine &line, Streams &streams)
{
    const std::string_view address = onlyPositional(line, "ADDRESS");
    const bool json = jsonFormatOption(line);
    const std::string *family = line.option("--family");
    if (family && *family != "4" && *family != "6")
        refuse("--family", *family, "must be 4 or 6");
    const std::optional<Family> asked =
        family ? std::optional(*family == "6" ? Family::Ipv6 : Family::Ipv4) : std::nullopt;
    const std::string *from = line.option("--from");
    if (from && (familyOf(address) == Family::Ipv6 || asked == Family::Ipv6))
        refuse("--from", *from, "is for IPv4 notations; an IPv6 address is read as convert writes it");
    if (!from && familyOf(address) == Family::Ipv6) {
        return convertIpv6(accepted("ADDRESS", address, parseZonedIpv6Address(address)), json, streams);
    }
    if (!from && address.find('.') == std::string_view::npos && asked != Family::Ipv4)
        if (const auto ipv6 = ipv6OfNumber(address, asked))
            return convertIpv6({*ipv6, {}}, json, streams);
    AddressNotation notation = AddressNotation::Decimal;
    std::string_view digits = address;
    if (from) {
        static const std::map<std::string, AddressNotation, std::less<>> notations{
            {"dotted", AddressNotation::DottedQuad},
            {"decimal", AddressNotation::Decimal},
            {"hex", AddressNotation::Hexadecimal},
            {"octal", AddressNotation::Octal},
            {"binary", AddressNotation::Binary}};
        const auto found = notations.find(*from);
        if (found == notations.end())
            refuse("--from", *from, "must be dotted, decimal, hex, octal or binary");
        notation = found->second;
    } else if (address.find('.') != std::string_view::npos) {
        notation = AddressNotation::DottedQuad;
    } else {
        const WrittenNumber written = writtenNumber(address);
        notation = written.notation;
        digits = written.digits;
    }
    const AddressFields fields = ConvertAddress(notation, fieldsFor(notation, address, digits));
    if (!json) {
        writeCopiedText(streams, BuildAddressClipboardText(fields));
        return kDone;
    }
    writeJson(streams, JsonObject()
                           .text("dotted_quad", fields.octets[0] + "." + fields.octets[1] + "." + fields.octets[2] +
                                                    "." + fields.octets[3])
                           .number("decimal", addressOfOctetTexts(fields.octets).value())
                           .text("hexadecimal", fields.hexadecimal)
                           .text("octal", fields.octal)
                           .text("binary", fields.binary));
    return kDone;
}

}  // namespace netquill::cli
