// The two designers of the 555 Timer page, apart from the window, and what
// each circuit does when built from the parts at hand.
//
// Astable: f = 1.44 / ((R1 + 2R2) C) with R1 fixed at 1 kilohm; R2 is
// computed for the (maximum) frequency and, over a range, a variable
// resistor VR1 in series brings the frequency down to the minimum.
// Monostable: t = 1.1 R C; R1 gives the (minimum) pulse and VR1 in series
// stretches it to the maximum.
//
// Working values are single precision: every formula is evaluated in double
// and rounded to float where its result is stored, and every limit is
// compared against the stored float.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "values/check_failure.h"
#include "values/spread.h"

namespace ohm {

enum class Timer555Mode { Fixed, Range };

// The boxes of a group a failed check hands back (R1 and R2 are the boxes of
// working from parts), and the value labels it empties.
enum class Timer555Box { Input, MaxInput, Capacitor, R1, R2 };
enum class Timer555Label { R1Value, R2Value, VR1Value, Results };

template <typename Check>
using Timer555Failure = CheckFailure<Check, Timer555Box, Timer555Label>;

// ---- astable ------------------------------------------------------------------

// The checks of the astable designer, in the order they run.
enum class Astable555Check { Freq, MaxFreq, Order, CapZero, R2Low, R2High, VR1Low, VR1High };

// Positions of the astable capacitor unit list.
enum Astable555Unit { kAstablePicofarads = 0, kAstableNanofarads = 1, kAstableMicrofarads = 2 };

struct Astable555Outcome {
    // The first failed check, if any.
    std::optional<Timer555Failure<Astable555Check>> failure;

    // What to write, in this order; each is absent when the run stopped
    // before reaching it.
    std::optional<std::string> freqText;  // the frequency box: the minimum (or only) frequency as read
    std::optional<std::string> r2Text;    // the R2 value
    std::optional<std::string> vr1Text;   // the VR1 value, Range mode only
    std::optional<std::string> r1Text;    // the R1 value: "1K", written last on success

    // The stored working values (0 when not reached).
    float c = 0;    // nanofarads
    float f1 = 0;   // hertz
    float f2 = 0;   // hertz, Range mode only
    float r2 = 0;   // ohms
    float vr1 = 0;  // ohms, Range mode only

    bool ok() const { return !failure.has_value(); }
};

// `unit` is the position in the list ("pF", "nF", "uF"); any other position
// counts as nanofarads.
Astable555Outcome CalcAstable555(std::string_view capText, int unit, std::string_view minFreqText,
                                 std::string_view maxFreqText, Timer555Mode mode);

// ---- monostable -----------------------------------------------------------------

// The checks of the monostable designer, in the order they run.
enum class Monostable555Check { Dur, CapZero, R1Low, R1High, MaxDur, Order, VR1Low, VR1High };

// Positions of the monostable capacitor unit list.
enum Monostable555Unit { kMonoNanofarads = 0, kMonoMicrofarads = 1 };

struct Monostable555Outcome {
    std::optional<Timer555Failure<Monostable555Check>> failure;

    // What to write, in this order.
    std::optional<std::string> durText;     // the duration box: the minimum (or only) pulse as read
    std::optional<std::string> capText;     // the capacitor box: the capacitance as read
    std::optional<std::string> r1Text;      // the R1 value
    std::optional<std::string> maxDurText;  // the maximum duration box, Range mode only
    std::optional<std::string> vr1Text;     // the VR1 value, Range mode only

    float d1 = 0;   // milliseconds
    float d2 = 0;   // milliseconds, Range mode only
    float c = 0;    // nanofarads (after the unit is applied)
    float r1 = 0;   // ohms
    float vr1 = 0;  // ohms, Range mode only

    bool ok() const { return !failure.has_value(); }
};

// `unit` is the position in the list ("nF", "uF"); any other position counts
// as nanofarads.
Monostable555Outcome CalcMonostable555(std::string_view minDurText, std::string_view maxDurText,
                                       std::string_view capText, int unit, Timer555Mode mode);

// ---- from the parts at hand ------------------------------------------------------

// The checks of working from parts, in the order they run: each resistor
// within 1K to 10M, then a capacitance above zero.
enum class PartsCheck { R1Low, R1High, R2Low, R2High, CapZero };

// The tolerance lists of working from parts.
inline constexpr std::array<std::string_view, 6> kResistorTolerances = {"0.1%", "0.5%", "1%", "2%", "5%", "10%"};
inline constexpr int kStartResistorTolerance = 2;  // 1%
inline constexpr std::array<std::string_view, 5> kCapacitorTolerances = {"1%", "2%", "5%", "10%", "20%"};
inline constexpr int kStartCapacitorTolerance = 3;  // 10%

// The parts as read, kept so new tolerances can range them again.
struct Timer555Parts {
    double r1 = 0;     // ohms
    double r2 = 0;     // ohms, astable only
    double cNano = 0;  // nanofarads
};

// Where one figure of a circuit built from real parts may lie.
struct PartsSpread {
    double nominal = 0;
    ValueRange worst;   // every part at one end of its tolerance
    ValueRange builds;  // 95% of builds
};

// The astable's frequency (hertz) and duty cycle (a fraction), or the
// monostable's pulse (seconds), and what the page writes for each: its worst
// case, then its 95% of builds ("900 Hz to 1.12 kHz", "912 Hz to 1.11 kHz").
struct PartsRanges {
    std::vector<PartsSpread> figures;
    std::vector<std::string> texts;
};

struct PartsOutcome {
    // The first failed check: it empties every result.
    std::optional<Timer555Failure<PartsCheck>> failure;

    // What to write, in this order: each resistor box as read ("47k" comes
    // back "47K") once its check passed; the monostable's capacitor box as
    // read, as its designer does; then the results: the astable's frequency,
    // duty cycle, time high and time low, or the monostable's pulse. A failed
    // check leaves `results` empty.
    std::optional<std::string> r1Text;
    std::optional<std::string> r2Text;
    std::optional<std::string> capText;
    std::vector<std::string> results;
    // On success: the parts as read and where the results may lie.
    Timer555Parts parts;
    PartsRanges ranges;

    bool ok() const { return !failure.has_value(); }
};

// Tolerances are positions in the lists above.
PartsRanges AstableRanges(const Timer555Parts& parts, int resistorTolerance, int capacitorTolerance);
PartsRanges MonostableRanges(const Timer555Parts& parts, int resistorTolerance, int capacitorTolerance);

// R1, R2 and C to f = 1.44 / ((R1 + 2 R2) C), duty (R1 + R2) / (R1 + 2 R2),
// time high duty / f, time low (1 - duty) / f. `unit` as CalcAstable555.
PartsOutcome AstableFromParts(std::string_view r1Text, std::string_view r2Text, std::string_view capText, int unit,
                              int resistorTolerance = kStartResistorTolerance,
                              int capacitorTolerance = kStartCapacitorTolerance);

// R1 and C to the pulse t = 1.1 R1 C. `unit` as CalcMonostable555.
PartsOutcome MonostableFromParts(std::string_view r1Text, std::string_view capText, int unit,
                                 int resistorTolerance = kStartResistorTolerance,
                                 int capacitorTolerance = kStartCapacitorTolerance);

}  // namespace ohm
