// Colours to value: any band format and any list positions give either a
// value (with its tolerance) or exactly one message, never both, and the
// value is written only with the characters the formatting routines use.
// Input: six fields separated by NUL bytes, the band count and the five
// list positions as numbers (an empty field is no selection).
#include <algorithm>
#include <array>

#include "fuzz/fuzz_support.h"
#include "pages/resistors/resistors_calc.h"
#include "values/values.h"

namespace {
int Position(const std::string& field) {
    if (field.empty()) return -1;
    // Range-checked before the conversion: lists hold a dozen entries at most.
    const double v = std::clamp(ohm::LeadingNumber(field), -1000.0, 1000.0);
    return static_cast<int>(v);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string fields[6];
    fuzz::SplitInput(data, size, fields);
    const int bandCount = Position(fields[0]);
    std::array<int, 5> positions{};
    for (int i = 0; i < 5; ++i) positions[i] = Position(fields[i + 1]);

    const ohm::ColoursToValueResult r = ohm::ColoursToValue(bandCount, positions);
    const std::string message = ohm::MessageText(r.check);
    if (r.check == ohm::ColoursCheck::Ok) {
        fuzz::Require(message.empty(), "a value comes without a message");
        fuzz::Require(!r.valueText.empty(), "a value is shown", fields[0]);
        fuzz::Require(fuzz::OnlyOf(r.valueText, "0123456789.KM"), "value characters", r.valueText);
        const double ohms = ohm::LeadingNumber(r.valueText);
        fuzz::Require(ohms >= 0.1 - 1e-9, "the smallest value is 10 x Silver", r.valueText);
        fuzz::Require(r.toleranceText.empty() || (r.toleranceText.rfind("@ ", 0) == 0 &&
                                                  r.toleranceText.back() == '%'),
                      "tolerance text", r.toleranceText);
        fuzz::Require(positions[0] >= 0 && positions[1] >= 0 && positions[2] >= 0,
                      "a value needs its first bands");
    } else {
        fuzz::Require(!message.empty(), "a failed check has a message");
        fuzz::Require(r.valueText.empty() && r.toleranceText.empty(), "no value beside a message");
    }
    return 0;
}
