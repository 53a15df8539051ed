#include <cmath>

#include "fuzz/fuzz_support.h"
#include "values/values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    const double v = ohm::LeadingNumber(text);
    fuzz::Require(std::isfinite(v), "LeadingNumber is finite", text);
    const std::string shown = ohm::NumberText(v);
    fuzz::Require(fuzz::OnlyOf(shown, fuzz::kNumberChars), "NumberText characters", shown);
    fuzz::Require(shown[0] == ' ' || shown[0] == '-', "NumberText sign column", shown);
    const std::string single = ohm::NumberText(ohm::Single(v));
    fuzz::Require(fuzz::OnlyOf(single, fuzz::kNumberChars), "single NumberText characters", single);
    return 0;
}
