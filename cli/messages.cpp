#include "cli/messages.h"

namespace netquill::cli {

std::string shown(std::string_view text)
{
    constexpr std::size_t kMostShown = 60;
    return text.size() <= kMostShown ? escaped(text) : escaped(text.substr(0, kMostShown)) + "\u2026";
}

void refuse(std::string_view argument, std::string_view text, std::string_view reason)
{
    throw UsageError(std::string(argument) + " '" + shown(text) + "': " + std::string(reason));
}

void Complaints::add(std::string message)
{
    if (++m_count <= kMostReported)
        m_lines += "netquill-cli: " + message + "\n";
}

std::string Complaints::report() const
{
    if (m_count <= kMostReported)
        return m_lines;
    return m_lines + "netquill-cli: and " + std::to_string(m_count - kMostReported) + " more\n";
}

}  // namespace netquill::cli
