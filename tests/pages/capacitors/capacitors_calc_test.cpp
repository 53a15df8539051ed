#include <gtest/gtest.h>

#include <string>

#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"

namespace {

constexpr int kNs = 0, kUs = 1, kMs = 2, kS = 3, kPF = 0, kNF = 1, kUF = 2, kMF = 3, kOhm = 0, kK = 1, kM = 2;
constexpr ohm::LabelAlign R = ohm::LabelAlign::Right;

// Hand values: e^-1 = .367879, e^-.5 = .606531, e^-3.3 = .036883. Marker: 270 plus 360 twips
// per time constant; the time label 210 left of it (465 wide), or at 2380 (645 wide, right-justified).
struct Row {  // the inputs, then what the page shows: outputs, time label, marker, label left+width
    const char *name, *supply, *time; int timeUnit; const char* cap; int capUnit; const char* res; int resUnit;
    const char* shown;
};
const Row kRows[] = {
    {"start", "10", "10", kMs, "10", kUF, "1", kK, " 3.67v| 6.32v 10ms 630 420+465L"},
    {"3.3 T, blanks trimmed", "10", " 33 ", kMs, "10", kUF, "1", kK, " .36v| 9.63v 33ms 1458 1248+465L"},
    // 67.5 / (9 x 7.5 / 2700) comes out a hair above 2700 in binary: still the last point.
    {"7.5 T with 9 uF", "10", "67.5", kMs, "9", kUF, "1", kK, " 0v| 9.99v 67.5ms 2970 2570+465L"},
    {"ns, pF: T = 1 ns", "10", "1", kNs, "1", kPF, "1", kK, " 3.67v| 6.32v 1ns 630 420+465L"},
    {"s, mF: T = 1 s", "10", ".5", kS, "1", kMF, "1", kK, " 6.06v| 3.93v .5s 450 240+465L"},
    // At exactly 7.5 T a unit off by a hair moves the marker off the end or back from it.
    {"us, nF, ohms: T = 1 us", "10", "7.5", kUs, "1", kNF, "1000", kOhm, " 0v| 9.99v 7.5us 2970 2570+465L"},
    {"s, uF, M: T = 1 s", "10", "7.5", kS, "1", kUF, "1", kM, " 0v| 9.99v 7.5s 2970 2570+465L"},
    // 2.3 V is 229.99999999999997 hundredths in binary: not 2.29.
    {"exactly 2.3", "2.3", "0", kMs, "10", kUF, "1", kK, " 2.3v| 0v 0ms 270 60+465L"},
    // No time constant (no resistance unit, -0, nothing typed), or no finite value.
    {"no resistance unit", "10", "10", kMs, "10", kUF, "1", -1, " 0v| 10v 10ms>> 2970 2380+645R"},
    {"-10 uF through 0: T is -0", "10", "10", kMs, "-10", kUF, "", kK, " 0v| 10v 10ms>> 2970 2380+645R"},
    {"negative supply, finished", "-5", "10", kMs, "10", kUF, "", kK, " 0v|-5v 10ms>> 2970 2380+645R"},
    {"no time unit: seconds, caption kept", "10", "10", -1, "10", kUF, "1", kK, " 0v| 10v Time>> 2970 2380+645R"},
    {"exponent overflows", "10", "-1E300", kS, "10", kUF, "1", kK, "| -1E300s -100000 -100000+465L"},
    {"T overflows", "10", "10", kMs, "1E308", kMF, "1E308", kM, " 10v| 0v 10ms 270 60+465L"},
    // Before the switching the capacitor would be above the supply: 10 e^1 = 27.18.
    {"negative time", "10", "-10", kMs, "10", kUF, "1", kK, " 27.18v|-17.19v -10ms -90 -300+465L"},
};

TEST(CapVoltage, Rows) {
    for (const Row& r : kRows) {
        const ohm::CapDisplay d =
            ohm::CapVoltage({r.supply, r.time, r.timeUnit, r.cap, r.capUnit, r.res, r.resUnit, "Time"});
        EXPECT_EQ(d.vout1 + "|" + d.vout2 + " " + d.timeCaption + " " + std::to_string(d.markerX) + " " +
                      std::to_string(d.timeLeft) + "+" + std::to_string(d.timeWidth) + (d.timeAlign == R ? "R" : "L"),
                  r.shown) << r.name;
    }
}

TEST(StepRules, TextsOfThePositions) {
    const std::pair<int, const char*> supply[] = {{1, ".1"}, {95, "9.5"}, {150, "15"}};
    for (const auto& [p, text] : supply) EXPECT_EQ(ohm::SupplyStepText(p), text);
    const std::pair<int, const char*> time[] = {{10, "1"}, {99, "9.9"}, {100, "10"}, {189, "99"}, {190, "100"}, {279, "990"}};
    for (const auto& [p, text] : time) EXPECT_EQ(ohm::TimeStepText(p), text);
}

// A unit moves when 1 steps down to 990 or 990 up to 1 (the time rule compares
// numbers, the series rules texts), and stops at the first and last units.
TEST(StepRules, UnitsCarryAtTheEndsOfTheRanges) {
    const std::tuple<const char*, const char*, int, int> time[] = {  // new text, old text, unit, unit to select
        {"990", "1", kMs, kUs}, {"1", "990", kUs, kMs}, {"990", "1.0", kS, kMs}, {"1", "990", kS, kS},
        {"990", "1", kNs, kNs}, {"990", "2", kMs, kMs}, {"1", "99", kUs, kUs}};
    for (const auto& [next, now, unit, want] : time) EXPECT_EQ(ohm::TimeStepUnit(next, now, unit), want) << now << ">" << next;
    const auto& e6 = ohm::kE6ThreeDecades;  // 1 ... 680, 18 entries
    const std::tuple<int, const char*, int, int, const char*> series[] = {  // position, old text, unit, then unit, text
        {17, "1", kUF, kNF, "680"}, {0, "680", kUF, kMF, "1"}, {17, "1", kPF, kPF, "680"}, {0, "680", kMF, kMF, "1"},
        {17, "1.0", kUF, kUF, "680"}, {1, "47", kUF, kUF, "1.5"}};
    for (const auto& [p, now, unit, want, text] : series) {
        const ohm::SeriesStep step = ohm::StepSeries(e6, p, now, unit, kMF);
        EXPECT_EQ(std::to_string(step.unit) + " " + step.text, std::to_string(want) + " " + text) << now << " at " << p;
    }
}

}  // namespace
