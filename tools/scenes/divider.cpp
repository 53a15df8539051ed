// The Potential Dividers page with four taps fitted to E24.
#include "kit/widgets.h"
#include "tools/scene.h"

namespace scenes {
namespace {

void fourTapsE24(ohm::MainWindow& w) {
    showTab(w, "Potential Dividers");
    if (auto* spin = w.findChild<kit::SpinButton*>(QStringLiteral("UPDVoltTaps")))
        for (int i = 0; i < 3; ++i) spin->stepUp();
    setText(w, "TXTVoltTap(0)", QStringLiteral("8v"));
    setText(w, "TXTVoltTap(1)", QStringLiteral("6v"));
    setText(w, "TXTVoltTap(2)", QStringLiteral("3.3v"));
    setText(w, "TXTVoltTap(3)", QStringLiteral("1.2v"));
    pick(w, "CBODivCurrent", 3);  // 1mA
    click(w, "OPTRes24");
    click(w, "CMDCalcPRes");
}

const Register kDivider[] = {
    {"divider-four-taps-e24", fourTapsE24},
};

}  // namespace
}  // namespace scenes
