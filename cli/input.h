#pragma once

#include "cli/messages.h"
#include "core/files/wholefile.h"

#include <array>
#include <cstddef>
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

private:
    std::string_view m_name;
    int m_descriptor;
    bool m_owned;
};

class LineReader
{
public:
    // Refuses at once a file that cannot be opened: "FILE 'name': <the system's reason>".
    LineReader(std::string_view name, int standardInput) : m_file(name, standardInput) {}

    // The next line, without its line end (LF or CR LF) and, on the first
    // line, without a UTF-8 byte-order mark. False at the end of the file, or
    // at a line too long or not text, which is added to the complaints as
    // "name:LINE: reason"; an error while reading is refused at once.
    bool next(std::string_view &line, Complaints &complaints);
    // "name:LINE" of the line last read, where a complaint about it points.
    std::string place() const { return placeOf(m_lineNumber); }

private:
    bool readMore();
    std::string placeOf(std::size_t lineNumber) const;

    InputFile m_file;
    std::array<char, (std::size_t{1} << 16) + kLongestRawLine + 1> m_buffer;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    std::size_t m_lineNumber = 0;
    bool m_atEnd = false;
    bool m_holdsNul = false;
};

}  // namespace netquill::cli
