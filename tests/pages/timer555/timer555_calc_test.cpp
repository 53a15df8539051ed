#include <gtest/gtest.h>

#include <cstdio>

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

// What a run shows: the failed check's message, if any, then the texts written in order, "-" for each not reached.
std::string Shown(const std::string& prompt, std::initializer_list<std::optional<std::string>> texts) {
    std::string s = prompt.empty() ? "" : prompt + " | ";
    for (const auto& t : texts) s += (t ? *t : "-") + " ";
    return s;
}
ohm::Timer555Mode ModeFor(const char* max) { return max ? ohm::Timer555Mode::Range : ohm::Timer555Mode::Fixed; }

// No maximum: Fixed mode. Written: the frequency box, R2, VR1, R1.
TEST(CalcAstable555, ResultsOrFirstFailedCheck) {
    using C = ohm::Astable555Check;
    const std::string lower = "R2 out of range - select a lower capacitor value";
    const std::string higher = "R2 out of range - select a higher capacitor value";
    struct Row { const char *cap, *f1, *f2; int unit; std::optional<C> failed; std::string shown; };
    const Row rows[] = {
        // 1.44 / (1 kHz x 10 nF) = 1000 + 2 x 71500; 100 Hz alone needs 719,500, less R2 leaves 648,000.
        {"10", "1,000Hz", nullptr, kNf, {}, "1000 71.5K - 1K "},
        {"10", "100", "1000", kNf, {}, "100 71.5K 648K 1K "},
        {"1", "0.1", nullptr, kUf, {}, ".1 7.2M - 1K "},              // no 0 before the point
        {"1pF", "1000000", nullptr, kPf, {}, "1000000 719K - 1K "},  // 1 pF stored a hair large: R2 under 719,500
        {"10", "48000", nullptr, kNf, {}, "48000 1K - 1K "},          // (1.44 / 480 uF.Hz - 1K) / 2 = 1K, the least
        {"1", "300", "3600", kNf, {}, "300 200K 2.2M 1K "},  // VR1 (4.8M - 1K) / 2 - (400K - 1K) / 2 = 2.2M, the most
        {"10", "0.09", nullptr, kNf, C::Freq, kFreq + " | - - - - "},
        {"10", "100", "", kNf, C::MaxFreq, kFreq + " | 100 - - - "},
        {"10", "100", "100", kNf, C::Order, "Maximum frequency must be higher than minimum! | 100 - - - "},
        {"", "50", "100", kUf, C::CapZero, ohm::CapZeroPrompt() + " | 50 - - - "},
        {"10", "100000", nullptr, kNf, C::R2Low,  // (1440 - 1000) / 2 = 220
         TwoPart("Range Error:  R2 < 1K ohms", lower) + " | 100000 - - - "},
        {"1", "60", nullptr, kNf, C::R2High, TwoPart("Range Error:  R2 > 10Mohms", higher) + " | 60 - - - "},  // 12M
        // VR1 = 7.2e7 (1 / f1 - 1 / 1000): 72.07 at 999 Hz, 144.3 at 998 Hz, 2,499,429 at 28 Hz.
        {"10", "999", "1000", kNf, C::VR1Low, TwoPart("Range Error:  VR1 =72.1ohms", lower) + " | 999 71.5K - - "},
        {"10", "998", "1000", kNf, {}, "998 71.5K 144 1K "},
        {"10", "28", "1000", kNf, C::VR1High, TwoPart("Range Error:  VR1 =2.5Mohms", higher) + " | 28 71.5K - - "},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcAstable555(r.cap, r.unit, r.f1, r.f2 ? r.f2 : "", ModeFor(r.f2));
        EXPECT_EQ(ohm::CheckOf(out.failure), r.failed) << r.f1;
        EXPECT_EQ(Shown(ohm::PromptOf(out.failure), {out.freqText, out.r2Text, out.vr1Text, out.r1Text}), r.shown);
    }
}

