// The Resistors page with colours painted from a typed value, in both formats.
#include "tools/scene.h"

namespace scenes {
namespace {

void pickFormat(ohm::MainWindow& w, const char* option) {
    if (auto* b = w.findChild<QAbstractButton*>(QString::fromLatin1(option))) b->click();
}

// Bands picked in the lists and read back as a value, tolerance shown.
void fourBandsFromColours(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    pick(w, "Combo1(0)", 3);  // Yellow
    pick(w, "Combo1(1)", 7);  // Violet
    pick(w, "Combo1(2)", 2);  // Red
    pick(w, "Combo1(4)", 2);  // Gold, 5%
    click(w, "CmdCalcResValue");
}

// A typed value painted onto the 4-band resistor.
void fourBandsFromValue(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    setText(w, "TxtResult", QStringLiteral("4K7"));
    click(w, "CmdCalcResColor");
}

// A typed value painted onto the 5-band resistor.
void fiveBandsFromValue(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    pickFormat(w, "Res5Band");
    setText(w, "TxtResult", QStringLiteral("12K4"));
    click(w, "CmdCalcResColor");
}

}  // namespace

const Register kResistors[] = {
    {"resistors-4band-colours", fourBandsFromColours},
    {"resistors-4band-value", fourBandsFromValue},
    {"resistors-5band-value", fiveBandsFromValue},
};

}  // namespace scenes
