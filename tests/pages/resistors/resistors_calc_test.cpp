#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/resistors/resistors_calc.h"

namespace {

using Fills = ohm::BandFills;
using ohm::BandFormat;
constexpr int B4 = -3, B5 = -4, Gold = -1, Silver = -2;  // tan and pale blue bodies
BandFormat Format(int bands) { return bands == 6 ? BandFormat::Six : bands == 5 ? BandFormat::Five : BandFormat::Four; }

TEST(BandFillCode, ListPositionsToColours) {
    // Band 0 starts at Brown; multiplier lists end Gold, Silver; tolerance Brown Red Gold Silver [blank],
    // then Green Blue Violet Grey in 6 bands; the coefficient list runs Black to Grey.
    const std::tuple<int, int, int, std::optional<int>> rows[] = {
        {0, 8, 4, 9}, {0, 9, 4, {}}, {1, 0, 4, 0}, {1, 10, 4, {}}, {2, 10, 4, Gold}, {3, 11, 5, Silver}, {3, 12, 5, {}},
        {2, -1, 4, {}}, {4, 3, 4, Silver}, {4, 4, 4, B4}, {4, 4, 5, B5}, {4, 5, 4, {}}, {4, 5, 5, {}}, {4, 8, 6, 8},
        {4, 9, 6, {}}, {5, 8, 6, 8}, {5, 9, 6, {}}, {5, -1, 6, {}}};  // 6 bands add the precision tolerances
    for (const auto& [band, position, bands, code] : rows)
        EXPECT_EQ(ohm::BandFillCode(band, position, Format(bands)), code) << band << " " << position << " " << bands;
}

TEST(ColoursToValue, Rows) {
    // Positions as in the lists above. Shown: value|tolerance|coefficient, or the check; then the range at the
    // band's tolerance to four figures (none without one) and the coarsest series holding the value.
    struct Row { int bands; ohm::BandPicks pos; const char* shown; const char* rangeAndSeries = nullptr; };
    const Row rows[] = {
        {4, {3, 7, 2, 9, 2, 2}, "4.7K|@ 5%|"},  // Yellow Violet Red Gold; White in the hidden band
        {4, {0, 0, 6, -1, 5, -1}, "10M||"},      // exactly 10 000 000 is allowed; no such tolerance
        {4, {0, 0, 11, -1, 3, -1}, "0.1|@ 10%|"}, {5, {8, 9, 9, 4, 1, -1}, "9.99M|@ 2%|"},  // 10 x .01, 999 x 10^4
        {4, {1, 2, 2, -1, 4, -1}, "2.2K|@ 20%|", "1.76K to 2.64K|E6 value"},  // [blank]
        {4, {0, 2, 2, -1, -1, -1}, "1.2K||", "|E12 value"},
        {4, {-1, 0, 2, -1, -1, -1}, "three"},    {4, {0, 0, 12, -1, -1, -1}, "three"},     // none; past the list
        {5, {0, -1, 0, 2, -1, -1}, "four"},      {4, {0, 0, 7, -1, -1, -1}, "above"},
        // Brown Black Black Red Brown Red: 100 x 10^2 at 1%, 50 ppm/K; 5 bands read the same picks without the sixth.
        {6, {0, 0, 0, 2, 0, 2}, "10K|@ 1%|50 ppm/K"}, {5, {0, 0, 0, 2, 0, 2}, "10K|@ 1%|"},
        {6, {3, 7, 0, 1, 5, 0}, "4.7K|@ 0.5%|250 ppm/K"}, {5, {3, 7, 0, 1, 5, 0}, "4.7K||"},  // no 0.5% in 5 bands
        {6, {3, 7, 0, 1, 8, 8}, "4.7K|@ 0.05%|1 ppm/K"},  // the last entries of both lists
        {6, {3, 7, 9, 1, 6, 2}, "4.79K|@ 0.25%|50 ppm/K", "4.778K to 4.802K|Not in any E series"},
    };
    const char* const kChecks[] = {"", "three", "four", "above"};  // in the order of ColoursCheck
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(Format(r.bands), r.pos);
        const int check = static_cast<int>(got.check);
        EXPECT_EQ(check ? kChecks[check] : got.valueText + "|" + got.toleranceText + "|" + got.coefficientText, r.shown)
            << &r - rows;
        if (r.rangeAndSeries != nullptr) {
            EXPECT_EQ(got.rangeText + "|" + got.seriesText, r.rangeAndSeries);
        }
    }
}

TEST(ValueToColours, Bands) {
    struct Row { const char *typed; int bands; const char* cleaned; Fills fills; int coefficient = 1; };
    const Row rows[] = {
        {"4K7", 4, "4K7", {4, 7, 2, B4, B4, B4}}, {"4.7k", 4, "4.7", {4, 7, Gold, B4, B4, B4}},  // only K, M count
        {"12.5", 4, "12.5", {1, 2, 0, B4, B4, B4}},  // halves to even: 12
        // The mended rounding: the whole value is rounded and a carry moves the multiplier.
        {"99.6", 4, "99.6", {1, 0, 1, B4, B4, B4}},  // 100, not 90
        {"10M", 4, "10M", {1, 0, 6, B4, B4, B4}},     // the top of the range is still accepted
        {"0.01", 4, "0.01", {1, 0, B4, B4, B4, B4}},  // 99.99999 x 10^-4 -> 10 x 10^-3: the tan body's table colour
        {"0.01", 5, "0.01", {1, 0, 0, B5, B5, B5}},   // 999.9999 x 10^-5 -> 100 x 10^-4
        // Six bands paint the five as 5 bands do, and the sixth from the coefficient picked (Brown by default).
        {"12K4", 6, "12K4", {1, 2, 4, 2, B5, 1}}, {"1", 6, "1", {1, 0, 0, Silver, B5, B5}, -1},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, Format(r.bands), r.coefficient);
        EXPECT_EQ(got.check, ohm::ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.cleaned + testing::PrintToString(got.fills), r.cleaned + testing::PrintToString(r.fills));
    }
}

TEST(ValueToColours, FailedChecksPaintOnlyTheBody) {
    const std::string rows[] = {"", "abc", "11M", "0.0099", std::string(10000, '9')};
    for (const int bands : {4, 5, 6})
        for (const std::string& typed : rows) {
            const ohm::ValueToColoursResult got = ohm::ValueToColours(typed, Format(bands), 2);
            const int b = bands == 4 ? B4 : B5, sixth = bands == 6 ? 2 : b;  // the picked Red coefficient stays
            EXPECT_EQ(got.check, typed.empty() ? ohm::ValueCheck::Empty : ohm::ValueCheck::OutOfRange) << typed.substr(0, 9);
            EXPECT_EQ(got.fills, (Fills{b, b, b, b, b, sixth})) << typed.substr(0, 9);
        }
}

}  // namespace
