#include "pages/capacitors/capacitors_calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "values/readouts.h"
#include "values/values.h"

namespace ohm {
namespace {

// Working units: seconds, millifarads and kilohms, so that R x C is seconds.
double Seconds(std::string_view text, int unit) {
    const double t = LeadingNumber(text);
    switch (unit) {
        case 0: return t / 1e9;
        case 1: return t / 1e6;
        case 2: return t / 1000;
        default: return t;  // "s", and no selection at all
    }
}

double Millifarads(std::string_view text, int unit) {
    const double c = LeadingNumber(text);
    switch (unit) {
        case 0: return c / 1e9;
        case 1: return c / 1e6;
        case 3: return c;
        default: return c / 1000;  // "uF", and microfarads before the list is filled
    }
}

double Kilohms(std::string_view text, int unit) {
    const double r = LeadingNumber(text);
    switch (unit) {
        case 0: return r / 1000;
        case 1: return r;
        case 2: return r * 1000;
        default: return 0;
    }
}

// A graph position (never NaN here) as whole twips; out-of-range values are
// pinned first, as converting them to int would be undefined.
int Twips(double x) {
    const double pinned = std::clamp(x, static_cast<double>(kMarkerFloorX),
                                     static_cast<double>(kGraphEndX));
    return static_cast<int>(std::nearbyint(pinned));
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::string TruncatedVolts(double volts) {
    if (!std::isfinite(volts)) return std::string();
    const double hundredths = volts * 100;
    // So large that it has no fraction left to cut.
    if (!std::isfinite(hundredths)) return NumberText(volts) + "v";
    // 2.9 V is 289.99999999999997 hundredths in binary; a value within
    // rounding noise of a whole hundredth is that hundredth, not the one below.
    const double nearest = std::nearbyint(hundredths);
    double whole;
    if (std::fabs(hundredths - nearest) <= 1e-12 * std::max(1.0, std::fabs(hundredths)))
        whole = nearest;
    else
        whole = std::floor(hundredths);
    // + 0.0 turns -0 into 0, so a finished discharge of a negative supply
    // does not print as "-0".
    return NumberText(whole / 100 + 0.0) + "v";
}

CapDisplay CapVoltage(const CapInputs& in) {
    CapDisplay out;
    const double t = Seconds(in.time, in.timeUnit);
    const double cap = Millifarads(in.cap, in.capUnit);
    const double res = Kilohms(in.res, in.resUnit);
    const double vs = LeadingNumber(in.supply);

    // + 0.0 makes a time constant of "-0" a plain zero: a finished discharge.
    const double tc = cap * res + 0.0;
    out.v = vs * std::exp(-t / tc);
    out.vout1 = TruncatedVolts(out.v);
    out.vout2 = TruncatedVolts(vs - out.v);

    out.timeCaption = std::string(in.timeCaption);
    if (in.timeUnit >= 0 && in.timeUnit < static_cast<int>(kTimeUnits.size()))
        out.timeCaption = Trim(in.time) + std::string(kTimeUnits[in.timeUnit]);

    // Seconds per twip across the 2700 twips of 7.5 time constants.
    const double scale = res * 7.5 * cap / 2700 + 0.0;
    const double along = t / scale;
    const double x = along + kGraphStartX;
    // 7.5 T typed exactly can land a rounding error past the end; that is
    // still the last point of the graph.
    const bool onGraph = std::isfinite(x) && x <= kGraphEndX * (1 + 1e-12);
    if (onGraph) {
        out.markerX = Twips(x);
        out.timeLeft = std::min(Twips(along + 60), kTimeLabelMaxLeft);
        out.timeWidth = kTimeLabelWidth;
        out.timeAlign = LabelAlign::Left;
    } else {
        out.beyond = true;
        out.markerX = kGraphEndX;
        out.timeLeft = kBeyondLabelLeft;
        out.timeWidth = kBeyondLabelWidth;
        // Only a caption kept from an earlier refresh can end in ">>" already.
        if (!EndsWith(out.timeCaption, ">>")) out.timeCaption += ">>";
        out.timeAlign = LabelAlign::Right;
    }
    return out;
}

std::string SupplyStepText(int position) {
    return DropSignBlank(NumberText(static_cast<double>(position) / 10));
}

std::string TimeStepText(int position) {
    const double p = position;
    float value;
    if (position < 100)
        value = Single(p / 10);
    else if (position < 190)
        value = Single(p - 90);
    else
        value = Single((p - 180) * 10);
    return DropSignBlank(NumberText(value));
}

int TimeStepUnit(std::string_view newText, std::string_view oldText, int unit) {
    const double next = LeadingNumber(newText);
    const double now = LeadingNumber(oldText);
    const int last = static_cast<int>(kTimeUnits.size()) - 1;
    if (unit > 0 && next == 990 && now == 1) return unit - 1;
    if (unit < last && next == 1 && now == 990) return unit + 1;
    return unit;
}

SeriesStep StepSeries(std::span<const std::string_view> entries, int position,
                      std::string_view oldText, int unit, int lastUnit) {
    SeriesStep step{unit, std::string()};
    if (entries.empty()) return step;
    const int n = static_cast<int>(entries.size()) - 1;
    const int p = std::clamp(position, 0, n);
    if (step.unit > 0 && p == n && oldText == entries.front()) --step.unit;
    if (step.unit < lastUnit && p == 0 && oldText == entries.back()) ++step.unit;
    step.text = std::string(entries[static_cast<std::size_t>(p)]);
    return step;
}

RcReadouts RcTimes(const CapInputs& in) {
    // Millifarads times kilohms is seconds.
    const double seconds = Millifarads(in.cap, in.capUnit) * Kilohms(in.res, in.resUnit);
    if (!(seconds > 0) || !std::isfinite(seconds)) return {};
    return {TimeText(seconds), FrequencyText(1 / (2 * std::numbers::pi * seconds))};
}

std::string SupplyLabelText(std::string_view supplyText) {
    return DropSignBlank(NumberText(LeadingNumber(supplyText))) + "v";
}

}  // namespace ohm
