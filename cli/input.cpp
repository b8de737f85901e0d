#include "cli/input.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace netquill::cli {

namespace {

[[noreturn]] void refuseFile(std::string_view name, int error)
{
    throw UsageError("FILE '" + shown(name) + "': " + std::strerror(error));
}

}  // namespace

InputFile::InputFile(std::string_view name, int standardInput)
    : m_name(name), m_descriptor(standardInput), m_owned(name != "-")
{
    if (m_owned) {
        m_descriptor = ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
        if (m_descriptor < 0)
            refuseFile(name, errno);
    }
}

InputFile::~InputFile()
{
    if (m_owned)
        ::close(m_descriptor);
}

std::size_t InputFile::read(char *into, std::size_t room)
{
    for (;;) {
        const ssize_t got = ::read(m_descriptor, into, room);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            refuseFile(m_name, errno);
    }
}

std::size_t InputFile::readAt(char *into, std::size_t room, std::uint64_t offset) const
{
    for (;;) {
        const ssize_t got = ::pread(m_descriptor, into, room, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            refuseFile(m_name, errno);
    }
}

std::optional<std::uint64_t> InputFile::regularSize() const
{
    struct stat status {
    };
    if (::fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

std::string LineReader::place() const { return shown(file().name()) + ":" + std::to_string(m_lineNumber); }

bool LineReader::readMore()
{
    if (m_start > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_start, m_end - m_start);
        m_end -= m_start;
        m_start = 0;
    }
    std::size_t room = m_buffer.size() - m_end;
    std::size_t got = 0;
    if (m_part) {
        room = static_cast<std::size_t>(std::min<std::uint64_t>(room, m_part->end - m_offset));
        got = room == 0 ? 0 : file().readAt(m_buffer.data() + m_end, room, m_offset);
        m_offset += got;
    } else {
        got = m_stream->read(m_buffer.data() + m_end, room);
    }
    if (got == 0)
        m_atEnd = true;
    // Lines are searched for a NUL byte only once one has been read.
    if (std::memchr(m_buffer.data() + m_end, '\0', got))
        m_holdsNul = true;
    m_end += got;
    return got > 0;
}

bool LineReader::stop(std::string problem)
{
    m_problem = std::move(problem);
    return false;
}

bool LineReader::next(std::string_view &line)
{
    for (;;) {
        const char *begin = m_buffer.data() + m_start;
        const auto *newline = static_cast<const char *>(std::memchr(begin, '\n', m_end - m_start));
        if (!newline && !m_atEnd) {
            if (m_end - m_start > kLongestRawLine) {
                // Too long to keep, and the rest of the file is not read: /dev/zero ends here.
                ++m_lineNumber;
                return stop("line longer than " + std::to_string(kLongestLine) + " bytes");
            }
            readMore();
            continue;
        }
        if (!newline && m_start == m_end)
            return false;
        const std::size_t length = newline ? static_cast<std::size_t>(newline - begin) : m_end - m_start;
        m_start += length + (newline ? 1 : 0);
        ++m_lineNumber;
        line = std::string_view(begin, length);
        if (m_lineNumber == 1 && (!m_part || m_part->begin == 0) && line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // The bound is the entry's: its byte-order mark and line end are not counted.
        if (line.size() > kLongestLine)
            return stop("line longer than " + std::to_string(kLongestLine) + " bytes");
        if (m_holdsNul && line.find('\0') != std::string_view::npos)
            return stop("not text (a NUL byte): a UTF-16 or compressed file?");
        return true;
    }
}

bool LineReader::next(std::string_view &line, Complaints &complaints)
{
    if (next(line))
        return true;
    if (!m_problem.empty())
        complaints.add(place() + ": " + m_problem);
    return false;
}

}  // namespace netquill::cli
