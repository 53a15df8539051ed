#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

using ohm::Timer555Mode;
constexpr auto kFixed = Timer555Mode::Fixed;
constexpr auto kRange = Timer555Mode::Range;
constexpr int kPf = 0, kNf = 1, kUf = 2;  // astable list
constexpr int kMonoNf = 0, kMonoUf = 1;   // monostable list

std::string Or(const std::optional<std::string>& s) { return s ? *s : "-"; }

// ---- astable: f = 1.44 / ((1000 + 2 R2) C) ----

TEST(CalcAstable555, Results) {
    struct Row {
        const char *name, *cap;
        int unit;
        const char *f1, *f2;
        Timer555Mode mode;
        const char *freqText, *r2, *vr1;
    };
    const Row rows[] = {
        // 1.44 / (1000 Hz x 10 nF) = 144000; (144000 - 1000) / 2 = 71500
        {"fixed 10nF 1kHz", "10", kNf, "1000", "", kFixed, "1000", "71.5K", "-"},
        // 100 Hz alone: 719500, less the 71500 of R2 gives 648000
        {"range 100-1000Hz", "10", kNf, "100", "1000", kRange, "100", "71.5K", "648K"},
        // 1 uF at 1 Hz: (1440000 - 1000) / 2 = 719500
        {"1uF 1Hz", "1", kUf, "1", "", kFixed, "1", "720K", "-"},
        // 1 pF at the 1 MHz limit: 719500 in exact numbers, but 1 pF stored
        // as a float 0.001 nF is a hair large, R2 a hair below 719500 (719K)
        {"1pF 1MHz limit", "1pF", kPf, "1000000", "", kFixed, "1000000", "719K", "-"},
        // 1 uF at the 0.1 Hz limit: (14.4M - 1000) / 2 = 7199500
        {"0.1Hz limit, no leading zero", "1", kUf, "0.1", "", kFixed, ".1", "7.2M", "-"},
        {"thousands comma and unit", "10n", kNf, "1,000Hz", "", kFixed, "1000", "71.5K", "-"},
        // a list without a selection reads as nanofarads
        {"no unit picked", "10", -1, "1000", "", kFixed, "1000", "71.5K", "-"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2, r.mode);
        EXPECT_TRUE(out.ok()) << r.name << ": " << out.prompt;
        EXPECT_EQ(Or(out.freqText), r.freqText) << r.name;
        EXPECT_EQ(Or(out.r2Text), r.r2) << r.name;
        EXPECT_EQ(Or(out.vr1Text), r.vr1) << r.name;
        EXPECT_EQ(Or(out.r1Text), "1K") << r.name;
    }
}

