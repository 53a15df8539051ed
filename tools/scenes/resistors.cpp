// The Resistors page with colours painted from a typed value, in both formats.
#include "tools/scene.h"

namespace scenes {
namespace {

// Bands picked in the lists and read back as a value, tolerance shown.
void fourBandsFromColours(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    pick(w, "1st band colour", 3);  // Yellow
    pick(w, "2nd band colour", 7);  // Violet
    pick(w, "3rd band colour", 2);  // Red
    pick(w, "Tolerance band colour", 2);  // Gold, 5%
    click(w, "Calculate value from the colours");
}

// A typed value painted onto the 4-band resistor.
void fourBandsFromValue(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    setText(w, "Resistance, ohms", QStringLiteral("4K7"));
    click(w, "Calculate colours from the value");
}

// A typed value painted onto the 5-band resistor.
void fiveBandsFromValue(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    choose(w, "5-band format");
    setText(w, "Resistance, ohms", QStringLiteral("12K4"));
    click(w, "Calculate colours from the value");
}

}  // namespace

const Register kResistors[] = {
    {"resistors-4band-colours", fourBandsFromColours},
    {"resistors-4band-value", fourBandsFromValue},
    {"resistors-5band-value", fiveBandsFromValue},
};

}  // namespace scenes
