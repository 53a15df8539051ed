#include "values/series.h"

#include <cmath>

namespace ohm {

std::optional<Series> CoarsestSeriesHolding(double ohms) {
    if (!(ohms > 0) || !std::isfinite(ohms)) return std::nullopt;
    // Three significant figures as a whole number from 100 to 999, so a value
    // read from bands or a marking compares exactly with the table's hundredths.
    int exponent = static_cast<int>(std::floor(std::log10(ohms)));
    double hundreds = std::nearbyint(ohms / std::pow(10.0, exponent - 2));
    if (hundreds >= 1000) hundreds = std::nearbyint(hundreds / 10);
    // A value with a fourth significant figure (4.751K) is in no series.
    if (std::fabs(ohms - hundreds * std::pow(10.0, exponent - 2)) > ohms * 1e-9) return std::nullopt;
    for (const Series series : kAllSeries)
        for (const double v : DecadeOf(series))
            if (std::nearbyint(v * 100) == hundreds) return series;
    return std::nullopt;
}

}  // namespace ohm
