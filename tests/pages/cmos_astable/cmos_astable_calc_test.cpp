#include <gtest/gtest.h>

#include <tuple>

#include "pages/cmos_astable/cmos_astable_calc.h"

namespace {

using Check = ohm::CmosAstableCheck;
using Box = ohm::CmosAstableBox;
using In = ohm::CmosAstableInput;
using Written = std::vector<std::pair<int, std::string>>;  // (value label: 0 R1, 1 VR1, 2 R2, 3 VR2; text)

In fixed(const char* f, const char* c, int unit = 1, const char* volts = "5") { return {f, "", c, unit, volts}; }
In range(const char* min, const char* max, const char* c) { return {min, max, c, 1, "5", ohm::CmosAstableMode::Range}; }
std::string err(const std::string& r, const std::string& ohms, const std::string& advice) {
    return "Range Error:  " + r + " =" + ohms + "ohms\r\r" + r + " out of range - select a " + advice +
           " capacitor value";
}
const std::string kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";
const Written k10nF1kHz = {{0, "121K"}, {2, "268K"}};

// Worked examples unless a comment gives the arithmetic; R goes as 1 / (f C), so equal f C give equal designs.
TEST(CalcCmosAstable, DesignsOrStopsAtTheFirstFailedCheckAndRewritesTheBoxes) {
    struct Row {  // without a check, a full design
        In in; Written written; std::optional<Check> check = {}; std::vector<int> emptied = {};
        std::string prompt = ""; Box box = Box::Cap; };
    const Row rows[] = {
        // 10 nF at 1 kHz, 10 uF (unit 2) at 1 Hz, 100 pF (unit 0) at 100 kHz, comma and units dropped.
        {fixed("1000", "10"), k10nF1kHz}, {fixed("1", "10", 2), k10nF1kHz}, {fixed("100,000Hz", "100p", 0), k10nF1kHz},
        // 995 Hz to 1 kHz: pots of (1000 / 995 - 1) x 121,333 and x 267,950, both above their floors.
        {range("995", "1000", "10"), {{0, "121K"}, {2, "268K"}, {1, "610"}, {3, "1.35K"}}},
        // 1 / (0.50272 Hz x 533 nF x ln(0.61 / 0.42)) is stored as 10,000,000 exactly, the top of the range.
        {fixed("0.50272", "533"), {{0, "4.53M"}, {2, "10M"}}},
        // At 3 V, 1 / (7855.191 Hz x 30 nF x ln(3.7 / 1.5)) is stored as 4700 exactly, the least allowed.
        {fixed("7855.191", "30", 1, "3"), {{0, "4.7K"}, {2, "11.4K"}}},
        {fixed("0.4", "10"), {}, Check::Freq, {}, "Frequency must be between 0.5Hz and 1MHz", Box::Freq0},
        // 0.5 Hz and 1 MHz pass the frequency check: R1 = 2000 x 10 / 194 and 1/1000 x 121,333.
        {fixed("0.5", "194"), {}, Check::R1High, {0}, err("R1", "13M", "higher")},
        {fixed("1000000", "10"), {}, Check::R1Low, {0}, err("R1", "121", "lower")},
        {range("100", "", "10"), {}, Check::MaxFreq, {}, "Maximum frequency must be between 0.5Hz and 1MHz",
         Box::Freq1},
        // A maximum of 0.5 Hz passes its own check; the order stops it, before the capacitor.
        {range("0.5", "0.5", "0"), {}, Check::Order, {}, "Maximum frequency must be higher than minimum!", Box::Freq1},
        // VR1 = 121,333 x (1000 / 999.5 - 1) = 60.7; 121,333 x 19 = 2,305,334.
        {range("999.5", "1000", "10"), k10nF1kHz, Check::VR1Low, {1}, err("VR1", "60.7", "lower")},
        {range("50", "1000", "10"), k10nF1kHz, Check::VR1High, {1}, err("VR1", "2.31M", "higher")},
        {range("999", "1000", "10"), {{0, "121K"}, {2, "268K"}, {1, "121"}}, Check::VR2Low, {3}, err("VR2", "268", "lower")},
        {range("100", "1000", "10"), {{0, "121K"}, {2, "268K"}, {1, "1.09M"}}, Check::VR2High, {3},
         err("VR2", "2.41M", "higher")},
        {fixed("1000", "10", 1, "-0.3"), {}, Check::R1Low, {0}, err("R1", "0", "lower")},  // no ohms, not NaN
        {fixed("1000", "0.00000000000000000000000000000000000000000001", 0), {}, Check::CapZero, {0, 2}, kCapZero},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.in.freq) + " Hz, " + std::string(r.in.cap));
        const auto out = ohm::CalcCmosAstable(r.in);
        EXPECT_EQ(out.written, r.written);
        ASSERT_EQ(out.failure.has_value(), r.check.has_value()) << (out.failure ? out.failure->prompt : "");
        if (const auto& f = out.failure) {
            EXPECT_EQ(std::tie(f->check, f->box, f->emptied, f->prompt), std::tie(*r.check, r.box, r.emptied, r.prompt));
        }
    }
    // Boxes rewritten once their step ran: the capacitor without a leading zero, the maximum never as 1E-05.
    EXPECT_FALSE(ohm::CalcCmosAstable(range("0", "5", "4.70")).capText);
    EXPECT_EQ(ohm::CalcCmosAstable(fixed("1000", "0.5")).capText, ".5");
    EXPECT_EQ(ohm::CalcCmosAstable(range("100", "0.00001", "10")).maxFreqText, "0.00001");
}

// Read without NumberIn first: "&HF" stays hexadecimal.
TEST(CmosAstableCapCaption, PlainValueAndUnit) {
    auto caption = [](const char* text, int unit) { return ohm::CmosAstableCapCaption(text, unit) + " "; };
    EXPECT_EQ(caption("10", 0) + caption("10", -1) + caption("-.5", 2) + caption("abc", 1) + caption("9E9", 1) +
                  caption("&HF", 1), "10pF 10 -0.5uF 0nF 9000000000nF 15nF ");
}

}  // namespace
