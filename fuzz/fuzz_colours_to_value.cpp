// ColoursToValue. Fields: the band count and the six list positions as numbers (empty: nothing picked).
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "pages/resistors/resistors_calc.h"

void fuzz::Check(std::string_view input) {
    const auto f = Fields<7>(input);
    // Clamped before the conversion: the lists hold a dozen entries at most.
    auto number = [](auto& s) { return s.empty() ? -1 : int(std::clamp(ohm::LeadingNumber(s), -1e3, 1e3)); };
    const int bands = number(f[0]);
    const ohm::BandFormat format = bands == 6 ? ohm::BandFormat::Six : bands == 5 ? ohm::BandFormat::Five : ohm::BandFormat::Four;
    const ohm::BandPicks picked = {number(f[1]), number(f[2]), number(f[3]), number(f[4]), number(f[5]), number(f[6])};
    const ohm::ColoursToValueResult r = ohm::ColoursToValue(format, picked);
    OneOutcome(r.check == ohm::ColoursCheck::Ok, ohm::MessageText(r.check));
    if (r.check != ohm::ColoursCheck::Ok)
        return Require(r.valueText.empty() && r.toleranceText.empty() && r.coefficientText.empty(), "no value");
    Shown(r.valueText, kOhms, "value text");
    // Typing the value back paints the bands that were picked.
    const ohm::ValueToColoursResult back = ohm::ValueToColours(r.valueText, format);
    for (int i = 0; i <= ohm::LayoutOf(format).digitBands; ++i)
        Require(back.fills[i] == ohm::BandFillCode(i, picked[i], format), "the value paints its bands", r.valueText);
}
