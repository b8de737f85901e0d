#include "core/lines/answer.h"

#include <algorithm>

namespace netquill {

namespace {

// The labels' column; a longer label pushes its colon on, never under it.
constexpr std::size_t kLabelWidth = 14;

std::string padded(std::string_view label)
{
    return std::string(label) + std::string(kLabelWidth - std::min(label.size(), kLabelWidth), ' ');
}

}  // namespace

Answer &Answer::text(std::string_view label, std::string_view key, std::string_view value)
{
    if (!key.empty())
        m_json.text(key, value);
    return line(label, value);
}

Answer &Answer::number(std::string_view label, std::string_view key, int value)
{
    m_json.number(key, static_cast<std::uint64_t>(value));
    return line(label, std::to_string(value));
}

Answer &Answer::optionalText(std::string_view label, std::string_view key, const std::optional<std::string> &value)
{
    if (value)
        return text(label, key, *value);
    m_json.null(key);
    return *this;
}

Answer &Answer::texts(std::string_view label, std::string_view key, const std::vector<std::string> &values)
{
    m_json.texts(key, values);
    for (std::size_t k = 0; k < values.size(); ++k)
        m_lines.append(padded(k == 0 ? label : "")).append(k == 0 ? ": " : "  ").append(values[k]).append(m_eol);
    return *this;
}

Answer &Answer::line(std::string_view label, std::string_view value)
{
    if (!label.empty())
        m_lines.append(padded(label)).append(": ").append(value).append(m_eol);
    return *this;
}

}  // namespace netquill
