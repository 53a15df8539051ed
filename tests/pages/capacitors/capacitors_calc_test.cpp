#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"
#include "values/values.h"

namespace {

using ohm::LabelAlign;

constexpr int kNs = 0, kUs = 1, kMs = 2, kS = 3;
constexpr int kPF = 0, kNF = 1, kUF = 2, kMF = 3;
constexpr int kOhm = 0, kK = 1, kM = 2;
constexpr int kNone = -1;

struct Row {
    const char* name;
    const char* supply;
    const char* time;
    int timeUnit;
    const char* cap;
    int capUnit;
    const char* res;
    int resUnit;
    const char* vout1;
    const char* vout2;
    int markerX;
    const char* caption;
    int left;
    int width;
    LabelAlign align;
};

// Hand values: e^-1 = .367879, e^-0.25 = .778801, e^-0.5 = .606531,
// e^-3.3 = .036883, e^-7.5 = .000553, e^-10 = .0000454, e^-0.001 = .9990005.
// Marker: 270 + 360 twips per time constant; label 210 twips left of it.
const Row kRows[] = {
    {"start", "10", "10", kMs, "10", kUF, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, 465, LabelAlign::Left},
    {"time zero", "10", "0", kMs, "10", kUF, "1", kK, " 10v", " 0v", 270, "0ms", 60, 465, LabelAlign::Left},
    {"supply 5 at T", "5", "10", kMs, "10", kUF, "1", kK, " 1.83v", " 3.16v", 630, "10ms", 420, 465, LabelAlign::Left},
    {"below a volt", "1", "10", kMs, "10", kUF, "1", kK, " .36v", " .63v", 630, "10ms", 420, 465, LabelAlign::Left},
    {"3.3 T mid-graph", "10", "33", kMs, "10", kUF, "1", kK, " .36v", " 9.63v", 1458, "33ms", 1248, 465, LabelAlign::Left},
    {"7.5 T is the last point", "10", "7.5", kMs, "1", kUF, "1", kK, " 0v", " 9.99v", 2970, "7.5ms", 2570, 465, LabelAlign::Left},
    // 67.5 / (9 x 7.5 / 2700) comes out a hair above 2700 in binary.
    {"7.5 T with 9 uF", "10", "67.5", kMs, "9", kUF, "1", kK, " 0v", " 9.99v", 2970, "67.5ms", 2570, 465, LabelAlign::Left},
    {"10 T is beyond", "10", "10", kMs, "1", kUF, "1", kK, " 0v", " 9.99v", 2970, "10ms>>", 2380, 645, LabelAlign::Right},
    {"seconds", "10", "10", kS, "10", kUF, "1", kK, " 0v", " 10v", 2970, "10s>>", 2380, 645, LabelAlign::Right},
    {"4k7 reads as 4", "10", "10", kMs, "10", kUF, "4k7", kK, " 7.78v", " 2.21v", 360, "10ms", 150, 465, LabelAlign::Left},
    {"1E3 plain ohms is 1 K", "10", "10", kMs, "10", kUF, "1E3", kOhm, " 3.67v", " 6.32v", 630, "10ms", 420, 465, LabelAlign::Left},
    {"ns, pF and M", "10", "1", kNs, "1", kPF, "1", kM, " 9.99v", " 0v", 270, "1ns", 60, 465, LabelAlign::Left},
    {"us, nF and ohms", "10", "100", kUs, "1", kNF, "100", kOhm, " 0v", " 10v", 2970, "100us>>", 2380, 645, LabelAlign::Right},
    {"mF", "10", "500", kMs, "1", kMF, "1", kK, " 6.06v", " 3.93v", 450, "500ms", 240, 465, LabelAlign::Left},
    {"blanks trimmed", "10", "  10  ", kMs, "10", kUF, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, 465, LabelAlign::Left},
    {"no capacitance unit is uF", "10", "10", kMs, "10", kNone, "1", kK, " 3.67v", " 6.32v", 630, "10ms", 420, 465, LabelAlign::Left},
    // A voltage of exactly 2.9 is 289.99999999999997 hundredths in binary:
    // it must not show as 2.89.
    {"supply 2.9 at time zero", "2.9", "0", kMs, "10", kUF, "1", kK, " 2.9v", " 0v", 270, "0ms", 60, 465, LabelAlign::Left},
    // No finite value, or no time constant.
    {"resistance emptied", "10", "10", kMs, "10", kUF, "", kK, " 0v", " 10v", 2970, "10ms>>", 2380, 645, LabelAlign::Right},
    {"no resistance unit", "10", "10", kMs, "10", kUF, "1", kNone, " 0v", " 10v", 2970, "10ms>>", 2380, 645, LabelAlign::Right},
    {"capacitance -0", "10", "10", kMs, "-0", kUF, "1", kK, " 0v", " 10v", 2970, "10ms>>", 2380, 645, LabelAlign::Right},
    {"zero time over zero", "10", "0", kMs, "10", kUF, "", kK, "", "", 2970, "0ms>>", 2380, 645, LabelAlign::Right},
    {"exponent overflows", "10", "-1E300", kS, "10", kUF, "1", kK, "", "", ohm::kMarkerFloorX, "-1E300s", ohm::kMarkerFloorX, 465, LabelAlign::Left},
    {"zero supply, exponent overflows", "0", "-1E300", kS, "10", kUF, "1", kK, "", "", ohm::kMarkerFloorX, "-1E300s", ohm::kMarkerFloorX, 465, LabelAlign::Left},
    {"time constant overflows", "10", "10", kMs, "1E308", kMF, "1E308", kM, " 10v", " 0v", 270, "10ms", 60, 465, LabelAlign::Left},
    {"huge supply", "1E308", "0", kMs, "10", kUF, "1", kK, " 1E+308v", " 0v", 270, "0ms", 60, 465, LabelAlign::Left},
    // Before a negative time the capacitor is above the supply: 10 e^1 = 27.18.
    {"negative time", "10", "-10", kMs, "10", kUF, "1", kK, " 27.18v", "-17.19v", -90, "-10ms", -300, 465, LabelAlign::Left},
};

TEST(CapVoltage, Rows) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const ohm::CapDisplay d = ohm::CapVoltage(
            {r.supply, r.time, r.timeUnit, r.cap, r.capUnit, r.res, r.resUnit, "Time"});
        EXPECT_EQ(d.vout1, r.vout1);
        EXPECT_EQ(d.vout2, r.vout2);
        EXPECT_EQ(d.markerX, r.markerX);
        EXPECT_EQ(d.timeCaption, r.caption);
        EXPECT_EQ(d.timeLeft, r.left);
        EXPECT_EQ(d.timeWidth, r.width);
        EXPECT_EQ(d.timeAlign, r.align);
        EXPECT_EQ(d.beyond, r.align == LabelAlign::Right);
    }
}

