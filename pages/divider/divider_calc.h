// The potential divider: a chain of n + 1 resistors between two rails Vs1 and
// Vs2 whose n joints (the taps) sit at the voltages asked for, for a chosen
// chain current, either ideal or fitted to a preferred-value series.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "values/check_failure.h"
#include "values/series.h"
#include "values/spread.h"

namespace ohm {

// Which input check failed first.
enum class DividerCheck { Vs1Range, Vs2Range, SupplyEqual, TapEmpty, TapRange, TapOrder };

// The resistor range messages; they do not stop the display of the others.
enum class DividerResCheck { ResHigh, ResLow };

// The box a failed check points at: a rail, or tap box 1 to 4.
enum class DividerBox { Vs1, Vs2, Tap1, Tap2, Tap3, Tap4 };

// The labels a failed check empties.
enum class DividerLabel { TapRanges };

inline constexpr int kDividerMaxTaps = 4;

// The entries of the current list: 10^(k+1) / 10^7 amperes for entry k.
inline constexpr std::array<std::string_view, 6> kDividerCurrents = {"1uA", "10uA", "100uA", "1mA", "10mA", "100mA"};

// The tolerance list: every resistor of the chain within +- this of its value.
inline constexpr std::array<std::string_view, 8> kDividerTolerances = {"0.1%", "0.25%", "0.5%", "1%",
                                                                       "2%",   "5%",    "10%",  "20%"};
inline constexpr int kDividerStartTolerance = 3;  // 1%

struct DividerInput {
    int taps = 1;  // n, 1 to 4
    std::string vs1;
    std::string vs2;
    std::array<std::string, kDividerMaxTaps> tap;  // the texts of tap boxes 1 to n
    int current = 2;  // index of the current list: 10^(k+1) / 10^7 amperes
    std::optional<Series> series;  // none: the ideal values
    // Fit the chain as a whole rather than resistor by resistor (fitted series only).
    bool bestFit = false;
    // The voltages the taps were asked for, where a box still shows what a
    // calculation wrote over them; empty: the box's own text. The tap error
    // and the best fit measure against these, the checks and the resistors
    // go by the boxes.
    std::array<std::string, kDividerMaxTaps> asked;
    int tolerance = kDividerStartTolerance;  // index of the tolerance list
};

// Where one tap of the chain shown may lie when it is built.
struct TapRange {
    double nominal = 0;  // volts, from the chain itself
    ValueRange worst;    // every resistor at one end of its tolerance
    ValueRange builds;   // 95% of builds
    std::string worstText;   // "3.65v–3.76v", as the tap boxes write volts
    std::string buildsText;  // "3.67v–3.75v"
    std::string description;  // "Tap 1, worst case 3.65v to 3.76v, 95% of builds 3.67v to 3.75v"
};

using DividerFault = CheckFailure<DividerCheck, DividerBox, DividerLabel>;

struct DividerRangeMessage {
    DividerResCheck check;
    int resistor;  // 0 for R1 ... n for R(n + 1)
    std::string message;
};

// One resistor's dissipation: I squared R in the chain shown.
struct ResistorPower {
    double watts = 0;
    bool overRating = false;   // more than a quarter-watt part takes
    std::string description;   // "Power 11.1 mW", "Power 1.2 W, over 0.25 W"
};

// What the chain shown costs against what was asked.
struct DividerCost {
    double largestTapError = 0;  // volts: the largest |tap given - tap asked|, unrounded
    double current = 0;          // amperes through the chain
    std::string largestTapErrorText;  // "31 mV"
    std::string currentText;          // "961 uA"
    std::vector<ResistorPower> power;  // R1 first
};

struct DividerResult {
    // Rail boxes rewritten in the uniform voltage form (set once checked).
    std::optional<std::string> vs1Text;
    std::optional<std::string> vs2Text;
    // Tap boxes 1.. rewritten so far, in order.
    std::vector<std::string> tapText;
    // The first failed input check; nothing below is filled when set.
    std::optional<DividerFault> failure;

    // On success: the requested tap texts to keep (entries 0 to n - 1).
    std::vector<std::string> savedTapText;
    // Fitted: what the fitted chain really gives at taps 1 to n.
    std::vector<std::string> fittedTapText;
    // Captions of the n + 1 value labels, and the range messages met on the
    // way (each shown just before its own label is written).
    std::vector<std::string> captions;
    std::vector<DividerRangeMessage> rangeMessages;
    // The resistors behind the captions, ohms.
    std::vector<float> resistors;
    // On success: what the chain shown costs.
    std::optional<DividerCost> cost;
    // Best fit found no chain to qualify: why, shown after the resistor-by-resistor fit.
    std::optional<std::string> noChainMessage;
    // On success: the rails as read and where each tap may lie, tap 1 first.
    float vs1 = 0;
    float vs2 = 0;
    std::vector<TapRange> tapRanges;
};

DividerResult CalcDivider(const DividerInput& in);

// Where the taps of a chain R1 ... R(n + 1) from Vs1 to Vs2 may lie with
// every resistor within the tolerance of list entry `tolerance`.
std::vector<TapRange> DividerTapRanges(double vs1, double vs2, const std::vector<float>& resistors, int tolerance);

// A voltage as the divider reads it: rounded to hundredths with 0.55 added
// before truncation, stored in single precision.
float DividerVolts(double value);

}  // namespace ohm
