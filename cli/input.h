#pragma once

#include "cli/messages.h"
#include "core/files/wholefile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The lines of one FILE operand, "-" for standard input, read with every
// error checked and in bounded memory: a line longer than kLongestLine bytes
// is refused, and the rest of its file is left unread, whatever it holds.
namespace netquill::cli {

constexpr std::size_t kLongestLine = 4096;
// The most bytes a line of kLongestLine takes in the file: a byte-order mark
// before it and a CR before its LF.
constexpr std::size_t kLongestRawLine = kByteOrderMark.size() + kLongestLine + 1;

// A FILE operand opened for reading, "-" standard input (left open).
class InputFile
{
public:
    // Refuses at once a file that cannot be opened: "FILE 'name': <the system's reason>".
    InputFile(std::string_view name, int standardInput);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    std::string_view name() const { return m_name; }
    // Up to `room` bytes into `into`; 0 at the end of the file. A read error is refused.
    std::size_t read(char *into, std::size_t room);
    // The same from `offset` on, for the parts of a regular file read at once.
    std::size_t readAt(char *into, std::size_t room, std::uint64_t offset) const;
    // The size of a regular file; nothing for a pipe, a terminal or a device.
    std::optional<std::uint64_t> regularSize() const;

private:
    std::string_view m_name;
    int m_descriptor;
    bool m_owned;
};

// Bytes `begin` to `end` of a regular file, from the start of a line to the
// start of another or the file's end.
struct FilePart {
    std::uint64_t begin;
    std::uint64_t end;
};

class LineReader
{
public:
    // The lines of a file, from where it stands.
    explicit LineReader(InputFile &file) : m_stream(&file), m_file(&file) {}
    // The lines of a part of a file, numbered from 1 in the part.
    LineReader(const InputFile &file, FilePart part) : m_file(&file), m_part(part), m_offset(part.begin) {}
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // The next line, without its line end (LF or CR LF) and, on the file's
    // first line, without a UTF-8 byte-order mark. False at the end, or at a
    // line too long or not text, which problem() then names, and after which
    // nothing more is read; an error while reading is refused at once.
    bool next(std::string_view &line);
    // Why the last next() stopped short of the end; empty at the end.
    const std::string &problem() const { return m_problem; }
    // The number of the line last read, or of the line a problem is in.
    std::size_t lineNumber() const { return m_lineNumber; }
    // "name:LINE" of that line, where a complaint about it points.
    std::string place() const;

    // The lines of a whole file, each bad one (or a problem) added to the
    // complaints: "name:LINE: reason".
    bool next(std::string_view &line, Complaints &complaints);

private:
    bool readMore();
    const InputFile &file() const { return *m_file; }
    bool stop(std::string problem);

    InputFile *m_stream = nullptr;  // read from where it stands; none where a part is read at offsets
    const InputFile *m_file;
    std::optional<FilePart> m_part;
    std::uint64_t m_offset = 0;  // where a part's next bytes are read from
    std::string m_problem;
    std::array<char, (std::size_t{1} << 16) + kLongestRawLine + 1> m_buffer;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    std::size_t m_lineNumber = 0;
    bool m_atEnd = false;
    bool m_holdsNul = false;
};

}  // namespace netquill::cli
