// The six number-base routines on any text: they return, in their own digits,
// and agree with plain integer arithmetic wherever a double is exact.
#include "core/numberbase.h"
#include "fuzz/fuzzcheck.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace {

// The text holds only these digits, up to `most` of them after leading zeros.
bool isNumber(std::string_view text, std::string_view digits, std::size_t most)
{
    const std::size_t first = text.find_first_not_of('0');
    return !text.empty() && onlyCharacters(text, digits) && (first == text.npos || text.size() - first <= most);
}

std::string number(std::string_view text, int base)
{
    return std::to_string(std::stoull(std::string(text), nullptr, base));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string_view decimalDigits = "0123456789";
    switch (data[0] % 6) {
    case 0: {
        const std::string bits = netquill::dec2bin(text);
        FUZZ_CHECK(onlyCharacters(bits, "01-") && bits.size() >= 32);
        if (isNumber(text, decimalDigits, 15)) {  // a double holds every such number exactly
            const std::string all = std::bitset<64>(std::stoull(std::string(text))).to_string();
            FUZZ_CHECK(bits == all.substr(std::min(all.find('1'), std::size_t{32})));
        }
        break;
    }
    case 1: {
        const std::string decimal = netquill::bin2dec(text);
        FUZZ_CHECK(!decimal.empty() && onlyCharacters(decimal.substr(decimal[0] == '-' ? 1 : 0), decimalDigits));
        if (isNumber(text, "01", 53))
            FUZZ_CHECK(decimal == number(text, 2));
        break;
    }
    case 2: {
        const std::string bits = netquill::hex2bin(text);
        FUZZ_CHECK(onlyCharacters(bits, "01-") && (bits == "0" || bits.size() >= 32));
        if (isNumber(text, "0123456789ABCDEF", 8))
            FUZZ_CHECK(netquill::bin2dec(bits) == number(text, 16));
        break;
    }
    case 3: {
        const std::string hexadecimal = netquill::bin2hex(text);
        FUZZ_CHECK(!hexadecimal.empty() && onlyCharacters(hexadecimal, "0123456789ABCDEF-"));
        if (isNumber(text, "01", 53))
            FUZZ_CHECK(number(hexadecimal, 16) == number(text, 2));
        break;
    }
    case 4: {
        const std::string decimal = netquill::oct2dec(text);
        FUZZ_CHECK(!decimal.empty() && onlyCharacters(decimal, decimalDigits));
        if (isNumber(text, "01234567", 17))
            FUZZ_CHECK(decimal == number(text, 8));
        break;
    }
    case 5: {
        const std::string octal = netquill::bin2oct(text);
        FUZZ_CHECK(!octal.empty() && octal.size() <= 11 && onlyCharacters(octal, "01234567"));
        if (isNumber(text, "01", 32) && text.size() == 32)
            FUZZ_CHECK(number(octal, 8) == number(text, 2));
        break;
    }
    }
    return 0;
}
