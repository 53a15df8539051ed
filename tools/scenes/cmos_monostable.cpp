// The CMOS Monostables page with results: 10 ms on 100 nF in Fixed mode, and
// 10 ms to 100 ms in Range mode.
#include "kit/widgets.h"
#include "tools/scene.h"

namespace scenes {
namespace {

void selectOption(ohm::MainWindow& w, const char* name) {
    if (auto* o = w.findChild<kit::OptionButton*>(QString::fromLatin1(name))) o->select();
}

}  // namespace

const Register kCmosMonostable[] = {
    {"cmos-monostable-fixed",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Monostables");
         click(w, "CMDCalcMono");
     }},
    {"cmos-monostable-range",
     [](ohm::MainWindow& w) {
         showTab(w, "CMOS Monostables");
         selectOption(w, "OPTMonoRange");
         click(w, "CMDCalcMono");
     }},
};

}  // namespace scenes
