#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pages/divider/divider_calc.h"

namespace ohm {
namespace {

constexpr int k1uA = 0, k100uA = 2, k1mA = 3, k100mA = 5;
using Fit = std::optional<Series>;
const Fit kIdeal, kE12 = Series::E12, kE24 = Series::E24;

// One line for what the page would show: "Vs1 Vs2 | taps | values | fitted taps | messages", or, on a failed
// check, "Vs1 Vs2 | taps rewritten so far | box, selected or focused: message". A fit leaves out the first two and
// adds what the chain costs after the fitted taps: "largest tap error, chain current".
std::string Shown(const DividerResult& r, bool fit = false) {
    auto join = [](const std::vector<std::string>& texts, std::string s = {}) {
        for (const std::string& t : texts) s += (s.empty() ? "" : " ") + t;
        return s;
    };
    std::string s = r.vs1Text.value_or("-") + " " + r.vs2Text.value_or("-") + " | " + join(r.tapText) + " | ";
    if (fit) s.clear();
    if (r.failure) {
        const std::string box[] = {"Vs1", "Vs2", "Tap1", "Tap2", "Tap3", "Tap4"};
        return s + box[static_cast<int>(r.failure->box)] + (r.failure->select ? " selected: " : " focused: ") +
               r.failure->prompt;
    }
    s += join(r.captions) + " | " + join(r.fittedTapText);
    if (fit) s += " | " + r.cost->largestTapErrorText + ", " + r.cost->currentText;
    for (const DividerRangeMessage& m : r.rangeMessages) s += " | " + m.message;
    if (r.noChainMessage) s += " | " + *r.noChainMessage;
    return s;
}

// fit: shown with what the chain costs, from the values on; best: the best fit of the whole chain.
struct Row { const char *vs1, *vs2; std::vector<std::string> taps; std::string shown; int current = k100uA;
             Fit series = kE12; bool fit = false, best = false; };

const std::string kAdvice = "\r\rYou must enter a voltage between -999v and +999v!";
const std::string kOutside = " is not within the supply voltage specified!";

const Row kRows[] = {
    // Mended: an ideal 92K is 9.2 in its decade, below 9.55, so E24 keeps 91K, not 100K.
    {"10v", "0v", {"0.8v"}, "10v 0v | 0.8v | 91K 8.2K | 0.83v", k100uA, kE24},
    // Mended: exact decimal midpoints in single precision (x = 1.1, 2.45) are ties: the smaller value wins.
    {"0.2v", "0v", {"0.09v"}, "0.2v 0v | 0.09v | 100K 82K | 0.09v", k1uA},
    {"5", "-137.5", {"4.86", "2.41", "-93", "-134"},
     "5v -138v | 4.86v 2.41v -93v -134v | 1.5K 22K 1M 390K 33K | 4.85v 2.68v -95.8v -135v"},
    // Rising rails: four 3K steps fit to 2.7K each, and equal steps keep the taps exact.
    {"0v", "12v", {"3v", "6v", "9v"}, "0v 12v | 3v 6v 9v | 2.7K 2.7K 2.7K 2.7K | 3v 6v 9v", k1mA},
    // 10 V over 1 uA is exactly 10M, the largest value shown; 15M is reported and keeps its name.
    {"20v", "0v", {"10v"}, "20v 0v | 10v | 10M 10M | ", k1uA, kIdeal},
    {"30v", "0v", {"15v"}, "30v 0v | 15v | R1 R2 |  | Resistor R1 greater than 10M | Resistor R2 greater than 10M",
     k1uA, kIdeal},
    // 999 V is the highest rail; Vs1 keeps only its number characters ("15"), Vs2 is read as it stands ("1").
    {"999", "0", {"500"}, "999v 0v | 500v | 4.99K 5K | ", k100mA, kIdeal},
    {"1,5", "1,5", {"8"}, "15v 1v | 8v | 7K 7K | ", k1mA, kIdeal},
    // Readings add 0.55 before truncating to hundredths: 4.996 reads 5, 4.994 4.99, 1.2346 1.24, -1.2346 -1.23.
    {"10v", "0v", {"4.996", "4.994", "1.2346"}, "10v 0v | 5v 4.99v 1.24v | 5K 10 3.75K 1.24K | ", k1mA, kIdeal},
    {"-5v", "5v", {"-1.2346v"}, "-5v 5v | -1.23v | 3.77K 6.23K | ", k1mA, kIdeal},

    // -999 V is the lowest rail, 999.5 V too high; equal rails after rounding to hundredths.
    {"-999", "-1000", {"5v"}, "-999v - |  | Vs2 selected: Range Error:  Vs2" + kAdvice},
    {"999.5", "0v", {"5v"}, "- - |  | Vs1 selected: Range Error:  Vs1" + kAdvice},
    {"5", "5.001", {"3"}, "5v 5v |  | Vs2 selected: Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!"},
    {"10v", "0v", {"5", ""}, "10v 0v | 5v | Tap2 focused: Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!"},
    {"10v", "0v", {"7", "1000"}, "10v 0v | 7v | Tap2 selected: Range Error: Tap#2," + kAdvice},
    // Blanks are not empty: they read 0 V, equal to Vs2. Taps must lie strictly between the rails, in order.
    {"10v", "0v", {"   "}, "10v 0v | 0v | Tap1 selected: Voltage tap 1" + kOutside},
    {"10v", "0v", {"10v"}, "10v 0v | 10v | Tap1 selected: Voltage tap 1" + kOutside},
    {"10v", "0v", {"7v", "7v", "2v"}, "10v 0v | 7v 7v 2v | Tap1 selected: Voltage tap 1" + kOutside},
    {"0v", "12v", {"0v"}, "0v 12v | 0v | Tap1 selected: Voltage tap 1" + kOutside},
    {"0v", "12v", {"3v", "3v"}, "0v 12v | 3v 3v | Tap1 selected: Voltage tap 1" + kOutside},

    // Worked examples of the best fit of the whole chain and what it costs.
    {"15", "0", {"3.5", "2.6"}, "12K 910 2.7K | 3.47v 2.6v | 31 mV, 961 uA", k1mA, kE24, true, true},
    {"12", "0", {"10.6", "9.8"}, "13K 7.5K 91K | 10.6v 9.79v | 6 mV, 108 uA", k100uA, kE24, true, true},
    {"5", "0", {"3.1", "0.8"}, "18K 22K 7.5K | 3.11v 0.79v | 11 mV, 105 uA", k100uA, kE24, true, true},
    {"9", "0", {"4.5", "1.5"}, "46.4K 30.9K 15.4K | 4.5v 1.5v | 5 mV, 97.1 uA", k100uA, Series::E96, true, true},
    // Resistor by resistor: 45K, 30K, 15K in E96: 4.5 lies nearer 4.53 than 4.42; 1.5 is itself an E96 value.
    {"9", "0", {"4.5", "1.5"}, "45.3K 30.1K 15K | 4.49v 1.49v | 10 mV, 99.6 uA", k100uA, Series::E96, true, false},
    // Four 27K are as exact and as near the ideal 120K, and smaller, but draw 111 uA, 11% over 100 uA: left out.
    {"12", "0", {"9", "6", "3"}, "33K 33K 33K 33K | 9v 6v 3v | 0 mV, 90.9 uA", k100uA, kE12, true, true},
    // 70K and 30K in E48: 7.15 is nearer 7 than 6.81; 3.01 nearer 3 than 2.87.
    {"10", "0", {"3"}, "71.5K 30.1K | 2.96v | 37 mV, 98.4 uA", k100uA, Series::E48, true, false},
    // An ideal 99.5K is above 9.94, midway between E192's last value 9.88 and 10: it becomes 100K; 500 is 499.
    {"10", "0", {"0.05"}, "100K 499 | 0.05v | 0 mV, 99.5 uA", k100uA, Series::E192, true, false},
    // A tie: 47K + 47K and 51K + 51K both put the tap exactly at 5 V; 102K is nearer the ideal 100K.
    {"10", "0", {"5"}, "51K 51K | 5v | 0 mV, 98 uA", k100uA, kE24, true, true},
    // 11M + 1.8M would miss 1.75 V by 8 mV, but 11M is over 10M: 10M + 1.6M misses by 26 mV.
    {"12.5", "0", {"1.75"}, "10M 1.6M | 1.72v | 26 mV, 1.08 uA", k1uA, kE24, true, true},
    // Ideal 15M each: every candidate chain holds a resistor over 10M, so each resistor is fitted alone.
    {"30", "0", {"15"}, "R1 R2 | 15v | 0 mV, 1 uA | Resistor R1 greater than 10M | Resistor R2 greater "
     "than 10M | No chain of E24 values draws within 10% of 1uA with every resistor from 0.01 ohms to 10M, so each "
     "resistor is fitted on its own.", k1uA, kE24, true, true},
};

TEST(Divider, ShowsTheChainAndItsCostOrStopsAtTheFirstFault) {
    for (const Row& row : kRows) {
        DividerInput in{static_cast<int>(row.taps.size()), row.vs1, row.vs2, {}, row.current, row.series, row.best, {}};
        for (size_t i = 0; i < row.taps.size(); ++i) in.tap[i] = row.taps[i];
        EXPECT_EQ(Shown(CalcDivider(in), row.fit), row.shown);
    }
}

// 12 V to 2 V at 100 uA: 10 V over 100K, the tap at 7 V splitting it 50K and 50K, each taking
// (100 uA)^2 x 50K = 500 uW; the last resistor's power as much as the first's.
TEST(Divider, CostsTheCurrentBetweenTheRailsAndEveryResistorsPower) {
    const DividerResult r = CalcDivider({1, "12v", "2v", {"7v"}, k100uA, kIdeal, false, {}});
    ASSERT_TRUE(r.cost.has_value());
    EXPECT_EQ(r.cost->currentText, "100 uA");
    ASSERT_EQ(r.cost->power.size(), 2U);
    EXPECT_EQ(r.cost->power[0].description + ", " + r.cost->power[1].description, "Power 500 uW, Power 500 uW");
}

// Each tap: nominal [worst case] (95% of builds) at six figures, then the two lines under the tap box.
std::string Ranged(const std::vector<TapRange>& ranges) {
    std::string s;
    char buffer[160];
    for (const TapRange& r : ranges) {
        std::snprintf(buffer, sizeof buffer, "%.6g [%.6g, %.6g] (%.6g, %.6g) %s %s|", r.nominal, r.worst.low,
                      r.worst.high, r.builds.low, r.builds.high, r.worstText.c_str(), r.buildsText.c_str());
        s += buffer;
    }
    return s;
}

// Worked by hand (worst case) and by an independent model of the draw (95% of builds).
TEST(Divider, WhereTheTapsOfRealPartsLie) {
    constexpr int k1 = 3, k5 = 5;
    struct RangeRow { float vs1, vs2; std::vector<float> ohms; int tolerance; std::string shown; };
    const RangeRow rows[] = {
        {15, 0, {11e3F, 910, 2.7e3F}, k1, "3.70637 [3.65084, 3.76246] (3.66773, 3.74538) 3.65v–3.76v 3.67v–3.75v|"
                                          "2.77207 [2.72716, 2.81756] (2.7387, 2.80526) 2.73v–2.82v 2.74v–2.81v|"},
        {15, 0, {11e3F, 910, 2.7e3F}, k5, "3.70637 [3.43419, 3.99266] (3.51636, 3.90525) 3.43v–3.99v 3.52v–3.91v|"
                                          "2.77207 [2.553, 3.00541] (2.6078, 2.94084) 2.55v–3.01v 2.61v–2.94v|"},
        // The same chain turned round, Vs2 the higher rail: the extremes swap ends, the range does not.
        {0, 15, {2.7e3F, 910, 11e3F}, k1, "2.77207 [2.72716, 2.81756]"},
        {10, 0, {47e3F, 47e3F}, k5, "5 [4.75, 5.25] (4.80191, 5.19071) 4.75v–5.25v 4.8v–5.19v|"},
        {12, 0, {27e3F, 27e3F, 27e3F, 27e3F}, k1, "9 [8.95477, 9.04478] (8.97225, 9.02746) 8.95v–9.04v 8.97v–9.03v|"
                                                  "6 [5.94, 6.06] (5.96677, 6.03333) 5.94v–6.06v 5.97v–6.03v|"
                                                  "3 [2.95522, 3.04523] (2.97247, 3.02696) 2.96v–3.05v 2.97v–3.03v|"},
        {9, 0, {46.4e3F, 30.9e3F, 15.4e3F}, k1, "4.49515 [4.45015, 4.54015] (4.4646, 4.52591) 4.45v–4.54v 4.46v–4.53v|"
                                                "1.49515 [1.47038, 1.52025] (1.47873, 1.51151) 1.47v–1.52v 1.48v–1.51v|"},
    };
    for (const RangeRow& r : rows) {
        const std::string shown = Ranged(DividerTapRanges(r.vs1, r.vs2, r.ohms, r.tolerance));
        EXPECT_EQ(shown.substr(0, r.shown.size()), r.shown);
    }
    EXPECT_EQ(DividerTapRanges(15, 0, {11e3F, 910, 2.7e3F}, k1)[0].description,
              "Tap 1, worst case 3.65v to 3.76v, 95% of builds 3.67v to 3.75v");
}

}  // namespace
}  // namespace ohm
