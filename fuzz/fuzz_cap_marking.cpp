// ReadCapMarking on the typed text, and CodesForCapacitance on it as a box's text.
#include "fuzz/fuzz_support.h"
#include "pages/capacitors/cap_marking_calc.h"

void fuzz::Check(std::string_view input) {
    const ohm::CapMarkingReading r = ohm::ReadCapMarking(input);
    Require((r.check == ohm::CapMarkingCheck::Ok) == r.message.empty(), "a message exactly when a marking fails");
    if (r.check == ohm::CapMarkingCheck::Ok) {
        Require(r.picofarads > 0 && std::isfinite(r.picofarads), "a capacitance above zero", r.readout);
        Require(r.unit >= 0 && r.unit <= 3, "a unit of the list", r.valueText);
        Shown(r.valueText, "0123456789.", "value text");
        Require(!r.readout.empty() && r.readout.find("nan") == r.readout.npos && r.readout.find("inf") == r.readout.npos,
                "readout", r.readout);
    }
    // The box's first byte picks the unit, the rest is the box's text.
    const int unit = Byte(std::string(input.substr(0, 1))) % 5 - 1;
    const ohm::CapCodes codes = ohm::CodesForCapacitance(input.substr(input.empty() ? 0 : 1), unit);
    for (const std::string& code : {codes.threeDigit, codes.letter}) {
        if (code.empty()) continue;
        // Every code written reads back as the capacitance it was written for.
        const ohm::CapMarkingReading back = ohm::ReadCapMarking(code);
        Require(back.check == ohm::CapMarkingCheck::Ok, "a code written reads", code);
        const ohm::CapCodes again = ohm::CodesForCapacitance(back.valueText, back.unit);
        Require(again.text == codes.text, "round trip", code);
    }
}
