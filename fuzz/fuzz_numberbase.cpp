// The six number-base routines on any text: they return, in their own digits,
// and agree with plain integer arithmetic wherever a double is exact.
#include "core/numberbase.h"
#include "fuzz/fuzzcheck.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace {

constexpr std::string_view kBinaryDigits = "01";
constexpr std::string_view kDecimalDigits = "0123456789";

bool isDigits(std::string_view text, std::string_view digits) { return !text.empty() && onlyCharacters(text, digits); }

std::string withoutLeadingZeros(std::string_view text)
{
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    switch (data[0] % 6) {
    case 0: {
        const std::string bits = netquill::dec2bin(text);
        FUZZ_CHECK(onlyCharacters(bits, "01-") && bits.size() >= 32);
        // Up to 15 digits a double is exact: the bits are the number's.
        if (isDigits(text, kDecimalDigits) && text.size() <= 15) {
            const std::uint64_t value = std::stoull(std::string(text));
            std::string expected = withoutLeadingZeros(std::bitset<64>(value).to_string());
            expected.insert(0, expected.size() < 32 ? 32 - expected.size() : 0, '0');
            FUZZ_CHECK(bits == expected);
            FUZZ_CHECK(netquill::bin2dec(bits) == std::to_string(value));
        }
        break;
    }
    case 1: {
        const std::string decimal = netquill::bin2dec(text);
        FUZZ_CHECK(!decimal.empty() && onlyCharacters(decimal.substr(decimal[0] == '-' ? 1 : 0), kDecimalDigits));
        if (isDigits(text, kBinaryDigits) && withoutLeadingZeros(text).size() <= 53)
            FUZZ_CHECK(decimal == std::to_string(std::stoull(std::string(text), nullptr, 2)));
        break;
    }
    case 2: {
        const std::string bits = netquill::hex2bin(text);
        FUZZ_CHECK(onlyCharacters(bits, "01-"));
        FUZZ_CHECK(bits == "0" || bits.size() >= 32);
        if (isDigits(text, "0123456789ABCDEF") && text.size() <= 8)
            FUZZ_CHECK(netquill::bin2hex(bits) ==
                       (withoutLeadingZeros(text).empty() ? "0" : withoutLeadingZeros(text)));
        break;
    }
    case 3: {
        const std::string hexadecimal = netquill::bin2hex(text);
        FUZZ_CHECK(!hexadecimal.empty() && onlyCharacters(hexadecimal, "0123456789ABCDEF-"));
        break;
    }
    case 4: {
        const std::string decimal = netquill::oct2dec(text);
        FUZZ_CHECK(!decimal.empty() && onlyCharacters(decimal, kDecimalDigits));
        if (isDigits(text, "01234567") && withoutLeadingZeros(text).size() <= 17)
            FUZZ_CHECK(decimal == std::to_string(std::stoull(std::string(text), nullptr, 8)));
        break;
    }
    case 5: {
        const std::string octal = netquill::bin2oct(text);
        FUZZ_CHECK(!octal.empty() && octal.size() <= 11 && onlyCharacters(octal, "01234567"));
        if (isDigits(text, kBinaryDigits) && text.size() == 32)
            FUZZ_CHECK(netquill::oct2dec(octal) == netquill::bin2dec(text));
        break;
    }
    }
    return 0;
}
