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
        {0, 0, 4, 1}, {0, 8, 4, 9}, {0, 9, 4, {}}, {1, 0, 4, 0}, {1, 10, 4, {}}, {2, 10, 4, Gold}, {3, 11, 5, Silver},
        {3, 12, 5, {}}, {2, -1, 4, {}}, {4, 1, 4, 2}, {4, 3, 4, Silver}, {4, 4, 4, B4}, {4, 4, 5, B5}, {4, 5, 4, {}},
        {4, 4, 6, B5}, {4, 5, 6, 5}, {4, 8, 6, 8}, {4, 9, 6, {}}, {4, 5, 5, {}},  // the precision tolerances
        {5, 0, 6, 0}, {5, 1, 6, 1}, {5, 8, 6, 8}, {5, 9, 6, {}}, {5, -1, 6, {}}};
    for (const auto& [band, position, bands, code] : rows)
        EXPECT_EQ(ohm::BandFillCode(band, position, Format(bands)), code) << band << " " << position << " " << bands;
}

TEST(BandFormats, ListsShownAndKeptAcrossSwitches) {
    // Entries per list 0..5 ("-" where the format hides the list): band 2 is a multiplier only in 4 bands,
    // the tolerance list grows by the precision tolerances in 6 bands.
    const std::pair<int, const char*> rows[] = {{4, "9 10 12 - 5 -"}, {5, "9 10 10 12 5 -"}, {6, "9 10 10 12 9 9"}};
    for (const auto& [bands, entries] : rows) {
        std::string got;
        for (int list = 0; list < ohm::kBandLists; ++list) {
            const std::size_t n = ohm::ListColours(Format(bands), list).size();
            got += (got.empty() ? "" : " ") + (ohm::HasList(Format(bands), list) ? std::to_string(n) : "-");
        }
        EXPECT_EQ(got, entries) << bands;
    }
    // Switching keeps a pick the list still offers; Gold on band 2 turns Black, a 0.5% is dropped.
    const std::tuple<int, int, int, int> switches[] = {{5, 2, 10, 0}, {5, 2, 9, 9}, {4, 2, 11, 11}, {5, 4, 5, -1},
                                                       {6, 4, 8, 8},  {4, 4, 4, 4}, {4, 5, 1, 1},   {5, 3, -1, -1}};
    for (const auto& [bands, list, position, kept] : switches)
        EXPECT_EQ(ohm::PickAfterSwitch(Format(bands), list, position), kept) << bands << " " << list << " " << position;
    EXPECT_EQ(ohm::ColourName(ohm::ListColours(BandFormat::Six, ohm::kToleranceList)[4]) +
                  ohm::ColourName(ohm::ListColours(BandFormat::Six, ohm::kToleranceList)[8]),
              "[blank]Grey");
}

