#include "fuzz/fuzz_support.h"
#include "values/values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::string shown = ohm::FormatRes(text);
    fuzz::Require(!shown.empty(), "FormatRes is never empty", text);
    fuzz::Require(fuzz::OnlyOf(shown, "0123456789.-+EKM"), "FormatRes characters", shown);
    // What a page shows for a computed resistance: the Str form goes in.
    const std::string viaStr = ohm::FormatRes(ohm::NumberText(ohm::LeadingNumber(text)));
    fuzz::Require(!viaStr.empty(), "FormatRes of NumberText is never empty", viaStr);
    return 0;
}
