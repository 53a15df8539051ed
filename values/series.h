// Preferred component values (E6 to E192, IEC 60063).
// The capacitor and resistor steppers compare the text in a box with the
// first and last entries to carry into the next decade, so their tables are
// texts exactly as shown; the divider fits to numbers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
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
// E6 over one decade, 1 to 6.8.
inline constexpr std::array<double, 6> kE6Decade = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8};
// E12 over one decade, 1 to 8.2.
inline constexpr std::array<double, 12> kE12Decade = {
    1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2,
};
// E24 over one decade, 1 to 9.1.
inline constexpr std::array<double, 24> kE24Decade = {
    1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
    3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1,
};

// E192 over one decade: round(100 x 10^(k/192)) / 100 for k = 0 to 191, but
// 9.20 where that rounding gives 9.19.
inline constexpr std::array<double, 192> kE192Decade = {
    1.00, 1.01, 1.02, 1.04, 1.05, 1.06, 1.07, 1.09, 1.10, 1.11, 1.13, 1.14,
    1.15, 1.17, 1.18, 1.20, 1.21, 1.23, 1.24, 1.26, 1.27, 1.29, 1.30, 1.32,
    1.33, 1.35, 1.37, 1.38, 1.40, 1.42, 1.43, 1.45, 1.47, 1.49, 1.50, 1.52,
    1.54, 1.56, 1.58, 1.60, 1.62, 1.64, 1.65, 1.67, 1.69, 1.72, 1.74, 1.76,
    1.78, 1.80, 1.82, 1.84, 1.87, 1.89, 1.91, 1.93, 1.96, 1.98, 2.00, 2.03,
    2.05, 2.08, 2.10, 2.13, 2.15, 2.18, 2.21, 2.23, 2.26, 2.29, 2.32, 2.34,
    2.37, 2.40, 2.43, 2.46, 2.49, 2.52, 2.55, 2.58, 2.61, 2.64, 2.67, 2.71,
    2.74, 2.77, 2.80, 2.84, 2.87, 2.91, 2.94, 2.98, 3.01, 3.05, 3.09, 3.12,
    3.16, 3.20, 3.24, 3.28, 3.32, 3.36, 3.40, 3.44, 3.48, 3.52, 3.57, 3.61,
    3.65, 3.70, 3.74, 3.79, 3.83, 3.88, 3.92, 3.97, 4.02, 4.07, 4.12, 4.17,
    4.22, 4.27, 4.32, 4.37, 4.42, 4.48, 4.53, 4.59, 4.64, 4.70, 4.75, 4.81,
    4.87, 4.93, 4.99, 5.05, 5.11, 5.17, 5.23, 5.30, 5.36, 5.42, 5.49, 5.56,
    5.62, 5.69, 5.76, 5.83, 5.90, 5.97, 6.04, 6.12, 6.19, 6.26, 6.34, 6.42,
    6.49, 6.57, 6.65, 6.73, 6.81, 6.90, 6.98, 7.06, 7.15, 7.23, 7.32, 7.41,
    7.50, 7.59, 7.68, 7.77, 7.87, 7.96, 8.06, 8.16, 8.25, 8.35, 8.45, 8.56,
    8.66, 8.76, 8.87, 8.98, 9.09, 9.20, 9.31, 9.42, 9.53, 9.65, 9.76, 9.88,
};

namespace detail {
template <std::size_t N>
constexpr std::array<double, N / 2> EverySecond(const std::array<double, N>& finer) {
    std::array<double, N / 2> out{};
    for (std::size_t i = 0; i < N / 2; ++i) out[i] = finer[2 * i];
    return out;
}
}  // namespace detail

// E96 is every second E192 value, E48 every second E96 value.
inline constexpr std::array<double, 96> kE96Decade = detail::EverySecond(kE192Decade);
inline constexpr std::array<double, 48> kE48Decade = detail::EverySecond(kE96Decade);

// A preferred-value series, coarsest first.
enum class Series { E6, E12, E24, E48, E96, E192 };
inline constexpr std::array<Series, 6> kAllSeries = {Series::E6,  Series::E12, Series::E24,
                                                     Series::E48, Series::E96, Series::E192};

// The values of one decade of a series, 1 up to (not including) 10.
constexpr std::span<const double> DecadeOf(Series series) {
    switch (series) {
        case Series::E6: return kE6Decade;
        case Series::E12: return kE12Decade;
        case Series::E24: return kE24Decade;
        case Series::E48: return kE48Decade;
        case Series::E96: return kE96Decade;
        case Series::E192: break;
    }
    return kE192Decade;
}

// "E6" ... "E192".
constexpr std::string_view NameOf(Series series) {
    switch (series) {
        case Series::E6: return "E6";
        case Series::E12: return "E12";
        case Series::E24: return "E24";
        case Series::E48: return "E48";
        case Series::E96: return "E96";
        case Series::E192: break;
    }
    return "E192";
}

// The coarsest series with a value equal to `ohms` at its three significant
// figures (4700 and 0.47 are E6, 4750 is E96, 4800 is in none); nothing for
// zero, negatives and non-numbers.
std::optional<Series> CoarsestSeriesHolding(double ohms);

// The value of a series nearest to `value`, worked in single precision as
// the divider fits: the decade's nearest value by absolute difference, an
// exact midpoint going to the smaller value, and above the midpoint between
// the decade's last value and 10, the next decade's 1. Zero, negatives and
// non-numbers come back unchanged.
float NearestInSeries(float value, Series series);

// The two values of a series below `value` and the two at or above it, in
// rising order, in double precision (4700 in E12 gives 3300, 3900, 4700,
// 5600). A value within a millionth of a series value counts as that value.
// Zero, negatives and non-numbers give `value` four times.
std::array<double, 4> SeriesNeighbours(double value, Series series);

// "E12 value" for the coarsest of E6..E192 holding `ohms` at its three
// significant figures, or "Not in any E series" (also for zero, negatives and
// non-numbers).
std::string SeriesText(double ohms);

}  // namespace ohm
