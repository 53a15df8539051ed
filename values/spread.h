// What a circuit does when built from real parts, each somewhere within its
// tolerance: the worst case comes from each circuit's own extremes; the range
// that 95% of builds fall in comes from a fixed draw of 10,000 builds.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <random>
#include <span>

namespace ohm {

struct ValueRange {
    double low = 0;
    double high = 0;
};

inline constexpr int kBuilds = 10000;
// The 2.5% and 97.5% marks of the builds sorted ascending, counted from 0.
inline constexpr int kLowBuild = 250;
inline constexpr int kHighBuild = 9749;

// One part's factor within +-tolerance (0.05 for 5%): 1 + t(2u - 1), u from
// the engine's top 53 bits. Drawn by hand, not by a distribution object,
// whose output differs between standard libraries.
inline double DrawFactor(std::mt19937_64& engine, double tolerance) {
    const double u = static_cast<double>(engine() >> 11) * 0x1.0p-53;
    return 1 + tolerance * (2 * u - 1);
}

// The range 95% of builds fall in, for each of `results` figures of a
// circuit of `tolerances.size()` parts (at most 8). For every build a factor
// is drawn per part, in order, and `build(factors, figures)` writes the
// figures. A fresh engine on its default seed each time: the same circuit
// always gives the same ranges.
template <std::size_t MaxResults, typename Build>
std::array<ValueRange, MaxResults> BuildsRange(std::span<const double> tolerances, std::size_t results, Build build) {
    // Each figure's 251 lowest builds in a max-heap and 251 highest in a min-heap, filled as the builds come:
    // the heaps' tops stand at ranks 250 and 9749 of the sorted builds, found without storing them all.
    constexpr std::size_t kTail = kLowBuild + 1;
    static_assert(kBuilds - 1 - kHighBuild == kLowBuild, "the two tails are alike");
    std::array<std::array<double, kTail>, MaxResults> lows{}, highs{};
    std::mt19937_64 engine;
    results = std::min(results, MaxResults);
    std::array<double, 8> factors{};
    std::array<double, MaxResults> one{};
    const std::size_t parts = std::min(tolerances.size(), factors.size());
    for (std::size_t b = 0; b < static_cast<std::size_t>(kBuilds); ++b) {
        for (std::size_t p = 0; p < parts; ++p) factors[p] = DrawFactor(engine, tolerances[p]);
        build(factors.data(), one.data());
        for (std::size_t r = 0; r < results; ++r) {
            auto& low = lows[r];
            auto& high = highs[r];
            const double v = one[r];
            if (b < kTail) {
                low[b] = v;
                high[b] = v;
                std::push_heap(low.begin(), low.begin() + static_cast<std::ptrdiff_t>(b) + 1);
                std::push_heap(high.begin(), high.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::greater<>());
                continue;
            }
            if (v < low.front()) {
                std::pop_heap(low.begin(), low.end());
                low.back() = v;
                std::push_heap(low.begin(), low.end());
            }
            if (v > high.front()) {
                std::pop_heap(high.begin(), high.end(), std::greater<>());
                high.back() = v;
                std::push_heap(high.begin(), high.end(), std::greater<>());
            }
        }
    }
    std::array<ValueRange, MaxResults> out{};
    for (std::size_t r = 0; r < results; ++r) out[r] = {lows[r].front(), highs[r].front()};
    return out;
}

}  // namespace ohm
