#include "values/readouts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "values/values.h"

namespace ohm {

std::string FrequencyText(double hertz) { return EngineeringText(hertz, 3, "Hz", -6, 6, Prefixes::Metric); }

std::string TimeText(double seconds) { return EngineeringText(seconds, 3, "s", -9, 0, Prefixes::Metric); }

std::string PartText(double ohms) { return EngineeringText(ohms, 4, "", 0, 6, Prefixes::Resistor); }

std::string DutyCycleText(double fraction) {
    const double percent = std::isnan(fraction) ? 0.0 : std::clamp(fraction, -1.0, 1.0) * 100.0;
    // Tenths of the shortest decimal, halves upwards like every other readout: 56.25 reads 56.3.
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(percent),
                                   std::chars_format::fixed).ptr;
    std::string digits(buffer.data(), end);
    const size_t point = std::min(digits.find('.'), digits.size());
    const bool up = point + 2 < digits.size() && digits[point + 2] >= '5';
    const char tenth = point + 1 < digits.size() ? digits[point + 1] : '0';
    const long long count = std::stoll(digits.substr(0, point)) * 10 + (tenth - '0') + (up ? 1 : 0);
    std::string text = percent < 0 && count > 0 ? "-" : "";  // a hair below zero is still none
    text += std::to_string(count / 10);
    text += '.';
    text += static_cast<char>('0' + count % 10);
    text += '%';
    return text;
}

std::string CapacitanceText(double picofarads) {
    // The resistor form steps through "", K, M and G at powers of a thousand,
    // and rounds before it picks one, so 999.6 nF is "1 uF".
    const std::string t = EngineeringText(picofarads, 3, "", 0, 9, Prefixes::Resistor);
    constexpr std::array<std::pair<char, const char*>, 3> kUnits = {{{'K', " nF"}, {'M', " uF"}, {'G', " mF"}}};
    for (const auto& [letter, unit] : kUnits)
        if (t.back() == letter) return t.substr(0, t.size() - 1) + unit;
    return t + " pF";
}

std::string SignedPercentText(double percent) {
    const double p = std::isnan(percent) ? 0.0 : std::clamp(percent, -1e6, 1e6);
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), p, std::chars_format::fixed, 2);
    std::string text(buffer.data(), end.ptr);
    if (text == "0.00" || text == "-0.00") return "0.00%";
    return (text[0] == '-' ? "" : "+") + text + "%";
}

}  // namespace ohm
