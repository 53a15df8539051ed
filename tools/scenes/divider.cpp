// The Potential Dividers page with four taps fitted to E24.
#include "tools/scene.h"

namespace scenes {
namespace {

void fourTapsE24(ohm::MainWindow& w) {
    showTab(w, "Potential Dividers");
    stepUp(w, "Voltage tap count", 3);
    setText(w, "Tap 1 voltage", QStringLiteral("8v"));
    setText(w, "Tap 2 voltage", QStringLiteral("6v"));
    setText(w, "Tap 3 voltage", QStringLiteral("3.3v"));
    setText(w, "Tap 4 voltage", QStringLiteral("1.2v"));
    pick(w, "Divider Current", 3);  // 1mA
    choose(w, "E24 series");
    click(w, "Calculate resistance values");
}

const Register kDivider[] = {
    {"divider-four-taps-e24", fourTapsE24},
};

}  // namespace
}  // namespace scenes
