// FormatRes on any text, and on the Str form the pages pass it: three significant
// digits (whole megohms past 10M) of the value in single precision.
#include "fuzz/fuzz_support.h"

void fuzz::Check(std::string_view input) {
    for (const std::string& in : {std::string(input), ohm::NumberText(ohm::LeadingNumber(input))}) {
        const std::string shown = ohm::FormatRes(in);
        Shown(shown, "0123456789.-+EKM", "FormatRes characters");
        const double r = ohm::Single(ohm::LeadingNumber(in)), back = ohm::LeadingNumber(shown);
        const double scaled = back * (shown.ends_with('K') ? 1e3 : shown.ends_with('M') ? 1e6 : 1);
        Require(std::fabs(scaled - r) <= 0.05 * std::fabs(r) + 0.005, "FormatRes reads back", shown);
    }
}
