// The program's own options, read before any window or display is needed.
#pragma once

#include <optional>

namespace ohm {

// Handles --help and --version, and refuses anything else the program does not
// know. Returns the exit status when the program should end here without a
// window; std::nullopt when it should go on and open the window.
std::optional<int> handleCommandLine(int argc, char* argv[]);

}  // namespace ohm
