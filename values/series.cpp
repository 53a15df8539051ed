#include "values/series.h"

#include <algorithm>
#include <cmath>

#include "values/values.h"

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

float NearestInSeries(float value, Series series) {
    if (!(value > 0.0F) || !std::isfinite(value)) return value;

    // Normalise to 1 <= x < 10 with value = x * 10^exponent.
    float x = value;
    int exponent = 0;
    while (x >= 10.0F) {
        x = Single(static_cast<double>(x) / 10);
        ++exponent;
    }
    while (x < 1.0F) {
        x = Single(static_cast<double>(x) * 10);
        --exponent;
    }

    // Nearest by absolute difference; on a tie the earlier (smaller) value
    // stays. Each table value is taken in single precision, as x is, so that
    // x = 1.1 lies exactly halfway between 1 and 1.2 and keeps 1.
    const std::span<const double> decade = DecadeOf(series);
    float nearest = x;
    double preferred = 1;
    for (const double s : decade) {
        const float delta = Single(std::fabs(static_cast<double>(x) - static_cast<double>(Single(s))));
        if (delta < nearest) {
            nearest = delta;
            preferred = s;
        }
    }

    // Above the midpoint between the decade's last value and 10 the next
    // decade's 1 is nearer (9.1 for E12, 9.55 for E24: an ideal 92K stays 91K).
    const float top = Single((decade.back() + 10) / 2);
    if (x > top) {
        preferred = 1;
        ++exponent;
    }
    return Single(std::pow(10.0, exponent) * preferred);
}

std::array<double, 4> SeriesNeighbours(double value, Series series) {
    if (!(value > 0) || !std::isfinite(value)) return {value, value, value, value};
    const std::span<const double> decade = DecadeOf(series);
    const int size = static_cast<int>(decade.size());
    // Value number k of the series over all decades: entry k mod size of the
    // decade times 10^(k div size). Built from whole hundredths, so 2.7 times
    // 1000 is exactly 2700.
    auto valueAt = [&](int k) {
        const int decadeNumber = k >= 0 ? k / size : -((-k + size - 1) / size);
        const double hundredths = std::nearbyint(decade[static_cast<std::size_t>(k - decadeNumber * size)] * 100);
        const int power = decadeNumber - 2;
        return power >= 0 ? hundredths * std::pow(10.0, power) : hundredths / std::pow(10.0, -power);
    };
    // Start a decade below the one log10 names, in case it rounds up.
    const double exponent = std::clamp(std::floor(std::log10(value)), -400.0, 400.0);
    int k = (static_cast<int>(exponent) - 1) * size;
    while (valueAt(k) < value * (1 - 1e-6)) ++k;
    return {valueAt(k - 2), valueAt(k - 1), valueAt(k), valueAt(k + 1)};
}

std::string SeriesText(double ohms) {
    const std::optional<Series> series = CoarsestSeriesHolding(ohms);
    if (!series) return "Not in any E series";
    return std::string(NameOf(*series)) + " value";
}

}  // namespace ohm
