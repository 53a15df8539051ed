#include "fuzz/fuzz_support.h"
#include "values/values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::string kept = ohm::NumberIn(text);
    fuzz::Require(fuzz::OnlyOf(kept, "0123456789.-"), "NumberIn keeps only number characters", kept);
    fuzz::Require(kept.size() <= text.size(), "NumberIn never grows");
    fuzz::Require(ohm::NumberIn(kept) == kept, "NumberIn is idempotent", kept);
    return 0;
}