TEST(ColoursToValue, Rows) {
    // Positions as in the lists above. Shown: value|tolerance|coefficient, or the check.
    struct Row { int bands; ohm::BandPicks pos; const char* shown; };
    const Row rows[] = {
        {4, {3, 7, 2, 9, 2, 2}, "4.7K|@ 5%|"},  // Yellow Violet Red Gold; White in the hidden band
        {4, {0, 0, 6, -1, 5, -1}, "10M||"},      // exactly 10 000 000 is allowed; no such tolerance
        {4, {0, 0, 11, -1, 3, -1}, "0.1|@ 10%|"}, {4, {1, 2, 10, -1, 4, -1}, "2.2|@ 20%|"},  // 10 x .01, 22 x .1
        {5, {8, 9, 9, 4, 1, -1}, "9.99M|@ 2%|"},  {5, {0, 0, 0, 11, -1, -1}, "1||"},        // 999 x 10^4, 100 x .01
        {4, {-1, 0, 2, -1, -1, -1}, "three"},    {4, {0, 0, 12, -1, -1, -1}, "three"},     // none; past the list
        {5, {0, -1, 0, 2, -1, -1}, "four"},      {4, {0, 0, 7, -1, -1, -1}, "above"},  {5, {8, 9, 9, 9, -1, -1}, "above"},
        // Brown Black Black Red Brown Red: 100 x 10^2 at 1%, 50 ppm/K; 5 bands read the same picks without the sixth.
        {6, {0, 0, 0, 2, 0, 2}, "10K|@ 1%|50 ppm/K"}, {5, {0, 0, 0, 2, 0, 2}, "10K|@ 1%|"},
        {6, {3, 7, 0, 1, 5, 0}, "4.7K|@ 0.5%|250 ppm/K"}, {5, {3, 7, 0, 1, 5, 0}, "4.7K||"},  // no 0.5% in 5 bands
        {6, {3, 7, 0, 1, 6, 1}, "4.7K|@ 0.25%|100 ppm/K"}, {6, {3, 7, 0, 1, 7, 3}, "4.7K|@ 0.1%|15 ppm/K"},
        {6, {3, 7, 0, 1, 8, 4}, "4.7K|@ 0.05%|25 ppm/K"}, {6, {3, 7, 0, 1, -1, 5}, "4.7K||20 ppm/K"},
        {6, {3, 7, 0, 1, 4, 6}, "4.7K|@ 20%|10 ppm/K"},   {6, {3, 7, 0, 1, 3, 7}, "4.7K|@ 10%|5 ppm/K"},
        {6, {3, 7, 0, 1, 2, 8}, "4.7K|@ 5%|1 ppm/K"},     {6, {3, 7, 0, 1, 2, 9}, "4.7K|@ 5%|"},
        {6, {3, 7, -1, 1, 0, 2}, "four"},                 {6, {8, 9, 9, 5, 0, 2}, "above"},
    };
    const char* const kChecks[] = {"", "three", "four", "above"};  // in the order of ColoursCheck
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(Format(r.bands), r.pos);
        const int check = static_cast<int>(got.check);
        EXPECT_EQ(check ? kChecks[check] : got.valueText + "|" + got.toleranceText + "|" + got.coefficientText, r.shown)
            << &r - rows;
    }
}

TEST(ColoursToValue, RangeAndSeries) {
    // The range at the band's tolerance to four figures; the coarsest series holding the value.
    const std::pair<ohm::BandPicks, const char*> rows[] = {
        {{3, 7, 2, -1, 2, -1}, "4.465K to 4.935K|E6 value"},  // 4K7 at 5%
        {{0, 0, 6, -1, 2, -1}, "9.5M to 10.5M|E6 value"},     // 10M at 5%
        {{1, 2, 2, -1, 4, -1}, "1.76K to 2.64K|E6 value"},    // 2K2, [blank] is 20%
        {{0, 2, 2, -1, -1, -1}, "|E12 value"}, {{0, 1, 2, -1, 3, -1}, "990 to 1.21K|E24 value"},  // no tolerance: no range
    };
    for (const auto& [picks, shown] : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(BandFormat::Four, picks);
        EXPECT_EQ(got.rangeText + "|" + got.seriesText, shown);
    }
    const std::pair<ohm::BandPicks, const char*> fine[] = {
        {{0, 0, 0, 2, 0, 2}, "9.9K to 10.1K|E6 value"},        // 10K at 1%
        {{0, 0, 5, 1, 0, 2}, "1.04K to 1.06K|E48 value"},      // 105 x 10
        {{3, 7, 5, 1, -1, 2}, "|E96 value"},                   // 4K75
        {{0, 0, 1, 1, 8, 2}, "1.009K to 1.011K|E192 value"},   // 1K01 at 0.05%
        {{8, 2, 0, 1, 7, 2}, "9.191K to 9.209K|E192 value"},   // 9K20, the one E192 value off the formula
        {{3, 7, 9, 1, 6, 2}, "4.778K to 4.802K|Not in any E series"},  // 4K79 at 0.25%
    };
    for (const auto& [picks, shown] : fine) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(BandFormat::Six, picks);
        EXPECT_EQ(got.rangeText + "|" + got.seriesText, shown);
    }
}

