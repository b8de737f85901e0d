// The six number-base routines on any text: they return, in their own digits,
// and agree with plain integer arithmetic wherever a double is exact.
#include "core/fields/numberbase.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>
#include <string>

namespace {

struct Routine {
    std::string (*convert)(std::string_view);
    int inputBase;
    std::string_view inputDigits;
    std::size_t exactDigits;  // the most significant digits a double holds exactly
    int outputBase;
    std::string_view outputCharacters;
    std::size_t shortest;  // of a result for digits only
};

// bin2oct reads exactly 32 positions, so only 32-digit texts are numbers to it.
const Routine kRoutines[] = {{netquill::dec2bin, 10, "0123456789", 15, 2, "01-", 32},
                             {netquill::bin2dec, 2, "01", 53, 10, "0123456789-", 1},
                             {netquill::hex2bin, 16, "0123456789ABCDEF", 8, 2, "01-", 1},
                             {netquill::bin2hex, 2, "01", 53, 16, "0123456789ABCDEF-", 1},
                             {netquill::oct2dec, 8, "01234567", 17, 10, "0123456789", 1},
                             {netquill::bin2oct, 2, "01", 32, 8, "01234567", 1}};

std::uint64_t valueOf(std::string_view text, int base) { return std::stoull(std::string(text), nullptr, base); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Routine &routine = kRoutines[data[0] % std::size(kRoutines)];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string result = routine.convert(text);
    FUZZ_CHECK(!result.empty() && onlyCharacters(result, routine.outputCharacters));

    const std::size_t significant = text.size() - std::min(text.find_first_not_of('0'), text.size());
    const bool isNumber = !text.empty() && onlyCharacters(text, routine.inputDigits) &&
                          significant <= routine.exactDigits &&
                          (routine.convert != netquill::bin2oct || text.size() == 32);
    if (isNumber) {
        FUZZ_CHECK(result.size() >= routine.shortest && result.find('-') == std::string::npos);
        FUZZ_CHECK(valueOf(result, routine.outputBase) == valueOf(text, routine.inputBase));
    }
    return 0;
}
