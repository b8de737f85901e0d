#pragma once

#include "core/lines/jsontext.h"
#include "core/lines/subnetrows.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netquill {

// The fields of one answer, each stated once with its label and its JSON
// key: written as "Label        : value" lines, the colons lined up as the
// IPv4 texts line them up, or as one JSON object. A field without a label is
// in the JSON only, one without a key in the text only.
class Answer
{
public:
    explicit Answer(LineEnd lineEnd) : m_eol(lineEndText(lineEnd)) {}

    // A 128-bit value or count is a text too: its digits, as a JSON string.
    Answer &text(std::string_view label, std::string_view key, std::string_view value);
    Answer &number(std::string_view label, std::string_view key, int value);
    // A value the input may not have: no line without it, and null in the JSON.
    Answer &optionalText(std::string_view label, std::string_view key, const std::optional<std::string> &value);
    // One a line, the lines after the first under it.
    Answer &texts(std::string_view label, std::string_view key, const std::vector<std::string> &values);

    // The labelled lines, each ended.
    const std::string &lines() const { return m_lines; }
    // The object, on one line of its own.
    std::string json() const { return m_json.json() + std::string(m_eol); }

private:
    Answer &line(std::string_view label, std::string_view value);

    std::string_view m_eol;
    JsonObject m_json;
    std::string m_lines;
};

}  // namespace netquill
