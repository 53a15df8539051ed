// ReadMarking and MarkingsFor on the same typed text.
#include "fuzz/fuzz_support.h"
#include "pages/resistors/marking_calc.h"

namespace {
bool Near(double a, double b, double relative = 1e-12) { return std::fabs(a - b) <= relative * std::fabs(b); }
}  // namespace

void fuzz::Check(std::string_view input) {
    const ohm::MarkingReadResult r = ohm::ReadMarking(input);
    OneOutcome(r.check == ohm::MarkingCheck::Ok, r.message);
    if (r.check == ohm::MarkingCheck::Ok) {
        Require(r.marking.size() <= 4 && r.marking.find_first_not_of("0123456789RZYXSABHCDEF") == r.marking.npos,
                "a marking is what a chip can carry", r.marking);
        Finite({r.ohms, r.otherOhms});
        Within(r.ohms, 0, 1e12, "a marking's value");
        Shown(r.valueText, kOhms, "value text");
        Require(Near(ohm::ReadResistance(r.valueText).ohms, r.ohms, 1e-6), "the value text reads as the value, to single precision", r.valueText);
        const bool link = r.ohms == 0;
        Require(link == r.rangeText.empty() && link == r.toleranceText.empty() && !r.seriesText.empty(), "texts");
        const bool eia = r.marking.size() == 3 && r.marking[2] >= 'A' && r.marking[2] != 'R';
        Require(r.tolerancePercent == (link ? 0 : r.marking.size() == 4 || eia ? 1 : 5),
                "5% for three characters, 1% for four and EIA-96", r.marking);
        Require((r.otherOhms != 0) == !r.otherReadingText.empty() && (r.otherOhms == 0 || r.otherOhms != r.ohms),
                "a second reading only when it differs");
        Require(ohm::ReadMarking(r.marking).ohms == r.ohms, "the marking shown reads the same", r.marking);
    }

    const ohm::MarkingWriteResult w = ohm::MarkingsFor(input);
    OneOutcome(w.check == ohm::MarkingWriteCheck::Ok, w.message);
    Require((w.check == ohm::MarkingWriteCheck::Empty) == input.empty(), "only no text is empty");
    Kept(w.cleaned, input, kOhms, "cleaned text");
    Finite({w.ohms});
    Require(w.markings.empty() == (w.check != ohm::MarkingWriteCheck::Ok), "markings exactly when Ok");
    std::string joined;
    for (const std::string& m : w.markings) {
        // Every marking written reads back, first reading, as the typed value.
        const ohm::MarkingReadResult back = ohm::ReadMarking(m);
        Require(back.check == ohm::MarkingCheck::Ok && back.marking == m && Near(back.ohms, w.ohms), "round trip", m);
        joined += (joined.empty() ? "" : ", ") + m;
    }
    Require(joined == w.markingsText && w.chipText == (w.markings.empty() ? "" : w.markings[0]), "list texts");
}
