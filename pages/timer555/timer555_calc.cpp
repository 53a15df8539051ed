#include "pages/timer555/timer555_calc.h"

#include <algorithm>
#include <span>

#include "values/readouts.h"
#include "values/values.h"

namespace ohm {
namespace {

// A typed value as every designer reads it: the leading number of its
// digits, points and minus signs, stored in single precision.
float ReadSingle(std::string_view text) { return Single(LeadingNumber(NumberIn(text))); }

// A resistance as the value labels and the prompts show it.
std::string Shown(float ohms) { return FormatRes(NumberText(ohms)); }

// ---- astable ----

// The astable's capacitor in nanofarads from its box and unit list.
float AstableCapacitance(std::string_view capText, int unit) {
    float c = ReadSingle(capText);
    if (unit == kAstableMicrofarads) c = Single(static_cast<double>(c) * 1000);
    if (unit == kAstablePicofarads) c = Single(static_cast<double>(c) / 1000);
    return c;
}

// 1.44 of f = 1.44 / ((R1 + 2R2) C), scaled for C in nanofarads.
constexpr double kAstableK = 1.44e9;
constexpr double kAstableR1 = 1000.0;
constexpr float kMinFreq = 0.1F;  // the float nearest to 0.1 Hz
constexpr float kMaxFreq = 1000000.0F;
constexpr float kMinR2 = 1000.0F;
constexpr float kMaxR2 = 10000000.0F;
constexpr float kMinVR = 100.0F;
constexpr float kMaxVR = 2200000.0F;

// R2 for frequency f with R1 = 1 kilohm: (1.44 / (f C) - R1) / 2.
double AstableR2(double cNano, double hertz) { return (kAstableK / (cNano * hertz) - kAstableR1) / 2; }

// ---- monostable ----

constexpr float kMinDur = 0.001F;  // the float nearest to 0.001 ms
constexpr float kMaxDur = 1000000.0F;
constexpr float kMinR1 = 1000.0F;
constexpr float kMaxR1 = 10000000.0F;

// R for pulse t (ms) with C (nF): t = 1.1 R C in seconds and farads.
double MonostableR(double ms, double cNano) { return (ms / 1000) / ((cNano / 1e9) * 1.1); }

// The monostable's capacitor as its box reads and its unit scales it.
struct MonostableCap {
    std::string asRead;  // written back into the box, in the unit as typed
    float nano = 0;
};
MonostableCap MonostableCapacitance(std::string_view capText, int unit) {
    float c = ReadSingle(capText);
    MonostableCap out{NumberIn(NumberText(c)), c};
    if (unit == kMonoMicrofarads) out.nano = Single(static_cast<double>(c) * 1000);
    return out;
}

// ---- from parts ----

constexpr float kMinPart = 1000.0F;
constexpr float kMaxPart = 10000000.0F;

// A resistor typed into a parts box. People write "47k" for 47K, so k is
// read as K; m stays dropped (it would mean milliohms).
TypedResistance ReadPart(std::string_view typed) {
    std::string upper(typed);
    for (char& c : upper)
        if (c == 'k') c = 'K';
    return ReadResistance(upper);
}

// A resistor box: its name in messages, its checks and the box they select.
struct PartSlot {
    const char* name;
    PartsCheck low, high;
    Timer555Box box;
};
constexpr PartSlot kR1{"R1", PartsCheck::R1Low, PartsCheck::R1High, Timer555Box::R1};
constexpr PartSlot kR2{"R2", PartsCheck::R2Low, PartsCheck::R2High, Timer555Box::R2};

// A failed check of working from parts empties every result.
void FailParts(PartsOutcome& out, PartsCheck check, Timer555Box box, std::string prompt) {
    out.failure = Timer555Failure<PartsCheck>{check, box, {Timer555Label::Results}, std::move(prompt)};
}

// One resistor box read and checked against 1K to 10M; the text as read
// goes to `written`. Nothing when the check failed: the outcome says which
// way to go.
std::optional<float> ReadChecked(PartsOutcome& out, std::string_view typed, const PartSlot& slot,
                                 std::optional<std::string>& written) {
    const TypedResistance part = ReadPart(typed);
    if (part.ohms >= kMinPart && part.ohms <= kMaxPart) {
        written = part.cleaned;
        return part.ohms;
    }
    const bool low = part.ohms < kMinPart;
    const std::string name = slot.name;
    const std::string way = low ? " below 1K - use a higher resistor value" : " above 10M - use a lower resistor value";
    FailParts(out, low ? slot.low : slot.high, slot.box,
              TwoPart("Range Error:  " + name + " =  " + PartText(part.ohms) + "ohms", name + way));
    return std::nullopt;
}
}  // namespace

Astable555Outcome CalcAstable555(std::string_view capText, int unit, std::string_view minFreqText,
                                 std::string_view maxFreqText, Timer555Mode mode) {
    Astable555Outcome out;
    // The frequency checks hand back their own box; the others the capacitor,
    // emptying the value they could not work out.
    auto fail = [&out](Astable555Check check, std::string prompt) {
        using enum Astable555Check;
        Timer555Failure<Astable555Check> f{check, Timer555Box::Capacitor, {}, std::move(prompt)};
        if (check == Freq) f.box = Timer555Box::Input;
        if (check == MaxFreq || check == Order) f.box = Timer555Box::MaxInput;
        if (check == CapZero || check == R2Low || check == R2High) f.emptied = {Timer555Label::R2Value};
        if (check == VR1Low || check == VR1High) f.emptied = {Timer555Label::VR1Value};
        out.failure = std::move(f);
        return out;
    };

    const float c = AstableCapacitance(capText, unit);
    out.c = c;

    const float f1 = ReadSingle(minFreqText);
    out.f1 = f1;
    if (f1 < kMinFreq || f1 > kMaxFreq)
        return fail(Astable555Check::Freq, "Frequency must be between 0.1Hz and 1MHz");
    out.freqText = Trim(NumberText(f1));

    // R2 is sized for the highest frequency, where VR1 is turned to zero.
    float fTop = f1;
    if (mode == Timer555Mode::Range) {
        const float f2 = ReadSingle(maxFreqText);
        out.f2 = f2;
        if (f2 < kMinFreq || f2 > kMaxFreq)
            return fail(Astable555Check::MaxFreq, "Frequency must be between 0.1Hz and 1MHz");
        if (f2 <= f1)
            return fail(Astable555Check::Order, "Maximum frequency must be higher than minimum!");
        fTop = f2;
    }

    // An empty, non-numeric or zero capacitor would divide by zero below.
    if (c == 0) return fail(Astable555Check::CapZero, CapZeroPrompt());

    const float r2 = Single(AstableR2(c, fTop));
    out.r2 = r2;
    if (r2 < kMinR2)
        return fail(Astable555Check::R2Low, TwoPart("Range Error:  R2 < 1K ohms",
                                                    "R2 out of range - select a lower capacitor value"));
    if (r2 > kMaxR2)
        return fail(Astable555Check::R2High, TwoPart("Range Error:  R2 > 10Mohms",
                                                     "R2 out of range - select a higher capacitor value"));
    out.r2Text = Shown(r2);

    if (mode == Timer555Mode::Range) {
        // The series resistance that brings the frequency down to F1.
        float vr1 = Single(AstableR2(c, f1));
        vr1 = Single(static_cast<double>(vr1) - r2);
        out.vr1 = vr1;
        const std::string fault = "Range Error:  VR1 =" + Shown(vr1) + "ohms";
        if (vr1 < kMinVR)
            return fail(Astable555Check::VR1Low,
                        TwoPart(fault, "R2 out of range - select a lower capacitor value"));
        if (vr1 > kMaxVR)
            return fail(Astable555Check::VR1High,
                        TwoPart(fault, "R2 out of range - select a higher capacitor value"));
        out.vr1Text = Shown(vr1);
    }

    out.r1Text = "1K";
    return out;
}

Monostable555Outcome CalcMonostable555(std::string_view minDurText, std::string_view maxDurText,
                                       std::string_view capText, int unit, Timer555Mode mode) {
    Monostable555Outcome out;
    // As the astable's: the duration checks hand back their own box, the
    // others the capacitor.
    auto fail = [&out](Monostable555Check check, std::string prompt) {
        using enum Monostable555Check;
        Timer555Failure<Monostable555Check> f{check, Timer555Box::Capacitor, {}, std::move(prompt)};
        if (check == Dur) f.box = Timer555Box::Input;
        if (check == MaxDur || check == Order) f.box = Timer555Box::MaxInput;
        if (check == CapZero || check == R1Low || check == R1High) f.emptied = {Timer555Label::R1Value};
        if (check == VR1Low || check == VR1High) f.emptied = {Timer555Label::VR1Value};
        out.failure = std::move(f);
        return out;
    };

    const float d1 = ReadSingle(minDurText);
    out.d1 = d1;
    if (d1 < kMinDur || d1 > kMaxDur)
        return fail(Monostable555Check::Dur, "Duration must be between 0.001ms and 1000s");
    out.durText = Trim(NumberText(d1));

    const MonostableCap cap = MonostableCapacitance(capText, unit);
    out.capText = cap.asRead;
    const float c = cap.nano;
    out.c = c;

    // An empty, non-numeric or zero capacitor would divide by zero below.
    if (c == 0) return fail(Monostable555Check::CapZero, CapZeroPrompt());

    const float r1 = Single(MonostableR(d1, c));
    out.r1 = r1;
    if (r1 < kMinR1)
        return fail(Monostable555Check::R1Low,
                    TwoPart("Range Error:  R1 =  " + Shown(r1) + "ohms",
                            "R1 below 1K - select a lower capacitor value"));
    if (r1 > kMaxR1)
        return fail(Monostable555Check::R1High,
                    TwoPart("Range Error:  R1 =  " + Shown(r1) + "ohms",
                            "R1 above 10M - select a higher capacitor value"));
    out.r1Text = Shown(r1);

    if (mode == Timer555Mode::Fixed) return out;

    const float d2 = ReadSingle(maxDurText);
    out.d2 = d2;
    if (d2 < kMinDur || d2 > kMaxDur)
        return fail(Monostable555Check::MaxDur, "Duration must be between 0.001ms and 1000s");
    out.maxDurText = Trim(NumberText(d2));
    if (d2 <= d1)
        return fail(Monostable555Check::Order, "Maximum duration must be higher than minimum!");

    // The series resistance that stretches the pulse from D1 to D2.
    float vr1 = Single(MonostableR(d2, c));
    vr1 = Single(static_cast<double>(vr1) - r1);
    out.vr1 = vr1;
    // The low-side prompt has no blanks after "=", the high-side one two.
    if (vr1 < kMinVR)
        return fail(Monostable555Check::VR1Low,
                    TwoPart("Range Error:  VR1 =" + Shown(vr1) + "ohms",
                            "VR1 below 100ohms - select a lower capacitor value"));
    if (vr1 > kMaxVR)
        return fail(Monostable555Check::VR1High,
                    TwoPart("Range Error:  VR1 =  " + Shown(vr1) + "ohms",
                            "VR1 above 2.2M - select a higher capacitor value"));
    out.vr1Text = Shown(vr1);
    return out;
}

namespace {

// A negative capacitance reads as none: it would give a negative frequency.
bool CapacitorMissing(PartsOutcome& out, float cNano) {
    if (cNano > 0) return false;
    FailParts(out, PartsCheck::CapZero, Timer555Box::Capacitor, CapZeroPrompt());
    return true;
}

}  // namespace

PartsOutcome AstableFromParts(std::string_view r1Text, std::string_view r2Text, std::string_view capText, int unit,
                              int resistorTolerance, int capacitorTolerance) {
    PartsOutcome out;
    const std::optional<float> r1 = ReadChecked(out, r1Text, kR1, out.r1Text);
    if (!r1) return out;
    const std::optional<float> r2 = ReadChecked(out, r2Text, kR2, out.r2Text);
    if (!r2) return out;
    const float c = AstableCapacitance(capText, unit);
    if (CapacitorMissing(out, c)) return out;

    const float chain = Single(static_cast<double>(*r1) + 2.0 * *r2);  // R1 + 2 R2
    const float f = Single(kAstableK / (static_cast<double>(chain) * c));
    // C charges through R1 and R2 (output high) and discharges through R2 alone.
    const float duty = Single((static_cast<double>(*r1) + *r2) / chain);
    const float high = Single(duty / static_cast<double>(f));
    // C discharges through R2 alone: R2 C / 1.44 in double, not (1 - duty) / f from a
    // single-precision duty, which loses the figures above 99% duty.
    const double low = *r2 * (static_cast<double>(c) / 1e9) / 1.44;
    out.results = {FrequencyText(DecimalOf(f)), DutyCycleText(DecimalOf(duty)), TimeText(DecimalOf(high)),
                   TimeText(low)};
    out.parts = {*r1, *r2, c};
    out.ranges = AstableRanges(out.parts, resistorTolerance, capacitorTolerance);
    return out;
}

PartsOutcome MonostableFromParts(std::string_view r1Text, std::string_view capText, int unit,
                                 int resistorTolerance, int capacitorTolerance) {
    PartsOutcome out;
    const std::optional<float> r1 = ReadChecked(out, r1Text, kR1, out.r1Text);
    if (!r1) return out;
    const MonostableCap cap = MonostableCapacitance(capText, unit);
    out.capText = cap.asRead;
    if (CapacitorMissing(out, cap.nano)) return out;

    const float t = Single(1.1 * *r1 * (cap.nano / 1e9));
    out.results = {TimeText(DecimalOf(t))};
    out.parts = {*r1, 0, cap.nano};
    out.ranges = MonostableRanges(out.parts, resistorTolerance, capacitorTolerance);
    return out;
}

namespace {

// A list entry ("5%") as a fraction.
template <std::size_t N>
double Tolerance(const std::array<std::string_view, N>& list, int position) {
    return LeadingNumber(list[static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(N) - 1))]) / 100;
}

