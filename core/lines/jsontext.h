#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// JSON objects as netquill-cli writes them: one object, keys in the order
// given, texts escaped as RFC 8259 says, counts as JSON numbers.
namespace netquill {

// The text as a JSON string, quotes included.
void appendJsonString(std::string &out, std::string_view text);
// A count given by its digits: a JSON number up to 2^53, the largest every
// JSON reader holds exactly, and a string of its digits beyond.
void appendJsonCount(std::string &out, std::string_view digits);

class JsonObject
{
public:
    JsonObject &text(std::string_view key, std::string_view value);
    JsonObject &number(std::string_view key, std::uint64_t value);
    // A count that may pass 2^53: a JSON number up to it, a string of its digits beyond.
    JsonObject &count(std::string_view key, std::string_view digits);
    JsonObject &texts(std::string_view key, const std::vector<std::string> &values);

    // The object, closed.
    std::string json() const { return m_text + "}"; }

private:
    void startMember(std::string_view key);

    std::string m_text = "{";
};

}  // namespace netquill
