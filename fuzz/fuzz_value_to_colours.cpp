// Value to colours: any typed text, in either band format, gives painted
// bands or one message. Painted bands are all colours of the table, the
// first digit is never black, the tolerance band keeps the body colour, and
// the cleaned text holds only digits, points, K and M in their typed order.
// Input: the typed text, a NUL byte, then "5" for the 5-band format.
#include "fuzz/fuzz_support.h"
#include "pages/resistors/resistors_calc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string fields[2];
    fuzz::SplitInput(data, size, fields);
    const std::string& typed = fields[0];
    const int bandCount = fields[1] == "5" ? 5 : 4;
    const int body = ohm::BodyCode(bandCount);

    const ohm::ValueToColoursResult r = ohm::ValueToColours(typed, bandCount);
    fuzz::Require((r.check == ohm::ValueCheck::Empty) == typed.empty(), "only no text is empty");
    fuzz::Require(fuzz::OnlyOf(r.cleaned, "0123456789.KM"), "cleaned characters", r.cleaned);
    // The cleaned text is the typed one with characters left out, never added.
    size_t at = 0;
    for (char c : r.cleaned) {
        at = typed.find(c, at);
        fuzz::Require(at != std::string::npos, "cleaned keeps the typed order", r.cleaned);
        ++at;
    }
    fuzz::Require(r.fills[4] == body, "the tolerance band shows the body");
    if (r.check != ohm::ValueCheck::Ok) {
        fuzz::Require(!ohm::MessageText(r.check).empty(), "a failed check has a message");
        for (int f : r.fills) fuzz::Require(f == body, "reset bands show the body");
        return 0;
    }
    fuzz::Require(r.resistance >= 0.01F && r.resistance <= 10000000.0F, "value in range");
    const int digits = bandCount == 5 ? 3 : 2;
    fuzz::Require(r.fills[0] >= 1 && r.fills[0] <= 9, "first digit 1..9");
    for (int i = 1; i < digits; ++i) fuzz::Require(r.fills[i] >= 0 && r.fills[i] <= 9, "digit 0..9");
    fuzz::Require(r.exponent >= -5 && r.exponent <= 6, "multiplier within the range");
    for (int f : r.fills) fuzz::Require(!ohm::ResColCode(f).empty(), "every band has a colour");
    return 0;
}
