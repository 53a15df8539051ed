#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

using ohm::TwoPart;
constexpr int kPf = 0, kNf = 1, kUf = 2;  // astable list; the monostable's is nF = 0, uF = 1
const std::string kFreq = "Frequency must be between 0.1Hz and 1MHz";
const std::string kDur = "Duration must be between 0.001ms and 1000s";

// The texts a run wrote, in order, "-" for each it never reached.
std::string Written(std::initializer_list<std::optional<std::string>> texts) {
    std::string s;
    for (const auto& t : texts) s += (s.empty() ? "" : " ") + (t ? *t : "-");
    return s;
}

ohm::Timer555Mode ModeFor(const char* max) { return max ? ohm::Timer555Mode::Range : ohm::Timer555Mode::Fixed; }

// A row without a maximum runs in Fixed mode; one without a failed check must succeed.
TEST(CalcAstable555, ResultsOrFirstFailedCheck) {
    using C = ohm::Astable555Check;
    const std::string lower = "R2 out of range - select a lower capacitor value";
    const std::string higher = "R2 out of range - select a higher capacitor value";
    const std::string lowR2 = TwoPart("Range Error:  R2 < 1K ohms", lower);
    struct Row {
        const char *name, *cap;
        int unit;
        const char *f1, *f2;
        std::optional<C> failed;
        std::string prompt;
        const char* written;  // TXTFreq(0), R2, VR1, R1
    };
    const Row rows[] = {
        {"1.44 / (1kHz x 10nF) = 1000 + 2 x 71500", "10", kNf, "1,000Hz", nullptr, {}, "", "1000 71.5K - 1K"},
        {"100Hz alone needs 719500, less R2 leaves 648000", "10", kNf, "100", "1000", {}, "", "100 71.5K 648K 1K"},
        // 1 pF stored as a float 0.001 nF is a hair large: R2 a hair below 719500
        {"1pF at 1MHz", "1pF", kPf, "1000000", nullptr, {}, "", "1000000 719K - 1K"},
        {"0.1Hz, no 0 before the point", "1", kUf, "0.1", nullptr, {}, "", ".1 7.2M - 1K"},
        {"nothing picked is nF", "10", -1, "1000", nullptr, {}, "", "1000 71.5K - 1K"},
        {"below 0.1Hz", "10", kNf, "0.09", nullptr, C::Freq, kFreq, "- - - -"},
        {"above 1MHz, minimum first", "0", kNf, "1000001", "", C::Freq, kFreq, "- - - -"},
        {"empty maximum", "10", kNf, "100", "", C::MaxFreq, kFreq, "100 - - -"},
        {"equal ends", "10", kNf, "100", "100", C::Order, "Maximum frequency must be higher than minimum!", "100 - - -"},
        {"no capacitor", "", kUf, "50", "100", C::CapZero, ohm::CapZeroPrompt(), "50 - - -"},
        {"R2 (1440 - 1000) / 2 = 220", "10", kNf, "100000", nullptr, C::R2Low, lowR2, "100000 - - -"},
        {"negative capacitor", "-10", kNf, "1000", nullptr, C::R2Low, lowR2, "1000 - - -"},
        {"R2 7.2G at 100Hz", "1", kPf, "100", nullptr, C::R2High, TwoPart("Range Error:  R2 > 10Mohms", higher), "100 - - -"},
        // 999 Hz alone needs 71572.07 ohms: VR1 = 72.07
        {"VR1 72 ohms", "10", kNf, "999", "1000", C::VR1Low, TwoPart("Range Error:  VR1 =72.1ohms", lower), "999 71.5K - -"},
        // 10 Hz alone needs 7199500 ohms: VR1 = 7128000
        {"VR1 7.13M", "10", kNf, "10", "1000", C::VR1High, TwoPart("Range Error:  VR1 =7.13Mohms", higher), "10 71.5K - -"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2 ? r.f2 : "", ModeFor(r.f2));
        EXPECT_EQ(out.failed, r.failed) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Written({out.freqText, out.r2Text, out.vr1Text, out.r1Text}), r.written) << r.name;
    }
}

TEST(CalcMonostable555, ResultsOrFirstFailedCheck) {
    using C = ohm::Monostable555Check;
    const std::string lowR1 = "R1 below 1K - select a lower capacitor value";
    struct Row {
        const char *name, *d1, *d2, *cap;
        int unit;
        std::optional<C> failed;
        std::string prompt;
        const char* written;  // D1, C, R1, D2, VR1
    };
    const Row rows[] = {
        {"1ms / (1.1 x 10nF) = 90909", "1", nullptr, "10", 0, {}, "", "1 10 90.9K - -"},
        {"10ms needs 909091, less R1 leaves 818182", "1", "10ms", "10", 0, {}, "", "1 10 90.9K 10 818K"},
        {"1000s / (1.1 x 100uF) = 9090909", "1000000", nullptr, "100", 1, {}, "", "1000000 100 9.09M - -"},
        {"0.001ms limit", "0.001", nullptr, "0.01", 0, {}, "", ".001 .01 90.9K - -"},
        // 1 s / (1.1 x 4.7 uF) = 193424; the capacitor is rewritten in its own unit
        {"4.7uF", "1000", nullptr, "4.7u", 1, {}, "", "1000 4.7 193K - -"},
        {"below 0.001ms", "0.0009", nullptr, "10", 0, C::Dur, kDur, "- - - - -"},
        {"above 1000s", "1000001", nullptr, "10", 0, C::Dur, kDur, "- - - - -"},
        {"letters for a capacitor", "1", "5", "abc", 0, C::CapZero, ohm::CapZeroPrompt(), "1 0 - - -"},
        {"0.01ms on 10nF: 909, two blanks after =", "0.01", nullptr, "10", 0, C::R1Low,
         TwoPart("Range Error:  R1 =  909ohms", lowR1), ".01 10 - - -"},
        {"negative capacitor", "1", nullptr, "-10", 0, C::R1Low, TwoPart("Range Error:  R1 =  -90.9Kohms", lowR1),
         "1 -10 - - -"},
        // 200 ms on 10 nF: 18.2 Mohm, found before the maximum is read
        {"R1 18M", "200", "", "10", 0, C::R1High,
         TwoPart("Range Error:  R1 =  18Mohms", "R1 above 10M - select a higher capacitor value"), "200 10 - - -"},
        {"empty maximum", "1", "", "10", 0, C::MaxDur, kDur, "1 10 90.9K - -"},
        // the maximum is rewritten before it is compared
        {"equal ends", "1", "1.0", "10", 0, C::Order, "Maximum duration must be higher than minimum!", "1 10 90.9K 1 -"},
        // 1.001 ms needs 91000 ohms: VR1 = 90.9; no blank after "="
        {"VR1 91 ohms", "1", "1.001", "10", 0, C::VR1Low,
         TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms - select a lower capacitor value"),
         "1 10 90.9K 1.001 -"},
        {"300ms needs 27.3M: VR1 27.2M", "1", "300", "10", 0, C::VR1High,
         TwoPart("Range Error:  VR1 =  27Mohms", "VR1 above 2.2M - select a higher capacitor value"),
         "1 10 90.9K 300 -"},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2 ? r.d2 : "", r.cap, r.unit, ModeFor(r.d2));
        EXPECT_EQ(out.failed, r.failed) << r.name;
        EXPECT_EQ(out.prompt, r.prompt) << r.name;
        EXPECT_EQ(Written({out.durText, out.capText, out.r1Text, out.maxDurText, out.vr1Text}), r.written) << r.name;
    }
}

}  // namespace
