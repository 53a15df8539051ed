#include "pages/divider/divider_calc.h"

#include <algorithm>
#include <cmath>

#include "values/series.h"
#include "values/values.h"

namespace ohm {
namespace {

constexpr const char* kVoltAdvice = "You must enter a voltage between -999v and +999v!";

bool InRange(float v) { return v >= -999.0F && v <= 999.0F; }

std::string VoltText(float v) { return FormatVolt(NumberText(v)); }

DividerFault Fault(DividerCheck check, DividerBox box, std::string prompt, bool select = true) {
    return DividerFault{check, box, {}, std::move(prompt), select};
}

DividerBox TapBox(int tap) { return static_cast<DividerBox>(static_cast<int>(DividerBox::Tap1) + tap - 1); }

// A tap voltage the chain gives, to hundredths. Halves upwards here (0.5):
// these are results, not readings.
float TapHundredths(float v) { return Single(std::floor(static_cast<double>(v) * 100 + 0.5) / 100); }

// Tap voltages that the fitted chain really gives, from Vs1 (index 0) along
// to Vs2 (index n + 1). Each tap starts from the rounded tap before it.
std::vector<std::string> FittedTaps(const std::array<float, 6>& volts, const std::array<float, 6>& ohms,
                                    int n, float drop) {
    float chainOhms = 0.0F;
    for (int j = 0; j <= n; ++j) chainOhms = Single(static_cast<double>(chainOhms) + ohms[j]);
    const float current = Single(static_cast<double>(drop) / chainOhms);

    std::vector<std::string> taps(static_cast<size_t>(n));
    if (volts[0] < volts[n + 1]) {
        float tap = volts[n + 1];
        for (int i = n; i >= 1; --i) {
            tap = Single(static_cast<double>(tap) - static_cast<double>(current) * ohms[i]);
            tap = TapHundredths(tap);
            taps[i - 1] = VoltText(tap);
        }
    } else {
        float tap = volts[0];
        for (int i = 1; i <= n; ++i) {
            tap = Single(static_cast<double>(tap) - static_cast<double>(current) * ohms[i - 1]);
            tap = TapHundredths(tap);
            taps[i - 1] = VoltText(tap);
        }
    }
    return taps;
}

// A best-fit candidate chain and how well it meets the taps asked.
struct ChainScore {
    std::array<double, 5> ohms{};
    double worstError = 0;  // volts
    double errorSum = 0;    // volts
    double totalGap = 0;    // ohms from the ideal total
};

// Errors below a microvolt and totals within a micro-ohm count as equal.
constexpr double kSameVolts = 1e-6;
constexpr double kSameOhms = 1e-6;

bool Better(const ChainScore& a, const ChainScore& b, int resistors) {
    if (std::fabs(a.worstError - b.worstError) >= kSameVolts) return a.worstError < b.worstError;
    if (std::fabs(a.errorSum - b.errorSum) >= kSameVolts) return a.errorSum < b.errorSum;
    if (std::fabs(a.totalGap - b.totalGap) >= kSameOhms) return a.totalGap < b.totalGap;
    for (int j = 0; j < resistors; ++j)
        if (std::fabs(a.ohms[j] - b.ohms[j]) >= kSameOhms) return a.ohms[j] < b.ohms[j];
    return false;
}

// The tap voltages a chain gives (unrounded) less those asked; volts runs
// from Vs1 (index 0) to Vs2 (index n + 1).
template <typename Ohms>
void TapErrors(const std::array<float, 6>& volts, const Ohms& ohms, int n, double& worst, double& sum) {
    double total = 0;
    for (int j = 0; j <= n; ++j) total += ohms[j];
    const double span = static_cast<double>(volts[n + 1]) - volts[0];
    double below = 0;
    worst = 0;
    sum = 0;
    for (int i = 1; i <= n; ++i) {
        below += ohms[i - 1];
        const double error = std::fabs(volts[0] + span * below / total - volts[i]);
        worst = std::max(worst, error);
        sum += error;
    }
}

// Every chain whose resistors are each one of the two series values below
// their ideal or the two at or above it (4^(n + 1), at most 1024 chains),
// searched whole. Left out: a chain drawing more than 10% off the current
// asked, or holding a resistor outside 0.01 ohm to 10M.
std::optional<std::array<double, 5>> BestFitChain(const std::array<float, 6>& volts, const std::array<float, 6>& ideal,
                                                  int n, double current, Series series) {
    const int resistors = n + 1;
    std::array<std::array<double, 4>, 5> candidates{};
    double idealTotal = 0;
    for (int j = 0; j < resistors; ++j) {
        candidates[j] = SeriesNeighbours(ideal[j], series);
        idealTotal += ideal[j];
    }
    const double drop = std::fabs(static_cast<double>(volts[n + 1]) - volts[0]);

    std::optional<ChainScore> best;
    const int chains = 1 << (2 * resistors);
    for (int code = 0; code < chains; ++code) {
        ChainScore chain;
        double total = 0;
        bool inRange = true;
        for (int j = 0; j < resistors; ++j) {
            chain.ohms[j] = candidates[j][(code >> (2 * j)) & 3];
            inRange = inRange && chain.ohms[j] >= 0.01 && chain.ohms[j] <= 1e7;
            total += chain.ohms[j];
        }
        if (!inRange || std::fabs(drop / total - current) > 0.1 * current) continue;
        TapErrors(volts, chain.ohms, n, chain.worstError, chain.errorSum);
        chain.totalGap = std::fabs(total - idealTotal);
        if (!best || Better(chain, *best, resistors)) best = chain;
    }
    if (!best) return std::nullopt;
    return best->ohms;
}

// What the chain shown costs: its tap errors, its current and each resistor's power.
DividerCost CostOf(const std::array<float, 6>& volts, const std::array<float, 6>& ohms, int n) {
    DividerCost cost;
    double total = 0;
    for (int j = 0; j <= n; ++j) total += ohms[j];
    double sum = 0;
    TapErrors(volts, ohms, n, cost.largestTapError, sum);
    cost.current = std::fabs(static_cast<double>(volts[n + 1]) - volts[0]) / total;
    cost.largestTapErrorText = MillivoltsText(cost.largestTapError);
    cost.currentText = CurrentText(cost.current);
    for (int j = 0; j <= n; ++j) {
        ResistorPower p;
        p.watts = cost.current * cost.current * ohms[j];
        p.overRating = p.watts > 0.25;
        p.description = "Power " + PowerText(p.watts) + (p.overRating ? ", over 0.25 W" : "");
        cost.power.push_back(std::move(p));
    }
    return cost;
}

}  // namespace

float DividerVolts(double value) {
    const float v = Single(value);
    // 0.55, not 0.5: readings are nudged up before truncation, so 1.2346 reads 1.24.
    return Single(std::floor(static_cast<double>(v) * 100 + 0.55) / 100);
}

DividerResult CalcDivider(const DividerInput& in) {
    DividerResult out;
    const int n = std::clamp(in.taps, 1, kDividerMaxTaps);
    const int currentIndex = std::clamp(in.current, 0, 5);

    // Vs1, taps 1 to n, then Vs2; resistor j lies between volts[j] and volts[j + 1].
    std::array<float, 6> volts{};
    std::array<float, 6> ohms{};

    volts[0] = DividerVolts(LeadingNumber(NumberIn(in.vs1)));
    if (!InRange(volts[0])) {
        out.failure = Fault(DividerCheck::Vs1Range, DividerBox::Vs1,
                          TwoPart("Range Error:  Vs1", kVoltAdvice));
        return out;
    }
    out.vs1Text = VoltText(volts[0]);

    // Vs2 is read straight from its text, without picking out the number
    // characters first: "1,5" reads 1 here where Vs1 would read 15.
    volts[n + 1] = DividerVolts(LeadingNumber(in.vs2));
    if (!InRange(volts[n + 1])) {
        out.failure = Fault(DividerCheck::Vs2Range, DividerBox::Vs2,
                          TwoPart("Range Error:  Vs2", kVoltAdvice));
        return out;
    }
    out.vs2Text = VoltText(volts[n + 1]);

    if (volts[0] == volts[n + 1]) {
        out.failure = Fault(DividerCheck::SupplyEqual, DividerBox::Vs2,
                          TwoPart("Entry Error:  Vs1 = Vs2", "The supply voltages must not be equal!"));
        return out;
    }
    const float drop = Single(std::fabs(static_cast<double>(volts[n + 1]) - volts[0]));

    for (int i = 1; i <= n; ++i) {
        const std::string& text = in.tap[i - 1];
        const std::string num = WholeText(i);
        // Only a truly empty box counts as missing; blanks read as 0 V.
        if (text.empty()) {
            out.failure = Fault(DividerCheck::TapEmpty, TapBox(i),
                              TwoPart("Entry Error:  Tap#" + num, "You must enter a voltage at Tap#" + num + "!"), false);
            return out;
        }
        volts[i] = DividerVolts(LeadingNumber(NumberIn(text)));
        if (!InRange(volts[i])) {
            out.failure = Fault(DividerCheck::TapRange, TapBox(i),
                              TwoPart("Range Error: Tap#" + num + ",", kVoltAdvice));
            return out;
        }
        out.tapText.push_back(VoltText(volts[i]));
    }

    // Taps must step strictly from Vs1 towards Vs2 in tap order.
    const bool rising = volts[0] < volts[n + 1];
    for (int i = 1; i <= n; ++i) {
        const bool between = rising ? (volts[i - 1] < volts[i] && volts[i] < volts[i + 1])
                                    : (volts[i - 1] > volts[i] && volts[i] > volts[i + 1]);
        if (!between) {
            out.failure = Fault(DividerCheck::TapOrder, TapBox(i),
                              "Voltage tap " + WholeText(i) + " is not within the supply voltage specified!");
            return out;
        }
    }

    out.savedTapText = out.tapText;

    // What each tap was asked for: a box still showing the last calculation's
    // fitted voltage stands for what was asked then, so pressing again does
    // not measure the chain against itself.
    std::array<float, 6> asked = volts;
    for (int i = 1; i <= n; ++i)
        if (!in.asked[i - 1].empty()) asked[i] = DividerVolts(LeadingNumber(NumberIn(in.asked[i - 1])));

    // 1 uA for the first list entry up to 100 mA for the sixth.
    const float current = Single(std::pow(10.0, currentIndex + 1) / 1e7);

    // Each resistor is its share of the total drop, through the total resistance.
    const float total = Single(static_cast<double>(drop) / current);
    for (int i = 1; i <= n + 1; ++i) {
        const float share = Single(static_cast<double>(drop) / std::fabs(static_cast<double>(volts[i - 1]) - volts[i]));
        ohms[i - 1] = Single(static_cast<double>(total) / share);
    }

    if (in.series) {
        std::optional<std::array<double, 5>> chain;
        if (in.bestFit) {
            chain = BestFitChain(asked, ohms, n, std::pow(10.0, currentIndex + 1) / 1e7, *in.series);
            if (!chain)
                out.noChainMessage = "No chain of " + std::string(NameOf(*in.series)) + " values draws within 10% of " +
                                     std::string(kDividerCurrents[currentIndex]) +
                                     " with every resistor from 0.01 ohms to 10M, so each resistor is fitted on its own.";
        }
        for (int j = 0; j <= n; ++j) ohms[j] = chain ? Single((*chain)[j]) : NearestInSeries(ohms[j], *in.series);
        out.fittedTapText = FittedTaps(volts, ohms, n, drop);
    }
    out.cost = CostOf(asked, ohms, n);

    for (int j = 0; j <= n; ++j) {
        const std::string name = "R" + WholeText(j + 1);
        out.resistors.push_back(ohms[j]);
        if (ohms[j] >= 0.01F && ohms[j] <= 1e7F) {
            out.captions.push_back(FormatRes(NumberText(ohms[j])));
        } else if (ohms[j] > 1e7F) {
            out.rangeMessages.push_back({DividerResCheck::ResHigh, j, "Resistor " + name + " greater than 10M"});
            out.captions.push_back(name);
        } else {
            out.rangeMessages.push_back({DividerResCheck::ResLow, j, "Resistor " + name + " less than 0.01 ohms"});
            out.captions.push_back(name);
        }
    }
    out.vs1 = volts[0];
    out.vs2 = volts[n + 1];
    out.tapRanges = DividerTapRanges(volts[0], volts[n + 1], out.resistors, in.tolerance);
    return out;
}

namespace {

// The voltage at a tap with B ohms below it (towards Vs2) and T above it.
double TapVolts(double vs1, double vs2, double below, double above) {
    return ((vs1 - vs2) * below) / (below + above) + vs2;
}

std::string RangeText(const ValueRange& r, const char* between) {
    return VoltText(TapHundredths(Single(r.low))) + between + VoltText(TapHundredths(Single(r.high)));
}

}  // namespace

std::vector<TapRange> DividerTapRanges(double vs1, double vs2, const std::vector<float>& resistors, int tolerance) {
    const std::size_t count = std::min<std::size_t>(resistors.size(), kDividerMaxTaps + 1);
    if (count < 2) return {};
    const std::size_t taps = count - 1;
    const double t = LeadingNumber(kDividerTolerances[static_cast<std::size_t>(
                         std::clamp(tolerance, 0, static_cast<int>(kDividerTolerances.size()) - 1))]) / 100;
    // Resistor j in ohms, as built with `factor`; the sums run from the lower index up.
    auto sum = [&](std::size_t from, std::size_t to, auto factor) {
        double total = 0;
        for (std::size_t j = from; j < to; ++j) total += static_cast<double>(resistors[j]) * factor(j);
        return total;
    };
    auto exact = [](std::size_t) { return 1.0; };
    auto most = [t](std::size_t) { return 1 + t; };
    auto least = [t](std::size_t) { return 1 - t; };

    std::vector<TapRange> ranges(taps);
    for (std::size_t k = 1; k <= taps; ++k) {
        TapRange& r = ranges[k - 1];
        r.nominal = TapVolts(vs1, vs2, sum(k, count, exact), sum(0, k, exact));
        // The extremes: all below at their most and all above at their least, or the other way round.
        const double a = TapVolts(vs1, vs2, sum(k, count, most), sum(0, k, least));
        const double b = TapVolts(vs1, vs2, sum(k, count, least), sum(0, k, most));
        r.worst = {std::min(a, b), std::max(a, b)};
    }

    const std::array<double, kDividerMaxTaps + 1> tolerances{t, t, t, t, t};
    std::array<double, kDividerMaxTaps + 1> ohms{};
    for (std::size_t j = 0; j < count; ++j) ohms[j] = resistors[j];
    const auto builds = BuildsRange<kDividerMaxTaps>(
        std::span<const double>(tolerances.data(), count), taps, [&](const double* factors, double* figures) {
            std::array<double, kDividerMaxTaps + 1> built{};
            for (std::size_t j = 0; j < count; ++j) built[j] = ohms[j] * factors[j];
            double above = 0;
            for (std::size_t k = 1; k <= taps; ++k) {
                above += built[k - 1];
                double below = 0;
                for (std::size_t j = k; j < count; ++j) below += built[j];
                figures[k - 1] = TapVolts(vs1, vs2, below, above);
            }
        });
    for (std::size_t k = 1; k <= taps; ++k) {
        TapRange& r = ranges[k - 1];
        r.builds = builds[k - 1];
        r.worstText = RangeText(r.worst, "\u2013");
        r.buildsText = RangeText(r.builds, "\u2013");
        r.description = "Tap " + WholeText(static_cast<long long>(k)) + ", worst case " + RangeText(r.worst, " to ") +
                        ", 95% of builds " + RangeText(r.builds, " to ");
    }
    return ranges;
}

}  // namespace ohm
