#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "values/readouts.h"

namespace {
// The ends of a 555's reach (1K, 1K, 1 pF: 480 MHz; 10M, 10M, 999 uF: 48 µHz); never "nan" or "-0.0%".
TEST(TimingReadouts, FrequencyTimeAndDutyCycle) {
    struct Row { std::string text, expected; };
    const Row rows[] = {
        {ohm::FrequencyText(1.44 / 3000e-12), "480 MHz"},
        {ohm::FrequencyText(1.44 / (30e6 * 999e-6)), "48 µHz"},
        {ohm::TimeText(0.50347e-3), "503 µs"},
        {ohm::PartText(10.1e6), "10.1M"},
        {ohm::DutyCycleText(-1e-9), "0.0%"},
        {ohm::DutyCycleText(0.5625), "56.3%"},  // Mended: halves went to even
        {ohm::DutyCycleText(NAN), "0.0%"},
        {ohm::DutyCycleText(INFINITY), "100.0%"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.text, r.expected);
}
}  // namespace
