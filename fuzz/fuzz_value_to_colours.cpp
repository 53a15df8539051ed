// ValueToColours on any typed text. Fields: the text, then "5" or "6" for 5 or 6 bands.
#include "fuzz/fuzz_support.h"
#include "pages/resistors/resistors_calc.h"

void fuzz::Check(std::string_view input) {
    const auto f = Fields<2>(input);
    const ohm::BandFormat format = f[1] == "6" ? ohm::BandFormat::Six : f[1] == "5" ? ohm::BandFormat::Five : ohm::BandFormat::Four;
    const int body = ohm::BodyCode(format), digits = ohm::LayoutOf(format).digitBands;
    // No coefficient picked: every band not computed shows the body.
    const ohm::ValueToColoursResult r = ohm::ValueToColours(f[0], format);
    OneOutcome(r.check == ohm::ValueCheck::Ok, ohm::MessageText(r.check));
    Kept(r.cleaned, f[0], kOhms, "cleaned text");
    if (r.check != ohm::ValueCheck::Ok) return Require(r.fills == ohm::BandFills{body, body, body, body, body, body}, "reset");
    for (int fill : r.fills) Require(!ohm::ResColCode(fill).empty(), "every band has a colour");
    // The digit bands times the multiplier read as the value, to half a unit of the last band.
    const int n = digits == 3 ? r.fills[0] * 100 + r.fills[1] * 10 + r.fills[2] : r.fills[0] * 10 + r.fills[1];
    const double unit = std::pow(10.0, r.exponent);
    Require(n >= (digits == 3 ? 100 : 10), "the first digit is never black");
    Require(std::fabs(n * unit - r.resistance) <= 0.5 * unit + 1e-5 * r.resistance, "the bands read as the value");
}
