#include "cli/commandfiles.h"

#include "cli/messages.h"
#include "cli/values.h"
#include "core/lines/planfile.h"
#include "core/lines/planrows.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace netquill::cli {

const char *const kPlanFileHelp =
    "usage: netquill-cli plan-file FILE [--format tsv|csv|txt|html|jsonl] [--no-header]\n"
    "Prints the rows of a plan file (.nqplan, as the window saves it and vlsm --save writes it),\n"
    "each tree depth first: Depth, Subnet, Name, Note, Request, Paired, Size (usable hosts for\n"
    "IPv4, addresses for IPv6); names and notes quoted as each format needs. jsonl keys: depth,\n"
    "network, prefix_length, name, note, request, paired, address_count, usable_hosts (null\n"
    "for IPv6, as paired is without a partner). A damaged file is refused with the line at\n"
    "fault, as the window refuses it, status 2.\n";

namespace {

// The most bytes a plan file may have: a plan of a million leaves takes about 100 MB.
constexpr std::size_t kLargestPlanFile = std::size_t{256} << 20;

std::string readWholeFile(std::string_view name, int standardInput)
{
    const bool owned = name != "-";
    const int descriptor = owned ? ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC) : standardInput;
    const auto refuseWith = [&](int error) {
        if (owned && descriptor >= 0)
            ::close(descriptor);
        throw UsageError("FILE '" + shown(name) + "': " + std::strerror(error));
    };
    if (descriptor < 0)
        refuseWith(errno);
    std::string bytes;
    char block[1 << 16];
    while (true) {
        const ssize_t got = ::read(descriptor, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            refuseWith(errno);
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > kLargestPlanFile)
            refuseWith(EFBIG);
        bytes.append(block, static_cast<std::size_t>(got));
    }
    if (owned)
        ::close(descriptor);
    return bytes;
}

}  // namespace

namespace {

// Every byte to the descriptor; the error of the write that failed, or 0.
int writeAll(int descriptor, std::string_view bytes)
{
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t put = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno != EINTR)
            return errno;
        written += put < 0 ? 0 : static_cast<std::size_t>(put);
    }
    return 0;
}

[[noreturn]] void notWritten(std::string_view name, int error)
{
    throw NotWritten("--save '" + shown(name) + "': " + std::strerror(error) + "; nothing was written");
}

}  // namespace

// A regular file, new or old, is replaced only once the new one is whole on
// the disk; a device (/dev/null, /dev/full) or a pipe is written directly.
void savePlanFile(std::string_view name, const Plan &plan)
{
    const std::string path(name);
    const std::string text = planFileText(plan);
    struct stat existing {
    };
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode))
            notWritten(name, EISDIR);
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor < 0)
            notWritten(name, errno);
        const int error = writeAll(descriptor, text);
        if (::close(descriptor) != 0 || error != 0)
            notWritten(name, error != 0 ? error : errno);
        return;
    }
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        notWritten(name, errno);
    const auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        notWritten(name, error);
    };
    // A new file's permissions, as any program that creates one gets them (mkstemp's are 0600).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(descriptor, 0666 & ~mask) != 0 ? errno : writeAll(descriptor, text);
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        fail(error);
}

int planFileCommand(const CommandLine &line, Streams &streams)
{
    const std::string_view name = onlyPositional(line, "FILE");
    const RowFormat format = rowFormatOption(line);
    const auto plan = readPlanFile(readWholeFile(name, streams.standardInput));
    if (!plan)
        refuse("FILE", name, plan.reason());
    const PlanRowWriter writer(format, streams.lineEnd);
    if (!line.has("--no-header") || format == RowFormat::HTML)
        streams.out.append(writer.tableStart());
    for (const Plan::Row &row : plan->rows()) {
        if (!streams.out.open())
            break;
        writer.append(streams.out.buffer(), row);
        streams.out.flushWhenFull();
    }
    streams.out.append(writer.tableEnd());
    return kDone;
}

}  // namespace netquill::cli
