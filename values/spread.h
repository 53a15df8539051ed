// What a circuit does when built from real parts, each somewhere within its
// tolerance: the worst case comes from each circuit's own extremes; the range
// that 95% of builds fall in comes from a fixed draw of 10,000 builds.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <random>
#include <span>
#include <vector>

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
// The values that would stand at ranks `low` and `high` (from 0) were `values` sorted ascending. Each value is
// counted into one of a few thousand buckets between the least and the greatest, in order; then only the values
// in the bucket holding each rank are picked among. Exactly the sorted ranks, in a few passes over the values.
inline ValueRange ValuesAtRanks(std::span<const double> values, std::size_t low, std::size_t high) {
    constexpr std::size_t kBuckets = 4096;
    double least = values.front(), most = values.front();
    for (const double v : values) {
        least = std::min(least, v);
        most = std::max(most, v);
    }
    if (!(most > least)) return {least, most};
    const double scale = static_cast<double>(kBuckets) / (most - least);
    // Rising with the value, so a bucket's values all sort before the next bucket's.
    const auto bucketOf = [&](double v) {
        const double at = (v - least) * scale;
        return at < static_cast<double>(kBuckets) ? static_cast<std::size_t>(at) : kBuckets - 1;
    };
    std::vector<std::size_t> counts(kBuckets);
    for (const double v : values) ++counts[bucketOf(v)];
    const auto at = [&](std::size_t rank) {
        std::size_t bucket = 0, before = 0;
        while (before + counts[bucket] <= rank) before += counts[bucket++];
        std::vector<double> inBucket;
        for (const double v : values)
            if (bucketOf(v) == bucket) inBucket.push_back(v);
        const auto nth = inBucket.begin() + static_cast<std::ptrdiff_t>(rank - before);
        std::nth_element(inBucket.begin(), nth, inBucket.end());
        return *nth;
    };
    return {at(low), at(high)};
}

template <std::size_t MaxResults, typename Build>
std::array<ValueRange, MaxResults> BuildsRange(std::span<const double> tolerances, std::size_t results, Build build) {
    std::mt19937_64 engine;
    results = std::min(results, MaxResults);
    std::vector<double> figures(results * kBuilds);  // figure r of build b at r * kBuilds + b
    std::array<double, 8> factors{};
    std::array<double, MaxResults> one{};
    const std::size_t parts = std::min(tolerances.size(), factors.size());
    for (std::size_t b = 0; b < static_cast<std::size_t>(kBuilds); ++b) {
        for (std::size_t p = 0; p < parts; ++p) factors[p] = DrawFactor(engine, tolerances[p]);
        build(factors.data(), one.data());
        for (std::size_t r = 0; r < results; ++r) figures[r * kBuilds + b] = one[r];
    }
    std::array<ValueRange, MaxResults> out{};
    for (std::size_t r = 0; r < results; ++r)
        out[r] = ValuesAtRanks(std::span<const double>(figures).subspan(r * kBuilds, kBuilds), kLowBuild, kHighBuild);
    return out;
}

}  // namespace ohm
