#include "pages/cmos_monostable/cmos_monostable_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ohm {
namespace {

using enum MonoCheck;
using enum MonoMode;
constexpr int kPF = 0, kNF = 1, kUF = 2, kTyped = -1;
const std::string kDur = "Duration must be between 0.001ms and 1000s";
const std::string kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";
const std::string kR1Low = "ohms\r\rR1 below 4.7K - select a lower capacitor value";

// The inputs, then the check that failed, its prompt, the R1 and VR1 label texts ("" when not written)
// and the rewritten duration|capacitor|maximum boxes ("-" when not written).
struct Row { const char *fixed, *range, *cap; int unit; MonoMode mode; MonoCheck check; std::string prompt;
             const char *r1, *vr1, *boxes; };

// R = T / (0.69 C): 10 ms on 100 nF is 144 928 ohms; 100 ms is 1 449 275, so VR1 is 1 304 348.
const Row kRows[] = {
    {"10", "100", "100", kNF, Fixed, None, "", "145K", "", "10|100|-"},
    {"10", "100", "100", kNF, Range, None, "", "145K", "1.3M", "10|100|100"},
    // The ends of the duration range: 1e-6 s / 6.9e-11 F and 1000 s / 1.035e-4 F.
    {"0.001", "", "100", kPF, Fixed, None, "", "14.5K", "", ".001|100|-"},
    {"1000000", "", "150", kUF, Fixed, None, "", "9.66M", "", "1000000|150|-"},
    // A typed unit text reads as nanofarads; letters in the numbers are skipped (47 nF).
    {"10ms", "", "4k7", kTyped, Fixed, None, "", "308K", "", "10|47|-"},
    {"10", "", "abc", kNF, Fixed, CapZero, kCapZero, "", "", "10|0|-"},
    {"0.1", "", "100", kNF, Fixed, R1Low, "Range Error:  R1 =  1.45K" + kR1Low, "", "", ".1|100|-"},
    // A negative capacitance is not zero: it fails as too small a resistor.
    {"10", "", "-1", kNF, Fixed, R1Low, "Range Error:  R1 =  -14M" + kR1Low, "", "", "10|-1|-"},
    {"1000", "", "100", kNF, Fixed, R1High,
     "Range Error:  R1 =  14Mohms\r\rR1 above 10M - select a higher capacitor value", "", "", "1000|100|-"},
    {"10", "1000001", "100", kNF, Range, MaxDur, kDur, "145K", "", "10|100|-"},
    {"10", "10", "100", kNF, Range, Order, "Maximum duration must be higher than minimum!", "145K", "", "10|100|10"},
    // 72.5 ohms; this prompt alone has no blanks after the equals sign.
    {"10", "10.005", "100", kNF, Range, VR1Low,
     "Range Error:  VR1 =72.5ohms\r\rVR1 below 100ohms - select a lower capacitor value", "145K", "", "10|100|10.005"},
    // 0.5 ms on 0.5 nF passes R1 (1.45M); all three boxes are rewritten before VR1 (56.5M) fails.
    {"0.50", "20 ms", "0.5", kNF, Range, VR1High,
     "Range Error:  VR1 =  57Mohms\r\rVR1 above 2.2M - select a higher capacitor value", "1.45M", "", ".5|.5|20"},
};

TEST(CmosMonostable, ResultsOrTheFirstFailedCheck) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.fixed) + " to " + row.range + " ms on " + row.cap);
        const MonoOutcome out = CalcCmosMonostable({row.fixed, row.range, row.cap, row.unit, row.mode});
        EXPECT_EQ(out.failed, row.check);
        EXPECT_EQ(out.prompt, row.prompt);
        EXPECT_EQ(out.r1Text.value_or("") + "|" + out.vr1Text.value_or(""), std::string(row.r1) + "|" + row.vr1);
        EXPECT_EQ(out.fixedText.value_or("-") + "|" + out.capText.value_or("-") + "|" + out.rangeText.value_or("-"),
                  row.boxes);
    }
}

TEST(CmosMonostable, CapacitanceAtTheEndsOfTheDoubleRangeStaysFinite) {
    // 5e-323 nF is not zero, but as farads it underflows the divisor; 1e400 uF
    // overflows the unit step. Either way the resistance must stay a number.
    const struct { std::string cap; int unit; MonoCheck check; } rows[] = {
        {"." + std::string(322, '0') + "5", kNF, R1High}, {"1" + std::string(400, '0'), kUF, R1Low}};
    for (const auto& row : rows) {
        const MonoOutcome out = CalcCmosMonostable({"10", "", row.cap, row.unit, Fixed});
        EXPECT_EQ(out.failed, row.check);
        EXPECT_TRUE(std::isfinite(out.r1) && std::isfinite(out.cap));
        EXPECT_TRUE(out.prompt.find("inf") == std::string::npos && out.prompt.find("nan") == std::string::npos)
            << out.prompt;
    }
}

}  // namespace
}  // namespace ohm
