#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// JSON objects as netquill-cli writes them: one object, keys in the order
// given, texts escaped as RFC 8259 says. A key has one type whatever its
// value: IPv4 counts are numbers, which every JSON reader holds exactly below
// 2^53; IPv6 counts and 128-bit values are strings of their digits.
namespace netquill {

// The text as a JSON string, quotes included.
void appendJsonString(std::string &out, std::string_view text);

class JsonObject
{
public:
    JsonObject &text(std::string_view key, std::string_view value);
    JsonObject &number(std::string_view key, std::uint64_t value);
    // A key whose value the input does not have.
    JsonObject &null(std::string_view key);
    JsonObject &texts(std::string_view key, const std::vector<std::string> &values);

    // The object, closed.
    std::string json() const { return m_text + "}"; }

private:
    void startMember(std::string_view key);

    std::string m_text = "{";
};

}  // namespace netquill
