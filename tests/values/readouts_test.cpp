#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "values/readouts.h"

namespace {
// The timing readouts at the ends of what a 555 reaches (1K, 1K, 1 pF: 480 MHz; 10M, 10M, 999 uF: 48 µHz)
// and the worked 1 kHz astable (duty 72.5K / 144K).
TEST(TimingReadouts, FrequencyTimeAndDutyCycle) {
    struct Row { std::string text, expected; };
    const Row rows[] = {
        {ohm::FrequencyText(1.44 / 3000e-12), "480 MHz"},
        {ohm::FrequencyText(1.44 / (30e6 * 999e-6)), "48 µHz"},
        {ohm::FrequencyText(999.96), "1 kHz"},
        {ohm::TimeText(0.50347e-3), "503 µs"},
        {ohm::TimeText(1.1 * 1000 * 0.01e-9), "11 ns"},
        {ohm::TimeText(1.1 * 10e6 * 999e-6), "11000 s"},  // past the top prefix: whole seconds
        {ohm::PartText(999), "999"},
        {ohm::PartText(10.1e6), "10.1M"},
        {ohm::PartText(4700), "4.7K"},
        {ohm::DutyCycleText(72500.0 / 144000), "50.3%"},
        {ohm::DutyCycleText(0.5), "50.0%"},
        {ohm::DutyCycleText(-1e-9), "0.0%"},
        {ohm::DutyCycleText(NAN), "0.0%"},
        {ohm::DutyCycleText(INFINITY), "100.0%"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.text, r.expected);
}
}  // namespace
