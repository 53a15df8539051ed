#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "values/series.h"

namespace {

double Number(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

// A typo in a table picks a wrong part, so each table is checked against another: the three-decade
// texts are the first decade times 1, 10 and 100 (no point past the first), E6 is every other E12
// value and E12 every other E24 one.
TEST(Series, DecadesRepeatAndTextsMatchNumbers) {
    for (std::size_t i = 0; i < 72; ++i) {
        const std::string_view text = ohm::kE24ThreeDecades[i];
        EXPECT_DOUBLE_EQ(Number(text), std::pow(10.0, i / 24) * ohm::kE24Decade[i % 24]) << text;
        EXPECT_TRUE(i < 24 || text.find('.') == std::string_view::npos) << text;
    }
    for (std::size_t i = 0; i < 18; ++i)
        EXPECT_DOUBLE_EQ(Number(ohm::kE6ThreeDecades[i]), std::pow(10.0, i / 6) * ohm::kE12Decade[2 * (i % 6)]) << i;
    for (std::size_t i = 0; i < 12; ++i) EXPECT_DOUBLE_EQ(ohm::kE12Decade[i], ohm::kE24Decade[2 * i]) << i;
    for (std::size_t i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(ohm::kE6Decade[i], ohm::kE12Decade[2 * i]) << i;
}

// IEC 60063 defines E192 by a rounding rule with one listed exception, 9.20 where the rule gives 9.19.
TEST(Series, E192FollowsTheRoundingRuleBut920) {
    for (std::size_t k = 0; k < 192; ++k) {
        const double rule = std::floor(100 * std::pow(10.0, k / 192.0) + 0.5) / 100;
        EXPECT_DOUBLE_EQ(ohm::kE192Decade[k], k == 185 ? 9.20 : rule) << k;
    }
    // EIA-96 codes 01, 24, 48, 68 and 96 name these E96 values.
    const std::pair<int, double> e96[] = {{1, 1.00}, {24, 1.74}, {48, 3.09}, {68, 4.99}, {96, 9.76}};
    for (const auto& [code, value] : e96) EXPECT_DOUBLE_EQ(ohm::kE96Decade[code - 1], value) << code;
    EXPECT_DOUBLE_EQ(ohm::kE48Decade[47], 9.53);
    for (const ohm::Series s : ohm::kAllSeries) EXPECT_EQ(ohm::DecadeOf(s).front(), 1.0) << ohm::NameOf(s);
    EXPECT_EQ(ohm::DecadeOf(ohm::Series::E48).size(), 48u);
}


// Worked by hand against the tables: 4K7 is E6, 4K75 E96, the painted 4K8 in none, 9.20 only in E192.
TEST(Series, CoarsestSeriesHoldingAValue) {
    using S = ohm::Series;
    const std::pair<double, std::optional<S>> rows[] = {
        {4700, S::E6},    {0.47, S::E6},       {10e6, S::E6},      {8200, S::E12},    {9.1, S::E24},
        {1e6 * 1.05, S::E48}, {4750, S::E96},  {920, S::E192},     {9.19, std::nullopt}, {4800, std::nullopt},
        {4751, std::nullopt}, {97.6e6, S::E96}, {0, std::nullopt}, {-4700, std::nullopt}, {NAN, std::nullopt},
        {999.6, std::nullopt},
    };
    for (const auto& [ohms, series] : rows) EXPECT_EQ(ohm::CoarsestSeriesHolding(ohms), series) << ohms;
}
}  // namespace
