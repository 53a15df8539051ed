// Two preferred-value resistors for a value between the series' steps: the
// best pair in series and the best pair in parallel. Plain C++, no toolkit
// types: the Resistors page shows the texts after every value-to-parts run.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "values/series.h"

namespace ohm {

// Every value of a series from 1 ohm to 10M, both ends included, rising.
std::vector<double> PairCandidates(Series series);

// Ra >= Rb; the combined value Ra + Rb or Ra Rb / (Ra + Rb), and its
// relative error (combined - target) / target.
struct ResistorPair {
    double ra = 0;
    double rb = 0;
    double combined = 0;
    double error = 0;
};

// The pair with the least |error|. Errors within 1e-9 of each other are a
// tie, which goes to the smaller Ra, then the larger Rb. For each Ra the best
// Rb is found by binary search; nothing for no candidates or no target.
std::optional<ResistorPair> BestSeriesPair(double target, std::span<const double> candidates);
std::optional<ResistorPair> BestParallelPair(double target, std::span<const double> candidates);

// What the page shows, and what a screen reader says for it (the parallel
// sign spoken as "in parallel with"). For a target that is itself a
// candidate (within 1e-9), the first line says so and the second is empty;
// for no target above 0, both are empty.
struct PairReadout {
    std::string series;    // "Two in series: 4.7K + 51 = 4.751K (+0.02%)", or "No E24 pair in series within 5%"
    std::string parallel;  // "Two in parallel: 68K ∥ 5.1K = 4.744K (-0.12%)"
    std::string parallelSpoken;
};
PairReadout PairsFor(double target, Series series);

}  // namespace ohm
