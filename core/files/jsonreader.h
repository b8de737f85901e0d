#pragma once

#include "core/address/parsed.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// A strict reader of JSON text (RFC 8259) for the files the program reads
// back, value by value as its caller walks the document: nothing is kept
// but what the caller takes, so a file takes the memory of what is made of
// it, not of its text. Numbers are read as their text; strings are UTF-8. A
// key given twice in one object is refused (RFC 8259 leaves its meaning to
// each reader), and so is nesting deeper than 64, which no file of the
// program's needs.
namespace netquill {

class JsonReader
{
public:
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    explicit JsonReader(std::string_view text) : m_text(text) {}

    // The kind of the next value, and the line it starts on; nothing is read.
    Kind peek();
    int line();

    // An object: begin, then each key in turn, its value read after it, until none is left.
    void beginObject();
    std::optional<std::string> nextKey();
    // An array: begin, then whether another item follows, read after it.
    void beginArray();
    bool nextItem();

    std::string readString();
    std::string readNumber();
    bool readBoolean();
    void readNull();
    // The next value, whatever it is, read and checked; nothing of it kept.
    void skipValue();
    // How many objects and arrays are open around the next value.
    std::size_t depth() const { return m_levels.size(); }
    // Everything read and checked until only `depth` objects and arrays are
    // open, as where a caller stops taking what it reads but the whole text
    // must still be JSON.
    void skipRest(std::size_t depth = 0);
    // The end of the text: only blanks may follow the document.
    void finish();

    // Each throws a Refusal, with the line the reader stopped on, where the text is not JSON.

private:
    // An object or array being read: whether a member or item has been read, and an object's keys.
    struct Level {
        bool object;
        bool started = false;
        std::set<std::string, std::less<>> keys;
    };

    [[noreturn]] void fail(std::string reason) const;
    void skipBlanks();
    char next();
    void expect(char wanted);
    bool consume(std::string_view word);
    // A value is read here: nested no deeper than allowed, and one where one belongs.
    void valueStarts();
    void open(bool object);
    bool another(char close);
    // A string's characters, from its opening quote.
    std::string readQuoted();
    unsigned readHex4();

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
    std::vector<Level> m_levels;
    bool m_valueDue = true;
};

}  // namespace netquill
