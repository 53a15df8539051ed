#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "pages/divider/divider_calc.h"
#include "values/series.h"

namespace {

using namespace ohm;
using Texts = std::vector<std::string>;

constexpr int k1uA = 0, k100uA = 2, k1mA = 3, k100mA = 5;
constexpr DividerSeries kIdeal = DividerSeries::Ideal, kE12 = DividerSeries::E12, kE24 = DividerSeries::E24;

// One line for what the page would show: "Vs1 Vs2 | taps | values | fitted taps | range messages",
// or, on a failed check, "Vs1 Vs2 | taps rewritten so far | box, selected or focused: message".
std::string Shown(const DividerResult& r) {
    auto join = [](const Texts& texts) {
        std::string s;
        for (const std::string& t : texts) s += (s.empty() ? "" : " ") + t;
        return s;
    };
    std::string s = r.vs1Text.value_or("-") + " " + r.vs2Text.value_or("-") + " | " + join(r.tapText) + " | ";
    if (r.fault) {
        const char* boxes[] = {"Vs1", "Vs2", "Tap"};
        s += boxes[static_cast<int>(r.fault->box)] + (r.fault->tap ? std::to_string(r.fault->tap) : "");
        return s + (r.fault->select ? " selected: " : " focused: ") + r.fault->message;
    }
    s += join(r.captions) + " | " + join(r.fittedTapText);
    for (const DividerRangeMessage& m : r.rangeMessages) s += " | " + m.message;
    return s;
}

struct Row {
    const char *name, *vs1, *vs2;
    Texts taps;
    std::string shown;
    int current = k100uA;
    DividerSeries series = kE12;
};

const std::string kAdvice = "\r\rYou must enter a voltage between -999v and +999v!";
const std::string kLong(10000, '9');
const std::string kOutside = " is not within the supply voltage specified!";

const Row kRows[] = {
    // 30K sits midway between 27K and 33K: the smaller wins, and the tap drops to 2.84 V.
    {"ThreeVoltsE12", "10v", "0v", {"3v"}, "10v 0v | 3v | 68K 27K | 2.84v"},
    {"ThreeVoltsE24", "10v", "0v", {"3v"}, "10v 0v | 3v | 68K 30K | 3.06v", k100uA, kE24},
    // Mended: an ideal 92K is 9.2 in its decade, below 9.55, so E24 keeps 91K, not 100K.
    {"TopOfDecadeE24", "10v", "0v", {"0.8v"}, "10v 0v | 0.8v | 91K 8.2K | 0.83v", k100uA, kE24},
    // E12 has nothing between 8.2 and 10, so 92K still goes up to 100K.
    {"TopOfDecadeE12", "10v", "0v", {"0.8v"}, "10v 0v | 0.8v | 100K 8.2K | 0.76v"},
    // Exact decimal midpoints in single precision (x = 1.1, 2.45) are ties: the smaller value wins.
    {"MidpointR1", "0.2v", "0v", {"0.09v"}, "0.2v 0v | 0.09v | 100K 82K | 0.09v", k1uA},
    {"MidpointR2", "5", "-137.5", {"4.86", "2.41", "-93", "-134"},
     "5v -138v | 4.86v 2.41v -93v -134v | 1.5K 22K 1M 390K 33K | 4.85v 2.68v -95.8v -135v"},
    {"MidpointOhms", "0", "-17.74", {"-1.1", "-1.24"}, "0v -17.7v | -1.1v -1.24v | 10 1.5 150 | -1.1v -1.26v", k100mA},
    // Rising rails: four 3K steps fit to 2.7K each, and equal steps keep the taps exact.
    {"RisingThreeTapsE12", "0v", "12v", {"3v", "6v", "9v"}, "0v 12v | 3v 6v 9v | 2.7K 2.7K 2.7K 2.7K | 3v 6v 9v", k1mA},
    // Ideal 2.1K is 2.0999999 in single precision: nearer 2K than 2.2K.
    {"FourTapsE24", "10v", "0v", {"8v", "6v", "3.3v", "1.2v"},
     "10v 0v | 8v 6v 3.3v 1.2v | 2K 2K 2.7K 2K 1.2K | 7.98v 5.96v 3.23v 1.21v", k1mA, kE24},
    // 10 V over 1 uA is exactly 10M: still shown; 15M is reported for each resistor, which keeps its name.
    {"TenMegIsShown", "20v", "0v", {"10v"}, "20v 0v | 10v | 10M 10M | ", k1uA, kIdeal},
    {"AboveTenMeg", "30v", "0v", {"15v"},
     "30v 0v | 15v | R1 R2 |  | Resistor R1 greater than 10M | Resistor R2 greater than 10M", k1uA, kIdeal},
    {"TopOfRange", "999", "0", {"500"}, "999v 0v | 500v | 4.99K 5K | ", k100mA, kIdeal},
    // Vs1 keeps only its number characters ("15"); Vs2 is read as it stands ("1").
    {"CommaInRails", "1,5", "1,5", {"8"}, "15v 1v | 8v | 7K 7K | ", k1mA, kIdeal},
    // Readings add 0.55 before truncating to hundredths: 4.996 reads 5, 4.994 stays 4.99, 1.2346 reads 1.24.
    {"ReadingRule", "10v", "0v", {"4.996", "4.994", "1.2346"}, "10v 0v | 5v 4.99v 1.24v | 5K 10 3.75K 1.24K | ",
     k1mA, kIdeal},
    {"NegativeRail", "-5v", "5v", {"-1.2346v"}, "-5v 5v | -1.23v | 3.77K 6.23K | ", k1mA, kIdeal},

    {"Vs1JustOver", "999.5", "0v", {"5v"}, "- - |  | Vs1 selected: Range Error:  Vs1" + kAdvice},
    {"Vs1Huge", kLong.c_str(), "0v", {"5v"}, "- - |  | Vs1 selected: Range Error:  Vs1" + kAdvice},
    {"Vs2Over", "10v", "1000", {"5v"}, "10v - |  | Vs2 selected: Range Error:  Vs2" + kAdvice},
    // 5.001 reads 5 after rounding to hundredths.
    {"RailsRoundEqual", "5", "5.001", {"3v"},
     "5v 5v |  | Vs2 selected: Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!"},
    {"SecondTapEmpty", "10v", "0v", {"5", ""},
     "10v 0v | 5v | Tap2 focused: Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!"},
    {"TapOver", "10v", "0v", {"7", "1000"}, "10v 0v | 7v | Tap2 selected: Range Error: Tap#2," + kAdvice},
    // Blanks are not empty: they read 0 V, equal to Vs2.
    {"BlankTap", "10v", "0v", {"   "}, "10v 0v | 0v | Tap1 selected: Voltage tap 1" + kOutside},
    {"WrongWayRound", "10v", "0v", {"3v", "6v"}, "10v 0v | 3v 6v | Tap1 selected: Voltage tap 1" + kOutside},
    {"TapOnVs1", "10v", "0v", {"10v"}, "10v 0v | 10v | Tap1 selected: Voltage tap 1" + kOutside},
    {"EqualNeighbours", "10v", "0v", {"7v", "7v", "2v"}, "10v 0v | 7v 7v 2v | Tap1 selected: Voltage tap 1" + kOutside},
    {"LastTapOnVs2", "10v", "0v", {"5v", "0v"}, "10v 0v | 5v 0v | Tap2 selected: Voltage tap 2" + kOutside},
    {"RisingPastVs2", "0v", "12v", {"3v", "6v", "9v", "13v"},
     "0v 12v | 3v 6v 9v 13v | Tap4 selected: Voltage tap 4" + kOutside},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class Divider : public testing::TestWithParam<Row> {};

TEST_P(Divider, ShowsTheChainOrStopsAtTheFirstFault) {
    const Row& c = GetParam();
    DividerInput in{static_cast<int>(c.taps.size()), c.vs1, c.vs2, {}, c.current, c.series};
    std::copy(c.taps.begin(), c.taps.end(), in.tap.begin());
    const DividerResult r = CalcDivider(in);
    EXPECT_EQ(Shown(r), c.shown);
    // Only a full success saves the asked-for taps, which a later series click puts back.
    EXPECT_EQ(r.savedTapText, r.fault ? Texts{} : r.tapText);
}

INSTANTIATE_TEST_SUITE_P(Rows, Divider, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FitToSeries, NearestPreferredValue) {
    // Exactly on the 9.1 (E12) and 9.55 (E24) midpoints the smaller value stays; past 9.55 the next
    // decade's 1 is nearer; below 1 ohm the decade is shifted down.
    const std::tuple<float, DividerSeries, float> rows[] = {
        {9100, kE12, 8200}, {110000, kE12, 100000}, {95500, kE24, 91000}, {96000, kE24, 100000}, {0.47F, kE12, 0.47F}};
    for (const auto& [ideal, series, fitted] : rows)
        EXPECT_FLOAT_EQ(FitToSeries(ideal, series), fitted) << ideal;
}

}  // namespace