TEST(CalcAstable555, FirstFailedCheck) {
    using C = ohm::Astable555Check;
    const std::string kFreq = "Frequency must be between 0.1Hz and 1MHz";
    const std::string kLower = "R2 out of range - select a lower capacitor value";
    const std::string kHigher = "R2 out of range - select a higher capacitor value";
    struct Row {
        const char *name, *cap;
        int unit;
        const char *f1, *f2;
        Timer555Mode mode;
        C check;
        std::string prompt;
        const char *freqText, *r2;  // written before the check failed
    };
    const Row rows[] = {
        {"below 0.1Hz", "10", kNf, "0.09", "", kFixed, C::Freq, kFreq, "-", "-"},
        {"above 1MHz", "10", kNf, "1000001", "", kFixed, C::Freq, kFreq, "-", "-"},
        {"empty", "10", kNf, "", "", kFixed, C::Freq, kFreq, "-", "-"},
        {"letters only", "10", kNf, "abc", "", kFixed, C::Freq, kFreq, "-", "-"},
        {"minimum checked first", "0", kNf, "", "", kRange, C::Freq, kFreq, "-", "-"},
        {"empty maximum", "10", kNf, "100", "", kRange, C::MaxFreq, kFreq, "100", "-"},
        {"maximum too high", "10", kNf, "100", "1000001", kRange, C::MaxFreq, kFreq, "100", "-"},
        {"equal ends", "10", kNf, "100", "100", kRange, C::Order,
         "Maximum frequency must be higher than minimum!", "100", "-"},
        {"zero capacitor", "0", kNf, "1000", "", kFixed, C::CapZero, ohm::CapZeroPrompt(), "1000", "-"},
        {"empty capacitor", "", kUf, "50", "100", kRange, C::CapZero, ohm::CapZeroPrompt(), "50", "-"},
        // (1440 - 1000) / 2 = 220 ohms
        {"R2 220 ohms", "10", kNf, "100000", "", kFixed, C::R2Low,
         ohm::TwoPart("Range Error:  R2 < 1K ohms", kLower), "100000", "-"},
        {"negative capacitor", "-10", kNf, "1000", "", kFixed, C::R2Low,
         ohm::TwoPart("Range Error:  R2 < 1K ohms", kLower), "1000", "-"},
        // 1 pF at 100 Hz: about 7.2 Gohm
        {"R2 7.2G", "1", kPf, "100", "", kFixed, C::R2High,
         ohm::TwoPart("Range Error:  R2 > 10Mohms", kHigher), "100", "-"},
        // 999 Hz alone needs 71572.07 ohms: VR1 = 72.07
        {"VR1 72 ohms", "10", kNf, "999", "1000", kRange, C::VR1Low,
         ohm::TwoPart("Range Error:  VR1 =72.1ohms", kLower), "999", "71.5K"},
        // 10 Hz alone needs 7199500 ohms: VR1 = 7128000
        {"VR1 7.13M", "10", kNf, "10", "1000", kRange, C::VR1High,
         ohm::TwoPart("Range Error:  VR1 =7.13Mohms", kHigher), "10", "71.5K"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2, r.mode);
        ASSERT_TRUE(out.failed.has_value()) << r.name;
        EXPECT_EQ(*out.failed, r.check) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Or(out.freqText), r.freqText) << r.name;
        EXPECT_EQ(Or(out.r2Text), r.r2) << r.name;
        EXPECT_FALSE(out.vr1Text.has_value()) << r.name;
        EXPECT_FALSE(out.r1Text.has_value()) << r.name;  // "1K" only on success
    }
}

// ---- monostable: t = 1.1 R C ----

TEST(CalcMonostable555, Results) {
    struct Row {
        const char *name, *d1, *d2, *cap;
        int unit;
        Timer555Mode mode;
        const char *durText, *capText, *r1, *maxDurText, *vr1;
    };
    const Row rows[] = {
        // 1 ms / (1.1 x 10 nF) = 90909 ohms
        {"fixed 10nF 1ms", "1", "", "10", kMonoNf, kFixed, "1", "10", "90.9K", "-", "-"},
        // 10 ms needs 909091; less R1 gives 818182
        {"range 1-10ms", "1", "10ms", "10", kMonoNf, kRange, "1", "10", "90.9K", "10", "818K"},
        // 1000 s / (1.1 x 100 uF) = 9090909
        {"1000s limit", "1000000", "", "100", kMonoUf, kFixed, "1000000", "100", "9.09M", "-", "-"},
        {"100ms on 10nF", "100", "", "10", kMonoNf, kFixed, "100", "10", "9.09M", "-", "-"},
        // 1 us / (1.1 x 0.01 nF) = 90909
        {"0.001ms limit", "0.001", "", "0.01", kMonoNf, kFixed, ".001", ".01", "90.9K", "-", "-"},
        // 4.7 uF is 4700 nF: 1 s / (1.1 x 4.7 uF) = 193424
        {"4.7uF", "1000", "", "4.7u", kMonoUf, kFixed, "1000", "4.7", "193K", "-", "-"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2, r.cap, r.unit, r.mode);
        EXPECT_TRUE(out.ok()) << r.name << ": " << out.prompt;
        EXPECT_EQ(Or(out.durText), r.durText) << r.name;
        EXPECT_EQ(Or(out.capText), r.capText) << r.name;
        EXPECT_EQ(Or(out.r1Text), r.r1) << r.name;
        EXPECT_EQ(Or(out.maxDurText), r.maxDurText) << r.name;
        EXPECT_EQ(Or(out.vr1Text), r.vr1) << r.name;
    }
}

