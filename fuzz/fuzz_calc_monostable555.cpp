// CalcMonostable555 on any texts: one result or exactly one failed check,
// with finite numbers and only the characters the formatting routines write.
// Fields (NUL-separated): minimum, maximum, capacitor, unit byte, mode byte.
#include <cmath>
#include <string>

#include "fuzz/fuzz_support.h"
#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

const char* ExpectedStart(ohm::Monostable555Check check) {
    using C = ohm::Monostable555Check;
    switch (check) {
        case C::Dur:
        case C::MaxDur: return "Duration must be between 0.001ms and 1000s";
        case C::Order: return "Maximum duration must be higher than minimum!";
        case C::CapZero: return "Entry Error:  Capacitor = 0\r\r";
        case C::R1Low:
        case C::R1High: return "Range Error:  R1 =  ";
        case C::VR1Low: return "Range Error:  VR1 =";
        case C::VR1High: return "Range Error:  VR1 =  ";
    }
    return "?";
}

bool DurationText(const std::string& t) {
    const float back = ohm::Single(ohm::LeadingNumber(t));
    return fuzz::OnlyOf(t, "0123456789.-+E") && back >= 0.001F && back <= 1e6F;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string f[5];
    fuzz::SplitInput(data, size, f);
    const int unit = f[3].empty() ? 0 : static_cast<unsigned char>(f[3][0]) % 4 - 1;
    const auto mode = (!f[4].empty() && (f[4][0] & 1)) ? ohm::Timer555Mode::Range : ohm::Timer555Mode::Fixed;
    const bool range = mode == ohm::Timer555Mode::Range;

    const ohm::Monostable555Outcome out = ohm::CalcMonostable555(f[0], f[1], f[2], unit, mode);
    for (float v : {out.d1, out.d2, out.c, out.r1, out.vr1}) fuzz::Require(std::isfinite(v), "finite values");

    constexpr std::string_view kRes = "0123456789.-+EKM";
    if (out.durText) fuzz::Require(DurationText(*out.durText), "duration text", *out.durText);
    if (out.maxDurText) fuzz::Require(DurationText(*out.maxDurText), "maximum text", *out.maxDurText);
    // NumberIn of the Str form: digits, points and minus signs only
    if (out.capText) fuzz::Require(fuzz::OnlyOf(*out.capText, "0123456789.-"), "capacitor text", *out.capText);
    if (out.r1Text) fuzz::Require(fuzz::OnlyOf(*out.r1Text, kRes), "R1 text", *out.r1Text);
    if (out.vr1Text) fuzz::Require(fuzz::OnlyOf(*out.vr1Text, kRes), "VR1 text", *out.vr1Text);

    if (out.ok()) {
        fuzz::Require(out.prompt.empty(), "no prompt on success");
        fuzz::Require(out.durText && out.capText && out.r1Text, "duration, capacitor and R1 written");
        fuzz::Require(out.r1 >= 1000 && out.r1 <= 1e7F, "R1 within limits");
        fuzz::Require(out.vr1Text.has_value() == range && out.maxDurText.has_value() == range,
                      "maximum and VR1 only in Range mode");
        if (range) fuzz::Require(out.vr1 >= 100 && out.vr1 <= 2.2e6F && out.d2 > out.d1, "VR1 within limits");
        return 0;
    }

    using C = ohm::Monostable555Check;
    const C check = *out.failed;
    fuzz::Require(!out.vr1Text, "VR1 never written with a failed check");
    fuzz::Require(out.prompt.rfind(ExpectedStart(check), 0) == 0, "prompt of its check", out.prompt);
    fuzz::Require(out.durText.has_value() == (check != C::Dur), "duration rewritten once it passed");
    fuzz::Require(out.capText.has_value() == (check != C::Dur), "capacitor rewritten once the duration passed");
    const bool late = check == C::MaxDur || check == C::Order || check == C::VR1Low || check == C::VR1High;
    fuzz::Require(out.r1Text.has_value() == late, "R1 written only before the maximum's checks");
    fuzz::Require(out.maxDurText.has_value() == (late && check != C::MaxDur), "maximum rewritten once it passed");
    fuzz::Require((check == C::CapZero) == (check != C::Dur && out.c == 0), "CapZero exactly when C is zero");
    if (!range) fuzz::Require(!late, "Fixed mode has no maximum");
    return 0;
}
