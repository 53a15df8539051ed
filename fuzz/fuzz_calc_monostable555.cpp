// CalcMonostable555 on any texts. Fields: minimum, maximum, capacitor, unit byte, mode byte.
#include "fuzz/fuzz_support.h"
#include "pages/timer555/timer555_calc.h"

void fuzz::Check(std::string_view input) {
    using C = ohm::Monostable555Check;
    const auto f = Fields<5>(input);
    const int unit = Position(f[3], 4, 0), range = Byte(f[4]) & 1;
    const auto out = ohm::CalcMonostable555(f[0], f[1], f[2], unit, ohm::Timer555Mode(range));
    const int reached = out.failure ? int(out.failure->check) : 99, rangeReached = range ? reached : -1;
    Finite({out.d1, out.d2, out.c, out.r1, out.vr1});
    OneOutcome(out.ok(), ohm::PromptOf(out.failure));
    Box(out.durText, reached, int(C::Dur), 0.001F, 1e6F, "duration");
    Written(out.capText, reached, int(C::Dur), kBox, "capacitor once the duration passed");
    if (Written(out.r1Text, reached, int(C::R1High), kOhms, "R1")) Within(out.r1, 1000, 1e7, "R1");
    Box(out.maxDurText, rangeReached, int(C::MaxDur), 0.001F, 1e6F, "maximum");
    if (Written(out.vr1Text, rangeReached, int(C::VR1High), kOhms, "VR1"))
        Require(out.vr1 >= 100 && out.vr1 <= 2.2e6F && out.d2 > out.d1, "VR1 within limits, maximum longer");
    Require((reached == int(C::CapZero)) == (reached > int(C::Dur) && out.c == 0), "CapZero iff no capacitor");
    Require(range || ohm::CalcMonostable555(f[0], "", f[2], unit, {}).failure == out.failure, "Fixed ignores the max");
}
