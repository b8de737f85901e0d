#pragma once

#include "core/address/addresstext.h"

#include <string>
#include <string_view>
#include <vector>

// A strict reader of JSON text (RFC 8259) for the files the program reads
// back: each value knows the line it starts on, so that a refusal can name
// it. Numbers are kept as their text; strings are UTF-8.
namespace netquill {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    Kind kind = Kind::Null;
    int line = 1;
    bool boolean = false;
    std::string text;               // a string's characters, a number's digits
    std::vector<JsonValue> items;   // an array's, or an object's values
    std::vector<std::string> keys;  // an object's, one for each of its values, in the order written

    const JsonValue *member(std::string_view key) const;
};

// The whole text as one value, or "line N: reason". Nesting deeper than 64
// is refused, so that no text can exhaust the stack.
Parsed<JsonValue> readJson(std::string_view text);

}  // namespace netquill
