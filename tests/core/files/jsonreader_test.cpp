// The strict JSON reader: what RFC 8259 takes, what it refuses and on
// which line, and a string's characters as it reads them.
#include "core/files/jsonreader.h"

#include <gtest/gtest.h>

namespace {

using netquill::JsonReader;

// A string's characters as read; any other text "taken" where it is JSON.
std::string read(std::string_view text)
{
    JsonReader reader(text);
    try {
        std::string read = reader.peek() == JsonReader::Kind::String ? reader.readString() : "taken";
        reader.finish();
        return read;
    } catch (const netquill::Refusal &refusal) {
        return refusal.text();
    }
}

struct JsonCase {
    const char *name;
    std::string text;
    std::string read;  // the value written back, or the refusal
};

void PrintTo(const JsonCase &row, std::ostream *out) { *out << row.name; }

using JsonTexts = testing::TestWithParam<JsonCase>;

TEST_P(JsonTexts, AreReadOrRefusedWithTheirLine) { EXPECT_EQ(read(GetParam().text), GetParam().read); }

INSTANTIATE_TEST_SUITE_P(
    Rfc8259, JsonTexts,
    testing::Values(JsonCase{"Values", " {\"a\":[true,false,null,\"\",0,-0,1e5,-0.5E-3,2E+0,{}]}\r\n", "taken"},
                    JsonCase{"ExponentWithoutDigits", "[1e]", "line 1: has a number without digits in its exponent"},
                    JsonCase{"PointWithoutDigits", "1.", "line 1: has a number without digits after its point"},
                    JsonCase{"LeadingZero", "01", "line 1: has something that is not a JSON value"},
                    JsonCase{"Escapes", R"("\"\\\/\b\f\n\r\t\u00e9")", "\"\\/\b\f\n\r\t\xC3\xA9"},
                    JsonCase{"SurrogatePair", R"("\ud83d\ude00")", "\xF0\x9F\x98\x80"},
                    JsonCase{"LoneHighSurrogate", R"("\ud83d!")", "line 1: has a lone high surrogate in a string"},
                    JsonCase{"LoneLowSurrogate", R"("\ude00")", "line 1: has a lone low surrogate in a string"},
                    JsonCase{"OverlongUtf8", "\"\xC0\xAF\"", "line 1: has a string that is not UTF-8 text"},
                    JsonCase{"SurrogateInUtf8", "\"\xED\xA0\x80\"", "line 1: has a string that is not UTF-8 text"},
                    JsonCase{"ControlCharacter", "\"a\tb\"", "line 1: has a control character in a string"},
                    JsonCase{"StringOverALineEnd", "\"a\nb\"", "line 1: has a string that runs over a line end"},
                    JsonCase{"DuplicateKey", "{\"a\":1,\n\"a\":2}", "line 2: has \"a\" twice"},
                    JsonCase{"SameKeyInTwoObjects", "[{\"a\":1},{\"a\":2}]", "taken"},
                    JsonCase{"KeyNotAString", "{\"a\":1,}", "line 1: has a key that is not a string"},
                    JsonCase{"ItemAfterLastComma", "[\n1,\n]", "line 3: has something that is not a JSON value"},
                    JsonCase{"MissingComma", "[1 2]", "line 1: has '2' where ']' belongs"},
                    JsonCase{"TrailingText", "{} x", "line 1: has more after the end of its JSON value"},
                    JsonCase{"CutShort", "{\"a\":", "line 1: ends before its JSON value does (the file is cut short)"},
                    JsonCase{"Depth64", std::string(64, '[') + std::string(64, ']'), "taken"},
                    JsonCase{"Depth65", std::string(65, '[') + "0" + std::string(65, ']'),
                             "line 1: nests deeper than 64 levels"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
