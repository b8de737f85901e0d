#include "cli/output.h"

#include <cerrno>
#include <unistd.h>

namespace netquill::cli {

void Output::flush()
{
    send(m_buffer);
    m_buffer.clear();
}

void Output::send(std::string_view block)
{
    if (block.empty() || !open())
        return;
    errno = 0;
    if (!writeBlock(block)) {
        if (errno == EPIPE)
            m_readerGone = true;
        else
            m_error = errno != 0 ? errno : EIO;
    }
}

bool FileOutput::writeBlock(std::string_view block)
{
    while (!block.empty()) {
        const ssize_t written = ::write(m_descriptor, block.data(), block.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        block.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace netquill::cli
