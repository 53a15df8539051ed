// FormatVolt: hundredths below 10 V, tenths below 100 V, whole volts beyond, then "v".
#include "fuzz/fuzz_support.h"

void fuzz::Check(std::string_view input) {
    const std::string shown = ohm::FormatVolt(input);
    const double v = ohm::Single(ohm::LeadingNumber(ohm::NumberIn(input)));
    Volts(shown, "FormatVolt");
    Require(std::fabs(ohm::LeadingNumber(shown) - v) <= 1 + 1e-6 * std::fabs(v), "FormatVolt reads back", shown);
}
