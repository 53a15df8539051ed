// The CMOS Monostables page with results: 10 ms on 100 nF in Fixed mode, and
// 10 ms to 100 ms in Range mode.
#include "tools/scene.h"

namespace scenes {

const Register kCmosMonostable[] = {
    {"cmos-monostable-fixed",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Monostables");
         click(w, "Calculate the timing resistor");
     }},
    {"cmos-monostable-range",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Monostables");
         choose(w, "Range timing mode");
         click(w, "Calculate the timing resistor");
     }},
};

}  // namespace scenes
