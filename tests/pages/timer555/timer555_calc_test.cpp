#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

constexpr auto kFixed = ohm::Timer555Mode::Fixed;
constexpr auto kRange = ohm::Timer555Mode::Range;
constexpr int kPf = 0, kNf = 1, kUf = 2;  // astable list; the monostable's is nF = 0, uF = 1

std::string Or(const std::optional<std::string>& s) { return s ? *s : "-"; }

// ---- astable: f = 1.44 / ((1000 + 2 R2) C) ----

TEST(CalcAstable555, Results) {
    struct Row {
        const char *name, *cap;
        int unit;
        const char *f1, *f2, *freqText, *r2, *vr1;
    };
    const Row rows[] = {
        // 1.44 / (1000 Hz x 10 nF) = 144000; (144000 - 1000) / 2 = 71500
        {"fixed 10nF 1kHz", "10", kNf, "1,000Hz", nullptr, "1000", "71.5K", "-"},
        // 100 Hz alone needs 719500; less the 71500 of R2 leaves 648000
        {"range 100-1000Hz", "10", kNf, "100", "1000", "100", "71.5K", "648K"},
        // 1 uF at 1 Hz: (1440000 - 1000) / 2 = 719500
        {"1uF 1Hz", "1", kUf, "1", nullptr, "1", "720K", "-"},
        // the same in exact numbers, but 1 pF stored as a float 0.001 nF is a
        // hair large, so R2 lands a hair below 719500
        {"1pF at 1MHz", "1pF", kPf, "1000000", nullptr, "1000000", "719K", "-"},
        // 1 uF at 0.1 Hz: (14.4M - 1000) / 2 = 7199500; no "0" before the point
        {"0.1Hz", "1", kUf, "0.1", nullptr, ".1", "7.2M", "-"},
        {"nothing picked is nF", "10", -1, "1000", nullptr, "1000", "71.5K", "-"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2 ? r.f2 : "", r.f2 ? kRange : kFixed);
        EXPECT_TRUE(out.ok()) << r.name << ": " << out.prompt;
        EXPECT_EQ(Or(out.freqText) + " " + Or(out.r2Text) + " " + Or(out.vr1Text) + " " + Or(out.r1Text),
                  std::string(r.freqText) + " " + r.r2 + " " + r.vr1 + " 1K")
            << r.name;
    }
}

TEST(CalcAstable555, FirstFailedCheck) {
    using C = ohm::Astable555Check;
    const std::string freq = "Frequency must be between 0.1Hz and 1MHz";
    const std::string lower = "R2 out of range - select a lower capacitor value";
    const std::string higher = "R2 out of range - select a higher capacitor value";
    struct Row {
        const char *name, *cap;
        int unit;
        const char *f1, *f2;
        C check;
        std::string prompt;
        const char *freqText, *r2;  // written before the check failed
    };
    const Row rows[] = {
        {"below 0.1Hz", "10", kNf, "0.09", nullptr, C::Freq, freq, "-", "-"},
        {"above 1MHz, minimum first", "0", kNf, "1000001", "", C::Freq, freq, "-", "-"},
        {"empty maximum", "10", kNf, "100", "", C::MaxFreq, freq, "100", "-"},
        {"equal ends", "10", kNf, "100", "100", C::Order, "Maximum frequency must be higher than minimum!", "100",
         "-"},
        {"no capacitor", "", kUf, "50", "100", C::CapZero, ohm::CapZeroPrompt(), "50", "-"},
        // (1440 - 1000) / 2 = 220 ohms
        {"R2 220 ohms", "10", kNf, "100000", nullptr, C::R2Low, ohm::TwoPart("Range Error:  R2 < 1K ohms", lower),
         "100000", "-"},
        {"negative capacitor", "-10", kNf, "1000", nullptr, C::R2Low,
         ohm::TwoPart("Range Error:  R2 < 1K ohms", lower), "1000", "-"},
        // 1 pF at 100 Hz: about 7.2 Gohm
        {"R2 7.2G", "1", kPf, "100", nullptr, C::R2High, ohm::TwoPart("Range Error:  R2 > 10Mohms", higher), "100",
         "-"},
        // 999 Hz alone needs 71572.07 ohms: VR1 = 72.07
        {"VR1 72 ohms", "10", kNf, "999", "1000", C::VR1Low, ohm::TwoPart("Range Error:  VR1 =72.1ohms", lower),
         "999", "71.5K"},
        // 10 Hz alone needs 7199500 ohms: VR1 = 7128000
        {"VR1 7.13M", "10", kNf, "10", "1000", C::VR1High, ohm::TwoPart("Range Error:  VR1 =7.13Mohms", higher),
         "10", "71.5K"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2 ? r.f2 : "", r.f2 ? kRange : kFixed);
        ASSERT_TRUE(out.failed.has_value()) << r.name;
        EXPECT_EQ(*out.failed, r.check) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Or(out.freqText), r.freqText) << r.name;
        EXPECT_EQ(Or(out.r2Text), r.r2) << r.name;
        EXPECT_FALSE(out.vr1Text || out.r1Text) << r.name;  // "1K" only on success
    }
}

