#include "cli/greplines.h"

#include "cli/messages.h"

#include <cerrno>
#include <cstring>

namespace netquill::cli {

namespace {

// Lines up to this long are scanned and written whole; a longer one in pieces.
constexpr std::size_t kBufferSize = std::size_t{1} << 20;

}  // namespace

ScannedLines::ScannedLines(std::string_view name, int standardInput, bool keepLongLines, OnAddress onAddress)
    : m_file(name, standardInput), m_keepLongLines(keepLongLines), m_onAddress(std::move(onAddress)),
      m_buffer(kBufferSize)
{}

// Keeps the bytes from `keepFrom` at the buffer's start and reads after them.
bool ScannedLines::readMore(std::size_t keepFrom)
{
    std::memmove(m_buffer.data(), m_buffer.data() + keepFrom, m_end - keepFrom);
    m_end -= keepFrom;
    m_start = 0;
    const std::size_t got = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    m_atEnd = got == 0;
    m_end += got;
    return got > 0;
}

void ScannedLines::scan(std::string_view text, bool boundaryBefore)
{
    if (m_scanned)
        return;
    forEachAddress(text, boundaryBefore, [&](const FoundAddress &address) {
        // An IPv6 address is told with its zone, as it stands.
        m_scanned = !m_onAddress(text.substr(address.at, sizeWithZone(text, address)), address);
        return !m_scanned;
    });
}

bool ScannedLines::next()
{
    m_long = false;
    m_scanned = false;
    m_kept.reset();
    ++m_lineNumber;  // the line being read, as its addresses are told
    for (;;) {
        const char *begin = m_buffer.data() + m_start;
        if (const auto *newline = static_cast<const char *>(std::memchr(begin, '\n', m_end - m_start))) {
            m_text = std::string_view(begin, static_cast<std::size_t>(newline - begin));
            m_start += m_text.size() + 1;
            break;
        }
        if (m_atEnd) {
            if (m_start == m_end) {
                --m_lineNumber;
                return false;
            }
            m_text = std::string_view(begin, m_end - m_start);  // the last line, without a LF
            m_start = m_end;
            break;
        }
        if (m_start == 0 && m_end == m_buffer.size()) {
            scanLongLine();
            return true;
        }
        readMore(m_start);
    }
    scan(m_text, true);
    return true;
}

// The buffer is full and holds no LF: the line is scanned a buffer at a
// time, each piece up to its safe end; the rest goes on into the next.
void ScannedLines::scanLongLine()
{
    m_long = true;
    if (m_keepLongLines) {
        m_kept.reset(std::tmpfile());
        if (!m_kept)
            throw UsageError("a line of '" + shown(m_file.name()) +
                             "' is too long to keep in memory, and no temporary file "
                             "can hold it: " +
                             std::strerror(errno));
    }
    bool boundaryBefore = true;
    for (;;) {
        const std::string_view piece(m_buffer.data(), m_end);
        const auto *newline = static_cast<const char *>(std::memchr(piece.data(), '\n', piece.size()));
        if (newline || m_atEnd) {
            // The line's last piece, scanned to its end.
            m_text = piece.substr(0, newline ? static_cast<std::size_t>(newline - piece.data()) : piece.size());
            scan(m_text, boundaryBefore);
            m_start = m_text.size() + (newline ? 1 : 0);
            return;
        }
        const std::size_t cut = safeEnd(piece);
        scan(piece.substr(0, cut), boundaryBefore);
        if (cut > 0)
            boundaryBefore = isAddressBoundary(piece[cut - 1]);
        if (m_kept && std::fwrite(piece.data(), 1, cut, m_kept.get()) != cut)
            throw UsageError("a line of '" + shown(m_file.name()) +
                             "' could not be kept in a temporary file: " + std::strerror(errno));
        readMore(cut);
    }
}

void ScannedLines::writeLine(Output &out)
{
    if (m_kept) {
        std::rewind(m_kept.get());
        std::vector<char> block(Output::kDirect);
        for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), m_kept.get())) > 0;)
            out.append(std::string_view(block.data(), got));
        if (std::ferror(m_kept.get()))
            throw UsageError("a line of '" + shown(m_file.name()) + "' could not be read back from its temporary file");
    }
    out.append(m_text);
}

}  // namespace netquill::cli
