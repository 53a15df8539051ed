// LeadingNumber is never NaN or infinite; in the Str form (15 digits, 7 for a single) it reads back as itself.
#include <tuple>

#include "fuzz/fuzz_support.h"

void fuzz::Check(std::string_view input) {
    const double v = ohm::LeadingNumber(input), s = ohm::Single(v);
    Finite({v});
    for (const auto& [shown, value, digits] : {std::tuple(ohm::NumberText(v), v, 1e-14),
                                                std::tuple(ohm::NumberText(float(s)), s, 1e-6)}) {
        Require(shown[0] == ' ' || shown[0] == '-', "NumberText sign column", shown);
        Shown(shown.substr(1), kNumber, "NumberText characters");
        Require(std::fabs(ohm::LeadingNumber(shown) - value) <= digits * std::fabs(value), "reads back", shown);
    }
}
