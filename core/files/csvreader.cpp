#include "core/files/csvreader.h"

namespace netquill {

std::optional<std::vector<std::string>> CsvReader::next()
{
    if (m_at >= m_text.size())
        return std::nullopt;
    m_recordLine = m_line;
    std::vector<std::string> fields(1);
    bool quoted = false;
    while (m_at < m_text.size()) {
        const char c = m_text[m_at++];
        if (quoted) {
            if (c == '"' && m_at < m_text.size() && m_text[m_at] == '"') {
                fields.back() += '"';
                ++m_at;
            } else if (c == '"') {
                quoted = false;
            } else {
                m_line += c == '\n';
                fields.back() += c;
            }
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else if (c == m_delimiter) {
            fields.emplace_back();
        } else if (c == '\n' || (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n')) {
            m_at += c == '\r';
            ++m_line;
            return fields;
        } else {
            fields.back() += c;
        }
    }
    if (quoted)
        throw Refusal("has a quoted field that does not end", m_recordLine);
    return fields;
}

char csvDelimiterOf(std::string_view headerLine)
{
    const std::string_view line = headerLine.substr(0, headerLine.find('\n'));
    return line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos ? ';' : ',';
}

}  // namespace netquill
