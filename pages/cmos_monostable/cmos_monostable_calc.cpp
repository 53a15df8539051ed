#include "pages/cmos_monostable/cmos_monostable_calc.h"

#include <cfloat>
#include <cmath>

#include "values/values.h"

namespace ohm {
namespace {

constexpr double kTimeFactor = 0.69;  // T = 0.69 R C for the two-gate monostable
constexpr double kMinDurMs = 0.001;
constexpr double kMaxDurMs = 1000000;  // 1000 s
constexpr double kR1Min = 4700;
constexpr double kR1Max = 10000000;
constexpr double kVR1Min = 100;
constexpr double kVR1Max = 2200000;

const char* const kDurPrompt = "Duration must be between 0.001ms and 1000s";

double TypedValue(std::string_view text) { return LeadingNumber(NumberIn(text)); }

bool DurationOutOfRange(double ms) { return ms < kMinDurMs || ms > kMaxDurMs; }

// Past the double range a capacitance or resistance is kept at the largest
// finite value: it fails the same check an infinity would, and it prints.
double Finite(double r) {
    if (r > DBL_MAX) return DBL_MAX;
    if (r < -DBL_MAX) return -DBL_MAX;
    return r;
}

std::string Ohms(double r) { return FormatRes(NumberText(r)); }

// Where each check sends the person, and the labels it empties.
MonoOutcome Fail(MonoOutcome out, MonoCheck check, std::string prompt) {
    MonoBox box = MonoBox::Capacitor;
    std::vector<MonoLabel> emptied;
    switch (check) {
        case MonoCheck::Dur: box = MonoBox::Duration; break;
        case MonoCheck::MaxDur:
        case MonoCheck::Order: box = MonoBox::MaxDuration; break;
        case MonoCheck::CapZero:
        case MonoCheck::R1Low:
        case MonoCheck::R1High: emptied = {MonoLabel::R1}; break;
        case MonoCheck::VR1Low:
        case MonoCheck::VR1High: emptied = {MonoLabel::VR1}; break;
    }
    out.failure = MonoFailure{check, box, std::move(emptied), std::move(prompt)};
    return out;
}

}  // namespace

MonoOutcome CalcCmosMonostable(const MonoInput& in) {
    MonoOutcome out;

    out.d1 = TypedValue(in.fixedText);
    if (DurationOutOfRange(out.d1)) return Fail(std::move(out), MonoCheck::Dur, kDurPrompt);
    out.fixedText = DropSignBlank(NumberText(out.d1));

    out.cap = TypedValue(in.capText);
    out.capText = NumberIn(NumberText(out.cap));
    if (in.unitIndex == 0) out.cap = out.cap / 1000;  // pF to nF
    if (in.unitIndex == 2) out.cap = Finite(out.cap * 1000);  // uF to nF

    // Seconds over farads; with no capacitance there is no resistor to find.
    if (out.cap == 0) return Fail(std::move(out), MonoCheck::CapZero, CapZeroPrompt());
    out.r1 = Finite((out.d1 / 1000) / ((out.cap / 1e9) * kTimeFactor));

    if (out.r1 < kR1Min)
        return Fail(std::move(out), MonoCheck::R1Low,
                    TwoPart("Range Error:  R1 =  " + Ohms(out.r1) + "ohms",
                            "R1 below 4.7K - select a lower capacitor value"));
    if (out.r1 > kR1Max)
        return Fail(std::move(out), MonoCheck::R1High,
                    TwoPart("Range Error:  R1 =  " + Ohms(out.r1) + "ohms",
                            "R1 above 10M - select a higher capacitor value"));
    out.r1Text = Ohms(out.r1);

    if (in.mode == MonoMode::Fixed) return out;

    out.d2 = TypedValue(in.rangeText);
    if (DurationOutOfRange(out.d2)) return Fail(std::move(out), MonoCheck::MaxDur, kDurPrompt);
    out.rangeText = DropSignBlank(NumberText(out.d2));
    if (out.d2 <= out.d1)
        return Fail(std::move(out), MonoCheck::Order, "Maximum duration must be higher than minimum!");

    // The series resistance that stretches the pulse from D1 to D2.
    out.vr1 = (out.d2 / 1000) / ((out.cap / 1e9) * kTimeFactor) - out.r1;
    // No blanks after "=" here, unlike the other resistor prompts.
    if (out.vr1 < kVR1Min)
        return Fail(std::move(out), MonoCheck::VR1Low,
                    TwoPart("Range Error:  VR1 =" + Ohms(out.vr1) + "ohms",
                            "VR1 below 100ohms - select a lower capacitor value"));
    if (out.vr1 > kVR1Max)
        return Fail(std::move(out), MonoCheck::VR1High,
                    TwoPart("Range Error:  VR1 =  " + Ohms(out.vr1) + "ohms",
                            "VR1 above 2.2M - select a higher capacitor value"));
    out.vr1Text = Ohms(out.vr1);
    return out;
}

std::string MonoCapCaption(std::string_view capText, int unitIndex) {
    static const char* const kUnits[] = {"pF", "nF", "uF"};
    std::string caption = NumberIn(capText);
    if (unitIndex >= 0 && unitIndex <= 2) caption += kUnits[unitIndex];
    return caption;
}

}  // namespace ohm
