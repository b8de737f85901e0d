#include "cli/fileparts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <sched.h>

namespace netquill::cli {

namespace {

constexpr unsigned kMostThreads = 256;

// The start of the line after the one `offset` stands in; nothing where no
// line end comes within the longest line.
std::optional<std::uint64_t> nextLineStart(const InputFile &file, std::uint64_t offset, std::uint64_t size)
{
    std::array<char, kLongestRawLine + 1> window;
    const std::size_t got = file.readAt(window.data(), window.size(), offset);
    if (const auto *end = static_cast<const char *>(std::memchr(window.data(), '\n', got)))
        return offset + static_cast<std::uint64_t>(end - window.data()) + 1;
    return offset + got >= size ? std::optional(size) : std::nullopt;
}

}  // namespace

unsigned threadsOption(const CommandLine &line)
{
    if (const std::string *threads = line.option("--threads"))
        return static_cast<unsigned>(parseNumber("--threads", *threads, 1, kMostThreads));
    // The cores this process may run on (taskset -c 0 leaves one), not all the machine has.
    cpu_set_t cores;
    const int usable = sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
    return std::clamp(static_cast<unsigned>(usable), 1u, kMostThreads);
}

std::optional<std::vector<FilePart>> cutAtLines(const InputFile &file, unsigned threads, std::uint64_t partSize)
{
    const std::optional<std::uint64_t> size = file.regularSize();
    if (threads < 2 || !size || *size < kPartedFileSize)
        return std::nullopt;
    const std::uint64_t count = std::max<std::uint64_t>(threads, *size / partSize);
    std::vector<FilePart> parts;
    std::uint64_t begin = 0;
    for (std::uint64_t k = 1; k <= count && begin < *size; ++k) {
        std::uint64_t end = *size;
        if (k < count) {
            const std::uint64_t cut = std::max(begin, *size / count * k);
            const auto lineStart = nextLineStart(file, cut, *size);
            if (!lineStart)
                return std::nullopt;
            end = *lineStart;
        }
        if (end > begin)
            parts.push_back({begin, end});
        begin = end;
    }
    return parts;
}

}  // namespace netquill::cli
