#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"

namespace {

using ohm::LabelAlign;
constexpr int kNs = 0, kUs = 1, kMs = 2, kS = 3, kPF = 0, kNF = 1, kUF = 2, kMF = 3;
constexpr int kOhm = 0, kK = 1, kM = 2, kNone = -1;
constexpr LabelAlign L = LabelAlign::Left, R = LabelAlign::Right;

// Hand values: e^-1 = .367879, e^-.25 = .778801, e^-.5 = .606531, e^-3.3 = .036883,
// e^-7.5 = .000553, e^-10 = .0000454, e^-.001 = .9990005. Marker: 270 plus 360
// twips per time constant; the label 210 twips left of it.
struct Row {
    const char *name, *supply, *time;
    int timeUnit;
    const char* cap;
    int capUnit;
    const char* res;
    int resUnit;
    const char *vout1, *vout2;
    int marker;
    const char* caption;
    int left;
    LabelAlign align;
};
const Row kRows[] = {
    {"start", "10", "10", kMs, "10", kUF, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, L},
    {"time zero", "10", "0", kMs, "10", kUF, "1", kK, " 10v", " 0v", 270, "0ms", 60, L},
    {"supply 5 at T", "5", "10", kMs, "10", kUF, "1", kK, " 1.83v", " 3.16v", 630, "10ms", 420, L},
    {"below a volt", "1", "10", kMs, "10", kUF, "1", kK, " .36v", " .63v", 630, "10ms", 420, L},
    {"3.3 T", "10", "33", kMs, "10", kUF, "1", kK, " .36v", " 9.63v", 1458, "33ms", 1248, L},
    {"7.5 T: last point", "10", "7.5", kMs, "1", kUF, "1", kK, " 0v", " 9.99v", 2970, "7.5ms", 2570, L},
    // 67.5 / (9 x 7.5 / 2700) comes out a hair above 2700 in binary.
    {"7.5 T with 9 uF", "10", "67.5", kMs, "9", kUF, "1", kK, " 0v", " 9.99v", 2970, "67.5ms", 2570, L},
    {"10 T: beyond", "10", "10", kMs, "1", kUF, "1", kK, " 0v", " 9.99v", 2970, "10ms>>", 2380, R},
    {"seconds", "10", "10", kS, "10", kUF, "1", kK, " 0v", " 10v", 2970, "10s>>", 2380, R},
    {"4k7 reads as 4", "10", "10", kMs, "10", kUF, "4k7", kK, " 7.78v", " 2.21v", 360, "10ms", 150, L},
    {"1E3 ohms is 1 K", "10", "10", kMs, "10", kUF, "1E3", kOhm, " 3.67v", " 6.32v", 630, "10ms", 420, L},
    {"ns, pF, M", "10", "1", kNs, "1", kPF, "1", kM, " 9.99v", " 0v", 270, "1ns", 60, L},
    {"us, nF, ohms", "10", "100", kUs, "1", kNF, "100", kOhm, " 0v", " 10v", 2970, "100us>>", 2380, R},
    {"mF", "10", "500", kMs, "1", kMF, "1", kK, " 6.06v", " 3.93v", 450, "500ms", 240, L},
    {"blanks trimmed", "10", "  10  ", kMs, "10", kUF, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, L},
    {"no cap unit is uF", "10", "10", kMs, "10", kNone, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, L},
    // 2.9 V is 289.99999999999997 hundredths in binary: not 2.89.
    {"exactly 2.9", "2.9", "0", kMs, "10", kUF, "1", kK, " 2.9v", " 0v", 270, "0ms", 60, L},
    // No time constant, or no finite value.
    {"resistance emptied", "10", "10", kMs, "10", kUF, "", kK, " 0v", " 10v", 2970, "10ms>>", 2380, R},
    {"no resistance unit", "10", "10", kMs, "10", kUF, "1", kNone, " 0v", " 10v", 2970, "10ms>>", 2380, R},
    {"capacitance -0", "10", "10", kMs, "-0", kUF, "1", kK, " 0v", " 10v", 2970, "10ms>>", 2380, R},
    {"negative supply, finished", "-5", "10", kMs, "10", kUF, "", kK, " 0v", "-5v", 2970, "10ms>>", 2380, R},
    {"zero over zero", "10", "0", kMs, "10", kUF, "", kK, "", "", 2970, "0ms>>", 2380, R},
    {"exponent overflows", "10", "-1E300", kS, "10", kUF, "1", kK, "", "", ohm::kMarkerFloorX, "-1E300s",
     ohm::kMarkerFloorX, L},
    {"T overflows", "10", "10", kMs, "1E308", kMF, "1E308", kM, " 10v", " 0v", 270, "10ms", 60, L},
    {"huge supply", "1E308", "0", kMs, "10", kUF, "1", kK, " 1E+308v", " 0v", 270, "0ms", 60, L},
    // Before the switching the capacitor would be above the supply: 10 e^1 = 27.18.
    {"negative time", "10", "-10", kMs, "10", kUF, "1", kK, " 27.18v", "-17.19v", -90, "-10ms", -300, L},
};

TEST(CapVoltage, Rows) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const ohm::CapDisplay d =
            ohm::CapVoltage({r.supply, r.time, r.timeUnit, r.cap, r.capUnit, r.res, r.resUnit, "Time"});
        EXPECT_EQ(d.vout1, r.vout1);
        EXPECT_EQ(d.vout2, r.vout2);
        EXPECT_EQ(d.markerX, r.marker);
        EXPECT_EQ(d.timeCaption, r.caption);
        EXPECT_EQ(d.timeLeft, r.left);
        EXPECT_EQ(d.timeWidth, r.align == R ? 645 : 465);
        EXPECT_EQ(d.timeAlign, r.align);
    }
}

