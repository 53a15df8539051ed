#include <gtest/gtest.h>

#include <string>

#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"

namespace {

using ohm::LabelAlign;
constexpr int kNs = 0, kMs = 2, kS = 3, kPF = 0, kUF = 2, kMF = 3, kK = 1, kM = 2;
constexpr LabelAlign L = LabelAlign::Left, R = LabelAlign::Right;

// Hand values: e^-1 = .367879, e^-.5 = .606531, e^-3.3 = .036883, e^-.001 = .9990005.
// Marker: 270 plus 360 twips per time constant; the label 210 left of it.
struct Row {  // the inputs, then what the page shows
    const char *name, *supply, *time; int timeUnit; const char* cap; int capUnit; const char* res; int resUnit;
    const char *vout1, *vout2; int marker; const char* caption; int left; LabelAlign align;
};
const Row kRows[] = {
    {"start", "10", "10", kMs, "10", kUF, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, L},
    {"3.3 T, blanks trimmed", "10", " 33 ", kMs, "10", kUF, "1", kK, " .36v", " 9.63v", 1458, "33ms", 1248, L},
    // 67.5 / (9 x 7.5 / 2700) comes out a hair above 2700 in binary: still the last point.
    {"7.5 T with 9 uF", "10", "67.5", kMs, "9", kUF, "1", kK, " 0v", " 9.99v", 2970, "67.5ms", 2570, L},
    {"ns, pF, M", "10", "1", kNs, "1", kPF, "1", kM, " 9.99v", " 0v", 270, "1ns", 60, L},
    {"s, mF", "10", ".5", kS, "1", kMF, "1", kK, " 6.06v", " 3.93v", 450, ".5s", 240, L},
    // 2.3 V is 229.99999999999997 hundredths in binary: not 2.29.
    {"exactly 2.3", "2.3", "0", kMs, "10", kUF, "1", kK, " 2.3v", " 0v", 270, "0ms", 60, L},
    // No time constant (a finished discharge, also when it is -0), or no finite value.
    {"-10 uF through 0: T is -0", "10", "10", kMs, "-10", kUF, "", kK, " 0v", " 10v", 2970, "10ms>>", 2380, R},
    {"negative supply, finished", "-5", "10", kMs, "10", kUF, "", kK, " 0v", "-5v", 2970, "10ms>>", 2380, R},
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
        EXPECT_EQ(d.vout1 + "|" + d.vout2 + "|" + d.timeCaption, std::string(r.vout1) + "|" + r.vout2 + "|" + r.caption);
        EXPECT_EQ(d.markerX, r.marker);
        EXPECT_EQ(d.timeLeft, r.left);
        EXPECT_EQ(d.timeWidth, r.align == R ? 645 : 465);
        EXPECT_EQ(d.timeAlign, r.align);
    }
}

// The ends the window tests do not walk to: the top units stop, the time unit
// moves only when 1 became 990, and the series rules compare texts ("1.0" is not "1").
TEST(StepRules, UnitsAtTheEndsOfTheRanges) {
    EXPECT_EQ(ohm::TimeStepUnit("1", "990", kS), kS);
    EXPECT_EQ(ohm::TimeStepUnit("990", "2", kMs), kMs);
    const auto& e6 = ohm::kE6ThreeDecades;
    EXPECT_EQ(ohm::StepSeries(e6, 0, "680", kMF, kMF).unit, kMF);
    EXPECT_EQ(ohm::StepSeries(e6, 17, "1.0", kUF, kMF).unit, kUF);
}

}  // namespace
