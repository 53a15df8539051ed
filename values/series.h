// Preferred component values (E6, E12, E24).
// The capacitor and resistor steppers compare the text in a box with the
// first and last entries to carry into the next decade, so their tables are
// texts exactly as shown; the divider fits to numbers.
#pragma once

#include <array>
#include <string_view>

namespace ohm {

// E6 over three decades, 1 to 680.
inline constexpr std::array<std::string_view, 18> kE6ThreeDecades = {
    "1", "1.5", "2.2", "3.3", "4.7", "6.8", "10", "15", "22", "33", "47", "68",
    "100", "150", "220", "330", "470", "680",
};
// E24 over three decades, 1 to 910.
inline constexpr std::array<std::string_view, 72> kE24ThreeDecades = {
    "1", "1.1", "1.2", "1.3", "1.5", "1.6", "1.8", "2", "2.2", "2.4", "2.7", "3",
    "3.3", "3.6", "3.9", "4.3", "4.7", "5.1", "5.6", "6.2", "6.8", "7.5", "8.2", "9.1",
    "10", "11", "12", "13", "15", "16", "18", "20", "22", "24", "27", "30",
    "33", "36", "39", "43", "47", "51", "56", "62", "68", "75", "82", "91",
    "100", "110", "120", "130", "150", "160", "180", "200", "220", "240", "270", "300",
    "330", "360", "390", "430", "470", "510", "560", "620", "680", "750", "820", "910",
};
// E12 over one decade, 1 to 8.2.
inline constexpr std::array<double, 12> kE12Decade = {
    1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2,
};
// E24 over one decade, 1 to 9.1.
inline constexpr std::array<double, 24> kE24Decade = {
    1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
    3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1,
};

}  // namespace ohm
