#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "pages/resistors/pair_calc.h"

namespace {

using ohm::Series;

// The worked pairs, by hand: 4.7K + 51 = 4751 is 1 ohm (+0.02%) above 4.75K; 68K x 5.1K / 73.1K = 4744.2.
TEST(Pairs, WorkedExamples) {
    const struct { double target; Series series; const char *inSeries, *inParallel; } rows[] = {
        {4750, Series::E24, "Two in series: 4.7K + 51 = 4.751K (+0.02%)",
         "Two in parallel: 68K \u2225 5.1K = 4.744K (-0.12%)"},
        {4750, Series::E6, "Two in series: 4.7K + 47 = 4.747K (-0.06%)",
         "Two in parallel: 10M \u2225 4.7K = 4.698K (-1.10%)"},
        {4750, Series::E96, "4.75K is an E96 value", ""},
        {1234, Series::E24, "Two in series: 1.2K + 33 = 1.233K (-0.08%)",
         "Two in parallel: 24K \u2225 1.3K = 1.233K (-0.06%)"},
        {1234, Series::E96, "Two in series: 698 + 536 = 1.234K (0.00%)",
         "Two in parallel: 255K \u2225 1.24K = 1.234K (0.00%)"},
        {3300, Series::E96, "Two in series: 1.65K + 1.65K = 3.3K (0.00%)",
         "Two in parallel: 549K \u2225 3.32K = 3.3K (0.00%)"},
        {7.77e6, Series::E24, "Two in series: 7.5M + 270K = 7.77M (0.00%)", "No E24 pair in parallel within 5%"},
        {0.5, Series::E24, "No E24 pair in series within 5%", "Two in parallel: 1 \u2225 1 = 0.5 (0.00%)"},
        {15e6, Series::E96, "Two in series: 7.5M + 7.5M = 15M (0.00%)", "No E96 pair in parallel within 5%"},
        {3300, Series::E24, "3.3K is an E24 value", ""},
        {0, Series::E24, "", ""},
    };
    for (const auto& r : rows) {
        const ohm::PairReadout p = ohm::PairsFor(r.target, r.series);
        EXPECT_EQ(p.series + " | " + p.parallel, std::string(r.inSeries) + " | " + r.inParallel) << r.target;
    }
    EXPECT_EQ(ohm::PairsFor(4750, Series::E24).parallelSpoken, "Two in parallel: 68K in parallel with 5.1K = 4.744K (-0.12%)");
}

// Every pair tried, with the same tie rule: the first found keeps a tie, Ra rising and Rb falling.
std::optional<ohm::ResistorPair> BruteForce(double target, const std::vector<double>& c, bool parallel) {
    std::optional<ohm::ResistorPair> best;
    for (std::size_t a = 0; a < c.size(); ++a)
        for (std::size_t b = a + 1; b-- > 0;) {
            const double combined = parallel ? c[a] * c[b] / (c[a] + c[b]) : c[a] + c[b];
            const double error = (combined - target) / target;
            if (!best || std::fabs(error) < std::fabs(best->error) - 1e-9) best = ohm::ResistorPair{c[a], c[b], combined, error};
        }
    return best;
}

TEST(Pairs, BinarySearchFindsWhatTryingEveryPairFinds) {
    std::mt19937_64 draw(27);  // the same targets everywhere: a log-uniform spread from 1 ohm to 20M
    for (const Series s : ohm::kAllSeries) {
        const std::vector<double> c = ohm::PairCandidates(s);
        ASSERT_EQ(c.size(), 7 * ohm::DecadeOf(s).size() + 1);
        ASSERT_EQ(c.back(), 1e7);
        for (int i = 0; i < (s == Series::E192 ? 12 : 40); ++i) {
            const double target = std::pow(10.0, 7.301 * static_cast<double>(draw() >> 11) * 0x1p-53);
            for (const bool parallel : {false, true}) {
                const auto fast = parallel ? ohm::BestParallelPair(target, c) : ohm::BestSeriesPair(target, c);
                const auto slow = BruteForce(target, c, parallel);
                ASSERT_TRUE(fast && slow);
                EXPECT_EQ(std::to_string(fast->ra) + " " + std::to_string(fast->rb),
                          std::to_string(slow->ra) + " " + std::to_string(slow->rb))
                    << ohm::NameOf(s) << " " << target << (parallel ? " parallel" : " series");
            }
        }
    }
}

}  // namespace
