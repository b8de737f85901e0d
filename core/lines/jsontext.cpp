#include "core/lines/jsontext.h"

namespace netquill {

void appendJsonString(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    // Runs of bytes that need no escape are copied whole.
    std::size_t plainFrom = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        const auto byte = static_cast<unsigned char>(c);
        if (c != '"' && c != '\\' && byte >= 0x20)
            continue;
        out.append(text.substr(plainFrom, k - plainFrom));
        plainFrom = k + 1;
        if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += '\\';
            out += c;
        }
    }
    out.append(text.substr(plainFrom));
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
