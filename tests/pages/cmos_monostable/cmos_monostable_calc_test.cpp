#include "pages/cmos_monostable/cmos_monostable_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ohm {
namespace {

constexpr int kPF = 0, kNF = 1, kUF = 2, kTyped = -1;
const std::string kCR2 = "\r\r";

struct Passing {
    const char* name;
    const char *fixed, *range, *cap;
    int unit;
    MonoMode mode;
    const char *r1, *vr1;  // label texts; vr1 only in Range mode
};

// R = T / (0.69 C) worked by hand, e.g. 0.01 s / (0.69 x 100e-9 F) = 144 928 ohms.
const Passing kPassing[] = {
    {"StartUpValues", "10", "100", "100", kNF, MonoMode::Fixed, "145K", nullptr},
    {"Range10To100ms", "10", "100", "100", kNF, MonoMode::Range, "145K", "1.3M"},   // 1 449 275 - 144 928
    {"ShortestPulse", "0.001", "", "100", kPF, MonoMode::Fixed, "14.5K", nullptr},   // 1e-6 / 6.9e-11
    {"LongestPulse", "1000000", "", "150", kUF, MonoMode::Fixed, "9.66M", nullptr},  // 1000 / 1.035e-4
    {"TypedUnitReadsAsNanofarads", "10", "", "47", kTyped, MonoMode::Fixed, "308K", nullptr},
    {"UnitsAndLettersIgnored", "10ms", "", "4k7", kNF, MonoMode::Fixed, "308K", nullptr},  // 47 nF
};

class CmosMonoPasses : public ::testing::TestWithParam<Passing> {};

TEST_P(CmosMonoPasses, WritesResistorValues) {
    const Passing& p = GetParam();
    const MonoOutcome out = CalcCmosMonostable({p.fixed, p.range, p.cap, p.unit, p.mode});
    ASSERT_TRUE(out.ok()) << out.prompt;
    EXPECT_EQ(out.r1Text.value_or("-"), p.r1);
    if (p.vr1) EXPECT_EQ(out.vr1Text.value_or("-"), p.vr1);
    else EXPECT_FALSE(out.vr1Text.has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, CmosMonoPasses, ::testing::ValuesIn(kPassing),
                         [](const auto& i) { return std::string(i.param.name); });

struct Failing {
    const char* name;
    const char *fixed, *range, *cap;
    int unit;
    MonoMode mode;
    MonoCheck check;
    std::string prompt;
    bool r1Written;  // the R1 labels got a value before the check failed
};

const std::string kDur = "Duration must be between 0.001ms and 1000s";
const Failing kFailing[] = {
    {"TooShort", "0.0009", "", "100", kNF, MonoMode::Fixed, MonoCheck::Dur, kDur, false},
    {"TooLong", "1000001", "", "100", kNF, MonoMode::Fixed, MonoCheck::Dur, kDur, false},
    {"EmptyCap", "10", "", "", kNF, MonoMode::Fixed, MonoCheck::CapZero,
     "Entry Error:  Capacitor = 0" + kCR2 + "You must enter a capacitor value above zero!", false},
    {"R1Low", "0.1", "", "100", kNF, MonoMode::Fixed, MonoCheck::R1Low,
     "Range Error:  R1 =  1.45Kohms" + kCR2 + "R1 below 4.7K - select a lower capacitor value", false},
    {"R1High", "1000", "", "100", kNF, MonoMode::Fixed, MonoCheck::R1High,
     "Range Error:  R1 =  14Mohms" + kCR2 + "R1 above 10M - select a higher capacitor value", false},
    {"MaxTooLong", "10", "1000001", "100", kNF, MonoMode::Range, MonoCheck::MaxDur, kDur, true},
    {"Equal", "10", "10", "100", kNF, MonoMode::Range, MonoCheck::Order,
     "Maximum duration must be higher than minimum!", true},
    {"VR1Low", "10", "10.005", "100", kNF, MonoMode::Range, MonoCheck::VR1Low,  // 72.5 ohms
     "Range Error:  VR1 =72.5ohms" + kCR2 + "VR1 below 100ohms - select a lower capacitor value", true},
    {"VR1High", "10", "1000", "100", kNF, MonoMode::Range, MonoCheck::VR1High,  // 14.3 Mohm
     "Range Error:  VR1 =  14Mohms" + kCR2 + "VR1 above 2.2M - select a higher capacitor value", true},
};

class CmosMonoFails : public ::testing::TestWithParam<Failing> {};

TEST_P(CmosMonoFails, StopsAtTheFirstFailedCheck) {
    const Failing& f = GetParam();
    const MonoOutcome out = CalcCmosMonostable({f.fixed, f.range, f.cap, f.unit, f.mode});
    EXPECT_EQ(out.failed, f.check);
    EXPECT_EQ(out.prompt, f.prompt);
    EXPECT_EQ(out.r1Text.has_value(), f.r1Written);
    EXPECT_FALSE(out.vr1Text.has_value());
    // A failed duration check writes nothing back; later ones keep the rewritten boxes.
    EXPECT_EQ(out.fixedText.has_value(), f.check != MonoCheck::Dur);
}

INSTANTIATE_TEST_SUITE_P(Rows, CmosMonoFails, ::testing::ValuesIn(kFailing),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(CmosMonostable, RewritesTheBoxesInAUniformForm) {
    // 0.5 ms on 0.5 nF passes (1.45 Mohm); the maximum is rewritten before VR1 fails.
    const MonoOutcome out = CalcCmosMonostable({"0.50", "20 ms", "0.5", kNF, MonoMode::Range});
    EXPECT_EQ(out.fixedText.value_or("-"), ".5");
    EXPECT_EQ(out.capText.value_or("-"), ".5");
    EXPECT_EQ(out.rangeText.value_or("-"), "20");
}

TEST(CmosMonostable, ZeroAndNegativeCapacitance) {
    EXPECT_EQ(CalcCmosMonostable({"10", "", "abc", kNF, MonoMode::Fixed}).capText.value_or("-"), "0");
    EXPECT_EQ(CalcCmosMonostable({"10", "", "0", kUF, MonoMode::Fixed}).failed, MonoCheck::CapZero);
    const MonoOutcome negative = CalcCmosMonostable({"10", "", "-1", kNF, MonoMode::Fixed});
    EXPECT_EQ(negative.failed, MonoCheck::R1Low);
    EXPECT_EQ(negative.prompt.rfind("Range Error:  R1 =  -", 0), 0u) << negative.prompt;
}

TEST(CmosMonostable, CapacitanceAtTheEndsOfTheDoubleRangeStaysFinite) {
    // 5e-323 nF is not zero, but as farads it underflows the divisor; 1e400 uF
    // overflows the unit step. Either way the resistance must stay a number.
    const std::string tiny = "." + std::string(322, '0') + "5";
    const std::string huge = "1" + std::string(400, '0');
    const struct { std::string cap; int unit; MonoCheck check; } rows[] = {
        {tiny, kNF, MonoCheck::R1High}, {huge, kUF, MonoCheck::R1Low}};
    for (const auto& row : rows) {
        const MonoOutcome out = CalcCmosMonostable({"10", "", row.cap, row.unit, MonoMode::Fixed});
        EXPECT_EQ(out.failed, row.check);
        EXPECT_TRUE(std::isfinite(out.r1) && std::isfinite(out.cap));
        EXPECT_EQ(out.prompt.find("inf"), std::string::npos) << out.prompt;
        EXPECT_EQ(out.prompt.find("nan"), std::string::npos) << out.prompt;
    }
}

}  // namespace
}  // namespace ohm
