// The Resistors page: colours read and painted in each band format, and SMD markings.
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

// Six bands read back: value, precision tolerance and temperature coefficient.
void sixBandsFromColours(ohm::MainWindow& w) {
    showTab(w, "Resistors");
    choose(w, "6-band format");
    pick(w, "1st band colour", 0);        // Brown
    pick(w, "2nd band colour", 0);        // Black
    pick(w, "3rd band colour", 0);        // Black
    pick(w, "4th band colour", 2);        // Red
    pick(w, "Tolerance band colour", 7);  // Violet, 0.1%
    pick(w, "Temperature coefficient band colour", 2);  // Red, 50 ppm/K
    click(w, "Calculate value from the colours");
}

// The SMD format with a box typed and its calculation pressed.
void smd(ohm::MainWindow& w, const char* box, const char* text, const char* button) {
    showTab(w, "Resistors");
    choose(w, "SMD marking format");
    setText(w, box, QString::fromLatin1(text));
    click(w, button);
}

// A marking with two readings: R as the point first, the EIA-96 reading beside it.
void smdMarkingRead(ohm::MainWindow& w) { smd(w, "SMD marking", "10R", "Calculate value from the marking"); }

// Every marking that carries a typed value; the chip shows the first.
void smdMarkingsWritten(ohm::MainWindow& w) {
    smd(w, "Resistance, ohms", "10K", "Calculate markings from the value");
}

}  // namespace

const Register kResistors[] = {
    {"resistors-4band-colours", fourBandsFromColours},
    {"resistors-4band-value", fourBandsFromValue},
    {"resistors-5band-value", fiveBandsFromValue},
    {"resistors-6band-colours", sixBandsFromColours},
    {"resistors-smd-read", smdMarkingRead},
    {"resistors-smd-markings", smdMarkingsWritten},
};

}  // namespace scenes
