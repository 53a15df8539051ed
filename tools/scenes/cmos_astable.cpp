// The CMOS Astables page in both layouts, each with a finished calculation.
#include "tools/scene.h"

namespace scenes {
namespace {

const Register kCmosAstable[] = {
    // 5 V, 10 nF, 1000 Hz: R1 121K and R2 268K.
    {"cmos-astable-fixed",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Astables");
         setText(w, "Frequency, hertz", QStringLiteral("1000"));
         click(w, "Calculate values");
     }},
    // 5 V, 100 nF, 100 Hz to 1000 Hz: all four resistors in range.
    {"cmos-astable-range",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Astables");
         choose(w, "Frequency range");
         setText(w, "Minimum frequency, hertz", QStringLiteral("100"));
         setText(w, "Maximum frequency, hertz", QStringLiteral("1000"));
         setText(w, "Capacitor value", QStringLiteral("100"));
         click(w, "Calculate values");
     }},
};

}  // namespace
}  // namespace scenes
