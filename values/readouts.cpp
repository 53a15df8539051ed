#include "values/readouts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "values/values.h"

namespace ohm {

std::string FrequencyText(double hertz) { return EngineeringText(hertz, 3, "Hz", -6, 6, Prefixes::Metric); }

std::string TimeText(double seconds) { return EngineeringText(seconds, 3, "s", -9, 0, Prefixes::Metric); }

std::string PartText(double ohms) { return EngineeringText(ohms, 4, "", 0, 6, Prefixes::Resistor); }

std::string DutyCycleText(double fraction) {
    const double percent = std::isnan(fraction) ? 0.0 : std::clamp(fraction, -1.0, 1.0) * 100.0;
    std::array<char, 16> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), percent, std::chars_format::fixed, 1);
    std::string text(buffer.data(), end.ptr);
    if (text == "-0.0") text = "0.0";  // a hair below zero is still none
    return text + "%";
}

}  // namespace ohm