// ---- monostable: t = 1.1 R C ----

TEST(CalcMonostable555, Results) {
    struct Row {
        const char *name, *d1, *d2, *cap;
        int unit;
        const char* written;  // D1, C, R1, D2, VR1 as written
    };
    const Row rows[] = {
        // 1 ms / (1.1 x 10 nF) = 90909 ohms
        {"fixed 10nF 1ms", "1", nullptr, "10", 0, "1 10 90.9K - -"},
        // 10 ms needs 909091; less R1 leaves 818182
        {"range 1-10ms", "1", "10ms", "10", 0, "1 10 90.9K 10 818K"},
        // 1000 s / (1.1 x 100 uF) = 9090909
        {"1000s limit", "1000000", nullptr, "100", 1, "1000000 100 9.09M - -"},
        // 1 us / (1.1 x 0.01 nF) = 90909
        {"0.001ms limit", "0.001", nullptr, "0.01", 0, ".001 .01 90.9K - -"},
        // 4.7 uF is 4700 nF: 1 s / (1.1 x 4.7 uF) = 193424
        {"4.7uF", "1000", nullptr, "4.7u", 1, "1000 4.7 193K - -"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2 ? r.d2 : "", r.cap, r.unit, r.d2 ? kRange : kFixed);
        EXPECT_TRUE(out.ok()) << r.name << ": " << out.prompt;
        EXPECT_EQ(Or(out.durText) + " " + Or(out.capText) + " " + Or(out.r1Text) + " " + Or(out.maxDurText) + " " +
                      Or(out.vr1Text),
                  r.written)
            << r.name;
    }
}

TEST(CalcMonostable555, FirstFailedCheck) {
    using C = ohm::Monostable555Check;
    const std::string dur = "Duration must be between 0.001ms and 1000s";
    struct Row {
        const char *name, *d1, *d2, *cap;
        C check;
        std::string prompt;
        const char* written;  // C, R1, D2 as written before the check failed
    };
    const Row rows[] = {
        {"below 0.001ms", "0.0009", nullptr, "10", C::Dur, dur, "- - -"},
        {"above 1000s", "1000001", nullptr, "10", C::Dur, dur, "- - -"},
        {"letters for a capacitor", "1", "5", "abc", C::CapZero, ohm::CapZeroPrompt(), "0 - -"},
        // 0.01 ms on 10 nF: 909 ohms; two blanks after "="
        {"R1 909 ohms", "0.01", nullptr, "10", C::R1Low,
         ohm::TwoPart("Range Error:  R1 =  909ohms", "R1 below 1K - select a lower capacitor value"), "10 - -"},
        {"negative capacitor", "1", nullptr, "-10", C::R1Low,
         ohm::TwoPart("Range Error:  R1 =  -90.9Kohms", "R1 below 1K - select a lower capacitor value"), "-10 - -"},
        // 200 ms on 10 nF: 18.2 Mohm, found before the maximum is read
        {"R1 18M", "200", "", "10", C::R1High,
         ohm::TwoPart("Range Error:  R1 =  18Mohms", "R1 above 10M - select a higher capacitor value"), "10 - -"},
        {"empty maximum", "1", "", "10", C::MaxDur, dur, "10 90.9K -"},
        // the maximum is rewritten before it is compared
        {"equal ends", "1", "1.0", "10", C::Order, "Maximum duration must be higher than minimum!", "10 90.9K 1"},
        // 1.001 ms needs 91000 ohms: VR1 = 90.9; no blank after "="
        {"VR1 91 ohms", "1", "1.001", "10", C::VR1Low,
         ohm::TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms - select a lower capacitor value"),
         "10 90.9K 1.001"},
        // 300 ms needs 27.3 Mohm: VR1 = 27.2M
        {"VR1 27M", "1", "300", "10", C::VR1High,
         ohm::TwoPart("Range Error:  VR1 =  27Mohms", "VR1 above 2.2M - select a higher capacitor value"),
         "10 90.9K 300"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2 ? r.d2 : "", r.cap, 0, r.d2 ? kRange : kFixed);
        ASSERT_TRUE(out.failed.has_value()) << r.name;
        EXPECT_EQ(*out.failed, r.check) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Or(out.capText) + " " + Or(out.r1Text) + " " + Or(out.maxDurText), r.written) << r.name;
        EXPECT_FALSE(out.vr1Text.has_value()) << r.name;
    }
}

}  // namespace
