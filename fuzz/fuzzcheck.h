#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken invariant is a finding: say which, and stop so libFuzzer keeps the input.
#define FUZZ_CHECK(condition) ((condition) ? void() : brokenInvariant(#condition, __FILE__, __LINE__))

[[noreturn]] inline void brokenInvariant(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, condition);
    std::abort();
}

inline bool onlyCharacters(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

// Splits the fuzzer's bytes into texts at each newline.
template <std::size_t N>
std::array<std::string, N> splitFields(std::string_view bytes)
{
    std::array<std::string, N> fields;
    for (std::size_t k = 0; k < N && !bytes.empty(); ++k) {
        const std::size_t end = bytes.find('\n');
        fields[k] = std::string(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    }
    return fields;
}
