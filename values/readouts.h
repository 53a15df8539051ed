// Readouts of timing quantities: the forms a result label shows for a
// frequency, a time and a duty cycle, all built on EngineeringText so every
// page writes them alike.
#pragma once

#include <string>

namespace ohm {

// Three significant figures from µHz to MHz: "146 Hz", "48 µHz", "480 MHz".
std::string FrequencyText(double hertz);

// Three significant figures from ns to s: "503 µs", "3.59 ms", "1 ms".
std::string TimeText(double seconds);

// A resistance to four significant figures with K or M, as a message names
// a typed part: "999", "10.1M" (the designers' form would write 10M).
std::string PartText(double ohms);

// A fraction as a percentage to one decimal: 0.50347 is "50.3%". NaN and
// infinities never reach the screen (they read as 0% and 100%).
std::string DutyCycleText(double fraction);

// A capacitance to three significant figures with the unit letters of the
// Capacitors page's list: "4.7 nF", "0.47 pF", "1000 mF".
std::string CapacitanceText(double picofarads);

// A signed percentage to two decimals with an ASCII sign: "+0.02%", "-1.10%";
// one that rounds to zero is "0.00%".
std::string SignedPercentText(double percent);

}  // namespace ohm
