#include "cli/commands.h"

#include "cli/commandfiles.h"
#include "cli/commandline.h"
#include "cli/messages.h"
#include "core/cloud/cloudprovider.h"
#include "core/productinfo.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace netquill::cli {

namespace {

// What follows the list of commands in the usage.
constexpr const char *kUsageNotes =
    "The first four print what the matching tab of Trevantis Netquill copies to the clipboard.\n"
    "Every command takes IPv6 too, by the text (an address with a colon), exact to 2^128;\n"
    "aggregate and the commands over lists read lists of both families.\n"
    "Every command ends its lines with LF; --crlf ends them with CR LF, as the window copies\n"
    "them. -- ends the options; - is standard input wherever a FILE is read.\n"
    "Exit status: 0 done; 1 a request with no answer (vlsm that does not fit, lists that\n"
    "diff finds different, grep finds no line); 2 a bad command line or bad input, unreadable\n"
    "files included; 3 the output could not be written; 4 an internal error, a fault of\n"
    "netquill-cli's own.\n"
    "COMMAND --help tells more; --version prints the version.\n";

// What "usable hosts" means wherever a command counts or asks for them.
constexpr const char *kUsableHosts =
    "Usable hosts: a subnet with h host bits has 2^h - 2, its first and last address being its\n"
    "network and broadcast; a /31 has 2 (RFC 3021, a point-to-point link) and a /32 has 1.\n"
    "Every row and count says so, with or without --rfc3021. Asked for hosts (--min-hosts,\n"
    "vlsm), netquill-cli chooses a /30 or larger, never a /32, and with --rfc3021 a /31 for\n"
    "1 or 2 hosts. Elsewhere --rfc3021 changes nothing and is taken all the same, so that a\n"
    "script may pass it with every request.\n";

// --cloud, a line for each provider from the core's table of their rules.
std::string cloudHelp()
{
    std::string help = "With --cloud PROVIDER (IPv4) they are counted as the provider counts them: it keeps\n"
                       "addresses of its own at both ends of every subnet, and has subnets of some sizes only;\n"
                       "a subnet of another size is refused, and a request for hosts gets the smallest it has\n"
                       "that holds them. A (free) block of a size it has no subnet of is counted as above. Not\n"
                       "with --rfc3021. The rules, from each provider's documentation as of December 2026:\n";
    for (const CloudRule &rule : kCloudRules) {
        std::string key = "  " + std::string(rule.key);
        key.resize(9, ' ');
        std::string name = std::string(rule.name) + ":";
        name.resize(14, ' ');
        help += key + name + "keeps " + cloudKeptAddresses(rule) + "; subnets " + cloudSizes(rule) + "\n";
    }
    return help;
}

constexpr const char *kHelpHelp = "usage: netquill-cli help [COMMAND]\n"
                                  "Prints the usage of netquill-cli, or what COMMAND takes and writes.\n";

std::vector<std::string_view> withPlanOptions(std::vector<std::string_view> options)
{
    const std::vector<std::string_view> plan = planOptionNames();
    options.insert(options.begin(), plan.begin(), plan.end());
    return options;
}

}  // namespace

const std::vector<Command> &commands()
{
    static const std::vector<Command> all = {
        {"convert",
         "ADDRESS",
         "an address in all five notations",
         {"--from", "--family", "--format"},
         {},
         kConvertHelp,
         convertCommand},
        {"calc",
         "ADDRESS/MASK",
         "host ID, network ID, broadcast and nodes",
         {"--format", "--cloud"},
         {},
         std::string(kCalcHelp) + kUsableHosts + cloudHelp(),
         calcCommand},
        {"plan",
         "BLOCK/PREFIX [PLAN]",
         "one subnet plan of a block",
         withPlanOptions({"--format", "--cloud"}),
         {"--rfc3021"},
         kPlanHelp + planOptionsHelp() + kUsableHosts + cloudHelp(),
         planCommand},
        {"list",
         "BLOCK/PREFIX [PLAN]",
         "every subnet of the plan, streamed",
         withPlanOptions({"--format", "--from", "--count", "--cloud"}),
         {"--rfc3021", "--no-header"},
         kListHelp + planOptionsHelp() + kUsableHosts + cloudHelp(),
         listCommand},
        {"range", "FIRST LAST", "the fewest CIDR blocks that cover a range", {}, {}, kRangeHelp, rangeCommand},
        {"aggregate",
         "[FILE...]",
         "the fewest CIDR blocks that cover an address list",
         {"--family", "--threads"},
         {"--ranges"},
         kAggregateHelp,
         aggregateCommand},
        {"grep",
         "PATTERN [FILE...]",
         "the lines that hold an address inside a block",
         {"--threads"},
         {"-v", "-c", "-o", "-x", "-n", "-H", "-h", "-q"},
         kGrepHelp,
         grepCommand,
         {"-e", "-f"}},
        {"common",
         "LIST LIST...",
         "the addresses in every list",
         {"--family", "--threads"},
         {"--ranges"},
         kCommonHelp,
         commonCommand},
        {"except",
         "LIST LIST...",
         "the addresses of the first list in none of the others",
         {"--family", "--threads"},
         {"--ranges"},
         kExceptHelp,
         exceptCommand},
        {"diff",
         "LIST LIST",
         "the addresses in exactly one of two lists",
         {"--family", "--threads"},
         {"--ranges", "-q", "--quiet"},
         kDiffHelp,
         diffCommand},
        {"compare",
         "LIST LIST...",
         "how many addresses each pair of lists shares and lacks",
         {"--family", "--format", "--threads"},
         {"--no-header"},
         kCompareHelp,
         compareCommand},
        {"count",
         "LIST...",
         "how many addresses and blocks each list holds",
         {"--family", "--format", "--threads"},
         {"--no-header"},
         kCountHelp,
         countCommand},
        {"vlsm",
         "BLOCK/PREFIX REQUEST...",
         "subnets of different sizes for host counts",
         {"--format", "--save", "--cloud"},
         {"--rfc3021", "--no-header"},
         std::string(kVlsmHelp) + kUsableHosts + cloudHelp(),
         vlsmCommand},
        {"ula",
         "",
         "random unique local prefixes (RFC 4193)",
         {"--count", "--subnet", "--format"},
         {},
         kUlaHelp,
         ulaCommand},
        {"eui64",
         "MAC [PREFIX]",
         "the SLAAC address of a MAC (modified EUI-64)",
         {"--format"},
         {},
         kEui64Help,
         eui64Command},
        {"nat64",
         "PREFIX ADDRESS",
         "an IPv4 address under a NAT64 prefix, and back",
         {"--format"},
         {},
         kNat64Help,
         nat64Command},
        {"plan-file",
         "FILE | --import FILE",
         "a plan file's rows, or for NetBox, phpIPAM, Infoblox",
         {"--format", "--import", "--save", "--section"},
         {"--no-header"},
         kPlanFileHelp,
         planFileCommand},
        // Answered by runCommand itself; here for its own help.
        {"help", "[COMMAND]", "this text, or a command's", {}, {}, kHelpHelp, nullptr},
    };
    return all;
}

