// The JSON reader against a well-kept one (nlohmann/json, from Debian) over
// any bytes: whatever one accepts the other accepts. Apart are what this
// reader refuses by choice: a key given twice in one object, nesting deeper
// than 64, and a leading byte-order mark, which the plan file reader takes
// away before; and text with a NUL byte, where the other reader stops as at
// the text's end; and a number past a double's range, which the other
// reader refuses as it reads numbers into doubles.
#include "core/files/jsonreader.h"
#include "fuzz/fuzzcheck.h"

#include <nlohmann/json.hpp>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (text.starts_with("\xEF\xBB\xBF") || text.find('\0') != std::string_view::npos)
        return 0;
    netquill::JsonReader reader(text);
    bool accepted = true;
    try {
        reader.finish();
    } catch (const netquill::Refusal &refusal) {
        if (refusal.reason.ends_with(" twice") || refusal.reason.starts_with("nests deeper"))
            return 0;
        accepted = false;
    }
    bool theirs = true;
    try {
        (void)nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception &error) {
        if (accepted && std::string_view(error.what()).find("number overflow") != std::string_view::npos)
            return 0;
        theirs = false;
    }
    FUZZ_CHECK(accepted == theirs);
    return 0;
}
