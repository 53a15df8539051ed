#include "pages/cmos_astable/cmos_astable_calc.h"

#include <cmath>

#include "values/values.h"

namespace ohm {
namespace {

constexpr float kMinFreq = 0.5F;
constexpr float kMaxFreq = 1000000.0F;
constexpr float kMinR = 4700.0F;
constexpr float kMaxR = 10000000.0F;
constexpr float kMinVR1 = 100.0F;
constexpr float kMinVR2 = 1000.0F;  // circuit 2's pot has a higher floor than circuit 1's
constexpr float kMaxVR = 2200000.0F;
constexpr double kNanoPerFarad = 1e9;

// A formula result stored into a working value. Only a supply the spin
// button cannot give (0 V, or between -0.7 V and 0 V) makes a logarithm
// undefined; such a value reads as nothing, so it fails the Low check
// instead of printing nonsense.
float Store(double value) {
    const float f = Single(value);
    return std::isnan(f) ? 0.0F : f;
}

std::string RangePrompt(const char* name, float value, const char* advice) {
    return TwoPart(std::string("Range Error:  ") + name + " =" + FormatRes(NumberText(value)) + "ohms",
                   std::string(name) + " out of range - select a " + advice + " capacitor value");
}

void Fail(CmosAstableOutcome& out, CmosAstableCheck check, CmosAstableBox box, std::vector<int> emptied,
          std::string prompt) {
    out.failure = CmosAstableFailure{check, box, std::move(emptied), std::move(prompt)};
}

// One resistor against its limits: written into its label when it fits,
// otherwise the Low or High check with the value in the prompt.
bool Place(CmosAstableOutcome& out, float value, float low, float high, int label, const char* name,
           CmosAstableCheck lowCheck, CmosAstableCheck highCheck) {
    if (value < low) {
        Fail(out, lowCheck, CmosAstableBox::Cap, {label}, RangePrompt(name, value, "lower"));
        return false;
    }
    if (value <= high) {
        out.written.emplace_back(label, FormatRes(NumberText(value)));
        return true;
    }
    Fail(out, highCheck, CmosAstableBox::Cap, {label}, RangePrompt(name, value, "higher"));
    return false;
}

}  // namespace

std::string CmosAstableCapCaption(std::string_view capText, int unit) {
    // The caption reads the text as it stands, without NumberIn first.
    std::string caption = NumberIn(PlainText(LeadingNumber(capText)));
    switch (unit) {
        case 0: return caption + "pF";
        case 1: return caption + "nF";
        case 2: return caption + "uF";
        default: return caption;
    }
}

CmosAstableOutcome CalcCmosAstable(const CmosAstableInput& in) {
    using Check = CmosAstableCheck;
    CmosAstableOutcome out;
    const bool range = in.mode == CmosAstableMode::Range;

    out.F1 = Single(LeadingNumber(NumberIn(in.freq)));
    if (out.F1 < kMinFreq || out.F1 > kMaxFreq) {
        Fail(out, Check::Freq, CmosAstableBox::Freq0, {}, "Frequency must be between 0.5Hz and 1MHz");
        return out;
    }

    float C = Single(LeadingNumber(NumberIn(in.cap)));
    out.capText = NumberIn(NumberText(C));
    if (in.unit == 2) C = Single(static_cast<double>(C) * 1000);
    if (in.unit == 0) C = Single(static_cast<double>(C) / 1000);
    out.C = C;

    out.V = Single(LeadingNumber(in.volts));
    const double V = out.V;
    const float VL = Single(0.39 * V);
    const float VH = Single(0.58 * V);

    double T = 1 / static_cast<double>(out.F1);
    if (range) {
        out.F2 = Single(LeadingNumber(NumberIn(in.maxFreq)));
        out.maxFreqText = PlainText(out.F2);
        if (out.F2 < kMinFreq || out.F2 > kMaxFreq) {
            Fail(out, Check::MaxFreq, CmosAstableBox::Freq1, {},
                 "Maximum frequency must be between 0.5Hz and 1MHz");
            return out;
        }
        if (out.F2 <= out.F1) {
            Fail(out, Check::Order, CmosAstableBox::Freq1, {}, "Maximum frequency must be higher than minimum!");
            return out;
        }
        T = 1 / static_cast<double>(out.F2);
    }

    // Both resistor formulas divide by the capacitance: an empty, non-numeric
    // or zero capacitor (or one too small to store) has no answer.
    if (C == 0) {
        Fail(out, Check::CapZero, CmosAstableBox::Cap, {kCmosR1Label, kCmosR2Label}, CapZeroPrompt());
        return out;
    }

    const double farads = static_cast<double>(C) / kNanoPerFarad;
    const double A = std::log((V + 0.7) / (V / 2));
    const double B = std::log((V - static_cast<double>(VL)) / (V - static_cast<double>(VH)));
    out.R1 = Store(T / (farads * A));
    out.R2 = Store(T / (farads * B));

    if (!Place(out, out.R1, kMinR, kMaxR, kCmosR1Label, "R1", Check::R1Low, Check::R1High)) return out;
    if (!Place(out, out.R2, kMinR, kMaxR, kCmosR2Label, "R2", Check::R2Low, Check::R2High)) return out;
    if (!range) return out;

    // The pots add the series resistance that slows each circuit from the
    // maximum frequency down to the minimum.
    const double T1 = 1 / static_cast<double>(out.F1);
    const float full1 = Store(T1 / (farads * A));
    out.VR1 = Store(static_cast<double>(full1) - static_cast<double>(out.R1));
    if (!Place(out, out.VR1, kMinVR1, kMaxVR, kCmosVR1Label, "VR1", Check::VR1Low, Check::VR1High)) return out;

    const float full2 = Store(T1 / (farads * B));
    out.VR2 = Store(static_cast<double>(full2) - static_cast<double>(out.R2));
    Place(out, out.VR2, kMinVR2, kMaxVR, kCmosVR2Label, "VR2", Check::VR2Low, Check::VR2High);
    return out;
}

}  // namespace ohm
