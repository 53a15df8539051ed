// What the fuzz targets check, said once. Each target defines fuzz::Check;
// a broken invariant aborts, which libFuzzer and the replay tests report.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "values/values.h"

namespace fuzz {

void Check(std::string_view input);

inline void Require(bool ok, const char* what, std::string_view detail = "") {
    if (!ok) std::fprintf(stderr, "broken: %s [%.*s]\n", what, int(detail.size()), detail.data()), std::abort();
}
inline void Within(double v, double lo, double hi, const char* what) { Require(v >= lo && v <= hi, what); }
inline void Finite(std::initializer_list<double> vs) { for (double v : vs) Require(std::isfinite(v), "finite values"); }

// What the formatters write: numbers, resistances within limits, boxes rewritten through NumberIn.
inline constexpr std::string_view kNumber = "0123456789.-+E", kOhms = "0123456789.KM", kBox = "0123456789.-";

// A text on its way to the screen: something, and only of `allowed`.
inline void Shown(std::string_view t, std::string_view allowed, const char* what) {
    Require(!t.empty() && t.find_first_not_of(allowed) == t.npos, what, t);
}
// A voltage: a number, its sign column allowed, then "v" (never a bare unit).
inline void Volts(std::string_view t, const char* what) {
    Require(t.ends_with('v'), what, t);
    Shown(t.substr(t.starts_with(' '), t.size() - 1 - t.starts_with(' ')), kNumber, what);
}
// What is left of a typed text: only `allowed`, nothing added, the typed order kept.
inline void Kept(std::string_view kept, std::string_view typed, std::string_view allowed, const char* what) {
    Require(kept.find_first_not_of(allowed) == kept.npos, what, kept);
    for (std::size_t at = 0; char c : kept) Require((at = typed.find(c, at) + 1) != 0, what, kept);  // npos + 1 is 0
}

// A result without a message, or one failed check with one that never says nan or inf.
inline void OneOutcome(bool ok, std::string_view message) {
    Require(ok == message.empty(), "a message exactly when a check failed", message);
    for (const char* bad : {"nan", "inf", "NAN", "INF"}) Require(message.find(bad) == message.npos, "nan", message);
}
// The designers check in a fixed order, and a text is written exactly once the run got past
// check `from` (`reached` is the failed check's place, or past the last), made of `allowed`.
inline bool Written(const std::optional<std::string>& t, int reached, int from, std::string_view allowed,
                    const char* what) {
    Require(t.has_value() == (reached > from), what, t.value_or("(none)"));
    if (t) Shown(*t, allowed, what);
    return t.has_value();
}
// A rewritten number box: written as Written says, and read again it still passes its check.
inline void Box(const std::optional<std::string>& t, int reached, int from, float lo, float hi, const char* what) {
    if (Written(t, reached, from, kNumber, what)) Within(ohm::Single(ohm::LeadingNumber(*t)), lo, hi, what);
}

// The input as N texts split at NUL bytes (missing ones are empty).
template <std::size_t N>
std::array<std::string, N> Fields(std::string_view input) {
    std::array<std::string, N> out;
    for (std::size_t i = 0, field = 0; i < input.size() && field < N; ++i)
        input[i] == 0 ? void(++field) : out[field].push_back(input[i]);
    return out;
}
inline int Byte(const std::string& s, std::size_t i = 0) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0; }
// A list position from a one-byte field: -1 (nothing picked) to n - 2.
inline int Position(const std::string& field, int n, int none) { return field.empty() ? none : Byte(field) % n - 1; }

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
