// The plan file reader over any bytes: it refuses with a line or reads a plan
// that writes itself back as a file that reads to the same plan.
#include "core/files/planfile.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto plan = netquill::readPlanFile(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!plan) {
        FUZZ_CHECK(plan.reason().starts_with("line "));
        return 0;
    }
    const std::string written = netquill::planFileText(*plan);
    const auto again = netquill::readPlanFile(written);
    FUZZ_CHECK(again && netquill::planFileText(*again) == written);
    return 0;
}
