#pragma once

#include "cli/commandline.h"
#include "cli/messages.h"
#include "cli/streams.h"
#include "core/address/addresstext.h"
#include "core/lines/answer.h"
#include "core/lines/ipv6rows.h"
#include "core/lines/jsontext.h"
#include "core/lines/subnetrows.h"
#include "core/planning/hostrule.h"

#include <string>
#include <string_view>

// The values a command line names, read by the core's one parser and refused
// with the argument's name and the parser's reason.
namespace netquill::cli {

// The value read from an argument's text, or the refusal "ARGUMENT 'text': reason".
template <typename Value>
Value accepted(std::string_view argument, std::string_view text, const Parsed<Value> &parsed)
{
    if (!parsed)
        refuse(argument, text, parsed.reason());
    return *parsed;
}

Ipv4Address addressArgument(std::string_view argument, std::string_view text);

// --format of list and vlsm: tsv (the default), csv, txt, html or jsonl.
RowFormat rowFormatOption(const CommandLine &line);
// --format of convert, calc and plan: text (the default) or json.
bool jsonFormatOption(const CommandLine &line);

// Which addresses of an IPv4 subnet are hosts: --cloud PROVIDER, or
// --rfc3021 where the command takes it; refused together, and --cloud for
// an IPv6 block.
HostRule hostRuleOption(const CommandLine &line, Family family);
// With --cloud, the provider's key as "cloud" in JSON, null without one;
// and the line the tab's text ends with: "Cloud Hosts      : 251 in AWS".
void addCloud(JsonObject &object, const HostRule &rule);
std::string cloudHostsLine(const HostRule &rule, std::uint64_t hosts, std::string_view more = {});

// One JSON object on a line of its own.
void writeJson(Streams &streams, const JsonObject &object);
// The answer's lines, or with --format json its object.
void writeAnswer(Streams &streams, const Answer &answer, bool json);

// A text whose lines end in CR LF, as the window copies it, with the line ends asked for.
std::string withLineEnd(std::string text, LineEnd lineEnd);
// The same written out.
void writeCopiedText(Streams &streams, std::string text);

// The decimal texts of an address's four octets, as the window's octet fields hold them.
std::array<std::string, 4> octetTextsOf(Ipv4Address address);

}  // namespace netquill::cli
