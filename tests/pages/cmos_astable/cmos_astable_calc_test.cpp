#include <gtest/gtest.h>

#include <tuple>

#include "pages/cmos_astable/cmos_astable_calc.h"

namespace {

using Check = ohm::CmosAstableCheck;
using Box = ohm::CmosAstableBox;
using Written = std::vector<std::pair<int, std::string>>;  // (LBLCMOSR index: 0 R1, 1 VR1, 2 R2, 3 VR2; text)

// Unit 0 pF, 1 nF, 2 uF.
ohm::CmosAstableInput fixed(const char* f, const char* cap, int unit = 1, const char* volts = "5") {
    return {f, "", cap, unit, volts, ohm::CmosAstableMode::Fixed};
}
ohm::CmosAstableInput range(const char* min, const char* max, const char* cap, int unit = 1) {
    return {min, max, cap, unit, "5", ohm::CmosAstableMode::Range};
}
std::string err(const std::string& name, const std::string& ohms, const std::string& advice) {
    return "Range Error:  " + name + " =" + ohms + "ohms\r\r" + name + " out of range - select a " + advice +
           " capacitor value";
}

struct Row {
    const char* name;
    ohm::CmosAstableInput in;
    Written written;
    std::optional<Check> check = std::nullopt;
    std::vector<int> emptied = {};
    std::string prompt = "";
    Box box = Box::Cap;
};

const std::string kFreq = "Frequency must be between 0.5Hz and 1MHz";
const std::string kOrder = "Maximum frequency must be higher than minimum!";
const std::string kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";
const Written k10nF1kHz = {{0, "121K"}, {2, "268K"}};

// Worked examples of the page unless a comment gives the hand arithmetic.
// R is proportional to 1 / (f C), so equal products f C give equal designs.
TEST(CalcCmosAstable, DesignsOrStopsAtTheFirstFailedCheck) {
    const Row rows[] = {
        {"5V 10nF 1kHz", fixed("1000", "10"), k10nF1kHz},
        {"12V moves R1 only", fixed("1000", "10", 1, "12"), {{0, "133K"}, {2, "268K"}}},
        {"100nF", fixed("1000", "100"), {{0, "12.1K"}, {2, "26.8K"}}},
        {"10uF at 1Hz", fixed("1", "10", 2), k10nF1kHz},
        {"100pF at 100kHz", fixed("100000", "100", 0), k10nF1kHz},
        {"comma and units dropped", fixed("1,000Hz", "10n"), k10nF1kHz},
        // A tenth of the 10 nF range example (VR1 1,092,000, VR2 2,411,548).
        {"range 100nF", range("100", "1000", "100"), {{0, "12.1K"}, {2, "26.8K"}, {1, "109K"}, {3, "241K"}}},

        {"0.4Hz", fixed("0.4", "10"), {}, Check::Freq, {}, kFreq, Box::Freq0},
        {"minimum before maximum", range("0", "", "10"), {}, Check::Freq, {}, kFreq, Box::Freq0},
        // 0.5 Hz and 1 MHz pass the frequency check: R1 = 2000 x and 1/1000 x 121,333.
        {"0.5Hz accepted", fixed("0.5", "10"), {}, Check::R1High, {0}, err("R1", "243M", "higher")},
        {"1MHz accepted", fixed("1000000", "10"), {}, Check::R1Low, {0}, err("R1", "121", "lower")},
        {"30kHz", fixed("30000", "10"), {}, Check::R1Low, {0}, err("R1", "4.04K", "lower")},
        {"negative capacitor", fixed("1000", "-10"), {}, Check::R1Low, {0}, err("R1", "-121K", "lower")},
        // 20 Hz: R1 = 50 x 121,333 fits, R2 = 50 x 267,950 does not.
        {"R2 too high", fixed("20", "10"), {{0, "6.07M"}}, Check::R2High, {2}, err("R2", "13M", "higher")},
        // Only a supply the spin button cannot give makes circuit 2 the faster one:
        // -2 V, 80 kHz, 10 nF: R1 = 1250 / ln 1.3 = 4764, R2 = 1250 / ln(0.61 / 0.42) = 3349.
        {"R2 too low", fixed("80000", "10", 1, "-2"), {{0, "4.76K"}}, Check::R2Low, {2}, err("R2", "3.35K", "lower")},
        {"empty maximum", range("100", "", "10"), {}, Check::MaxFreq, {},
         "Maximum frequency must be between 0.5Hz and 1MHz", Box::Freq1},
        {"equal frequencies", range("1000", "1000", "10"), {}, Check::Order, {}, kOrder, Box::Freq1},
        {"order before capacitor", range("1000", "10", "0"), {}, Check::Order, {}, kOrder, Box::Freq1},
        // VR1 = 121,333 x (1000 / 999.5 - 1) = 60.7; 121,333 x 19 = 2,305,334.
        {"VR1 too low", range("999.5", "1000", "10"), k10nF1kHz, Check::VR1Low, {1}, err("VR1", "60.7", "lower")},
        {"VR1 too high", range("50", "1000", "10"), k10nF1kHz, Check::VR1High, {1}, err("VR1", "2.31M", "higher")},
        {"997Hz to 1kHz", range("997", "1000", "10"), {{0, "121K"}, {2, "268K"}, {1, "365"}}, Check::VR2Low, {3},
         err("VR2", "806", "lower")},
        {"100Hz to 1kHz", range("100", "1000", "10"), {{0, "121K"}, {2, "268K"}, {1, "1.09M"}}, Check::VR2High, {3},
         err("VR2", "2.41M", "higher")},
        // A supply the spin button cannot give (0 V, or between -0.7 V and 0 V) reads as no resistance, not NaN.
        {"0V", fixed("1000", "10", 1, "0"), {}, Check::R1Low, {0}, err("R1", "0", "lower")},
        {"-0.3V", fixed("1000", "10", 1, "-0.3"), {}, Check::R1Low, {0}, err("R1", "0", "lower")},
        {"zero capacitor", fixed("1000", "0"), {}, Check::CapZero, {0, 2}, kCapZero},
        {"empty capacitor, range", range("100", "1000", "", 2), {}, Check::CapZero, {0, 2}, kCapZero},
        {"too small to store", fixed("1000", "0.00000000000000000000000000000000000000000001", 0), {}, Check::CapZero,
         {0, 2}, kCapZero},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto out = ohm::CalcCmosAstable(r.in);
        const auto& f = out.failure;
        EXPECT_EQ(out.written, r.written);
        ASSERT_EQ(f.has_value(), r.check.has_value()) << (f ? f->prompt : "");
        if (!f) continue;
        EXPECT_EQ(std::tie(f->check, f->box, f->emptied, f->prompt), std::tie(*r.check, r.box, r.emptied, r.prompt));
    }
}

// The boxes are rewritten as read, in plain shortest digits, once their step ran ("" = left as typed).
TEST(CalcCmosAstable, RewritesTheBoxesOnlyOnceTheirStepRan) {
    const std::pair<ohm::CmosAstableInput, std::string> rows[] = {
        {range("0", "5", "4.70"), "|"},  // a bad frequency stops first
        {fixed("1000", "0.5"), ".5|"},   // no leading zero in the capacitor box
        {range("100", "0.00001", "10"), "10|0.00001"},      // never exponent form
        {range("100", "1234.56789", "10"), "10|1234.5679"},  // the nearest single, shortest
        // Beyond the largest single: written as that single, never "inf" (nor "1e+38").
        {range("100", "1000000000000000000000000000000000000000", "10"), "10|340282350000000000000000000000000000000"},
    };
    for (const auto& [in, texts] : rows) {
        const auto out = ohm::CalcCmosAstable(in);
        EXPECT_EQ(out.capText.value_or("") + "|" + out.maxFreqText.value_or(""), texts) << in.cap << " " << in.maxFreq;
    }
}

TEST(CmosAstableCapCaption, PlainValueAndUnit) {
    const std::pair<std::pair<const char*, int>, const char*> rows[] = {
        {{"10", 1}, "10nF"}, {{"10", 2}, "10uF"},     {{"10", 0}, "10pF"},          {{"10", -1}, "10"},
        {{".5", 1}, "0.5nF"}, {{"-.5", 2}, "-0.5uF"}, {{"abc", 1}, "0nF"},          {{"", 0}, "0pF"},
        {{"-0", 1}, "0nF"},  {{"2,2", 1}, "2nF"},     {{"9E9", 1}, "9000000000nF"},
        {{"&HF", 1}, "15nF"},  // read without NumberIn, so hexadecimal stays hexadecimal
    };
    for (const auto& [in, expected] : rows) EXPECT_EQ(ohm::CmosAstableCapCaption(in.first, in.second), expected) << in.first;
}

}  // namespace
