#include "cli/values.h"

#include "cli/messages.h"

#include <map>

namespace netquill::cli {

Ipv4Address addressArgument(std::string_view argument, std::string_view text)
{
    return accepted(argument, text, parseAddress(text));
}

RowFormat rowFormatOption(const CommandLine &line)
{
    static const std::map<std::string, RowFormat, std::less<>> formats{{"tsv", RowFormat::TSV},
                                                                       {"csv", RowFormat::CSV},
                                                                       {"txt", RowFormat::TXT},
                                                                       {"html", RowFormat::HTML},
                                                                       {"jsonl", RowFormat::JSONL}};
    const std::string *name = line.option("--format");
    if (!name)
        return RowFormat::TSV;
    const auto found = formats.find(*name);
    if (found == formats.end())
        refuse("--format", *name, "must be tsv, csv, txt, html or jsonl");
    return found->second;
}

bool jsonFormatOption(const CommandLine &line)
{
    const std::string *name = line.option("--format");
    if (name && *name != "text" && *name != "json")
        refuse("--format", *name, "must be text or json");
    return name && *name == "json";
}

HostRule hostRuleOption(const CommandLine &line, Family family)
{
    const std::string *cloud = line.option("--cloud");
    if (!cloud)
        return line.has("--rfc3021") ? HostRule::pointToPoint() : HostRule();
    if (family == Family::Ipv6)
        refuse("--cloud", *cloud, "is for IPv4 subnets");
    if (line.has("--rfc3021"))
        refuse("--cloud", *cloud, "cannot be given with --rfc3021: a cloud has no /31 subnets");
    const auto provider = cloudProviderNamed(*cloud);
    if (!provider)
        refuse("--cloud", *cloud, "must be " + cloudProviderKeys());
    return HostRule::inCloud(*provider);
}

void addCloud(JsonObject &object, const HostRule &rule)
{
    if (rule.cloud())
        object.text("cloud", std::string(rule.cloud()->key));
    else
        object.null("cloud");
}

std::string cloudHostsLine(const HostRule &rule, std::uint64_t hosts, std::string_view more)
{
    if (!rule.cloud())
        return {};
    return "Cloud Hosts      : " + std::to_string(hosts) + " in " + std::string(rule.cloud()->name) +
           std::string(more) + "\r\n";
}

void writeJson(Streams &streams, const JsonObject &object)
{
    streams.out.append(object.json());
    streams.out.append(streams.eol());
}

void writeAnswer(Streams &streams, const Answer &answer, bool json)
{
    streams.out.append(json ? answer.json() : answer.lines());
}

void writeCopiedText(Streams &streams, std::string text)
{
    streams.out.append(withLineEnd(std::move(text), streams.lineEnd));
}

std::array<std::string, 4> octetTextsOf(Ipv4Address address)
{
    std::array<std::string, 4> octets;
    for (int k = 0; k < 4; ++k)
        octets[static_cast<std::size_t>(k)] = std::to_string((address.value() >> (24 - 8 * k)) & 0xFF);
    return octets;
}

std::string withLineEnd(std::string text, LineEnd lineEnd)
{
    if (lineEnd == LineEnd::CRLF)
        return text;
    std::string lines;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n'))
            lines += text[k];
    return lines;
}

}  // namespace netquill::cli
