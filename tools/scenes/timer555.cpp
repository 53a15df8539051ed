// The 555 Timer page: both designers in Range mode with their results, so
// the variable resistors and every value label are on show.
#include "tools/scene.h"

namespace scenes {
namespace {

void bothRanges(ohm::MainWindow& w) {
    showTab(w, "555 Timer");
    click(w, "OPT555MonoRange");
    setText(w, "TXT555Dur(0)", QStringLiteral("1"));
    setText(w, "TXT555Dur(1)", QStringLiteral("10"));
    click(w, "CMDCalc555Mono");
    click(w, "OPT555Range");
    setText(w, "TXTFreq(0)", QStringLiteral("100"));
    setText(w, "TXTFreq(1)", QStringLiteral("1000"));
    click(w, "CMDCalcFreq");
}

void bothFixed(ohm::MainWindow& w) {
    showTab(w, "555 Timer");
    setText(w, "TXT555Dur(0)", QStringLiteral("1"));
    click(w, "CMDCalc555Mono");
    setText(w, "TXTFreq(0)", QStringLiteral("1000"));
    click(w, "CMDCalcFreq");
}

}  // namespace

const Register kTimer555[] = {
    {"timer555-range-results", bothRanges},
    {"timer555-fixed-results", bothFixed},
};

}  // namespace scenes
