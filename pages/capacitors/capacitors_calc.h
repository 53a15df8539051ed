// The Capacitors page's arithmetic: the voltage on a capacitor discharging
// (and, the other way round, charging) through a resistor a given time after
// the push-button, where the time falls on the graph of the two curves, and
// the rules its four spin buttons step their inputs by.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ohm {

// The unit lists, in list order.
inline constexpr std::array<std::string_view, 4> kTimeUnits = {"ns", "us", "ms", "s"};
inline constexpr std::array<std::string_view, 4> kCapUnits = {"pF", "nF", "uF", "mF"};
// Plain ohms is two blanks, so the list entry is not an empty line.
inline constexpr std::array<std::string_view, 3> kResUnits = {"  ", "K", "M"};

// Graph geometry in twips of the graph frame: t = 0 at 270, 7.5 time
// constants at 2970, 360 twips to the time constant.
inline constexpr int kGraphStartX = 270;
inline constexpr int kGraphEndX = 2970;
inline constexpr int kTimeLabelMaxLeft = 2570;
inline constexpr int kTimeLabelWidth = 465;
inline constexpr int kBeyondLabelLeft = 2380;
inline constexpr int kBeyondLabelWidth = 645;
// A negative time or time constant puts the marker left of the graph, where
// the frame hides it; this floor only keeps the twip value a sane integer.
inline constexpr int kMarkerFloorX = -100000;

// What the page's boxes and lists hold. Unit positions are list positions,
// -1 while a list has no selection (only during start-up).
struct CapInputs {
    std::string_view supply;
    std::string_view time;
    int timeUnit = -1;
    std::string_view cap;
    int capUnit = -1;
    std::string_view res;
    int resUnit = -1;
    // The time label's caption before this refresh: kept when no time unit
    // is selected.
    std::string_view timeCaption;
};

enum class LabelAlign { Left, Right };

struct CapDisplay {
    double v = 0;                // discharge voltage (may be NaN or infinite)
    std::string vout1;           // discharging circuit's output, "" when not finite
    std::string vout2;           // charging circuit's output, "" when not finite
    int markerX = kGraphStartX;  // both ends of the marker line
    bool beyond = false;         // later than 7.5 time constants (or no finite position)
    std::string timeCaption;
    int timeLeft = 0;
    int timeWidth = kTimeLabelWidth;
    LabelAlign timeAlign = LabelAlign::Left;
};

// Reads the inputs, works out V = Vs e^(-t/RC) and the graph marker.
CapDisplay CapVoltage(const CapInputs& in);

// A voltage truncated (not rounded) to hundredths in the sign-column form
// with "v": 3.679 gives " 3.67v", 0.36 gives " .36v"; "" when not finite.
std::string TruncatedVolts(double volts);

// Spin-button texts for a position.
// Supply, positions 1 to 150: tenths of a volt (".1" ... "15").
std::string SupplyStepText(int position);
// Time, positions 10 to 279: "1" ... "9.9", "10" ... "99", "100" ... "990".
std::string TimeStepText(int position);

// The time unit to select before writing `newText` over `oldText`: one unit
// down when 1 steps down to 990, one up when 990 steps up to 1. Compares the
// numbers the texts read as, so a typed "1.0" counts as 1.
int TimeStepUnit(std::string_view newText, std::string_view oldText, int unit);

// A step through a preferred-value series: the unit to select, then the text.
// The unit moves when the button wrapped (position at the series' last
// entry while the box holds its first, exactly as text, or the other way).
struct SeriesStep {
    int unit = 0;
    std::string text;
};
SeriesStep StepSeries(std::span<const std::string_view> entries, int position,
                      std::string_view oldText, int unit, int lastUnit);

// The time constant T = R x C of the page's resistor and capacitor, and the
// cut-off frequency 1 / (2 pi R C) of the two as a filter, as the 555 page
// writes times and frequencies ("10 ms", "15.9 Hz"); both empty while there
// is no positive time constant.
struct RcReadouts {
    std::string timeConstant;
    std::string cutOff;
};
RcReadouts RcTimes(const CapInputs& in);

// The supply labels of both circuits for the supply box's text: the value it
// reads as, written without its sign blank, then "v" ("12v", ".5v").
std::string SupplyLabelText(std::string_view supplyText);

}  // namespace ohm
