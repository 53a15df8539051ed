// CalcAstable555 on any texts: one result or exactly one failed check, with
// finite numbers and only the characters the formatting routines write.
// Fields (NUL-separated): capacitor, unit byte, minimum, maximum, mode byte.
#include <cmath>
#include <string>

#include "fuzz/fuzz_support.h"
#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

const char* ExpectedStart(ohm::Astable555Check check) {
    using C = ohm::Astable555Check;
    switch (check) {
        case C::Freq:
        case C::MaxFreq: return "Frequency must be between 0.1Hz and 1MHz";
        case C::Order: return "Maximum frequency must be higher than minimum!";
        case C::CapZero: return "Entry Error:  Capacitor = 0\r\r";
        case C::R2Low: return "Range Error:  R2 < 1K ohms\r\rR2 out of range - select a lower";
        case C::R2High: return "Range Error:  R2 > 10Mohms\r\rR2 out of range - select a higher";
        case C::VR1Low:
        case C::VR1High: return "Range Error:  VR1 =";
    }
    return "?";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string f[5];
    fuzz::SplitInput(data, size, f);
    // -1 (nothing picked) to 3 (beyond the list) as well as the three units
    const int unit = f[1].empty() ? 1 : static_cast<unsigned char>(f[1][0]) % 5 - 1;
    const auto mode = (!f[4].empty() && (f[4][0] & 1)) ? ohm::Timer555Mode::Range : ohm::Timer555Mode::Fixed;
    const bool range = mode == ohm::Timer555Mode::Range;

    const ohm::Astable555Outcome out = ohm::CalcAstable555(f[0], unit, f[2], f[3], mode);
    for (float v : {out.c, out.f1, out.f2, out.r2, out.vr1}) fuzz::Require(std::isfinite(v), "finite values");

    constexpr std::string_view kRes = "0123456789.-+EKM";
    if (out.freqText) {
        fuzz::Require(fuzz::OnlyOf(*out.freqText, "0123456789.-+E"), "frequency text", *out.freqText);
        const float back = ohm::Single(ohm::LeadingNumber(*out.freqText));
        fuzz::Require(back >= 0.1F && back <= 1e6F, "rewritten frequency in range", *out.freqText);
    }
    if (out.r2Text) fuzz::Require(fuzz::OnlyOf(*out.r2Text, kRes), "R2 text", *out.r2Text);
    if (out.vr1Text) fuzz::Require(fuzz::OnlyOf(*out.vr1Text, kRes), "VR1 text", *out.vr1Text);

    if (out.ok()) {
        fuzz::Require(out.prompt.empty(), "no prompt on success");
        fuzz::Require(out.r1Text == std::string("1K"), "1K written on success");
        fuzz::Require(out.freqText && out.r2Text, "frequency and R2 written");
        fuzz::Require(out.r2 >= 1000 && out.r2 <= 1e7F, "R2 within limits");
        fuzz::Require(out.vr1Text.has_value() == range, "VR1 only in Range mode");
        if (range) fuzz::Require(out.vr1 >= 100 && out.vr1 <= 2.2e6F, "VR1 within limits");
        fuzz::Require(out.c != 0, "no result without a capacitor");
        return 0;
    }

    using C = ohm::Astable555Check;
    const C check = *out.failed;
    fuzz::Require(!out.r1Text && !out.vr1Text, "nothing written after a failed check");
    fuzz::Require(out.prompt.rfind(ExpectedStart(check), 0) == 0, "prompt of its check", out.prompt);
    fuzz::Require(out.freqText.has_value() == (check != C::Freq), "frequency rewritten once it passed");
    fuzz::Require(out.r2Text.has_value() == (check == C::VR1Low || check == C::VR1High),
                  "R2 written only before a VR1 check");
    fuzz::Require((check == C::CapZero) == (out.c == 0 && check != C::Freq && check != C::MaxFreq &&
                                             check != C::Order),
                  "CapZero exactly when the capacitance is zero");
    if (!range) fuzz::Require(check != C::MaxFreq && check != C::Order && check != C::VR1Low &&
                                  check != C::VR1High,
                              "Fixed mode has no maximum");
    return 0;
}
