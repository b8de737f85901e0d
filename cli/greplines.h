#pragma once

#include "cli/input.h"
#include "cli/output.h"
#include "core/address/addressscan.h"

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

// The lines of one FILE of grep, "-" for standard input, each scanned for
// addresses, however long, in bounded memory: a line that fits the buffer is
// scanned whole; a longer one is scanned in pieces, cut where no address is
// (safeEnd), and its bytes, when they are wanted, are kept in a temporary
// file meanwhile. Bytes pass as they are: no line end is added or removed
// but the LF that ends a line.
namespace netquill::cli {

class ScannedLines
{
public:
    // Told of each address of a line, its text as it stands (an IPv6
    // address's zone included), before next() returns; false when the rest
    // of the line need not be scanned. It must outlive the lines.
    using OnAddress = FunctionRef<bool(std::string_view text, const FoundAddress &address)>;

    // Refuses at once a file that cannot be opened: "FILE 'name': <the system's reason>".
    ScannedLines(std::string_view name, int standardInput, bool keepLongLines, OnAddress onAddress);

    // The next line; false at the end of the file. A read error is refused.
    bool next();
    std::size_t lineNumber() const { return m_lineNumber; }
    // The line without its LF, when it fit the buffer; nothing for a longer one.
    const std::string_view *wholeText() const { return m_long ? nullptr : &m_text; }
    // The line's bytes without its LF (a long line's only when kept).
    void writeLine(Output &out);

private:
    bool readMore(std::size_t keepFrom);
    void scan(std::string_view text, bool boundaryBefore);
    void scanLongLine();

    InputFile m_file;
    bool m_keepLongLines;
    OnAddress m_onAddress;
    std::vector<char> m_buffer;
    std::size_t m_start = 0;  // where the next line starts in the buffer
    std::size_t m_end = 0;    // where the bytes read end
    bool m_atEnd = false;
    std::size_t m_lineNumber = 0;
    std::string_view m_text;  // the line, or a long line's last piece
    bool m_long = false;
    bool m_scanned = false;  // the line's addresses need no more telling
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_kept{nullptr, std::fclose};
};

}  // namespace netquill::cli
