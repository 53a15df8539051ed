// CalcCmosMonostable on any texts. Fields: duration, maximum, capacitor, unit (bits 0-1) and mode (bit 2) byte.
#include "fuzz/fuzz_support.h"
#include "pages/cmos_monostable/cmos_monostable_calc.h"

void fuzz::Check(std::string_view input) {
    using C = ohm::MonoCheck;
    const auto f = Fields<4>(input);
    const int range = Byte(f[3]) & 4;
    const auto out = ohm::CalcCmosMonostable({f[0], f[1], f[2], Byte(f[3]) % 4 - 1, ohm::MonoMode(range != 0)});
    const int reached = out.ok() ? 99 : int(out.failure->check), rangeReached = range ? reached : -1;
    Finite({out.d1, out.d2, out.cap, out.r1, out.vr1});
    OneOutcome(out.ok(), ohm::PromptOf(out.failure));
    Box(out.fixedText, reached, int(C::Dur), 0.001F, 1e6F, "duration");
    Written(out.capText, reached, int(C::Dur), kBox, "capacitor once the duration passed");
    if (Written(out.r1Text, reached, int(C::R1High), kOhms, "R1")) Within(out.r1, 4700, 1e7, "R1");
    Box(out.rangeText, rangeReached, int(C::MaxDur), 0.001F, 1e6F, "maximum");
    if (Written(out.vr1Text, rangeReached, int(C::VR1High), kOhms, "VR1")) Within(out.vr1, 100, 2.2e6, "VR1");
    Require((reached == int(C::CapZero)) == (reached > int(C::Dur) && out.cap == 0), "CapZero iff no capacitor");
}
