#include "pages/resistors/pair_calc.h"

#include <algorithm>
#include <cmath>

#include "values/readouts.h"
#include "values/values.h"

namespace ohm {
namespace {

// A pair beyond this is no help on a bench: a 5% part alone does as well.
constexpr double kShownWithin = 0.05;
constexpr double kTie = 1e-9;

// Offers the pair (ra, rb) to `best`, which keeps an earlier one on a tie.
void Offer(std::optional<ResistorPair>& best, double target, double ra, double rb, double combined) {
    const double error = (combined - target) / target;
    if (!best || std::fabs(error) < std::fabs(best->error) - kTie) best = ResistorPair{ra, rb, combined, error};
}

template <typename Combine, typename Wanted>
std::optional<ResistorPair> BestPair(double target, std::span<const double> candidates, Combine combine,
                                     Wanted wanted) {
    std::optional<ResistorPair> best;
    if (!(target > 0) || !std::isfinite(target)) return best;
    for (std::size_t a = 0; a < candidates.size(); ++a) {
        const double ra = candidates[a];
        // The combined value rises with Rb, so the best Rb (at most Ra) is one
        // of the two candidates around the one that would hit the target.
        const auto upTo = candidates.begin() + static_cast<std::ptrdiff_t>(a) + 1;
        const auto above = std::lower_bound(candidates.begin(), upTo, wanted(ra));
        // The larger first, so it keeps a tie.
        if (above != upTo) Offer(best, target, ra, *above, combine(ra, *above));
        if (above != candidates.begin()) Offer(best, target, ra, *(above - 1), combine(ra, *(above - 1)));
    }
    return best;
}

std::string PairText(const char* how, const std::optional<ResistorPair>& pair, const char* sign, Series series) {
    if (!pair || std::fabs(pair->error) > kShownWithin)
        return "No " + std::string(NameOf(series)) + " pair in " + how + " within 5%";
    return std::string("Two in ") + how + ": " + ThreeFigureResistanceText(pair->ra) + sign +
           ThreeFigureResistanceText(pair->rb) + " = " + PartText(pair->combined) + " (" +
           SignedPercentText(pair->error * 100) + ")";
}

}  // namespace

std::vector<double> PairCandidates(Series series) {
    std::vector<double> out;
    // Built from whole hundredths, so 4.7 x 1000 is exactly 4700.
    for (int decade = 0; decade <= 6; ++decade)
        for (const double v : DecadeOf(series))
            out.push_back(std::nearbyint(v * 100) * std::pow(10.0, decade) / 100);
    out.push_back(1e7);
    return out;
}

std::optional<ResistorPair> BestSeriesPair(double target, std::span<const double> candidates) {
    return BestPair(target, candidates, [](double a, double b) { return a + b; },
                    [target](double ra) { return target - ra; });
}

std::optional<ResistorPair> BestParallelPair(double target, std::span<const double> candidates) {
    return BestPair(target, candidates, [](double a, double b) { return a * b / (a + b); },
                    // Ra at or below the target needs an endless Rb: the largest there is.
                    [target](double ra) { return ra > target ? target * ra / (ra - target) : HUGE_VAL; });
}

PairReadout PairsFor(double target, Series series) {
    PairReadout out;
    if (!(target > 0) || !std::isfinite(target)) return out;
    const std::vector<double> candidates = PairCandidates(series);
    const std::size_t above = static_cast<std::size_t>(
        std::lower_bound(candidates.begin(), candidates.end(), target) - candidates.begin());
    for (const std::size_t i : {above, above - 1})  // above - 1 wraps past the end when above is 0
        if (i < candidates.size() && std::fabs(candidates[i] - target) <= target * kTie) {
            out.series = ThreeFigureResistanceText(candidates[i]) + " is an " + std::string(NameOf(series)) + " value";
            return out;
        }
    const std::optional<ResistorPair> parallel = BestParallelPair(target, candidates);
    out.series = PairText("series", BestSeriesPair(target, candidates), " + ", series);
    out.parallel = PairText("parallel", parallel, " \u2225 ", series);
    out.parallelSpoken = PairText("parallel", parallel, " in parallel with ", series);
    return out;
}

}  // namespace ohm
