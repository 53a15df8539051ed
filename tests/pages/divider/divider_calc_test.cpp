#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/divider/divider_calc.h"
#include "values/series.h"

namespace {

using ohm::CalcDivider;
using ohm::DividerBox;
using ohm::DividerCheck;
using ohm::DividerInput;
using ohm::DividerSeries;
using Texts = std::vector<std::string>;

constexpr int k1uA = 0, k100uA = 2, k1mA = 3, k100mA = 5;

DividerInput Input(const char* vs1, const char* vs2, Texts taps, int current, DividerSeries series) {
    DividerInput in;
    in.taps = static_cast<int>(taps.size());
    in.vs1 = vs1;
    in.vs2 = vs2;
    for (size_t i = 0; i < taps.size(); ++i) in.tap[i] = taps[i];
    in.current = current;
    in.series = series;
    in.e12 = ohm::kE12Decade;
    in.e24 = ohm::kE24Decade;
    return in;
}

struct Success {
    const char* name;
    const char* vs1;
    const char* vs2;
    Texts taps;
    int current;
    DividerSeries series;
    const char* vs1Shown;
    const char* vs2Shown;
    Texts tapShown;   // the checked, rewritten taps (also what is saved)
    Texts captions;   // R1 .. R(n+1)
    Texts fitted;     // E12/E24: what the fitted chain gives at the taps
    Texts messages;   // resistor range messages
};

// Values worked by hand: each resistor is its voltage step over the current;
// fitted taps walk down the chain with I' = (Vs1 - Vs2) / sum of fitted R.
const Success kSuccess[] = {
    // 30K sits midway between 27K and 33K: the smaller wins. 10 - 68K * 10 / 95K = 2.84.
    {"ThreeVoltsE12", "10v", "0v", {"3v"}, k100uA, DividerSeries::E12, "10v", "0v", {"3v"}, {"68K", "27K"}, {"2.84v"}, {}},
    // 10 - 68K * 10 / 98K = 3.06.
    {"ThreeVoltsE24", "10v", "0v", {"3v"}, k100uA, DividerSeries::E24, "10v", "0v", {"3v"}, {"68K", "30K"}, {"3.06v"}, {}},
    // Ideal 92K: E24 keeps it at 91K (9.2 is below 9.55); 10 - 91K * 10 / 99.2K = 0.83.
    {"TopOfDecadeE24", "10v", "0v", {"0.8v"}, k100uA, DividerSeries::E24, "10v", "0v", {"0.8v"}, {"91K", "8.2K"}, {"0.83v"}, {}},
    // E12 has nothing between 8.2 and 10, so 92K goes up to 100K; 10 - 100K * 10 / 108.2K = 0.76.
    {"TopOfDecadeE12", "10v", "0v", {"0.8v"}, k100uA, DividerSeries::E12, "10v", "0v", {"0.8v"}, {"100K", "8.2K"}, {"0.76v"}, {}},
    // Rising rails: four 3K steps fit to 2.7K each, and the taps stay exact.
    {"RisingThreeTapsE12", "0v", "12v", {"3v", "6v", "9v"}, k1mA, DividerSeries::E12, "0v", "12v",
     {"3v", "6v", "9v"}, {"2.7K", "2.7K", "2.7K", "2.7K"}, {"3v", "6v", "9v"}, {}},
    // 2K 2K 2.7K 2.1K 1.2K ideal; E24 makes 2.1K into 2K (0.1 below vs 0.1 above in single: 2.0999999).
    {"FourTapsE24", "10v", "0v", {"8v", "6v", "3.3v", "1.2v"}, k1mA, DividerSeries::E24, "10v", "0v",
     {"8v", "6v", "3.3v", "1.2v"}, {"2K", "2K", "2.7K", "2K", "1.2K"}, {"7.98v", "5.96v", "3.23v", "1.21v"}, {}},
    // 10 V over 1 uA is exactly 10M each: still shown.
    {"TenMegIsShown", "20v", "0v", {"10v"}, k1uA, DividerSeries::Ideal, "20v", "0v", {"10v"}, {"10M", "10M"}, {}, {}},
    // 15M each: both reported, both labels keep their names.
    {"AboveTenMeg", "30v", "0v", {"15v"}, k1uA, DividerSeries::Ideal, "30v", "0v", {"15v"}, {"R1", "R2"}, {},
     {"Resistor R1 greater than 10M", "Resistor R2 greater than 10M"}},
    // 499 V and 500 V over 100 mA.
    {"TopOfRange", "999", "0", {"500"}, k100mA, DividerSeries::Ideal, "999v", "0v", {"500v"}, {"4.99K", "5K"}, {}, {}},
    // Vs1 keeps only number characters ("15"); Vs2 is read as it stands ("1").
    {"CommaInRails", "1,5", "1,5", {"8"}, k1mA, DividerSeries::Ideal, "15v", "1v", {"8v"}, {"7K", "7K"}, {}, {}},
    // Rising from a negative rail; -1.2346 reads -1.23 (0.55 rule).
    {"NegativeRail", "-5v", "5v", {"-1.2346v"}, k1mA, DividerSeries::Ideal, "-5v", "5v", {"-1.23v"},
     {"3.77K", "6.23K"}, {}, {}},
};

class DividerSuccess : public testing::TestWithParam<Success> {};

TEST_P(DividerSuccess, ShowsTheChain) {
    const Success& c = GetParam();
    const ohm::DividerResult r = CalcDivider(Input(c.vs1, c.vs2, c.taps, c.current, c.series));
    ASSERT_FALSE(r.fault.has_value()) << r.fault->message;
    EXPECT_EQ(r.vs1Text.value_or("<none>"), c.vs1Shown);
    EXPECT_EQ(r.vs2Text.value_or("<none>"), c.vs2Shown);
    EXPECT_EQ(r.tapText, c.tapShown);
    EXPECT_EQ(r.savedTapText, c.tapShown);
    EXPECT_EQ(r.captions, c.captions);
    EXPECT_EQ(r.fittedTapText, c.fitted);
    Texts messages;
    for (const auto& m : r.rangeMessages) messages.push_back(m.message);
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(Rows, DividerSuccess, testing::ValuesIn(kSuccess),
                         [](const auto& info) { return std::string(info.param.name); });

struct Failure {
    const char* name;
    const char* vs1;
    const char* vs2;
    Texts taps;
    DividerCheck check;
    int tap;
    DividerBox box;
    bool select;
    const char* message;
    bool vs1Shown;
    bool vs2Shown;
    Texts tapShown;  // taps rewritten before the fault
};

const std::string kLong(10000, '9');
const char* const kAdvice = "\r\rYou must enter a voltage between -999v and +999v!";

const Failure kFailures[] = {
    {"Vs1JustOver", "999.5", "0v", {"5v"}, DividerCheck::Vs1Range, 0, DividerBox::Vs1, true, "Range Error:  Vs1", false, false, {}},
    {"Vs1Huge", kLong.c_str(), "0v", {"5v"}, DividerCheck::Vs1Range, 0, DividerBox::Vs1, true, "Range Error:  Vs1", false, false, {}},
    {"Vs2Over", "10v", "1000", {"5v"}, DividerCheck::Vs2Range, 0, DividerBox::Vs2, true, "Range Error:  Vs2", true, false, {}},
    // 5.001 reads 5 after rounding to hundredths.
    {"RailsRoundEqual", "5", "5.001", {"3v"}, DividerCheck::SupplyEqual, 0, DividerBox::Vs2, true,
     "Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!", true, true, {}},
    {"SecondTapEmpty", "10v", "0v", {"5", ""}, DividerCheck::TapEmpty, 2, DividerBox::Tap, false,
     "Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!", true, true, {"5v"}},
    {"TapOver", "10v", "0v", {"7", "1000"}, DividerCheck::TapRange, 2, DividerBox::Tap, true, "Range Error: Tap#2,",
     true, true, {"7v"}},
    // Blanks are not empty: they read 0 V, equal to Vs2.
    {"BlankTap", "10v", "0v", {"   "}, DividerCheck::TapOrder, 1, DividerBox::Tap, true,
     "Voltage tap 1 is not within the supply voltage specified!", true, true, {"0v"}},
    {"WrongWayRound", "10v", "0v", {"3v", "6v"}, DividerCheck::TapOrder, 1, DividerBox::Tap, true,
     "Voltage tap 1 is not within the supply voltage specified!", true, true, {"3v", "6v"}},
    {"TapOnVs1", "10v", "0v", {"10v"}, DividerCheck::TapOrder, 1, DividerBox::Tap, true,
     "Voltage tap 1 is not within the supply voltage specified!", true, true, {"10v"}},
    {"EqualNeighbours", "10v", "0v", {"7v", "7v", "2v"}, DividerCheck::TapOrder, 1, DividerBox::Tap, true,
     "Voltage tap 1 is not within the supply voltage specified!", true, true, {"7v", "7v", "2v"}},
    {"LastTapOnVs2", "10v", "0v", {"5v", "0v"}, DividerCheck::TapOrder, 2, DividerBox::Tap, true,
     "Voltage tap 2 is not within the supply voltage specified!", true, true, {"5v", "0v"}},
    {"RisingPastVs2", "0v", "12v", {"3v", "6v", "9v", "13v"}, DividerCheck::TapOrder, 4, DividerBox::Tap, true,
     "Voltage tap 4 is not within the supply voltage specified!", true, true, {"3v", "6v", "9v", "13v"}},
};

class DividerFailure : public testing::TestWithParam<Failure> {};

TEST_P(DividerFailure, StopsAtTheFirstFault) {
    const Failure& c = GetParam();
    const ohm::DividerResult r = CalcDivider(Input(c.vs1, c.vs2, c.taps, k100uA, DividerSeries::E12));
    ASSERT_TRUE(r.fault.has_value());
    EXPECT_EQ(r.fault->check, c.check);
    EXPECT_EQ(r.fault->tap, c.tap);
    EXPECT_EQ(r.fault->box, c.box);
    EXPECT_EQ(r.fault->select, c.select);
    std::string message = c.message;
    if (c.check == DividerCheck::Vs1Range || c.check == DividerCheck::Vs2Range || c.check == DividerCheck::TapRange)
        message += kAdvice;
    EXPECT_EQ(r.fault->message, message);
    EXPECT_EQ(r.vs1Text.has_value(), c.vs1Shown);
    EXPECT_EQ(r.vs2Text.has_value(), c.vs2Shown);
    EXPECT_EQ(r.tapText, c.tapShown);
    EXPECT_TRUE(r.savedTapText.empty());
    EXPECT_TRUE(r.captions.empty());
    EXPECT_TRUE(r.fittedTapText.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DividerFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DividerVolts, RoundsHundredthsWithAnUpwardNudge) {
    struct Row {
        double typed;
        float read;
    };
    const Row rows[] = {
        {1.2346, 1.24F}, {4.996, 5.0F}, {4.994, 4.99F}, {-1.2346, -1.23F}, {5.001, 5.0F},
    };
    for (const Row& r : rows) EXPECT_FLOAT_EQ(ohm::DividerVolts(r.typed), r.read) << r.typed;
}

TEST(FitToSeries, NearestPreferredValue) {
    struct Row {
        float ideal;
        DividerSeries series;
        float fitted;
    };
    const Row rows[] = {
        {9100, DividerSeries::E12, 8200},      // exactly 9.1 is the midpoint: the smaller
        {95500, DividerSeries::E24, 91000},    // the midpoint itself stays down
        {96000, DividerSeries::E24, 100000},
        {0.47F, DividerSeries::E12, 0.47F},    // below 1 ohm, a decade down
    };
    for (const Row& r : rows)
        EXPECT_FLOAT_EQ(ohm::FitToSeries(r.ideal, r.series, ohm::kE12Decade, ohm::kE24Decade), r.fitted)
            << r.ideal;
}

TEST(CalcDivider, OutOfRangeTapCountAndCurrentAreHeldInRange) {
    DividerInput in = Input("10v", "0v", {"5v"}, 99, DividerSeries::Ideal);
    in.taps = 0;  // read as one tap
    const ohm::DividerResult r = CalcDivider(in);
    ASSERT_FALSE(r.fault.has_value());
    EXPECT_EQ(r.captions, (Texts{"50", "50"}));  // 5 V over 100 mA, the top of the list
}

}  // namespace
