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

using Check = ohm::CmosAstableCheck;
using Box = ohm::CmosAstableBox;
using Written = std::vector<std::pair<int, std::string>>;  // (LBLCMOSR index, text) in order
constexpr auto kFixed = ohm::CmosAstableMode::Fixed;
constexpr auto kRange = ohm::CmosAstableMode::Range;

struct Row {
    const char* name;
    ohm::CmosAstableInput in;  // freq, maxFreq, cap, unit (0 pF, 1 nF, 2 uF), volts, mode
    Written written;
    std::optional<Check> check = std::nullopt;
    Box box = Box::Cap;
    std::vector<int> emptied = {};
    const char* prompt = "";
};

constexpr const char* kFreqPrompt = "Frequency must be between 0.5Hz and 1MHz";
constexpr const char* kOrder = "Maximum frequency must be higher than minimum!";
constexpr const char* kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";
const Written k10nF1kHz = {{0, "121K"}, {2, "268K"}};

// Worked examples of the page unless a comment gives the hand arithmetic.
// R is proportional to 1 / (f C), so equal products f C give equal designs.
TEST(CalcCmosAstable, DesignsOrStopsAtTheFirstFailedCheck) {
    const Row rows[] = {
        {"5V 10nF 1kHz", {"1000", "", "10", 1, "5", kFixed}, k10nF1kHz},
        {"12V moves R1 only", {"1000", "", "10", 1, "12", kFixed}, {{0, "133K"}, {2, "268K"}}},
        {"100nF", {"1000", "", "100", 1, "5", kFixed}, {{0, "12.1K"}, {2, "26.8K"}}},
        {"10uF at 1Hz", {"1", "", "10", 2, "5", kFixed}, k10nF1kHz},
        {"100pF at 100kHz", {"100000", "", "100", 0, "5", kFixed}, k10nF1kHz},
        {"comma and units dropped", {"1,000Hz", "", "10n", 1, "5", kFixed}, k10nF1kHz},
        // 3 V: 1e5 / ln(3.7 / 1.5) = 110,758; 15 V: 1e5 / ln(15.7 / 7.5) = 135,362.
        {"3V", {"1000", "", "10", 1, "3", kFixed}, {{0, "111K"}, {2, "268K"}}},
        {"15V", {"1000", "", "10", 1, "15", kFixed}, {{0, "135K"}, {2, "268K"}}},
        // A tenth of the 10 nF range example (VR1 1,092,000, VR2 2,411,548).
        {"range 100nF", {"100", "1000", "100", 1, "5", kRange}, {{0, "12.1K"}, {2, "26.8K"}, {1, "109K"}, {3, "241K"}}},

        {"0.4Hz", {"0.4", "", "10", 1, "5", kFixed}, {}, Check::Freq, Box::Freq0, {}, kFreqPrompt},
        {"minimum before maximum", {"0", "", "10", 1, "5", kRange}, {}, Check::Freq, Box::Freq0, {}, kFreqPrompt},
        // 0.5 Hz and 1 MHz pass the frequency check: R1 = 2000 x and 1/1000 x 121,333.
        {"0.5Hz accepted", {"0.5", "", "10", 1, "5", kFixed}, {}, Check::R1High, Box::Cap, {0},
         "Range Error:  R1 =243Mohms\r\rR1 out of range - select a higher capacitor value"},
        {"1MHz accepted", {"1000000", "", "10", 1, "5", kFixed}, {}, Check::R1Low, Box::Cap, {0},
         "Range Error:  R1 =121ohms\r\rR1 out of range - select a lower capacitor value"},
        {"30kHz", {"30000", "", "10", 1, "5", kFixed}, {}, Check::R1Low, Box::Cap, {0},
         "Range Error:  R1 =4.04Kohms\r\rR1 out of range - select a lower capacitor value"},
        {"negative capacitor", {"1000", "", "-10", 1, "5", kFixed}, {}, Check::R1Low, Box::Cap, {0},
         "Range Error:  R1 =-121Kohms\r\rR1 out of range - select a lower capacitor value"},
        // 20 Hz: R1 = 50 x 121,333 fits, R2 = 50 x 267,950 does not.
        {"R2 too high", {"20", "", "10", 1, "5", kFixed}, {{0, "6.07M"}}, Check::R2High, Box::Cap, {2},
         "Range Error:  R2 =13Mohms\r\rR2 out of range - select a higher capacitor value"},
        // Only a supply the spin button cannot give makes circuit 2 the faster one:
        // -2 V, 80 kHz, 10 nF: R1 = 1250 / ln 1.3 = 4764, R2 = 1250 / ln(0.61 / 0.42) = 3349.
        {"R2 too low", {"80000", "", "10", 1, "-2", kFixed}, {{0, "4.76K"}}, Check::R2Low, Box::Cap, {2},
         "Range Error:  R2 =3.35Kohms\r\rR2 out of range - select a lower capacitor value"},
        {"empty maximum", {"100", "", "10", 1, "5", kRange}, {}, Check::MaxFreq, Box::Freq1, {},
         "Maximum frequency must be between 0.5Hz and 1MHz"},
        {"equal frequencies", {"1000", "1000", "10", 1, "5", kRange}, {}, Check::Order, Box::Freq1, {}, kOrder},
        {"order before capacitor", {"1000", "10", "0", 1, "5", kRange}, {}, Check::Order, Box::Freq1, {}, kOrder},
        // VR1 = 121,333 x (1000 / 999.5 - 1) = 60.7; 121,333 x 19 = 2,305,334.
        {"VR1 too low", {"999.5", "1000", "10", 1, "5", kRange}, k10nF1kHz, Check::VR1Low, Box::Cap, {1},
         "Range Error:  VR1 =60.7ohms\r\rVR1 out of range - select a lower capacitor value"},
        {"VR1 too high", {"50", "1000", "10", 1, "5", kRange}, k10nF1kHz, Check::VR1High, Box::Cap, {1},
         "Range Error:  VR1 =2.31Mohms\r\rVR1 out of range - select a higher capacitor value"},
        {"997Hz to 1kHz", {"997", "1000", "10", 1, "5", kRange}, {{0, "121K"}, {2, "268K"}, {1, "365"}},
         Check::VR2Low, Box::Cap, {3}, "Range Error:  VR2 =806ohms\r\rVR2 out of range - select a lower capacitor value"},
        {"100Hz to 1kHz", {"100", "1000", "10", 1, "5", kRange}, {{0, "121K"}, {2, "268K"}, {1, "1.09M"}},
         Check::VR2High, Box::Cap, {3},
         "Range Error:  VR2 =2.41Mohms\r\rVR2 out of range - select a higher capacitor value"},
        {"zero capacitor", {"1000", "", "0", 1, "5", kFixed}, {}, Check::CapZero, Box::Cap, {0, 2}, kCapZero},
        {"empty capacitor, range", {"100", "1000", "", 2, "5", kRange}, {}, Check::CapZero, Box::Cap, {0, 2}, kCapZero},
        {"too small to store", {"1000", "", "0.00000000000000000000000000000000000000000001", 0, "5", kFixed}, {},
         Check::CapZero, Box::Cap, {0, 2}, kCapZero},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcCmosAstable(r.in);
        EXPECT_EQ(out.written, r.written) << r.name;
        ASSERT_EQ(out.failure.has_value(), r.check.has_value()) << r.name << ": " << (out.failure ? out.failure->prompt : "");
        if (!r.check) continue;
        EXPECT_EQ(out.failure->check, *r.check) << r.name;
        EXPECT_EQ(out.failure->box, r.box) << r.name;
        EXPECT_EQ(out.failure->emptied, r.emptied) << r.name;
        EXPECT_EQ(out.failure->prompt, r.prompt) << r.name;
    }
}