TEST(SpinTexts, SupplyTenthsAndTimeSequence) {
    const std::pair<int, const char*> supply[] = {{1, ".1"}, {11, "1.1"}, {99, "9.9"}, {100, "10"}, {150, "15"}};
    for (const auto& [p, text] : supply) EXPECT_EQ(ohm::SupplyStepText(p), text) << p;
    const std::pair<int, const char*> time[] = {{10, "1"},  {11, "1.1"},  {99, "9.9"},  {100, "10"},
                                                {189, "99"}, {190, "100"}, {191, "110"}, {279, "990"}};
    for (const auto& [p, text] : time) EXPECT_EQ(ohm::TimeStepText(p), text) << p;
}

TEST(TimeStepUnit, ChangesOnlyAtTheDecadeEnds) {
    const struct {
        const char *next, *now;
        int unit, expected;
    } rows[] = {{"990", "1", kMs, kUs}, {"1", "990", kUs, kMs}, {"990", "1", kNs, kNs},
                {"1", "990", kS, kS},   {"100", "99", kMs, kMs}, {"990", "2", kMs, kMs}};
    for (const auto& r : rows) EXPECT_EQ(ohm::TimeStepUnit(r.next, r.now, r.unit), r.expected) << r.next << "/" << r.now;
}

TEST(StepSeries, CapacitanceAndResistance) {
    const std::vector<std::string> e6 = ohm::SplitSeries(ohm::kE6ThreeDecades);
    const std::vector<std::string> e24 = ohm::SplitSeries(ohm::kE24ThreeDecades);
    const struct {
        const char* name;
        const std::vector<std::string>* series;
        int last, p;
        const char* now;
        int unit, expectedUnit;
        const char* expectedText;
    } rows[] = {
        {"1 nF down: 680 pF", &e6, 3, 17, "1", kNF, kPF, "680"},
        {"680 uF up: 1 mF", &e6, 3, 0, "680", kUF, kMF, "1"},
        {"680 mF up: stays mF", &e6, 3, 0, "680", kMF, kMF, "1"},
        {"texts compared: 1.0", &e6, 3, 17, "1.0", kUF, kUF, "680"},
        {"910 K up: 1 M", &e24, 2, 0, "910", kK, kM, "1"},
        {"910 M up: stays M", &e24, 2, 0, "910", kM, kM, "1"},
        {"position pinned", &e6, 3, 99, "10", kUF, kUF, "680"},
    };
    for (const auto& r : rows) {
        const ohm::SeriesStep s = ohm::StepSeries(*r.series, r.p, r.now, r.unit, r.last);
        EXPECT_EQ(s.unit, r.expectedUnit) << r.name;
        EXPECT_EQ(s.text, r.expectedText) << r.name;
    }
}

}  // namespace
