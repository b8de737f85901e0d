#include "core/files/jsonreader.h"

#include "core/address/addresstext.h"

namespace netquill {

namespace {

constexpr std::size_t kDeepest = 64;

void appendUtf8(std::string &out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

void JsonReader::fail(std::string reason) const { throw Refusal(std::move(reason), m_line); }

void JsonReader::skipBlanks()
{
    for (; m_at < m_text.size(); ++m_at) {
        const char c = m_text[m_at];
        if (c == '\n')
            ++m_line;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
    }
}

char JsonReader::next()
{
    skipBlanks();
    if (m_at == m_text.size())
        fail("ends before its JSON value does (the file is cut short)");
    return m_text[m_at];
}

void JsonReader::expect(char wanted)
{
    if (next() != wanted)
        fail(std::string("has '") + m_text[m_at] + "' where '" + wanted + "' belongs");
    ++m_at;
}

bool JsonReader::consume(std::string_view word)
{
    if (m_text.substr(m_at, word.size()) != word)
        return false;
    m_at += word.size();
    return true;
}

void JsonReader::valueStarts()
{
    if (m_levels.size() > kDeepest)
        fail("nests deeper than " + std::to_string(kDeepest) + " levels");
    m_valueDue = false;
}

JsonReader::Kind JsonReader::peek()
{
    switch (next()) {
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case '"':
        return Kind::String;
    case 't':
    case 'f':
        return Kind::Boolean;
    case 'n':
        return Kind::Null;
    default:
        return Kind::Number;
    }
}

int JsonReader::line()
{
    skipBlanks();
    return m_line;
}

void JsonReader::open(bool object)
{
    valueStarts();
    expect(object ? '{' : '[');
    m_levels.push_back({object});
}

void JsonReader::beginObject() { open(true); }
void JsonReader::beginArray() { open(false); }

// Whether a member or item follows in the innermost object or array: the
// first at once, each other after a comma; or its end, which closes it. A
// value the caller left unread is read first.
bool JsonReader::another(char close)
{
    if (m_valueDue)
        skipValue();
    Level &level = m_levels.back();
    const char c = next();
    if (c == close) {
        ++m_at;
        m_levels.pop_back();
        return false;
    }
    if (level.started) {
        if (c != ',')
            fail(std::string("has '") + c + "' where '" + close + "' belongs");
        ++m_at;
    }
    level.started = true;
    return true;
}

std::optional<std::string> JsonReader::nextKey()
{
    if (!another('}'))
        return std::nullopt;
    if (next() != '"')
        fail("has a key that is not a string");
    std::string key = readQuoted();
    if (!m_levels.back().keys.insert(key).second)
        fail("has \"" + key + "\" twice");
    expect(':');
    m_valueDue = true;
    return key;
}

bool JsonReader::nextItem()
{
    if (!another(']'))
        return false;
    m_valueDue = true;
    return true;
}

bool JsonReader::readBoolean()
{
    valueStarts();
    next();
    if (consume("true"))
        return true;
    if (!consume("false"))
        fail("has something that is not a JSON value");
    return false;
}

void JsonReader::readNull()
{
    valueStarts();
    next();
    if (!consume("null"))
        fail("has something that is not a JSON value");
}

void JsonReader::skipValue()
{
    switch (peek()) {
    case Kind::Object:
        beginObject();
        while (nextKey())
            skipValue();
        break;
    case Kind::Array:
        beginArray();
        while (nextItem())
            skipValue();
        break;
    case Kind::String:
        readString();
        break;
    case Kind::Number:
        readNumber();
        break;
    case Kind::Boolean:
        readBoolean();
        break;
    case Kind::Null:
        readNull();
        break;
    }
}

void JsonReader::skipRest(std::size_t depth)
{
    if (m_valueDue && m_levels.size() >= depth)
        skipValue();
    while (m_levels.size() > depth)
        if (m_levels.back().object ? nextKey().has_value() : nextItem())
            skipValue();
}

void JsonReader::finish()
{
    skipRest();
    skipBlanks();
    if (m_at < m_text.size())
        fail("has more after the end of its JSON value");
}

// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
std::string JsonReader::readNumber()
{
    valueStarts();
    next();
    const std::size_t start = m_at;
    const auto digits = [this] {
        const std::size_t first = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
            ++m_at;
        return m_at - first;
    };
    consume("-");
    const std::size_t integer = m_at;
    if (digits() == 0 || (m_text[integer] == '0' && m_at - integer > 1))
        fail("has something that is not a JSON value");
    if (consume(".") && digits() == 0)
        fail("has a number without digits after its point");
    if (consume("e") || consume("E")) {
        if (!consume("+"))
            consume("-");
        if (digits() == 0)
            fail("has a number without digits in its exponent");
    }
    return std::string(m_text.substr(start, m_at - start));
}

unsigned JsonReader::readHex4()
{
    unsigned value = 0;
    for (int k = 0; k < 4; ++k, ++m_at) {
        const char c = m_at < m_text.size() ? m_text[m_at] : '\0';
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            fail("has a \\u escape without four hex digits");
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

std::string JsonReader::readString()
{
    valueStarts();
    if (next() != '"')
        fail("has something that is not a JSON value");
    return readQuoted();
}

std::string JsonReader::readQuoted()
{
    ++m_at;  // the opening quote
    std::string out;
    while (true) {
        const std::size_t run = m_text.find_first_of("\"\\", m_at);
        if (run == std::string_view::npos)
            fail("ends inside a string (the file is cut short)");
        const std::string_view plain = m_text.substr(m_at, run - m_at);
        for (const char c : plain)
            if (static_cast<unsigned char>(c) < 0x20)
                fail(c == '\n' ? "has a string that runs over a line end" : "has a control character in a string");
        if (!isUtf8(plain))
            fail("has a string that is not UTF-8 text");
        out.append(plain);
        m_at = run + 1;
        if (m_text[run] == '"')
            return out;
        const char escape = m_at < m_text.size() ? m_text[m_at++] : '\0';
        const auto simple = std::string_view("\"\\/bfnrt").find(escape);
        if (simple != std::string_view::npos) {
            out += "\"\\/\b\f\n\r\t"[simple];
            continue;
        }
        if (escape != 'u')
            fail("has an unknown escape in a string");
        unsigned code = readHex4();
        if (code >= 0xDC00 && code <= 0xDFFF)
            fail("has a lone low surrogate in a string");
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (!consume("\\u"))
                fail("has a lone high surrogate in a string");
            const unsigned low = readHex4();
            if (low < 0xDC00 || low > 0xDFFF)
                fail("has a lone high surrogate in a string");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, code);
    }
}

}  // namespace netquill
