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

// 15 V to 0 V with taps at 3.5 V and 2.6 V: the whole-chain fit lands within 31 mV where
// resistor by resistor misses by 206 mV.
void bestFitE24(ohm::MainWindow& w) {
    showTab(w, "Potential Dividers");
    stepUp(w, "Voltage tap count", 1);
    setText(w, "Vs1, first supply voltage", QStringLiteral("15v"));
    setText(w, "Tap 1 voltage", QStringLiteral("3.5v"));
    setText(w, "Tap 2 voltage", QStringLiteral("2.6v"));
    pick(w, "Divider Current", 3);  // 1mA
    choose(w, "E24 series");
    tick(w, "Best fit of the whole chain");
    click(w, "Calculate resistance values");
}

// 12 V over three ideal resistors at 100 mA: each takes 0.4 W, more than a quarter-watt part.
void overQuarterWatt(ohm::MainWindow& w) {
    showTab(w, "Potential Dividers");
    stepUp(w, "Voltage tap count", 1);
    setText(w, "Vs1, first supply voltage", QStringLiteral("12v"));
    setText(w, "Tap 1 voltage", QStringLiteral("8v"));
    setText(w, "Tap 2 voltage", QStringLiteral("2v"));
    pick(w, "Divider Current", 5);  // 100mA
    click(w, "Calculate resistance values");
}

const Register kDivider[] = {
    {"divider-four-taps-e24", fourTapsE24},
    {"divider-best-fit-e24", bestFitE24},
    {"divider-over-quarter-watt", overQuarterWatt},
};

}  // namespace
}  // namespace scenes
