// The CMOS Astables page in both layouts, each with a finished calculation.
#include "tools/scene.h"

namespace scenes {
namespace {

const Register kCmosAstable[] = {
    // 5 V, 10 nF, 1000 Hz: R1 121K and R2 268K.
    {"cmos-astable-fixed",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Astables");
         setText(w, "TXTCMOSFreq(0)", QStringLiteral("1000"));
         click(w, "CMDCalcCMOS");
     }},
    // 5 V, 100 nF, 100 Hz to 1000 Hz: all four resistors in range.
    {"cmos-astable-range",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Astables");
         click(w, "OPTCMOSRange");
         setText(w, "TXTCMOSFreq(0)", QStringLiteral("100"));
         setText(w, "TXTCMOSFreq(1)", QStringLiteral("1000"));
         setText(w, "TXTCMOSCap", QStringLiteral("100"));
         click(w, "CMDCalcCMOS");
     }},
};

}  // namespace
}  // namespace scenes
