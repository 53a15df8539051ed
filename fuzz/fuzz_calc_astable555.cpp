// CalcAstable555 on any texts. Fields: capacitor, unit byte, minimum, maximum, mode byte.
#include "fuzz/fuzz_support.h"
#include "pages/timer555/timer555_calc.h"

void fuzz::Check(std::string_view input) {
    using C = ohm::Astable555Check;
    const auto f = Fields<5>(input);
    const int unit = Position(f[1], 5, 1), range = Byte(f[4]) & 1;
    const auto out = ohm::CalcAstable555(f[0], unit, f[2], f[3], ohm::Timer555Mode(range));
    const int reached = out.failure ? int(out.failure->check) : 99, rangeReached = range ? reached : -1;
    Finite({out.c, out.f1, out.f2, out.r2, out.vr1});
    OneOutcome(out.ok(), ohm::PromptOf(out.failure));
    Box(out.freqText, reached, int(C::Freq), 0.1F, 1e6F, "frequency");
    if (Written(out.r2Text, reached, int(C::R2High), kOhms, "R2")) Within(out.r2, 1000, 1e7, "R2");
    if (Written(out.vr1Text, rangeReached, int(C::VR1High), kOhms, "VR1")) Within(out.vr1, 100, 2.2e6, "VR1");
    Written(out.r1Text, reached, int(C::VR1High), kOhms, "R1 last");
    Require((reached == int(C::CapZero)) == (reached > int(C::Order) && out.c == 0), "CapZero iff no capacitor");
    Require(range || ohm::CalcAstable555(f[0], unit, f[2], "", {}).failure == out.failure, "Fixed ignores the max");
}
