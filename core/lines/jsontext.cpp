#include "core/lines/jsontext.h"

namespace netquill {

void appendJsonString(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void JsonObject::startMember(std::string_view key)
{
    if (m_text.size() > 1)
        m_text += ',';
    appendJsonString(m_text, key);
    m_text += ':';
}

JsonObject &JsonObject::text(std::string_view key, std::string_view value)
{
    startMember(key);
    appendJsonString(m_text, value);
    return *this;
}

JsonObject &JsonObject::number(std::string_view key, std::uint64_t value)
{
    startMember(key);
    m_text += std::to_string(value);
    return *this;
}

JsonObject &JsonObject::null(std::string_view key)
{
    startMember(key);
    m_text += "null";
    return *this;
}

JsonObject &JsonObject::texts(std::string_view key, const std::vector<std::string> &values)
{
    startMember(key);
    m_text += '[';
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0)
            m_text += ',';
        appendJsonString(m_text, values[k]);
    }
    m_text += ']';
    return *this;
}

}  // namespace netquill
