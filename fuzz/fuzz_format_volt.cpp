#include "fuzz/fuzz_support.h"
#include "values/values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::string shown = ohm::FormatVolt(text);
    fuzz::Require(shown.size() >= 2 && shown.back() == 'v', "FormatVolt ends in a number and v", shown);
    fuzz::Require(fuzz::OnlyOf(shown, "0123456789.-+Ev"), "FormatVolt characters", shown);
    return 0;
}
