// The timing resistor of a two-gate CMOS monostable: T = 0.69 R C, solved
// for R. Range mode adds a variable resistor in series that stretches the
// pulse from the minimum to the maximum duration. Double precision
// throughout; durations in milliseconds, capacitance in nanofarads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/check_failure.h"

namespace ohm {

enum class MonoMode { Fixed, Range };

// The checks in the order they run.
enum class MonoCheck { Dur, CapZero, R1Low, R1High, MaxDur, Order, VR1Low, VR1High };

// The boxes a failed check hands back, and the value labels it empties (each
// shown beside both gates' drawings).
enum class MonoBox { Duration, MaxDuration, Capacitor };
enum class MonoLabel { R1, VR1 };

using MonoFailure = CheckFailure<MonoCheck, MonoBox, MonoLabel>;

struct MonoInput {
    std::string_view fixedText;  // the duration in ms, or the minimum in Range mode
    std::string_view rangeText;  // the maximum duration in ms (Range mode)
    std::string_view capText;    // the capacitor value, in the unit below
    int unitIndex = 1;           // the unit list: 0 pF, 1 nF, 2 uF, -1 a typed unit text
    MonoMode mode = MonoMode::Fixed;
};

// What a run produced, in the order it is applied to the page: each text
// that is set was written before the run stopped; `failure` tells the check
// that stopped it.
struct MonoOutcome {
    std::optional<MonoFailure> failure;

    double d1 = 0;   // ms
    double d2 = 0;   // ms (Range mode, once read)
    double cap = 0;  // nF after the unit
    double r1 = 0;   // ohms
    double vr1 = 0;  // ohms

    std::optional<std::string> fixedText;  // rewritten duration box
    std::optional<std::string> capText;    // rewritten capacitor box
    std::optional<std::string> r1Text;     // both R1 labels
    std::optional<std::string> rangeText;  // rewritten maximum box
    std::optional<std::string> vr1Text;    // both VR1 labels

    bool ok() const { return !failure; }
};

MonoOutcome CalcCmosMonostable(const MonoInput& in);

// The capacitor caption beside C1 and C2: the typed number and the unit of
// the list's entry (no unit for a typed unit text).
std::string MonoCapCaption(std::string_view capText, int unitIndex);

}  // namespace ohm
