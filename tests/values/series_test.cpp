#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

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
}

}  // namespace
