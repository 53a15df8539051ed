#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/cmos_astable/cmos_astable_calc.h"

namespace {

using ohm::CmosAstableBox;
using ohm::CmosAstableCheck;
using ohm::CmosAstableMode;
using Written = std::vector<std::pair<int, std::string>>;

constexpr auto kFixed = CmosAstableMode::Fixed;
constexpr auto kRange = CmosAstableMode::Range;

struct Row {
    const char* name;
    const char* freq;
    const char* maxFreq;
    const char* cap;
    int unit;
    const char* volts;
    CmosAstableMode mode;
    Written written;  // (label index, text) in the order written
};

// Designs that succeed. Worked examples of the page unless noted; the
// scaling rows rely on R being proportional to 1 / (f C) only.
TEST(CalcCmosAstable, WritesTheResistorsThatFit) {
    const Row rows[] = {
        {"5V 10nF 1kHz", "1000", "", "10", 1, "5", kFixed, {{0, "121K"}, {2, "268K"}}},
        {"12V moves R1 only", "1000", "", "10", 1, "12", kFixed, {{0, "133K"}, {2, "268K"}}},
        {"100nF", "1000", "", "100", 1, "5", kFixed, {{0, "12.1K"}, {2, "26.8K"}}},
        {"10uF at 1Hz is the same fC", "1", "", "10", 2, "5", kFixed, {{0, "121K"}, {2, "268K"}}},
        {"100pF at 100kHz is the same fC", "100000", "", "100", 0, "5", kFixed, {{0, "121K"}, {2, "268K"}}},
        {"thousands comma dropped", "1,000", "", "10", 1, "5", kFixed, {{0, "121K"}, {2, "268K"}}},
        {"units typed after the number", "1000Hz", "", "10n", 1, "5", kFixed, {{0, "121K"}, {2, "268K"}}},
        // 3 V: 1e5 / ln(3.7 / 1.5) = 110,758; 15 V: 1e5 / ln(15.7 / 7.5) = 135,362.
        {"3V", "1000", "", "10", 1, "3", kFixed, {{0, "111K"}, {2, "268K"}}},
        {"15V", "1000", "", "10", 1, "15", kFixed, {{0, "135K"}, {2, "268K"}}},
        // 100 nF, 100 Hz to 1 kHz: a tenth of the 10 nF example (VR1 1,092,000, VR2 2,411,548).
        {"range 100nF", "100", "1000", "100", 1, "5", kRange,
         {{0, "12.1K"}, {2, "26.8K"}, {1, "109K"}, {3, "241K"}}},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcCmosAstable({r.freq, r.maxFreq, r.cap, r.unit, r.volts, r.mode});
        EXPECT_FALSE(out.failure.has_value()) << r.name << ": " << out.failure->prompt;
        EXPECT_EQ(out.written, r.written) << r.name;
    }
}

struct FailRow {
    const char* name;
    const char* freq;
    const char* maxFreq;
    const char* cap;
    int unit;
    const char* volts;
    CmosAstableMode mode;
    CmosAstableCheck check;
    CmosAstableBox box;
    std::vector<int> emptied;
    const char* prompt;
    Written written;  // what earlier steps wrote and keeps showing
};

constexpr const char* kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";

TEST(CalcCmosAstable, StopsAtTheFirstFailedCheck) {
    using C = CmosAstableCheck;
    using B = CmosAstableBox;
    const FailRow rows[] = {
        {"0.4Hz", "0.4", "", "10", 1, "5", kFixed, C::Freq, B::Freq0, {},
         "Frequency must be between 0.5Hz and 1MHz", {}},
        {"1,000,001Hz", "1000001", "", "10", 1, "5", kFixed, C::Freq, B::Freq0, {},
         "Frequency must be between 0.5Hz and 1MHz", {}},
        {"empty frequency", "", "", "10", 1, "5", kFixed, C::Freq, B::Freq0, {},
         "Frequency must be between 0.5Hz and 1MHz", {}},
        {"bad minimum before the maximum", "0", "", "10", 1, "5", kRange, C::Freq, B::Freq0, {},
         "Frequency must be between 0.5Hz and 1MHz", {}},
        // 0.5 Hz passes the frequency check; R1 = 2000 x 121,333.
        {"0.5Hz accepted", "0.5", "", "10", 1, "5", kFixed, C::R1High, B::Cap, {0},
         "Range Error:  R1 =243Mohms\r\rR1 out of range - select a higher capacitor value", {}},
        // 1 MHz passes too; R1 = 121,333 / 1000.
        {"1MHz accepted", "1000000", "", "10", 1, "5", kFixed, C::R1Low, B::Cap, {0},
         "Range Error:  R1 =121ohms\r\rR1 out of range - select a lower capacitor value", {}},
        {"30kHz", "30000", "", "10", 1, "5", kFixed, C::R1Low, B::Cap, {0},
         "Range Error:  R1 =4.04Kohms\r\rR1 out of range - select a lower capacitor value", {}},
        {"negative capacitor", "1000", "", "-10", 1, "5", kFixed, C::R1Low, B::Cap, {0},
         "Range Error:  R1 =-121Kohms\r\rR1 out of range - select a lower capacitor value", {}},
        // 20 Hz: R1 = 50 x 121,333 fits, R2 = 50 x 267,950 does not.
        {"R2 too high", "20", "", "10", 1, "5", kFixed, C::R2High, B::Cap, {2},
         "Range Error:  R2 =13Mohms\r\rR2 out of range - select a higher capacitor value", {{0, "6.07M"}}},
        // Only a supply the spin button cannot give makes circuit 2 the faster one:
        // at -2 V, 80 kHz, 10 nF: R1 = 1250 / ln 1.3 = 4764, R2 = 1250 / ln(0.61/0.42) = 3349.
        {"R2 too low", "80000", "", "10", 1, "-2", kFixed, C::R2Low, B::Cap, {2},
         "Range Error:  R2 =3.35Kohms\r\rR2 out of range - select a lower capacitor value", {{0, "4.76K"}}},
        {"empty maximum", "100", "", "10", 1, "5", kRange, C::MaxFreq, B::Freq1, {},
         "Maximum frequency must be between 0.5Hz and 1MHz", {}},
        {"maximum above 1MHz", "100", "2000000", "10", 1, "5", kRange, C::MaxFreq, B::Freq1, {},
         "Maximum frequency must be between 0.5Hz and 1MHz", {}},
        {"equal frequencies", "1000", "1000", "10", 1, "5", kRange, C::Order, B::Freq1, {},
         "Maximum frequency must be higher than minimum!", {}},
        {"maximum below minimum", "1000", "500", "10", 1, "5", kRange, C::Order, B::Freq1, {},
         "Maximum frequency must be higher than minimum!", {}},
        // Pot of 121,333 x (1000/999.5 - 1) = 60.7 ohms.
        {"VR1 too low", "999.5", "1000", "10", 1, "5", kRange, C::VR1Low, B::Cap, {1},
         "Range Error:  VR1 =60.7ohms\r\rVR1 out of range - select a lower capacitor value",
         {{0, "121K"}, {2, "268K"}}},
        // 121,333 x 19 = 2,305,334.
        {"VR1 too high", "50", "1000", "10", 1, "5", kRange, C::VR1High, B::Cap, {1},
         "Range Error:  VR1 =2.31Mohms\r\rVR1 out of range - select a higher capacitor value",
         {{0, "121K"}, {2, "268K"}}},
        {"997Hz to 1kHz", "997", "1000", "10", 1, "5", kRange, C::VR2Low, B::Cap, {3},
         "Range Error:  VR2 =806ohms\r\rVR2 out of range - select a lower capacitor value",
         {{0, "121K"}, {2, "268K"}, {1, "365"}}},
        {"100Hz to 1kHz", "100", "1000", "10", 1, "5", kRange, C::VR2High, B::Cap, {3},
         "Range Error:  VR2 =2.41Mohms\r\rVR2 out of range - select a higher capacitor value",
         {{0, "121K"}, {2, "268K"}, {1, "1.09M"}}},
        {"zero capacitor", "1000", "", "0", 1, "5", kFixed, C::CapZero, B::Cap, {0, 2}, kCapZero, {}},
        {"empty capacitor", "1000", "", "", 2, "5", kFixed, C::CapZero, B::Cap, {0, 2}, kCapZero, {}},
        {"letters for a capacitor", "1000", "", "abc", 0, "5", kFixed, C::CapZero, B::Cap, {0, 2}, kCapZero, {}},
        {"capacitor too small to store", "1000", "", "0.00000000000000000000000000000000000000000001", 0, "5",
         kFixed, C::CapZero, B::Cap, {0, 2}, kCapZero, {}},
        {"zero capacitor in range mode", "100", "1000", "0", 1, "5", kRange, C::CapZero, B::Cap, {0, 2},
         kCapZero, {}},
        {"frequency order before capacitor", "1000", "10", "0", 1, "5", kRange, C::Order, B::Freq1, {},
         "Maximum frequency must be higher than minimum!", {}},
    };
    for (const FailRow& r : rows) {
        const auto out = ohm::CalcCmosAstable({r.freq, r.maxFreq, r.cap, r.unit, r.volts, r.mode});
        ASSERT_TRUE(out.failure.has_value()) << r.name;
        EXPECT_EQ(out.failure->check, r.check) << r.name;
        EXPECT_EQ(out.failure->box, r.box) << r.name;
        EXPECT_EQ(out.failure->emptied, r.emptied) << r.name;
        EXPECT_EQ(out.failure->prompt, r.prompt) << r.name;
        EXPECT_EQ(out.written, r.written) << r.name;
    }
}

TEST(CalcCmosAstable, RewritesTheBoxesOnlyOnceTheirStepRan) {
    struct Rewrite {
        const char* name;
        const char* freq;
        const char* maxFreq;
        const char* cap;
        CmosAstableMode mode;
        std::optional<std::string> capText;
        std::optional<std::string> maxFreqText;
    };
    const Rewrite rows[] = {
        {"bad frequency: nothing rewritten", "0", "5", "4.70", kRange, std::nullopt, std::nullopt},
        {"fixed: maximum untouched", "1000", "5", "10", kFixed, "10", std::nullopt},
        {"value as read, no leading zero", "1000", "", "0.5", kFixed, ".5", std::nullopt},
        {"letters read as 0", "1000", "", "x", kFixed, "0", std::nullopt},
        {"comma dropped", "1000", "", "1,0", kFixed, "10", std::nullopt},
        {"empty maximum becomes 0", "100", "", "10", kRange, "10", "0"},
        {"plain writing with a leading zero", "0.5", ".75", "10", kRange, "10", "0.75"},
        {"thousands comma and unit", "100", "1,000.5 Hz", "10", kRange, "10", "1000.5"},
        {"tiny maximum not in exponent form", "100", "0.00001", "10", kRange, "10", "0.00001"},
        {"single precision, shortest", "100", "1234.56789", "10", kRange, "10", "1234.5679"},
        {"several points", "100", "1.2.3", "10", kRange, "10", "1.2"},
    };
    for (const Rewrite& r : rows) {
        const auto out = ohm::CalcCmosAstable({r.freq, r.maxFreq, r.cap, 1, "5", r.mode});
        EXPECT_EQ(out.capText, r.capText) << r.name;
        EXPECT_EQ(out.maxFreqText, r.maxFreqText) << r.name;
    }
}

TEST(CalcCmosAstable, ScalesTheCapacitorToNanofarads) {
    // C as stored, after scaling by the unit: pF / 1000, uF x 1000, anything else as typed.
    const std::pair<int, float> rows[] = {{0, 0.01F}, {1, 10.0F}, {2, 10000.0F}, {-1, 10.0F}};
    for (const auto& [unit, nano] : rows)
        EXPECT_FLOAT_EQ(ohm::CalcCmosAstable({"1000", "", "10", unit, "5", kFixed}).C, nano) << unit;
}

TEST(CmosAstableCapCaption, PlainValueAndUnit) {
    struct Caption {
        const char* text;
        int unit;
        const char* expected;
    };
    const Caption rows[] = {
        {"10", 1, "10nF"},   {"10", 2, "10uF"},     {"10", 0, "10pF"},  {"10", -1, "10"},
        {".5", 1, "0.5nF"},  {"-.5", 2, "-0.5uF"},  {"4.7", 1, "4.7nF"}, {"abc", 1, "0nF"},
        {"", 0, "0pF"},      {" 5", 1, "5nF"},      {"1e3", 1, "1000nF"}, {"9E9", 1, "9000000000nF"},
        {"&HF", 1, "15nF"},  // read without NumberIn, so hexadecimal stays hexadecimal
        {"2,2", 1, "2nF"},   {"1.2.3", 1, "1.2nF"},
    };
    for (const Caption& r : rows) EXPECT_EQ(ohm::CmosAstableCapCaption(r.text, r.unit), r.expected) << r.text;
}

TEST(PlainText, ShortestDigitsNeverExponentForm) {
    EXPECT_EQ(ohm::PlainText(0.1F), "0.1");  // not the double's 0.10000000149011612
    EXPECT_EQ(ohm::PlainText(0.1), "0.1");
    EXPECT_EQ(ohm::PlainText(1e-5), "0.00001");
    EXPECT_EQ(ohm::PlainText(1e9), "1000000000");
    EXPECT_EQ(ohm::PlainText(-2.5F), "-2.5");
    EXPECT_EQ(ohm::PlainText(-0.0), "0");
    EXPECT_EQ(ohm::PlainText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(ohm::PlainText(std::numeric_limits<float>::infinity()), ohm::PlainText(FLT_MAX));
    EXPECT_EQ(ohm::PlainText(FLT_MAX), "340282350000000000000000000000000000000");
    EXPECT_EQ(ohm::PlainText(DBL_MAX).size(), 309U);
    EXPECT_EQ(ohm::PlainText(4.9e-324).size(), 326U);  // the smallest double, all its zeros
}

TEST(CalcCmosAstable, OddSuppliesNeverGiveNaN) {
    // The supply box only ever holds 3..15, but the routine takes any text.
    for (const char* volts : {"0", "-0.3", "-1.4", "abc", "1E400", "-1E400"}) {
        const auto out = ohm::CalcCmosAstable({"100", "1000", "10", 1, volts, kRange});
        for (float v : {out.R1, out.R2, out.VR1, out.VR2}) EXPECT_TRUE(std::isfinite(v)) << volts;
        if (out.failure) {
            EXPECT_EQ(out.failure->prompt.find("nan"), std::string::npos) << volts;
        }
    }
}

}  // namespace