TEST(CapVoltage, StartValueToFourFigures) {
    const ohm::CapDisplay d = ohm::CapVoltage({"10", "10", kMs, "10", kUF, "1", kK, ""});
    EXPECT_NEAR(d.v, 3.679, 0.0005);
}

TEST(CapVoltage, WithoutTimeUnitTheCaptionIsKeptAndMarkedOnce) {
    // Seconds are assumed; 10 s is far beyond T = 10 ms.
    const ohm::CapDisplay first = ohm::CapVoltage({"10", "10", kNone, "10", kUF, "1", kK, "Time"});
    EXPECT_EQ(first.timeCaption, "Time>>");
    const ohm::CapDisplay again =
        ohm::CapVoltage({"10", "10", kNone, "10", kUF, "1", kK, first.timeCaption});
    EXPECT_EQ(again.timeCaption, "Time>>");
    const ohm::CapDisplay onGraph = ohm::CapVoltage({"10", ".01", kNone, "10", kUF, "1", kK, "Time"});
    EXPECT_EQ(onGraph.timeCaption, "Time");
    EXPECT_EQ(onGraph.markerX, 630);
}

TEST(TruncatedVolts, CutsNotRounds) {
    const struct {
        double volts;
        const char* shown;
    } rows[] = {
        {3.679, " 3.67v"}, {6.321, " 6.32v"}, {0.369, " .36v"}, {10, " 10v"},
        {0.004, " 0v"},    {-0.001, "-.01v"}, {-0.0, " 0v"},    {12.345, " 12.34v"},
    };
    for (const auto& r : rows) EXPECT_EQ(ohm::TruncatedVolts(r.volts), r.shown) << r.volts;
    EXPECT_EQ(ohm::TruncatedVolts(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(ohm::TruncatedVolts(-std::numeric_limits<double>::infinity()), "");
}

TEST(SpinTexts, SupplyInTenths) {
    const struct {
        int p;
        const char* text;
    } rows[] = {{1, ".1"}, {5, ".5"}, {11, "1.1"}, {95, "9.5"}, {99, "9.9"}, {100, "10"}, {150, "15"}};
    for (const auto& r : rows) EXPECT_EQ(ohm::SupplyStepText(r.p), r.text) << r.p;
}

TEST(SpinTexts, TimeSequence) {
    const struct {
        int p;
        const char* text;
    } rows[] = {{10, "1"},    {11, "1.1"},  {37, "3.7"},  {99, "9.9"},  {100, "10"},
                {101, "11"},  {189, "99"},  {190, "100"}, {191, "110"}, {279, "990"}};
    for (const auto& r : rows) EXPECT_EQ(ohm::TimeStepText(r.p), r.text) << r.p;
}

TEST(SpinTexts, TimeSequenceRisesThroughTwoFigureValues) {
    // 270 positions, each value above the last, none longer than three
    // characters plus a point, none with a blank.
    double last = 0;
    for (int p = 10; p <= 279; ++p) {
        const std::string text = ohm::TimeStepText(p);
        const double v = ohm::LeadingNumber(text);
        EXPECT_GT(v, last) << p;
        EXPECT_LE(text.size(), 3u) << text;
        EXPECT_EQ(text.find(' '), std::string::npos) << text;
        last = v;
    }
}

TEST(TimeStepUnit, ChangesOnlyAtTheDecadeEnds) {
    const struct {
        const char* next;
        const char* now;
        int unit;
        int expected;
    } rows[] = {
        {"990", "1", kMs, kUs},   // 1 ms down to 990 us
        {"1", "990", kUs, kMs},   // and back
        {"990", "1", kNs, kNs},   // nothing below ns: wraps in the same unit
        {"1", "990", kS, kS},     // nothing above s
        {"990", "1.0", kMs, kUs}, // numbers, not texts, are compared
        {"990", " 1", kMs, kUs},
        {"9.9", "10", kMs, kMs},
        {"100", "99", kMs, kMs},
        {"1.1", "1", kMs, kMs},
        {"990", "2", kMs, kMs},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ohm::TimeStepUnit(r.next, r.now, r.unit), r.expected) << r.next << " over " << r.now;
}

TEST(StepSeries, CapacitanceAndResistance) {
    const std::vector<std::string> e6 = ohm::SplitSeries(ohm::kE6ThreeDecades);
    const std::vector<std::string> e24 = ohm::SplitSeries(ohm::kE24ThreeDecades);
    const struct {
        const char* name;
        const std::vector<std::string>* series;
        int lastUnit;
        int p;
        const char* now;
        int unit;
        int expectedUnit;
        const char* expectedText;
    } rows[] = {
        {"1 nF down is 680 pF", &e6, 3, 17, "1", kNF, kPF, "680"},
        {"1 pF down stays pF", &e6, 3, 17, "1", kPF, kPF, "680"},
        {"680 uF up is 1 mF", &e6, 3, 0, "680", kUF, kMF, "1"},
        {"680 mF up stays mF", &e6, 3, 0, "680", kMF, kMF, "1"},
        {"plain step", &e6, 3, 7, "10", kUF, kUF, "15"},
        {"typed 47 does not count", &e6, 3, 7, "47", kUF, kUF, "15"},
        {"typed 1 at position 17", &e6, 3, 17, "1", kUF, kNF, "680"},
        {"texts compared: 1.0 is not 1", &e6, 3, 17, "1.0", kUF, kUF, "680"},
        {"1 K down is 910 ohms", &e24, 2, 71, "1", kK, kOhm, "910"},
        {"910 K up is 1 M", &e24, 2, 0, "910", kK, kM, "1"},
        {"910 M up stays M", &e24, 2, 0, "910", kM, kM, "1"},
        {"1 ohm down stays ohms", &e24, 2, 71, "1", kOhm, kOhm, "910"},
        {"entry 24 is 10", &e24, 2, 24, "9.1", kK, kK, "10"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const ohm::SeriesStep s = ohm::StepSeries(*r.series, r.p, r.now, r.unit, r.lastUnit);
        EXPECT_EQ(s.unit, r.expectedUnit);
        EXPECT_EQ(s.text, r.expectedText);
    }
}

TEST(StepSeries, PositionOutsideTheSeriesIsPinned) {
    const std::vector<std::string> e6 = ohm::SplitSeries(ohm::kE6ThreeDecades);
    EXPECT_EQ(ohm::StepSeries(e6, 99, "10", kUF, 3).text, "680");
    EXPECT_EQ(ohm::StepSeries(e6, -5, "10", kUF, 3).text, "1");
    EXPECT_EQ(ohm::StepSeries({}, 3, "10", kUF, 3).text, "");
}

}  // namespace
