// The 555 Timer page: both designers in Range mode with their results, so
// the variable resistors and every value label are on show.
#include "tools/scene.h"

namespace scenes {
namespace {

void bothRanges(ohm::MainWindow& w) {
    showTab(w, "555 Timer");
    choose(w, "Monostable duration range");
    setText(w, "Pulse duration, milliseconds", QStringLiteral("1"));
    setText(w, "Maximum pulse duration, milliseconds", QStringLiteral("10"));
    click(w, "Calculate monostable");
    choose(w, "Astable frequency range");
    setText(w, "Frequency, hertz", QStringLiteral("100"));
    setText(w, "Maximum frequency, hertz", QStringLiteral("1000"));
    click(w, "Calculate astable");
}

void bothFixed(ohm::MainWindow& w) {
    showTab(w, "555 Timer");
    setText(w, "Pulse duration, milliseconds", QStringLiteral("1"));
    click(w, "Calculate monostable");
    setText(w, "Frequency, hertz", QStringLiteral("1000"));
    click(w, "Calculate astable");
}

// What the parts in the drawer do: 90.9K on 10 nF, and 4K7, 47K on 100 nF.
void bothFromParts(ohm::MainWindow& w) {
    showTab(w, "555 Timer");
    choose(w, "Monostable from parts");
    setText(w, "Monostable R1", QStringLiteral("90.9K"));
    click(w, "Calculate monostable");
    choose(w, "Astable from parts");
    setText(w, "Astable R1", QStringLiteral("4K7"));
    setText(w, "Astable R2", QStringLiteral("47k"));
    pick(w, "Astable capacitor unit", 1);
    setText(w, "Astable timing capacitor", QStringLiteral("100"));
    click(w, "Calculate astable");
}

}  // namespace

const Register kTimer555[] = {
    {"timer555-range-results", bothRanges},
    {"timer555-fixed-results", bothFixed},
    {"timer555-from-parts", bothFromParts},
};

}  // namespace scenes