TEST(CalcCmosAstable, RewritesTheBoxesOnlyOnceTheirStepRan) {
    struct Rewrite {
        ohm::CmosAstableInput in;
        std::optional<std::string> capText, maxFreqText;
    };
    const Rewrite rows[] = {
        {{"0", "5", "4.70", 1, "5", kRange}, std::nullopt, std::nullopt},  // a bad frequency stops first
        {{"1000", "5", "0.5", 1, "5", kFixed}, ".5", std::nullopt},        // Str form, no leading zero
        {{"1000", "", "1,0", 1, "5", kFixed}, "10", std::nullopt},
        {{"100", "", "10", 1, "5", kRange}, "10", "0"},
        {{"0.5", ".75", "10", 1, "5", kRange}, "10", "0.75"},
        {{"100", "1,000.5 Hz", "10", 1, "5", kRange}, "10", "1000.5"},
        {{"100", "0.00001", "10", 1, "5", kRange}, "10", "0.00001"},      // plain, so it reads back the same
        {{"100", "1234.56789", "10", 1, "5", kRange}, "10", "1234.5679"},  // the nearest single, shortest
    };
    for (const Rewrite& r : rows) {
        const auto out = ohm::CalcCmosAstable(r.in);
        EXPECT_EQ(out.capText, r.capText) << r.in.cap;
        EXPECT_EQ(out.maxFreqText, r.maxFreqText) << r.in.maxFreq;
    }
}