// No maximum: Fixed mode. Written: the duration box, the capacitor box, R1, the maximum box, VR1.
TEST(CalcMonostable555, ResultsOrFirstFailedCheck) {
    using C = ohm::Monostable555Check;
    const std::string lower = " - select a lower capacitor value", higher = " - select a higher capacitor value";
    struct Row { const char *d1, *d2, *cap; int unit; std::optional<C> failed; std::string shown; };
    const Row rows[] = {
        // 1 ms / (1.1 x 10 nF) = 90,909; 10 ms needs 909,091, less R1 leaves 818,182.
        {"1", nullptr, "10", 0, {}, "1 10 90.9K - - "},
        {"1", "10ms", "10", 0, {}, "1 10 90.9K 10 818K "},
        {"1000000", nullptr, "100u", 1, {}, "1000000 100 9.09M - - "},  // 1000 s / (1.1 x 100 uF) = 9,090,909
        {"0.001", nullptr, ".8", 0, {}, ".001 .8 1.14K - - "},  // 1 us / (1.1 x 0.8 nF) = 1136
        {"0.0009", nullptr, "10", 0, C::Dur, kDur + " | - - - - - "},
        {"1", "5", "abc", 0, C::CapZero, ohm::CapZeroPrompt() + " | 1 0 - - - "},
        {"0.01", nullptr, "10", 0, C::R1Low,  // 0.01 ms on 10 nF: 909, two blanks after "="
         TwoPart("Range Error:  R1 =  909ohms", "R1 below 1K" + lower) + " | .01 10 - - - "},
        {"132", "", "10", 0, C::R1High,  // 132 ms on 10 nF: 12M, found before the maximum is read
         TwoPart("Range Error:  R1 =  12Mohms", "R1 above 10M" + higher) + " | 132 10 - - - "},
        {"1", "", "10", 0, C::MaxDur, kDur + " | 1 10 90.9K - - "},
        {"1", "1.001", "10", 0, C::VR1Low,  // 1.001 ms needs 91,000 ohms: VR1 = 90.9, no blank after "="
         TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms" + lower) + " | 1 10 90.9K 1.001 - "},
        {"1", "28.5", "10", 0, C::VR1High,  // 28.5 ms needs 2,590,909: VR1 = 2.5M
         TwoPart("Range Error:  VR1 =  2.5Mohms", "VR1 above 2.2M" + higher) + " | 1 10 90.9K 28.5 - "},
    };
    for (const Row& r : rows) {
        const auto out = ohm::CalcMonostable555(r.d1, r.d2 ? r.d2 : "", r.cap, r.unit, ModeFor(r.d2));
        EXPECT_EQ(ohm::CheckOf(out.failure), r.failed) << r.d1;
        EXPECT_EQ(Shown(ohm::PromptOf(out.failure), {out.durText, out.capText, out.r1Text, out.maxDurText, out.vr1Text}), r.shown);
    }
}

// A failed check hands its own box the focus (the capacitor's when it is not about a time or a frequency) and
// empties the value it could not work out: "box emptied".
TEST(Calc555, AFailurePointsAtItsBoxAndEmptiesItsValue) {
    auto said = [](const auto& failure) {
        if (!failure) return std::string("none");
        std::string s = std::to_string(static_cast<int>(failure->box));
        for (const ohm::Timer555Label l : failure->emptied) s += " " + std::to_string(static_cast<int>(l));
        return s;
    };
    using M = ohm::Timer555Mode;  // boxes: 0 input, 1 maximum, 2 capacitor; labels: 0 R1, 1 R2, 2 VR1
    EXPECT_EQ(said(ohm::CalcAstable555("10", kNf, "0.09", "", M::Fixed).failure), "0");
    EXPECT_EQ(said(ohm::CalcAstable555("10", kNf, "100", "100", M::Range).failure), "1");
    EXPECT_EQ(said(ohm::CalcAstable555("", kNf, "50", "", M::Fixed).failure), "2 1");
    EXPECT_EQ(said(ohm::CalcAstable555("10", kNf, "999", "1000", M::Range).failure), "2 2");
    EXPECT_EQ(said(ohm::CalcMonostable555("0.0009", "", "10", 0, M::Fixed).failure), "0");
    EXPECT_EQ(said(ohm::CalcMonostable555("1", "1", "10", 0, M::Range).failure), "1");
    EXPECT_EQ(said(ohm::CalcMonostable555("0.01", "", "10", 0, M::Fixed).failure), "2 0");
    EXPECT_EQ(said(ohm::CalcMonostable555("1", "1.001", "10", 0, M::Range).failure), "2 2");
}

// What a run from parts shows: the message, the boxes written back ("-" when not), then the results.
std::string FromParts(const ohm::PartsOutcome& out) {
    std::string s = Shown(ohm::PromptOf(out.failure), {out.r1Text, out.r2Text, out.capText}) + "|";
    for (const std::string& r : out.results) s += " " + r;
    return s;
}
const std::string kHigher = " - use a higher resistor value", kLower = " - use a lower resistor value";
// The message of a resistor out of range, as typed and as read.
std::string OutOfRange(const std::string& part, const std::string& read, const std::string& way) {
    return TwoPart("Range Error:  " + part + " =  " + read + "ohms", part + way);
}

// Astable: f = 1.44 / ((R1 + 2 R2) C); duty (R1 + R2) / (R1 + 2 R2); high duty / f, low the rest.
// Monostable (no R2): t = 1.1 R1 C; the capacitor box is written back as read, as the designer writes it.
TEST(FromParts, ResultsOrFirstFailedCheck) {
    using C = ohm::PartsCheck; using B = ohm::Timer555Box;
    struct Row { const char *r1, *r2, *cap; int unit; std::optional<C> failed; B box; std::string shown; };
    const Row rows[] = {
        {"1K", "71.5K", "10", kNf, {}, B::R1, "1K 71.5K - | 1 kHz 50.3% 503 µs 497 µs"},  // 72.5K / 144K
        {"4.7K", "47k", "0.1", kUf, {}, B::R1, "4.7K 47K - | 146 Hz 52.4% 3.59 ms 3.26 ms"},  // 1.44 / 9.87 ms
        {"1000", "1M", "1", kUf, {}, B::R1, "1000 1M - | 720 mHz 50.0% 695 ms 694 ms"},  // 1.44 / 2.001 s, 1.001/2.001
        {"1K", "1K", "1", kPf, {}, B::R1, "1K 1K - | 480 MHz 66.7% 1.39 ns 0.694 ns"},  // the fastest
        {"10M", "10M", "999", kUf, {}, B::R1, "10M 10M - | 48 µHz 66.7% 13900 s 6940 s"},  // the slowest
        {"999", "1K", "10", kNf, C::R1Low, B::R1, OutOfRange("R1", "999", " below 1K" + kHigher) + " | - - - |"},
        {"10.1M", "1K", "10", kNf, C::R1High, B::R1, OutOfRange("R1", "10.1M", " above 10M" + kLower) + " | - - - |"},
        {"1K", "999", "10", kNf, C::R2Low, B::R2, OutOfRange("R2", "999", " below 1K" + kHigher) + " | 1K - - |"},
        {"1K", "10.1M", "10", kNf, C::R2High, B::R2, OutOfRange("R2", "10.1M", " above 10M" + kLower) + " | 1K - - |"},
        {"1K", "1K", "x", kNf, C::CapZero, B::Capacitor, ohm::CapZeroPrompt() + " | 1K 1K - |"},
        {"1K", "1K", "-10", kNf, C::CapZero, B::Capacitor, ohm::CapZeroPrompt() + " | 1K 1K - |"},  // no negative f
        {"90.9K", nullptr, "10", 0, {}, B::R1, "90.9K - 10 | 1 ms"},  // 0.9999 ms to three figures
        {"1k", nullptr, ".01", 0, {}, B::R1, "1K - .01 | 11 ns"},       // the shortest a 3-figure box allows
        {"10M", nullptr, "999", 1, {}, B::R1, "10M - 999 | 11000 s"},  // the longest
        // Mended: exact halves of the third figure went either way (6.435 s, a time high of 2.875 us), and the
        // time low above 99% duty came from a single-precision duty: R2 C / 1.44 is 8.406 ns.
        {"390K", nullptr, "15", 1, {}, B::R1, "390K - 15 | 6.44 s"},
        {"15K", "100K", "36", kPf, {}, B::R1, "15K 100K - | 186 kHz 53.5% 2.88 µs 2.5 µs"},
        {"10M", "1.78K", "6.8", kPf, {}, B::R1, "10M 1.78K - | 21.2 kHz 100.0% 47.2 µs 8.41 ns"},
        {"10000010", nullptr, "10", 0, C::R1High, B::R1, OutOfRange("R1", "10M", " above 10M" + kLower) + " | - - - |"},
        {"1K", nullptr, "", 0, C::CapZero, B::Capacitor, ohm::CapZeroPrompt() + " | 1K - 0 |"},
    };
    for (const Row& r : rows) {
        const auto out = r.r2 ? ohm::AstableFromParts(r.r1, r.r2, r.cap, r.unit)
                              : ohm::MonostableFromParts(r.r1, r.cap, r.unit);
        EXPECT_EQ(ohm::CheckOf(out.failure), r.failed) << r.r1 << " " << (r.r2 ? r.r2 : "");
        EXPECT_EQ(out.failure ? out.failure->box : r.box, r.box) << r.r1;
        EXPECT_EQ(FromParts(out), r.shown);
    }
}

// Each figure: nominal [worst case] (95% of builds) at six figures, then what the page writes for the two ranges.
// Worst cases by hand from the circuit's extremes, 95% of builds from an independent model of the draw.
TEST(FromParts, WhereTheResultsOfRealPartsLie) {
    constexpr int r1 = 2, r5 = 4, c10 = 3, c20 = 4;
    struct Row { ohm::Timer555Parts parts; int rTol, cTol; std::string shown; };
    const Row rows[] = {
        {{1e3, 71.5e3, 10}, r1, c10, "1000 [900.09, 1122.33] (912.072, 1105.36) 900 Hz to 1.12 kHz "
                                     "912 Hz to 1.11 kHz|0.503472 [0.503404, 0.503542] (0.503419, 0.503526)"},
        {{4.7e3, 47e3, 100}, r1, c10, "145.897 [131.32, 163.745] (133.072, 161.27) 131 Hz to 164 Hz 133 Hz to 161 Hz|"
                                      "0.52381 [0.52336, 0.524267] (0.52346, 0.524165)"},
        {{4.7e3, 47e3, 100}, r5, c20, "145.897 [115.791, 191.969] (120.713, 182.052) 116 Hz to 192 Hz 121 Hz to 182 Hz|"
                                      "0.52381 [0.52164, 0.526185] (0.522111, 0.525642)"},
        {{90.9e3, 0, 10}, r1, c10, "0.0009999 [0.000890911, 0.00111089] (0.000904424, 0.00109583) 891 µs to 1.11 ms "
                                   "904 µs to 1.1 ms|"},
        {{90.9e3, 0, 10}, r5, c20, "0.0009999 [0.000759924, 0.00125987] (0.00079973, 0.00120954) 760 µs to 1.26 ms "
                                   "800 µs to 1.21 ms|"},
    };
    for (const Row& r : rows) {
        const ohm::PartsRanges ranges = r.parts.r2 > 0 ? ohm::AstableRanges(r.parts, r.rTol, r.cTol)
                                                       : ohm::MonostableRanges(r.parts, r.rTol, r.cTol);
        std::string s;
        char buffer[120];
        for (std::size_t i = 0; i < ranges.figures.size(); ++i) {
            const ohm::PartsSpread& f = ranges.figures[i];
            std::snprintf(buffer, sizeof buffer, "%.6g [%.6g, %.6g] (%.6g, %.6g)", f.nominal, f.worst.low, f.worst.high,
                          f.builds.low, f.builds.high);
            s += buffer + (i == 0 ? " " + ranges.texts[0] + " " + ranges.texts[1] : "") + "|";
        }
        EXPECT_EQ(s.substr(0, r.shown.size()), r.shown);
    }
}

}  // namespace
