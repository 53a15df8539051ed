#include "pages/cmos_monostable/cmos_monostable_calc.h"

#include <gtest/gtest.h>

#include <string>

namespace ohm {
namespace {

using enum MonoCheck;
using enum MonoMode;
constexpr std::nullopt_t None = std::nullopt;
constexpr int kPF = 0, kNF = 1, kUF = 2, kTyped = -1;
const std::string kDur = "Duration must be between 0.001ms and 1000s", kR1 = "Range Error:  R1 =  ";
const std::string kR1Low = "ohms\r\rR1 below 4.7K - select a lower capacitor value";
const std::string kR1High = "ohms\r\rR1 above 10M - select a higher capacitor value";
// 5e-323 nF is not zero, but as farads it underflows; 1e400 uF overflows the step to nanofarads.
const std::string kTiny = "." + std::string(322, '0') + "5", kHuge = "1" + std::string(400, '0');

// The inputs, the failed check and its prompt, and "R1|VR1 duration|capacitor|maximum" as written ("-": not).
struct Row { std::string fixed, range, cap; int unit; MonoMode mode; std::optional<MonoCheck> check; std::string prompt, shown; };

// R = T / (0.69 C): 10 ms on 100 nF is 144 928 ohms; 100 ms is 1 449 275, so VR1 is 1 304 348.
const Row kRows[] = {
    {"10", "100", "100", kNF, Fixed, None, "", "145K| 10|100|-"},
    {"10", "100", "100", kNF, Range, None, "", "145K|1.3M 10|100|100"},
    // The ends of the duration range: 1e-6 s / 6.9e-11 F and 1000 s / 1.035e-4 F.
    {"0.001", "", "100", kPF, Fixed, None, "", "14.5K| .001|100|-"},
    {"1000000", "", "150", kUF, Fixed, None, "", "9.66M| 1000000|150|-"},
    {"10", "", "abc", kNF, Fixed, CapZero,
     "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!", "| 10|0|-"},
    {"1000", "", "100", kNF, Fixed, R1High, kR1 + "14M" + kR1High, "| 1000|100|-"},
    // Both ends of each resistor's range are allowed: 4.7K and 10M for R1, 100 ohms and 2.2M for VR1.
    {"0.3243", "", ".1", kUF, Fixed, None, "", "4.7K| .3243|.1|-"},
    {"0.69", "", ".1", kNF, Fixed, None, "", "10M| .69|.1|-"},
    {"10", "10.0069", "100", kNF, Range, None, "", "145K|100 10|100|10.0069"},
    {"10", "161.8", "100", kNF, Range, None, "", "145K|2.2M 10|100|161.8"},
    // Mended: past the double range the resistance stays a number, not inf or nan.
    {"10", "", kTiny, kNF, Fixed, R1High, kR1 + "3.40282346638529E+32M" + kR1High, "| 10|4.94065645841247-323|-"},
    {"10", "", kHuge, kUF, Fixed, R1Low, kR1 + "0" + kR1Low, "| 10|1.79769313486232308|-"},
    {"10", "1000001", "100", kNF, Range, MaxDur, kDur, "145K| 10|100|-"},
    {"10", "10", "100", kNF, Range, Order, "Maximum duration must be higher than minimum!", "145K| 10|100|10"},
    // 72.5 ohms: this prompt alone has no blanks after the equals sign. 0.5 ms on 0.5 nF passes R1 (1.45M),
    // and all three boxes are rewritten before VR1 (56.5M) fails.
    {"10", "10.005", "100", kNF, Range, VR1Low,
     "Range Error:  VR1 =72.5ohms\r\rVR1 below 100ohms - select a lower capacitor value", "145K| 10|100|10.005"},
    {"0.50", "20 ms", "0.5", kNF, Range, VR1High,
     "Range Error:  VR1 =  57Mohms\r\rVR1 above 2.2M - select a higher capacitor value", "1.45M| .5|.5|20"},
};

TEST(CmosMonostable, ResultsOrTheFirstFailedCheck) {
    for (const Row& row : kRows) {
        const MonoOutcome out = CalcCmosMonostable({row.fixed, row.range, row.cap, row.unit, row.mode});
        EXPECT_EQ(CheckOf(out.failure), row.check) << row.shown;
        EXPECT_EQ(PromptOf(out.failure), row.prompt);
        EXPECT_EQ(out.r1Text.value_or("") + "|" + out.vr1Text.value_or("") + " " + out.fixedText.value_or("-") + "|" +
                      out.capText.value_or("-") + "|" + out.rangeText.value_or("-"), row.shown);
    }
}

TEST(CmosMonostable, CapacitorCaptionIsTheTypedNumberAndThePickedUnit) {
    EXPECT_EQ(MonoCapCaption("4k7", kUF) + " " + MonoCapCaption("100", kPF) + " " + MonoCapCaption("47", kTyped),
              "47uF 100pF 47");
}

}  // namespace
}  // namespace ohm
