// The Capacitors page's refresh on any texts a person can type, with every
// unit position (and none), and its spin-button stepping rules.
// Fields (NUL-separated): supply, time, capacitance, resistance, then three
// one-byte unit fields and a spin position field.
#include <cmath>
#include <string>

#include "fuzz/fuzz_support.h"
#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"
#include "values/values.h"

namespace {

// A unit list position from a field: -1 (nothing selected) to `last`.
int Unit(const std::string& field, int last) {
    if (field.empty()) return -1;
    return static_cast<int>(static_cast<unsigned char>(field[0]) % (last + 2)) - 1;
}

void CheckVolts(const std::string& shown, const char* what) {
    if (shown.empty()) return;
    fuzz::Require(shown.back() == 'v', what, shown);
    fuzz::Require(fuzz::OnlyOf(shown.substr(0, shown.size() - 1), fuzz::kNumberChars), what, shown);
    fuzz::Require(shown.size() >= 3, what, shown);  // sign column, a digit, "v"
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string f[8];
    fuzz::SplitInput(data, size, f);
    const int timeUnit = Unit(f[4], 3);
    const int capUnit = Unit(f[5], 3);
    const int resUnit = Unit(f[6], 2);

    const ohm::CapDisplay d =
        ohm::CapVoltage({f[0], f[1], timeUnit, f[2], capUnit, f[3], resUnit, "Time"});

    CheckVolts(d.vout1, "discharge caption");
    CheckVolts(d.vout2, "charge caption");
    fuzz::Require(std::isfinite(d.v) == !d.vout1.empty(), "finite voltage shown, only that", d.vout1);

    if (d.beyond) {
        fuzz::Require(d.markerX == ohm::kGraphEndX, "beyond: marker at the right edge");
        fuzz::Require(d.timeLeft == ohm::kBeyondLabelLeft && d.timeWidth == ohm::kBeyondLabelWidth,
                      "beyond: label place");
        fuzz::Require(d.timeAlign == ohm::LabelAlign::Right, "beyond: right-justified");
        fuzz::Require(d.timeCaption.size() >= 2 &&
                          d.timeCaption.compare(d.timeCaption.size() - 2, 2, ">>") == 0,
                      "beyond: >>", d.timeCaption);
    } else {
        fuzz::Require(d.markerX >= ohm::kMarkerFloorX && d.markerX <= ohm::kGraphEndX, "marker on the graph");
        fuzz::Require(d.timeLeft >= ohm::kMarkerFloorX && d.timeLeft <= ohm::kTimeLabelMaxLeft,
                      "label left pulled back");
        fuzz::Require(d.timeWidth == ohm::kTimeLabelWidth, "label width");
        fuzz::Require(d.timeAlign == ohm::LabelAlign::Left, "left-justified");
        if (timeUnit >= 0)
            fuzz::Require(d.timeCaption == ohm::Trim(f[1]) + std::string(ohm::kTimeUnits[timeUnit]),
                          "caption is the time and its unit", d.timeCaption);
    }

    // Stepping: a position from the last field, the old text from the time box.
    const double position = ohm::LeadingNumber(f[7]);  // never NaN
    const int p = std::fabs(position) < 1e6 ? static_cast<int>(position) : 0;
    const std::string timeText = ohm::TimeStepText(p);
    fuzz::Require(!timeText.empty() && fuzz::OnlyOf(timeText, "0123456789.-E+"), "time step text", timeText);
    const std::string supplyText = ohm::SupplyStepText(p);
    fuzz::Require(!supplyText.empty() && fuzz::OnlyOf(supplyText, "0123456789.-E+"), "supply step text",
                  supplyText);
    const int unit = ohm::TimeStepUnit(timeText, f[1], timeUnit);
    fuzz::Require(unit >= timeUnit - 1 && unit <= timeUnit + 1 && unit <= 3, "time unit moves by one at most");
    const auto& e6 = ohm::kE6ThreeDecades;
    const ohm::SeriesStep step = ohm::StepSeries(e6, p, f[2], capUnit, 3);
    fuzz::Require(step.unit >= capUnit - 1 && step.unit <= capUnit + 1 && step.unit <= 3, "cap unit moves by one at most");
    bool listed = false;
    for (const std::string_view e : e6) listed = listed || e == step.text;
    fuzz::Require(listed, "cap step text is a series entry", step.text);
    return 0;
}
