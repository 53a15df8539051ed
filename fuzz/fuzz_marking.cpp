// ReadMarking and MarkingsFor on the same typed text.
#include "fuzz/fuzz_support.h"
#include "pages/resistors/marking_calc.h"

void fuzz::Check(std::string_view input) {
    const ohm::MarkingReadResult r = ohm::ReadMarking(input);
    OneOutcome(r.check == ohm::MarkingCheck::Ok, r.message);
    if (r.check == ohm::MarkingCheck::Ok) {
        Require(r.marking.size() <= 4 && r.marking.find_first_not_of("0123456789RZYXSABHCDEF") == r.marking.npos,
                "a marking is what a chip can carry", r.marking);
        Shown(r.valueText, kOhms, "value text");
        const double shown = ohm::ReadResistance(r.valueText).ohms;
        Require(std::fabs(shown - r.ohms) <= 1e-6 * r.ohms, "the value text reads as the value", r.valueText);
        Require(ohm::ReadMarking(r.marking).ohms == r.ohms, "the marking shown reads the same", r.marking);
    }

    const ohm::MarkingWriteResult w = ohm::MarkingsFor(input);
    OneOutcome(w.check == ohm::MarkingWriteCheck::Ok, w.message);
    Kept(w.cleaned, input, kOhms, "cleaned text");
    Require(w.markings.empty() == (w.check != ohm::MarkingWriteCheck::Ok), "markings exactly when Ok");
    for (const std::string& m : w.markings) {
        // Every marking written reads back, first reading, as the typed value.
        const ohm::MarkingReadResult back = ohm::ReadMarking(m);
        Require(back.marking == m && std::fabs(back.ohms - w.ohms) <= 1e-12 * w.ohms, "round trip", m);
    }
}