double AstableHertz(double r1, double r2, double farads) { return 1.44 / ((r1 + 2 * r2) * farads); }
double AstableDuty(double r1, double r2) { return (r1 + r2) / (r1 + 2 * r2); }

std::string Between(const ValueRange& r, std::string (*text)(double)) { return text(r.low) + " to " + text(r.high); }

void Write(PartsRanges& out, const PartsSpread& figure, std::string (*text)(double)) {
    out.figures.push_back(figure);
    out.texts.push_back(Between(figure.worst, text));
    out.texts.push_back(Between(figure.builds, text));
}

}  // namespace

PartsRanges AstableRanges(const Timer555Parts& parts, int resistorTolerance, int capacitorTolerance) {
    const double tr = Tolerance(kResistorTolerances, resistorTolerance);
    const double tc = Tolerance(kCapacitorTolerances, capacitorTolerance);
    const double r1 = parts.r1, r2 = parts.r2, farads = parts.cNano / 1e9;
    PartsSpread f, duty;
    f.nominal = AstableHertz(r1, r2, farads);
    // Everything at its least runs fastest; at its most, slowest.
    f.worst = {AstableHertz(r1 * (1 + tr), r2 * (1 + tr), farads * (1 + tc)),
               AstableHertz(r1 * (1 - tr), r2 * (1 - tr), farads * (1 - tc))};
    duty.nominal = AstableDuty(r1, r2);
    // R1 charges only; R2 charges and discharges: a large R1 and a small R2 stretch the time high.
    duty.worst = {AstableDuty(r1 * (1 - tr), r2 * (1 + tr)), AstableDuty(r1 * (1 + tr), r2 * (1 - tr))};
    const std::array<double, 3> tolerances{tr, tr, tc};  // R1, R2, C
    const auto builds = BuildsRange<2>(tolerances, 2, [&](const double* k, double* figures) {
        figures[0] = AstableHertz(r1 * k[0], r2 * k[1], farads * k[2]);
        figures[1] = AstableDuty(r1 * k[0], r2 * k[1]);
    });
    f.builds = builds[0];
    duty.builds = builds[1];
    PartsRanges out;
    Write(out, f, FrequencyText);
    Write(out, duty, DutyCycleText);
    return out;
}

PartsRanges MonostableRanges(const Timer555Parts& parts, int resistorTolerance, int capacitorTolerance) {
    const double tr = Tolerance(kResistorTolerances, resistorTolerance);
    const double tc = Tolerance(kCapacitorTolerances, capacitorTolerance);
    const double r1 = parts.r1, farads = parts.cNano / 1e9;
    PartsSpread t;
    t.nominal = 1.1 * r1 * farads;
    t.worst = {1.1 * (r1 * (1 - tr)) * (farads * (1 - tc)), 1.1 * (r1 * (1 + tr)) * (farads * (1 + tc))};
    const std::array<double, 2> tolerances{tr, tc};  // R1, C
    t.builds = BuildsRange<1>(tolerances, 1, [&](const double* k, double* figures) {
        figures[0] = 1.1 * (r1 * k[0]) * (farads * k[1]);
    })[0];
    PartsRanges out;
    Write(out, t, TimeText);
    return out;
}

}  // namespace ohm
