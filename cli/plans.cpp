#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/files/planfile.h"
#include "core/files/wholefile.h"
#include "core/lines/planrows.h"

#include <cstring>

namespace netquill::cli {

const char *const kPlanFileHelp =
    "usage: netquill-cli plan-file FILE [--format tsv|csv|txt|html|jsonl] [--no-header]\n"
    "Prints the rows of a plan file (.nqplan, as the window saves it and vlsm --save writes it),\n"
    "each tree depth first: Depth, Subnet, Name, Note, Request, Paired, Size (usable hosts for\n"
    "IPv4, addresses for IPv6); names and notes quoted as each format needs, and in txt, whose\n"
    "columns line up, a TAB or line break written \\t, \\n. jsonl keys: depth,\n"
    "network, prefix_length, name, note, request, paired, address_count, usable_hosts (null\n"
    "for IPv6, as paired is without a partner). A damaged file is refused with the line at\n"
    "fault, as the window refuses it, status 2.\n";

namespace {

// The most bytes a plan file may have: a plan of a million leaves takes about 100 MB.
constexpr std::size_t kLargestPlanFile = std::size_t{256} << 20;

// A plan file's bytes; "-" is standard input, and a pipe or device is read
// too, up to the limit.
std::string planFileBytes(std::string_view name, int standardInput)
{
    auto file = name == "-" ? readWholeDescriptor(standardInput, kLargestPlanFile)
                            : readWholeFile(std::string(name), kLargestPlanFile, Devices::Read);
    if (!file)
        throw UsageError("FILE '" + shown(name) + "': " + file.reason());
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

int planFileCommand(const CommandLine &line, Streams &streams)
{
    const std::string_view name = onlyPositional(line, "FILE");
    const RowFormat format = rowFormatOption(line);
    const auto plan = readPlanFile(planFileBytes(name, streams.standardInput));
    if (!plan)
        refuse("FILE", name, plan.reason());
    PlanRowWriter writer(format, streams.lineEnd);
    const std::vector<Plan::Row> rows = plan->rows();
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
