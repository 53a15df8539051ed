// The arithmetic of the CMOS astable designer: two oscillators at once for
// one capacitor, one supply and one frequency (or a minimum-to-maximum range).
//   circuit 1, two inverters:    f = 1 / (R C ln((V + 0.7) / (V / 2)))
//   circuit 2, Schmitt inverter: f = 1 / (R C ln((V - 0.39V) / (V - 0.58V)))
// Working values are stored in single precision; every formula is evaluated
// in double and rounded when it is stored, and limits are compared against
// the stored values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "values/check_failure.h"

namespace ohm {

enum class CmosAstableMode { Fixed, Range };

// The checks in the order they run.
enum class CmosAstableCheck {
    Freq,
    MaxFreq,
    Order,
    CapZero,
    R1Low,
    R1High,
    R2Low,
    R2High,
    VR1Low,
    VR1High,
    VR2Low,
    VR2High,
};

// The box a failed check hands back to the person.
enum class CmosAstableBox { Freq0, Freq1, Cap };

// The value labels by index: R1, VR1, R2, VR2.
inline constexpr int kCmosR1Label = 0;
inline constexpr int kCmosVR1Label = 1;
inline constexpr int kCmosR2Label = 2;
inline constexpr int kCmosVR2Label = 3;

struct CmosAstableInput {
    std::string_view freq;      // the frequency, or the minimum in Range mode
    std::string_view maxFreq;   // the maximum, Range mode only
    std::string_view cap;       // the capacitor value, in `unit`
    int unit = 1;               // unit list position: 0 pF, 1 nF, 2 uF, anything else unscaled
    std::string_view volts;     // the supply, volts
    CmosAstableMode mode = CmosAstableMode::Fixed;
};

// Labels emptied are named by their index above.
using CmosAstableFailure = CheckFailure<CmosAstableCheck, CmosAstableBox, int>;

struct CmosAstableOutcome {
    // Box rewrites made on the way (nullopt: the box is left as typed).
    std::optional<std::string> capText;      // the capacitor box, once the frequency passed
    std::optional<std::string> maxFreqText;  // the maximum frequency box, Range mode
    // Value labels written, in the order the steps write them: (index, text).
    std::vector<std::pair<int, std::string>> written;
    // The first failed check, if any; what was written before it stays.
    std::optional<CmosAstableFailure> failure;

    // Working values as stored (0 where a step did not run). C in nanofarads.
    float F1 = 0, F2 = 0, C = 0, V = 0, R1 = 0, R2 = 0, VR1 = 0, VR2 = 0;
};

CmosAstableOutcome CalcCmosAstable(const CmosAstableInput& in);

// The caption both capacitor labels show for the capacitor text and unit
// index: the value in plain writing and the unit ("10nF", "0.5uF").
std::string CmosAstableCapCaption(std::string_view capText, int unit);

}  // namespace ohm