namespace {

// "usage:", each command of the table with what it takes and does, then the notes.
std::string usage()
{
    std::string text = "usage: netquill-cli COMMAND [OPTION...] [ARGUMENT...]\n";
    for (const Command &command : commands()) {
        std::string synopsis = "  " + std::string(command.name) + " " + std::string(command.synopsis);
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 1, 31), ' ');
        text += synopsis + std::string(command.summary) + "\n";
    }
    return text + kUsageNotes;
}

const Command &commandNamed(std::string_view name)
{
    const auto found =
        std::find_if(commands().begin(), commands().end(), [&](const Command &each) { return each.name == name; });
    if (found == commands().end()) {
        std::string names;
        for (const Command &command : commands())
            names += (names.empty() ? "" : &command == &commands().back() ? " or " : ", ") + std::string(command.name);
        refuse("COMMAND", name, "must be " + names);
    }
    return *found;
}

int runCommand(const std::vector<std::string_view> &arguments, Output &out, int standardInput, std::ostream &errors)
{
    if (arguments.empty()) {
        errors << usage();
        return kRefused;
    }
    const std::string_view first = arguments[0];
    if (first == "--help" || first == "-h" || (first == "help" && arguments.size() == 1)) {
        out.append(usage());
        return kDone;
    }
    if (first == "help") {
        if (arguments.size() > 2)
            throw UsageError("'" + shown(arguments[2]) + "' is one word too many: COMMAND comes with nothing after it");
        out.append(commandNamed(arguments[1]).help);
        return kDone;
    }
    if (first == "--version") {
        out.append(std::string("netquill-cli ") + kVersion + "\n");
        return kDone;
    }
    if (first.starts_with("-"))
        refuse("COMMAND", first, "must come first: netquill-cli COMMAND [OPTION...]");
    const Command &command = commandNamed(first);
    const CommandLine line = readCommandLine(arguments, command.options, command.flags, command.repeatable);
    if (line.help) {
        out.append(command.help);
        return kDone;
    }
    if (line.version) {
        out.append(std::string("netquill-cli ") + kVersion + "\n");
        return kDone;
    }
    Streams streams{out, standardInput, errors, line.has("--crlf") ? LineEnd::CRLF : LineEnd::LF};
    return command.run(line, streams);
}

}  // namespace

int runCli(const std::vector<std::string_view> &arguments, Output &out, int standardInput, std::ostream &errors)
{
    int status = kDone;
    try {
        status = runCommand(arguments, out, standardInput, errors);
        out.flush();
    } catch (const UsageError &refusal) {
        errors << "netquill-cli: " << refusal.what() << "\n";
        return kRefused;
    } catch (const NotWritten &failure) {
        errors << "netquill-cli: " << failure.what() << "\n";
        return kNotWritten;
    } catch (const std::bad_alloc &) {
        errors << "netquill-cli: out of memory: the input is too large for this machine\n";
        return kRefused;
    } catch (const std::exception &fault) {
        errors << "netquill-cli: internal error: " << fault.what() << "\n";
        return kInternalError;
    } catch (...) {
        errors << "netquill-cli: internal error\n";
        return kInternalError;
    }
    if (out.error() != 0) {
        errors << "netquill-cli: the output could not be written: " << std::strerror(out.error()) << "\n";
        return kNotWritten;
    }
    return status;
}

}  // namespace netquill::cli
