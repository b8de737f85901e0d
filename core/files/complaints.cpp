#include "core/files/complaints.h"

namespace netquill {

void Complaints::add(const std::string &message)
{
    if (++m_count <= kMostReported)
        m_lines += m_prefix + message + "\n";
}

std::string Complaints::report() const
{
    if (m_count <= kMostReported)
        return m_lines;
    return m_lines + m_prefix + "and " + std::to_string(m_count - kMostReported) + " more\n";
}

}  // namespace netquill
