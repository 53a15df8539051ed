// CapVoltage and the spin steps on any texts. Fields: supply, time, C, R, three unit bytes, spin position.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"

void fuzz::Check(std::string_view input) {
    const auto f = Fields<8>(input);
    const int timeUnit = Position(f[4], 5, -1), capUnit = Position(f[5], 5, -1);
    const auto d = ohm::CapVoltage({f[0], f[1], timeUnit, f[2], capUnit, f[3], Position(f[6], 4, -1), "Time"});
    Require(std::isfinite(d.v) == !d.vout1.empty(), "a voltage shown exactly when finite", d.vout1);
    for (const std::string& v : {d.vout1, d.vout2}) if (!v.empty()) Volts(v, "voltage caption");
    Within(d.markerX, ohm::kMarkerFloorX, ohm::kGraphEndX, "marker on the graph");
    Within(d.timeLeft, ohm::kMarkerFloorX, ohm::kTimeLabelMaxLeft, "time label inside the graph");
    const std::string time = timeUnit < 0 ? "Time" : ohm::Trim(f[1]) + std::string(ohm::kTimeUnits[timeUnit]);
    Require(d.timeCaption == (d.beyond ? time + ">>" : time) && d.beyond == (d.timeAlign == ohm::LabelAlign::Right),
            "the time and its unit, right-justified with >> past the graph", d.timeCaption);
    const int p = int(std::clamp(ohm::LeadingNumber(f[7]), -1e6, 1e6));  // any position, whatever the boxes hold
    Within(ohm::TimeStepUnit(ohm::TimeStepText(p), f[1], timeUnit), timeUnit - 1, std::min(timeUnit + 1, 3), "unit");
    const ohm::SeriesStep step = ohm::StepSeries(ohm::kE6ThreeDecades, p, f[2], capUnit, 3);
    Within(step.unit, capUnit - 1, std::min(capUnit + 1, 3), "capacitor unit moves by one at most");
    Require(std::ranges::count(ohm::kE6ThreeDecades, step.text) == 1, "a series entry", step.text);
}