TEST(CalcMonostable555, FirstFailedCheck) {
    using C = ohm::Monostable555Check;
    const std::string kDur = "Duration must be between 0.001ms and 1000s";
    struct Row {
        const char *name, *d1, *d2, *cap;
        int unit;
        Timer555Mode mode;
        C check;
        std::string prompt;
        const char *capText, *r1, *maxDurText;  // written before the check failed
    };
    const Row rows[] = {
        {"below 0.001ms", "0.0009", "", "10", kMonoNf, kFixed, C::Dur, kDur, "-", "-", "-"},
        {"above 1000s", "1000001", "", "10", kMonoNf, kFixed, C::Dur, kDur, "-", "-", "-"},
        {"zero capacitor", "1", "", "0", kMonoNf, kFixed, C::CapZero, ohm::CapZeroPrompt(), "0", "-", "-"},
        {"letters for capacitor", "1", "5", "abc", kMonoUf, kRange, C::CapZero, ohm::CapZeroPrompt(), "0",
         "-", "-"},
        // 0.01 ms on 10 nF: 909 ohms; two blanks after "="
        {"R1 909 ohms", "0.01", "", "10", kMonoNf, kFixed, C::R1Low,
         ohm::TwoPart("Range Error:  R1 =  909ohms", "R1 below 1K - select a lower capacitor value"), "10",
         "-", "-"},
        // 200 ms on 10 nF: 18.2 Mohm, checked before the maximum
        {"R1 18M", "200", "", "10", kMonoNf, kRange, C::R1High,
         ohm::TwoPart("Range Error:  R1 =  18Mohms", "R1 above 10M - select a higher capacitor value"), "10",
         "-", "-"},
        {"empty maximum", "1", "", "10", kMonoNf, kRange, C::MaxDur, kDur, "10", "90.9K", "-"},
        // the maximum is rewritten before it is compared
        {"equal ends", "1", "1.0", "10", kMonoNf, kRange, C::Order,
         "Maximum duration must be higher than minimum!", "10", "90.9K", "1"},
        // 1.001 ms needs 91000 ohms: VR1 = 90.9; no blank after "="
        {"VR1 91 ohms", "1", "1.001", "10", kMonoNf, kRange, C::VR1Low,
         ohm::TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms - select a lower capacitor value"),
         "10", "90.9K", "1.001"},
        // 300 ms needs 27.3 Mohm: VR1 = 27.2M
        {"VR1 27M", "1", "300", "10", kMonoNf, kRange, C::VR1High,
         ohm::TwoPart("Range Error:  VR1 =  27Mohms", "VR1 above 2.2M - select a higher capacitor value"),
         "10", "90.9K", "300"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2, r.cap, r.unit, r.mode);
        ASSERT_TRUE(out.failed.has_value()) << r.name;
        EXPECT_EQ(*out.failed, r.check) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Or(out.capText), r.capText) << r.name;
        EXPECT_EQ(Or(out.r1Text), r.r1) << r.name;
        EXPECT_EQ(Or(out.maxDurText), r.maxDurText) << r.name;
        EXPECT_FALSE(out.vr1Text.has_value()) << r.name;
    }
}

TEST(CalcMonostable555, NegativeCapacitorFailsLow) {
    const auto out = ohm::CalcMonostable555("1", "", "-10", kMonoNf, kFixed);
    ASSERT_TRUE(out.failed.has_value());
    EXPECT_EQ(*out.failed, ohm::Monostable555Check::R1Low);
    EXPECT_EQ(Or(out.capText), "-10");
}

}  // namespace
