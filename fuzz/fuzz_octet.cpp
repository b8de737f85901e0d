// Octet folding on any text: a value of 0 to 255 stays as typed; anything
// larger becomes 1 to 255, the same value modulo 255.
#include "fuzz/fuzzcheck.h"
#include "core/octet.h"

#include <cstdint>
#include <string>

namespace {

// The leading digits' value modulo 255, from the right in powers of ten.
unsigned residue(std::string_view digits)
{
    unsigned sum = 0;
    unsigned power = 1;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        sum = (sum + static_cast<unsigned>(*digit - '0') * power) % 255;
        power = power * 10 % 255;
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string folded = netquill::FoldOctetText(text);
    if (text.empty()) {
        FUZZ_CHECK(folded == "0");
        return 0;
    }
    const std::string_view digits(text.data(), std::min(text.find_first_not_of("0123456789"), text.size()));
    const std::size_t significant = digits.find_first_not_of('0');
    const bool small = significant == std::string_view::npos ||
                       (digits.size() - significant <= 3 && std::stoi(std::string(digits.substr(significant))) <= 255);
    if (small) {
        FUZZ_CHECK(folded == text);
    } else {
        FUZZ_CHECK(!folded.empty() && folded.size() <= 3 && onlyCharacters(folded, "0123456789"));
        const int value = std::stoi(folded);
        FUZZ_CHECK(value >= 1 && value <= 255);
        FUZZ_CHECK(static_cast<unsigned>(value) % 255 == residue(digits));
        FUZZ_CHECK(netquill::FoldOctetText(folded) == folded);
    }
    return 0;
}
