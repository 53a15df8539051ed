#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "values/series.h"

namespace {

double Number(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

// A typo in a table picks a wrong part, so each decade is checked against the
// next: the three-decade texts repeat the first decade times 10 and 100,
// written without a point, and the E24 numbers are the E24 texts.
TEST(Series, DecadesRepeatAndTextsMatchNumbers) {
    const auto& e24 = ohm::kE24ThreeDecades;
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_DOUBLE_EQ(Number(e24[i]), ohm::kE24Decade[i]) << i;
        EXPECT_DOUBLE_EQ(Number(e24[i + 24]), 10 * ohm::kE24Decade[i]) << i;
        EXPECT_DOUBLE_EQ(Number(e24[i + 48]), 100 * ohm::kE24Decade[i]) << i;
        EXPECT_EQ(e24[i + 24].find('.'), std::string_view::npos) << e24[i + 24];
    }
    const auto& e6 = ohm::kE6ThreeDecades;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(Number(e6[i + 6]), 10 * Number(e6[i])) << i;
        EXPECT_DOUBLE_EQ(Number(e6[i + 12]), 100 * Number(e6[i])) << i;
        EXPECT_DOUBLE_EQ(Number(e6[i]), ohm::kE12Decade[2 * i]) << i;  // E6 is every other E12 value
    }
    for (std::size_t i = 0; i < 12; ++i) EXPECT_DOUBLE_EQ(ohm::kE12Decade[i], ohm::kE24Decade[2 * i]) << i;
}

}  // namespace
