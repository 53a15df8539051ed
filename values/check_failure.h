// The one shape in which every designer reports its first failed input
// check, so every page hands it back to the person the same way.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ohm {

// `Box` names the page's boxes and `Label` its value labels, each an enum of
// the routine's own.
template <typename Check, typename Box, typename Label>
struct CheckFailure {
    Check check;
    Box box;                     // given the focus
    std::vector<Label> emptied;  // value labels emptied, before the prompt shows
    std::string prompt;          // shown under the application title
    bool select = true;          // false: focus only (an empty box has nothing to select)

    friend bool operator==(const CheckFailure&, const CheckFailure&) = default;
};

// The prompt of an outcome's failure, empty when every check passed.
template <typename Failure>
std::string PromptOf(const std::optional<Failure>& failure) {
    return failure ? failure->prompt : std::string();
}

// Which check failed, if any.
template <typename Failure>
auto CheckOf(const std::optional<Failure>& failure) -> std::optional<decltype(failure->check)> {
    if (!failure) return std::nullopt;
    return failure->check;
}

}  // namespace ohm
