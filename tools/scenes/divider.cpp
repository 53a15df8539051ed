// The Potential Dividers page with four taps fitted to E24, and a chain fitted as a whole.
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

// Vs1 to 0 V with two taps, at entry `current` of the current list.
void twoTaps(ohm::MainWindow& w, const QString& vs1, const QString& tap1, const QString& tap2, int current) {
    showTab(w, "Potential Dividers");
    stepUp(w, "Voltage tap count", 1);
    setText(w, "Vs1, first supply voltage", vs1);
    setText(w, "Tap 1 voltage", tap1);
    setText(w, "Tap 2 voltage", tap2);
    pick(w, "Divider Current", current);
}

// 15 V to 0 V with taps at 3.5 V and 2.6 V at 1 mA: the whole-chain fit lands within 31 mV where
// resistor by resistor misses by 206 mV.
void bestFitE24(ohm::MainWindow& w) {
    twoTaps(w, QStringLiteral("15v"), QStringLiteral("3.5v"), QStringLiteral("2.6v"), 3);
    choose(w, "E24 series");
    tick(w, "Best fit of the whole chain");
    click(w, "Calculate resistance values");
}

// 12 V over ideal 40, 60 and 20 ohms at 100 mA: 0.4 W and 0.6 W, more than quarter-watt parts take.
void overQuarterWatt(ohm::MainWindow& w) {
    twoTaps(w, QStringLiteral("12v"), QStringLiteral("8v"), QStringLiteral("2v"), 5);
    click(w, "Calculate resistance values");
}

const Register kDivider[] = {
    {"divider-four-taps-e24", fourTapsE24},
    {"divider-best-fit-e24", bestFitE24},
    {"divider-over-quarter-watt", overQuarterWatt},
};

}  // namespace
}  // namespace scenes
