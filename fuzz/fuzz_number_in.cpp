#include "fuzz/fuzz_support.h"

void fuzz::Check(std::string_view input) { Kept(ohm::NumberIn(input), input, kBox, "NumberIn"); }
