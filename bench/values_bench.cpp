// Throughput of the shared value routines every page runs on each click, and of the divider's best fit.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "pages/divider/divider_calc.h"
#include "pages/resistors/pair_calc.h"
#include "pages/timer555/timer555_calc.h"
#include "values/values.h"

namespace {

const std::vector<std::string>& Inputs() {
    static const std::vector<std::string> texts = {
        "4.7uF", " 12.5 V", "1,000", "-3.3v", "1E3", " .47", "144927.536231884", "0.0047", "10000000",
        "abc", "&HDFCDA8", "999999.5"};
    return texts;
}

void BM_LeadingNumber(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ohm::LeadingNumber(Inputs()[i++ % Inputs().size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeadingNumber);

void BM_NumberText(benchmark::State& state) {
    const double values[] = {0.47, 144927.536231884, 1e-7, 4700, -12.25, 1.5e16};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ohm::NumberText(values[i++ % 6]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberText);

void BM_FormatRes(benchmark::State& state) {
    const char* texts[] = {" 144927.536231884", " 4700", " .47", " 999999.5", " 12345678", " 1E+07"};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ohm::FormatRes(texts[i++ % 6]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatRes);

void BM_FormatVolt(benchmark::State& state) {
    const char* texts[] = {" 2.345", "-12.25", " .125", " 99.999", " 0", " 150.7"};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ohm::FormatVolt(texts[i++ % 6]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatVolt);

// The largest best fit: four taps, five resistors, 4^5 = 1024 chains of E192 values.
void BM_DividerBestFitFourTapsE192(benchmark::State& state) {
    ohm::DividerInput in{4, "12v", "0v", {"9.7v", "6.1v", "3.3v", "1.2v"}, 3, ohm::Series::E192, true, {}};
    for (auto _ : state) benchmark::DoNotOptimize(ohm::CalcDivider(in));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DividerBestFitFourTapsE192)->Unit(benchmark::kMicrosecond);

// The finest pair search: every E192 value from 1 ohm to 10M as Ra, the best Rb
// by binary search, in series and in parallel, with the page's texts.
void BM_PairsE192(benchmark::State& state) {
    const double targets[] = {4750, 1234, 0.5, 7.77e6, 15e6, 31.4159};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ohm::PairsFor(targets[i++ % 6] * 1.0001, ohm::Series::E192));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PairsE192)->Unit(benchmark::kMicrosecond);

// The spread of 10,000 builds, each with its worst case, for four taps (five resistors) and for the astable.
void BM_DividerSpreadFourTaps(benchmark::State& state) {
    const std::vector<float> chain = {27e3F, 27e3F, 27e3F, 27e3F, 27e3F};
    for (auto _ : state) benchmark::DoNotOptimize(ohm::DividerTapRanges(15, 0, chain, 5));
}
BENCHMARK(BM_DividerSpreadFourTaps)->Unit(benchmark::kMicrosecond);

void BM_AstableSpread(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ohm::AstableRanges({4.7e3, 47e3, 100}, 2, 3));
}
BENCHMARK(BM_AstableSpread)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
