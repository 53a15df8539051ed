// Reading typed numbers and writing values back as text.
//
// Every page goes through these routines, so a number reads and prints the
// same everywhere. They are pure functions: no state, no locale, no failure.
// The full stop is the only decimal separator, whatever the machine's
// regional settings say.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ohm {

// The number at the start of a text; 0 when there is none. Blanks, tabs and
// line feeds are skipped wherever they stand ('1 000' is 1000). "&H"/"&O"
// prefixes read hexadecimal/octal whole numbers. A value beyond the double
// range gives the largest finite double with its sign; never NaN or infinity.
double LeadingNumber(std::string_view text);

// The number in plain writing with a sign column: a blank or "-" first, no "0"
// before the point below 1 (' .47'), exponent form below 0.0001 or when the
// whole part needs more digits than the precision allows (' 1E-05').
// The double form keeps 15 significant digits, the single form 7.
// NaN prints as " 0" and infinities as the largest finite value of the type,
// so no caller can ever put "nan" or "inf" on screen.
std::string NumberText(double value);
std::string NumberText(float value);

// Plain writing of a number: the shortest decimal digits that read back as
// the same value, never in exponent form, no blanks, "0" before the point
// below 1 ("1000", "0.5", "0.00001", "-2.5").
std::string PlainText(double value);
std::string PlainText(float value);

// Only the minus signs, full stops and digits of a text, in their order.
std::string NumberIn(std::string_view text);

// The text without blanks (code 32); tabs and everything else stay.
std::string NoSpaces(std::string_view text);

// A resistance in ohms (as text) written with "K" or "M": "4.7K", "470", "0.47".
std::string FormatRes(std::string_view text);

// A resistance as people type it: "4K7", "4.7K", "2M2", "470". Only digits,
// points and the multiplier letters K and M are kept (lower-case k and m are
// dropped, so "4.7k" reads 4.7 ohms); a K or M works as the decimal point and
// multiplies by 1000 or 1000000. The value is stored in single precision.
struct TypedResistance {
    std::string cleaned;  // the kept characters, as the box shows them afterwards
    float ohms = 0;
};
TypedResistance ReadResistance(std::string_view typed);

// How the power-of-ten prefix of a quantity is written.
enum class Prefixes {
    Resistor,    // "4.465K", "10.5M": K and M straight after the number, no unit
    Metric,      // "146 Hz", "3.59 ms", "503 µs": a blank, the prefix, the unit
    MetricAscii, // as Metric with "u" for micro, as the current list writes "100uA"
};

// A quantity to `figures` significant figures with trailing zeros dropped,
// its prefix stepped so the number lies from 1 to 999 where the prefixes
// from 10^lowestPower to 10^highestPower (multiples of 3, n to G) allow it:
// EngineeringText(0.0009999, 3, "s", -9, 0, Prefixes::Metric) is "1 ms".
// The rounding is decided on the decimal digits, so 4.4650 stays 4.465.
// Outside the prefixes the number leaves that band ("0.0095", "1500 MHz").
// Zero is "0 unit"; NaN and infinities are written as 0 and the largest
// double, so nothing unreadable reaches the screen.
std::string EngineeringText(double value, int figures, std::string_view unit, int lowestPower, int highestPower,
                            Prefixes style);

// A voltage difference in whole millivolts, halves away from zero: "31 mV".
std::string MillivoltsText(double volts);
// A current to three significant figures in uA, mA or A: "961 uA", "1.03 mA".
std::string CurrentText(double amperes);
// A power to three significant figures in uW, mW or W: "11.1 mW", "1.2 W".
std::string PowerText(double watts);
// A resistance that carries at most three significant figures (a marking, a
// preferred value) in the resistor form, every figure kept: "0.976", "4.7K",
// "49.9", "97.6M", "1000M". FormatRes rounds below 1 ohm and above 10M.
std::string ThreeFigureResistanceText(double ohms);

// The range a resistor may lie in at its tolerance, each end to four
// significant figures in the resistor form: 4700 ohms at 5% is
// "4.465K to 4.935K".
std::string ToleranceRangeText(double ohms, double percent);

// A resistor's temperature coefficient: "50 ppm/K".
std::string TemperatureCoefficientText(double ppmPerKelvin);

// A voltage (as text) written with a lower-case "v": "4.7v", "-0.5v", "0v".
std::string FormatVolt(std::string_view text);

// A double stored into a single-precision variable. Values beyond the single
// range become the largest single with their sign instead of undefined
// behaviour; NaN stays NaN.
float Single(double value);

// The shortest decimal that reads back as a single-precision value, as a
// double: 6.435F (stored as 6.43499994) gives 6.435, so readouts round the
// number the page meant, not its binary neighbour.
double DecimalOf(float value);

// Removes leading and trailing blanks.
std::string Trim(std::string_view text);

// The text without its first character when that is the sign-column blank.
std::string DropSignBlank(std::string_view text);

// Two-part messages: the fault, two carriage returns, the advice.
std::string TwoPart(std::string_view fault, std::string_view advice);

// The one prompt all four timing designers show for a capacitance of zero.
std::string CapZeroPrompt();

// A whole number as plain digits ("3", "-12"), as message texts write them.
std::string WholeText(long long value);

}  // namespace ohm
