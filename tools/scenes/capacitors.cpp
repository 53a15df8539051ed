// The Capacitors page: the marker in the middle of the graph, and a time
// beyond 7.5 time constants, where it waits at the right edge with ">>".
#include "tools/scene.h"

namespace scenes {
namespace {

const Register kCapacitors[] = {
    // 33 ms with 10 uF and 1 K: 3.3 time constants, near the middle.
    {"capacitors-marker-mid",
     [](ohm::MainWindow& w) {
         showTab(w, "Capacitors");
         setText(w, "Time after switching", QStringLiteral("33"));
     }},
    // 100 ms is 10 time constants: off the graph.
    {"capacitors-beyond-graph",
     [](ohm::MainWindow& w) {
         showTab(w, "Capacitors");
         setText(w, "Time after switching", QStringLiteral("100"));
     }},
};

}  // namespace
}  // namespace scenes
