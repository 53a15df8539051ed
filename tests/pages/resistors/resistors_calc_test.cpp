#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pages/resistors/resistors_calc.h"

namespace {

using ohm::ColoursCheck;
using ohm::ValueCheck;
using Fills = std::array<int, 5>;
constexpr int B4 = -3, B5 = -4, Gold = -1, Silver = -2;  // tan and pale blue bodies

TEST(ColoursToValue, Rows) {
    // Positions: band 0 from Brown, the others from Black; 10 Gold, 11 Silver;
    // tolerance 0..4 for 1%, 2%, 5%, 10%, 20%.
    struct Row { int bands; std::array<int, 5> pos; ColoursCheck check; const char *value, *tolerance; };
    const ColoursCheck Ok = ColoursCheck::Ok, Three = ColoursCheck::FirstThreeMissing,
                       Four = ColoursCheck::FirstFourMissing, Above = ColoursCheck::AboveTenMegohms;
    const Row rows[] = {
        {4, {0, 0, 6, -1, -1}, Ok, "10M", ""},       // exactly 10 000 000 is allowed
        {4, {0, 0, 11, -1, 3}, Ok, "0.1", "@ 10%"},  // 10 x 0.01
        {4, {1, 2, 10, -1, 4}, Ok, "2.2", "@ 20%"},  // 22 x 0.1
        {4, {0, 0, 2, 7, 0}, Ok, "1K", "@ 1%"},      // hidden band 3 ignored
        {5, {8, 9, 9, 4, 1}, Ok, "9.99M", "@ 2%"},   // 999 x 10^4
        {5, {0, 0, 0, 11, -1}, Ok, "1", ""},         // 100 x 0.01
        {4, {-1, 0, 2, -1, -1}, Three, "", ""},
        {4, {0, 0, 12, -1, -1}, Three, "", ""},      // past the list
        {5, {0, -1, 0, 2, -1}, Four, "", ""},
        {4, {0, 0, 7, -1, -1}, Above, "", ""},       // 100M
        {5, {8, 9, 9, 9, -1}, Above, "", ""},        // 999G
    };
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(r.bands, r.pos);
        EXPECT_EQ(got.check, r.check) << "row " << &r - rows;
        EXPECT_EQ(got.valueText + "|" + got.toleranceText, std::string(r.value) + "|" + r.tolerance);
    }
}

TEST(ValueToColours, Bands) {
    struct Row { const char *typed; int bands; const char* cleaned; Fills fills; };
    const Row rows[] = {
        {"4K7", 4, "4K7", {4, 7, 2, B4, B4}},  // the letters work as decimal points
        {"2M2", 4, "2M2", {2, 2, 5, B4, B4}},
        {"0.47", 4, "0.47", {4, 7, Silver, B4, B4}},
        {"0.47", 5, "0.47", {4, 7, 0, B4, B5}},  // 470 x 10^-3: the tan body's table colour
        {"1", 5, "1", {1, 0, 0, Silver, B5}},
        {"4.7k", 4, "4.7", {4, 7, Gold, B4, B4}},  // lower-case k is dropped
        {"1K2M", 4, "1K2M", {1, 2, 5, B4, B4}},   // 1.2 thousand, then 1.2 million
        {"1.2.3", 4, "1.2.3", {1, 2, Gold, B4, B4}},
        {"1e9", 4, "19", {1, 9, 0, B4, B4}},
        {"4\xEF\xBC\x97" "0 \xCE\xA9", 4, "40", {4, 0, 0, B4, B4}},  // full-width 7, omega
        // The mended rounding: the whole value is rounded (halves to even) and a
        // carry moves the multiplier, instead of rounding the last digit alone.
        {"99.6", 4, "99.6", {1, 0, 1, B4, B4}},  // 100, not White Black Black (90)
        {"1960", 4, "1960", {2, 0, 2, B4, B4}},  // 19.6 -> 20 x 100, not 1.0K
        {"999.6", 5, "999.6", {1, 0, 0, 1, B5}},
        {"0.02", 5, "0.02", {2, 0, 0, B5, B5}},  // 199.99998 -> 200 x 10^-4
        {"0.01", 4, "0.01", {1, 0, B4, B4, B4}},  // 99.99999 x 10^-4 -> 10 x 10^-3
        {"0.01", 5, "0.01", {1, 0, 0, B5, B5}},  // 999.9999 x 10^-5 -> 100 x 10^-4
        {"9999999", 4, "9999999", {1, 0, 6, B4, B4}},
        {"12345", 4, "12345", {1, 2, 3, B4, B4}},
        {"12345", 5, "12345", {1, 2, 3, 2, B5}},
        {"12.5", 4, "12.5", {1, 2, 0, B4, B4}},
        {"13.5", 4, "13.5", {1, 4, 0, B4, B4}},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, r.bands);
        ASSERT_EQ(got.check, ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.cleaned, r.cleaned);
        EXPECT_EQ(got.fills, r.fills) << r.typed << " / " << r.bands;
    }
}

TEST(ValueToColours, FailedChecksPaintOnlyTheBody) {
    const std::string rows[] = {"abc", "11M", "0.0099", "-0", "K", "....", std::string(10000, '9')};
    for (int bands : {4, 5}) {
        const int b = bands == 5 ? B5 : B4;
        EXPECT_EQ(ohm::ValueToColours("", bands).check, ValueCheck::Empty);
        for (const std::string& typed : rows) {
            const ohm::ValueToColoursResult got = ohm::ValueToColours(typed, bands);
            EXPECT_EQ(got.check, ValueCheck::OutOfRange) << typed.substr(0, 12);
            EXPECT_EQ(got.fills, (Fills{b, b, b, b, b})) << typed.substr(0, 12);
        }
    }
}

}  // namespace