#include "core/lines/jsonreader.h"

#include <algorithm>

namespace netquill {

const JsonValue *JsonValue::member(std::string_view key) const
{
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found == keys.end() ? nullptr : &items[static_cast<std::size_t>(found - keys.begin())];
}

namespace {

constexpr int kDeepest = 64;

// Thrown inside the reader only, with the line it stopped on.
struct Refusal {
    int line;
    std::string reason;
};

class Reader
{
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    JsonValue document()
    {
        JsonValue value = read(0);
        skipBlanks();
        if (m_at < m_text.size())
            fail("has more after the end of its JSON value");
        return value;
    }

private:
    [[noreturn]] void fail(std::string reason) const { throw Refusal{m_line, std::move(reason)}; }

    void skipBlanks()
    {
        for (; m_at < m_text.size(); ++m_at) {
            const char c = m_text[m_at];
            if (c == '\n')
                ++m_line;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
        }
    }
    char next()
    {
        skipBlanks();
        if (m_at == m_text.size())
            fail("ends before its JSON value does (the file is cut short)");
        return m_text[m_at];
    }
    void expect(char wanted)
    {
        if (next() != wanted)
            fail(std::string("has '") + m_text[m_at] + "' where '" + wanted + "' belongs");
        ++m_at;
    }
    bool consume(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    JsonValue read(int depth)
    {
        if (depth > kDeepest)
            fail("nests deeper than " + std::to_string(kDeepest) + " levels");
        JsonValue value;
        const char c = next();
        value.line = m_line;
        if (c == '{') {
            value.kind = JsonValue::Kind::Object;
            ++m_at;
            if (next() == '}') {
                ++m_at;
                return value;
            }
            do {
                if (next() != '"')
                    fail("has a key that is not a string");
                value.keys.push_back(readString());
                expect(':');
                value.items.push_back(read(depth + 1));
            } while (next() == ',' && ++m_at);
            expect('}');
        } else if (c == '[') {
            value.kind = JsonValue::Kind::Array;
            ++m_at;
            if (next() == ']') {
                ++m_at;
                return value;
            }
            do
                value.items.push_back(read(depth + 1));
            while (next() == ',' && ++m_at);
            expect(']');
        } else if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = readString();
        } else if (consume("true") || consume("false")) {
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = c == 't';
        } else if (consume("null")) {
            value.kind = JsonValue::Kind::Null;
        } else {
            value.kind = JsonValue::Kind::Number;
            value.text = readNumber();
        }
        return value;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    std::string readNumber()
    {
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

    unsigned readHex4()
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

    static void appendUtf8(std::string &out, unsigned code)
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

    std::string readString()
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

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

}  // namespace

Parsed<JsonValue> readJson(std::string_view text)
{
    try {
        return Reader(text).document();
    } catch (const Refusal &refusal) {
        return Parsed<JsonValue>::refused("line " + std::to_string(refusal.line) + ": " + refusal.reason);
    }
}

}  // namespace netquill
