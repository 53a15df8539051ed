// CalcCmosMonostable on any texts: fields are the duration, the maximum, the
// capacitor and a last one whose first byte picks the unit and the mode.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "pages/cmos_monostable/cmos_monostable_calc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string f[4];
    fuzz::SplitInput(data, size, f);
    const unsigned char pick = f[3].empty() ? 0 : static_cast<unsigned char>(f[3][0]);
    const int unit = static_cast<int>(pick % 4) - 1;  // -1 (typed) to 2
    const ohm::MonoMode mode = (pick & 4) ? ohm::MonoMode::Range : ohm::MonoMode::Fixed;
    const ohm::MonoOutcome out = ohm::CalcCmosMonostable({f[0], f[1], f[2], unit, mode});

    for (double v : {out.d1, out.d2, out.cap, out.r1, out.vr1})
        fuzz::Require(std::isfinite(v), "finite working values", out.prompt);
    fuzz::Require(out.ok() == out.prompt.empty(), "a prompt exactly when a check failed", out.prompt);

    // Boxes get plain numbers; labels get resistances with K or M.
    for (const auto* t : {&out.fixedText, &out.rangeText, &out.capText})
        if (*t) fuzz::Require(fuzz::OnlyOf(**t, "0123456789.-E+") && !(*t)->empty(), "box text", **t);
    for (const auto* t : {&out.r1Text, &out.vr1Text})
        if (*t) fuzz::Require(fuzz::OnlyOf(**t, "0123456789.KM") && !(*t)->empty(), "label text", **t);

    // Each result is only written once its checks passed.
    if (out.r1Text) fuzz::Require(out.r1 >= 4700 && out.r1 <= 1e7, "R1 within its limits");
    if (out.vr1Text) fuzz::Require(out.vr1 >= 100 && out.vr1 <= 2.2e6, "VR1 within its limits");
    if (out.ok()) {
        fuzz::Require(out.r1Text.has_value(), "a result has R1");
        fuzz::Require(out.vr1Text.has_value() == (mode == ohm::MonoMode::Range), "VR1 only in Range mode");
    }
    if (out.failed == ohm::MonoCheck::Dur) fuzz::Require(!out.fixedText && !out.capText, "nothing written before Dur");
    if (out.failed == ohm::MonoCheck::CapZero) fuzz::Require(out.cap == 0, "CapZero only for no capacitance");
    if (out.fixedText) fuzz::Require(out.d1 >= 0.001 && out.d1 <= 1e6, "D1 within its limits");
    if (out.rangeText) fuzz::Require(out.d2 >= 0.001 && out.d2 <= 1e6, "D2 within its limits");
    return 0;
}