TEST(ValueToColours, SeriesOfThePaintedValue) {
    // 4 bands carry only two figures: a typed 4K75 paints 4K8, which is in no series.
    const std::tuple<const char*, int, const char*> rows[] = {
        {"4K75", 4, "Not in any E series"}, {"4K75", 5, "E96 value"}, {"4K7", 4, "E6 value"},
        {"12K4", 6, "E96 value"},           {"0.47", 5, "E6 value"},  {"11M", 4, ""}};
    for (const auto& [typed, bands, series] : rows)
        EXPECT_EQ(ohm::ValueToColours(typed, Format(bands)).seriesText, series) << typed << " " << bands;
}

TEST(ValueToColours, Bands) {
    struct Row { const char *typed; int bands; const char* cleaned; Fills fills; int coefficient = 1; };
    const Row rows[] = {
        {"4K7", 4, "4K7", {4, 7, 2, B4, B4, B4}}, {"2M2", 4, "2M2", {2, 2, 5, B4, B4, B4}},  // letters as decimal points
        {"4.7k", 4, "4.7", {4, 7, Gold, B4, B4, B4}}, {"4\uFF170 \u03A9", 4, "40", {4, 0, 0, B4, B4, B4}},  // only K, M count
        {"0.47", 5, "0.47", {4, 7, 0, B4, B5, B5}},  // 470 x 10^-3: the tan body's table colour
        {"1", 5, "1", {1, 0, 0, Silver, B5, B5}}, {"12.5", 4, "12.5", {1, 2, 0, B4, B4, B4}},  // halves to even: 12
        // The mended rounding: the whole value is rounded and a carry moves the multiplier.
        {"99.6", 4, "99.6", {1, 0, 1, B4, B4, B4}}, {"999.6", 5, "999.6", {1, 0, 0, 1, B5, B5}},  // 100, not 90 or 990
        {"0.02", 5, "0.02", {2, 0, 0, B5, B5, B5}},   // 199.99998 -> 200 x 10^-4
        {"10M", 4, "10M", {1, 0, 6, B4, B4, B4}},     // the top of the range is still accepted
        {"0.01", 4, "0.01", {1, 0, B4, B4, B4, B4}},  // 99.99999 x 10^-4 -> 10 x 10^-3
        {"0.01", 5, "0.01", {1, 0, 0, B5, B5, B5}},   // 999.9999 x 10^-5 -> 100 x 10^-4
        // Six bands paint the five as 5 bands do, and the sixth from the coefficient picked (Brown by default).
        {"12K4", 6, "12K4", {1, 2, 4, 2, B5, 1}}, {"12K4", 6, "12K4", {1, 2, 4, 2, B5, 8}, 8},
        {"999.6", 6, "999.6", {1, 0, 0, 1, B5, 0}, 0}, {"1", 6, "1", {1, 0, 0, Silver, B5, B5}, -1},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, Format(r.bands), r.coefficient);
        EXPECT_EQ(got.check, ohm::ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.cleaned + testing::PrintToString(got.fills), r.cleaned + testing::PrintToString(r.fills));
    }
}

TEST(ValueToColours, FailedChecksPaintOnlyTheBody) {
    const std::string rows[] = {"", "abc", "11M", "0.0099", "-0", "K", "....", std::string(10000, '9')};
    for (const int bands : {4, 5, 6})
        for (const std::string& typed : rows) {
            const ohm::ValueToColoursResult got = ohm::ValueToColours(typed, Format(bands), 2);
            const int b = bands == 4 ? B4 : B5, sixth = bands == 6 ? 2 : b;  // the picked Red coefficient stays
            EXPECT_EQ(got.check, typed.empty() ? ohm::ValueCheck::Empty : ohm::ValueCheck::OutOfRange) << typed.substr(0, 9);
            EXPECT_EQ(got.fills, (Fills{b, b, b, b, b, sixth})) << typed.substr(0, 9);
        }
}

}  // namespace