TEST(CmosAstableCapCaption, PlainValueAndUnit) {
    const std::pair<std::pair<const char*, int>, const char*> rows[] = {
        {{"10", 1}, "10nF"},     {{"10", 2}, "10uF"},     {{"10", 0}, "10pF"},    {{"10", -1}, "10"},
        {{".5", 1}, "0.5nF"},    {{"-.5", 2}, "-0.5uF"},  {{"4.7", 1}, "4.7nF"},  {{"abc", 1}, "0nF"},
        {{"", 0}, "0pF"},        {{"1e3", 1}, "1000nF"},  {{"9E9", 1}, "9000000000nF"},
        {{"&HF", 1}, "15nF"},  // read without NumberIn, so hexadecimal stays hexadecimal
        {{"2,2", 1}, "2nF"},
    };
    for (const auto& [in, expected] : rows) EXPECT_EQ(ohm::CmosAstableCapCaption(in.first, in.second), expected) << in.first;
}

TEST(PlainText, ShortestDigitsNeverExponentForm) {
    EXPECT_EQ(ohm::PlainText(0.1F), "0.1");  // not the double's 0.10000000149011612
    EXPECT_EQ(ohm::PlainText(1e-5), "0.00001");
    EXPECT_EQ(ohm::PlainText(-2.5F), "-2.5");
    EXPECT_EQ(ohm::PlainText(-0.0), "0");
    EXPECT_EQ(ohm::PlainText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(ohm::PlainText(std::numeric_limits<float>::infinity()), "340282350000000000000000000000000000000");
    EXPECT_EQ(ohm::PlainText(DBL_MAX).size(), 309U);
    EXPECT_EQ(ohm::PlainText(4.9e-324).size(), 326U);  // the smallest double, all its zeros
}

TEST(CalcCmosAstable, OddSuppliesNeverGiveNaN) {
    // The supply box only ever holds 3..15, but the routine takes any text.
    for (const char* volts : {"0", "-0.3", "-1.4", "abc", "1E400", "-1E400"}) {
        const auto out = ohm::CalcCmosAstable({"100", "1000", "10", 1, volts, kRange});
        for (float v : {out.R1, out.R2, out.VR1, out.VR2}) EXPECT_TRUE(std::isfinite(v)) << volts;
        EXPECT_TRUE(!out.failure || out.failure->prompt.find("nan") == std::string::npos) << volts;
    }
}

}  // namespace
