#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pages/resistors/marking_calc.h"
#include "values/series.h"
#include "values/values.h"

namespace {

TEST(ReadMarking, ValuesAndTexts) {
    // EIA-96 codes name E96 values (24 = 174, 48 = 309, 68 = 499, 96 = 976); one row per multiplier letter.
    // An R code of three characters also reads as EIA-96 with R for x0.01: the second reading. -1: no marking.
    // Shown: marking | value | tolerance | range | series | second reading.
    struct Row { const char* marking; double ohms, percent, other; const char* shown = nullptr; };
    const Row rows[] = {
        {"01Z", 0.1, 1, 0},   {"24Y", 1.74, 1, 0},  {"48R", 48, 5, 3.09},  {"68X", 49.9, 1, 0},  {"96S", 97.6, 1, 0},
        {"48a", 309, 1, 0},   {"01B", 1000, 1, 0},  {"24H", 1740, 1, 0},   {"01C", 1e4, 1, 0},   {"68D", 499e3, 1, 0},
        {"96E", 9.76e6, 1, 0}, {"472", 4700, 5, 0}, {"999", 99e9, 5, 0},   {"9999", 999e9, 1, 0}, {"R47", 0.47, 5, 0},
        {"12R0", 12, 1, 0},   {"R047", 0.047, 1, 0}, {"100R", 100, 1, 0},  {"0", 0, 0, 0},       {"0R0", 0, 0, 0},
        {"", -1, 0, 0},       {"97A", -1, 0, 0},    {"00A", -1, 0, 0},     {"01G", -1, 0, 0},    {"1R2R", -1, 0, 0},
        {"R", -1, 0, 0},      {"4.7", -1, 0, 0},    {"12345", -1, 0, 0},   {"001", -1, 0, 0},    {"01C0", -1, 0, 0},
        {"47R00", -1, 0, 0},
        {" 4r7 ", 4.7, 5, 0, "4R7|4.7|@ 5%|4.465 to 4.935|E6 value|"},
        {"4701", 4700, 1, 0, "4701|4.7K|@ 1%|4.653K to 4.747K|E6 value|"},
        {"96F", 97.6e6, 1, 0, "96F|97.6M|@ 1%|96.62M to 98.58M|E96 value|"},
        {"01r", 1, 5, 0, "01R|1|@ 5%|0.95 to 1.05|E6 value|"},  // the same either way: no second reading
        {"10R", 10, 5, 1.24, "10R|10|@ 5%|9.5 to 10.5|E6 value|or 1.24 @ 1% as EIA-96"},
        {"  0000", 0, 0, 0, "0000|0|||Zero-ohm link|"},        {"4K7", -1, 0, 0, "|||||"},
    };
    for (const Row& r : rows) {
        const ohm::MarkingReadResult g = ohm::ReadMarking(r.marking);
        EXPECT_EQ(g.check, r.ohms < 0 ? ohm::MarkingCheck::NotAMarking : ohm::MarkingCheck::Ok) << r.marking;
        EXPECT_DOUBLE_EQ(g.ohms, std::max(r.ohms, 0.0)) << r.marking;
        EXPECT_EQ(g.tolerancePercent, r.percent) << r.marking;
        EXPECT_DOUBLE_EQ(g.otherOhms, r.other) << r.marking;
        if (r.shown != nullptr) {
            EXPECT_EQ(g.marking + "|" + g.valueText + "|" + g.toleranceText + "|" + g.rangeText + "|" + g.seriesText +
                          "|" + g.otherReadingText,
                      r.shown);
        }
    }
}

TEST(MarkingsFor, Rows) {
    // typed | markings, or the failed check | series
    const char* const kChecks[] = {"", "empty", "not a value", "no marking"};  // in the order of MarkingWriteCheck
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"10K", "103, 1002, 01C", "E6 value"},  {"4K7", "472, 4701", "E6 value"},
        {"4.7", "4R7, 4R70", "E6 value"},       {"47.5", "47R5, 66X", "E96 value"},  {"10", "100, 10R0, 01X", "E6 value"},
        {"0.1", "R10, R100, 01Z", "E6 value"},  {"0.047", "R047", "E6 value"},       {"97.6M", "9765, 96F", "E96 value"},
        {"99000M", "999, 9908", "Not in any E series"}, {"0K", "000, 0000", "Zero-ohm link"},
        {"4K751", "no marking", "Not in any E series"}, {"0.0001", "no marking", "E6 value"},
        {"1000000M", "no marking", "E6 value"}, {"", "empty", ""},                   {"abc", "not a value", ""},
    };
    for (const auto& [typed, markings, series] : rows) {
        const ohm::MarkingWriteResult got = ohm::MarkingsFor(typed);
        const int check = static_cast<int>(got.check);
        EXPECT_EQ(check ? kChecks[check] : got.markingsText, markings) << typed;
        EXPECT_EQ(got.seriesText, series) << typed;
    }
}

// Every E96 value from 1 ohm to 976K has an EIA-96 marking, written last, and every E24 value from 10 ohms to 9.1M
// a 3-digit one, written first; each reads back to the value at its tolerance.
TEST(MarkingRoundTrip, SeriesValuesReadBack) {
    struct Row { ohm::Series series; int firstDecade, lastDecade; bool eia; double percent; };
    const Row rows[] = {{ohm::Series::E96, 0, 5, true, 1}, {ohm::Series::E24, 1, 6, false, 5}};
    for (const Row& r : rows)
        for (int decade = r.firstDecade; decade <= r.lastDecade; ++decade)
            for (const double v : ohm::DecadeOf(r.series)) {
                const double ohms = v * std::pow(10.0, decade);
                const ohm::MarkingWriteResult written = ohm::MarkingsFor(ohm::PlainText(ohms));
                ASSERT_FALSE(written.markings.empty()) << ohms;
                const std::string m = r.eia ? written.markings.back() : written.markings.front();
                const size_t digits = m.find_first_not_of("0123456789");
                ASSERT_EQ(m.size(), 3U) << ohms << " " << written.markingsText;
                ASSERT_EQ(digits, r.eia ? 2 : std::string::npos) << m;
                const ohm::MarkingReadResult read = ohm::ReadMarking(m);
                EXPECT_DOUBLE_EQ(read.ohms, ohms) << m;
                EXPECT_EQ(read.tolerancePercent, r.percent) << m;
            }
}

}  // namespace
