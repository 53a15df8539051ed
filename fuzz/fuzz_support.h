// Shared by the fuzz targets: failing an invariant aborts, which both
// libFuzzer and the replay tests report as a crash.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

inline void Require(bool ok, const char* what, const std::string& detail = std::string()) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s [%s]\n", what, detail.c_str());
    std::abort();
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// True when every character of `text` is one of `allowed`.
inline bool OnlyOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

// What the formatting routines may write: digits, point, signs, exponent,
// the sign-column blank and the unit letters.
inline constexpr std::string_view kNumberChars = "0123456789.-+E ";

// Splits fuzz input into `n` texts at NUL bytes (missing ones are empty).
template <std::size_t N>
inline void SplitInput(const std::uint8_t* data, std::size_t size, std::string (&out)[N]) {
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < N; ++i) {
        if (data[i] == 0) {
            ++field;
            continue;
        }
        out[field].push_back(static_cast<char>(data[i]));
    }
}

}  // namespace fuzz
