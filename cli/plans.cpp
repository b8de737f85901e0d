#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/files/planfile.h"
#include "core/files/wholefile.h"
#include "core/ipam/importfile.h"
#include "core/ipam/ipamexport.h"
#include "core/lines/planrows.h"

#include <cstring>

namespace netquill::cli {

const char *const kPlanFileHelp =
    "usage: netquill-cli plan-file FILE [--format FORMAT] [--no-header] [--save PLAN]\n"
    "       netquill-cli plan-file --import FILE [--format FORMAT] [--no-header] [--save PLAN]\n"
    "Prints the rows of a plan file (.nqplan, as the window saves it and vlsm --save writes it),\n"
    "each tree depth first, parents before children. --format tsv, csv, txt, html or jsonl\n"
    "(tsv if not given): Depth, Subnet, Name, Note, Request, Paired, Size (usable hosts for\n"
    "IPv4, addresses for IPv6), Status, VLAN, Colour; names and notes quoted as each format\n"
    "needs, and in txt, whose columns line up, a TAB or line break written \\t, \\n. jsonl\n"
    "keys: depth, network, prefix_length, name, note, request, paired, address_count,\n"
    "usable_hosts, status, vlan, colour (usable_hosts null for IPv6; paired, vlan and colour\n"
    "null without one). A status is container, active, reserved or deprecated: a split node\n"
    "is a container and a leaf that carries something active, unless another is set.\n"
    "For an IPAM system's CSV import, every node of every tree (--no-header is refused):\n"
    "  --format netbox    prefix,status,description[,vlan]: NetBox's prefix import; vlan\n"
    "                     (a VID that must exist in NetBox) only where a block has one\n"
    "  --format phpipam   section,subnet,description[,vlan]: phpIPAM's subnet import, the\n"
    "                     section (which must exist) given by --section NAME; in a\n"
    "                     description, which phpIPAM reads a line at a time without ; ' or \",\n"
    "                     ; becomes , ' and \" become \u2019 and \u201D, a TAB or line break a space\n"
    "  --format infoblox  Infoblox's CSV import: header-networkcontainer and header-network\n"
    "                     rows with address*,netmask*,comment (a dotted mask) for IPv4,\n"
    "                     header-ipv6networkcontainer and header-ipv6network rows with\n"
    "                     address*,cidr*,comment for IPv6; split nodes are containers\n"
    "A description is the name and the note joined: \"name | note\", the name alone, or \"| note\".\n"
    "--import FILE reads, instead of a plan file, what the window's Import List reads: NetBox's\n"
    "prefix import CSV (its keys) or its prefix list exported as CSV (its labels), or phpIPAM's\n"
    "subnet export saved as CSV, known by their header rows (each prefix nested by containment,\n"
    "its description read back as a name and note, its status and VLAN kept; a prefix given\n"
    "twice, or a column the format does not have, refused), else an address list merged into\n"
    "the fewest blocks. --save PLAN writes the plan read to a plan file, whole or not at all\n"
    "(\"-\": to standard output, instead of the rows). A damaged file is refused with the line\n"
    "at fault, as the window refuses it, status 2.\n";

namespace {

// The most bytes a plan file may have: a plan of a million leaves takes about 100 MB.
constexpr std::size_t kLargestPlanFile = std::size_t{256} << 20;

// A plan file's bytes; "-" is standard input, and a pipe or device is read
// too, up to the limit.
std::string planFileBytes(std::string_view argument, std::string_view name, int standardInput)
{
    auto file = name == "-" ? readWholeDescriptor(standardInput, kLargestPlanFile)
                            : readWholeFile(std::string(name), kLargestPlanFile, Devices::Read);
    if (!file)
        throw UsageError(std::string(argument) + " '" + shown(name) + "': " + file.reason());
    return std::move(file->bytes);
}

}  // namespace

// A regular file, new or old, is replaced only once the new one is whole on
// the disk, through a symbolic link to the file it names; a device
// (/dev/null, /dev/full) or a pipe is written directly.
void savePlanFile(std::string_view name, const Plan &plan)
{
    if (const int error = writeWholeFile(std::string(name), planFileText(plan)); error != 0)
        throw NotWritten("--save '" + shown(name) + "': " + std::strerror(error) + "; nothing was written");
}

namespace {

// The IPAM formats --format names, besides the row formats.
std::optional<IpamFormat> ipamFormatOption(const CommandLine &line)
{
    const std::string *name = line.option("--format");
    if (!name)
        return std::nullopt;
    if (*name == "netbox")
        return IpamFormat::NetBox;
    if (*name == "phpipam")
        return IpamFormat::PhpIpam;
    if (*name == "infoblox")
        return IpamFormat::Infoblox;
    if (*name != "tsv" && *name != "csv" && *name != "txt" && *name != "html" && *name != "jsonl")
        refuse("--format", *name, "must be tsv, csv, txt, html, jsonl, netbox, phpipam or infoblox");
    return std::nullopt;
}

// The plan of a plan file, or the plan an IPAM CSV or an address list imports into.
Plan planOf(const CommandLine &line, Streams &streams)
{
    if (const std::string *imported = line.option("--import")) {
        if (!line.positionals.empty())
            refuse("FILE", line.positionals.front(), "is not read with --import, which names the file to read");
        Plan plan;
        Complaints complaints;
        const auto refusal =
            importIntoPlan(plan, planFileBytes("--import", *imported, streams.standardInput), complaints);
        if (complaints.any())
            streams.errors << complaints.report();
        if (refusal)
            refuse("--import", *imported, refusal->text());
        plan.forgetHistory();
        return plan;
    }
    const std::string_view name = onlyPositional(line, "FILE");
    auto plan = readPlanFile(planFileBytes("FILE", name, streams.standardInput));
    if (!plan)
        refuse("FILE", name, plan.reason());
    return std::move(*plan);
}

}  // namespace

int planFileCommand(const CommandLine &line, Streams &streams)
{
    const auto ipamFormat = ipamFormatOption(line);
    const RowFormat format = ipamFormat ? RowFormat::CSV : rowFormatOption(line);
    const std::string *section = line.option("--section");
    if (ipamFormat == IpamFormat::PhpIpam && (!section || section->empty()))
        throw UsageError("--format phpipam needs --section NAME, the phpIPAM section the subnets go in");
    if (section && ipamFormat != IpamFormat::PhpIpam)
        refuse("--section", *section, "is phpIPAM's: it goes with --format phpipam");
    if (ipamFormat && line.has("--no-header"))
        refuse("--format", *line.option("--format"), "has its header rows, which the IPAM system reads");
    const Plan plan = planOf(line, streams);
    if (const std::string *save = line.option("--save")) {
        // "-" is standard output: the plan file there instead of the rows.
        if (*save == "-") {
            streams.out.append(planFileText(plan));
            return kDone;
        }
        savePlanFile(*save, plan);
    }
    if (ipamFormat) {
        streams.out.append(ipamExportText(plan, *ipamFormat, section ? *section : "", streams.lineEnd));
        return kDone;
    }
    PlanRowWriter writer(format, streams.lineEnd);
    const std::vector<Plan::Row> rows = plan.rows();
    writer.fit(rows);
    if (!line.has("--no-header") || format == RowFormat::HTML)
        streams.out.append(writer.tableStart());
    for (const Plan::Row &row : rows) {
        if (!streams.out.open())
            break;
        writer.append(streams.out.buffer(), row);
        streams.out.flushWhenFull();
    }
    streams.out.append(writer.tableEnd());
    return kDone;
}

}  // namespace netquill::cli
