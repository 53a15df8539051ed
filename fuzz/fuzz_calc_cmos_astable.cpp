// CalcCmosAstable and its caption on any texts. Fields: minimum, maximum, capacitor, unit byte, supply, mode byte.
#include "fuzz/fuzz_support.h"
#include "pages/cmos_astable/cmos_astable_calc.h"

void fuzz::Check(std::string_view input) {
    using C = ohm::CmosAstableCheck;
    const auto f = Fields<6>(input);
    const int unit = Position(f[3], 5, 1), range = Byte(f[5]) & 1;
    const auto out = ohm::CalcCmosAstable({f[0], f[1], f[2], unit, f[4], ohm::CmosAstableMode(range)});
    const int reached = out.failure ? int(out.failure->check) : 99;
    Shown(ohm::CmosAstableCapCaption(f[2], unit), "0123456789.-pnuF", "caption");
    Finite({out.F1, out.F2, out.C, out.V, out.R1, out.R2, out.VR1, out.VR2});
    OneOutcome(!out.failure, out.failure ? out.failure->prompt : "");
    Written(out.capText, reached, int(C::Freq), kBox, "capacitor once the frequency passed");
    Written(out.maxFreqText, range ? reached : -1, int(C::Freq), kBox, "maximum in Range mode");
    Require((reached == int(C::CapZero)) == (reached > int(C::Order) && out.C == 0), "CapZero iff no capacitor");
    // A design fills every resistor label of its mode; a failed check empties its own.
    Require(out.failure ? out.written.size() < 4 : out.written.size() == (range ? 4U : 2U), "every resistor written");
    for (const auto& [label, text] : out.written) {
        Shown(text, kOhms, "value text");
        for (int emptied : out.failure ? out.failure->emptied : std::vector<int>())
            Require(label != emptied, "an emptied label is not written");
    }
}
