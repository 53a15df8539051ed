// The table of page modes (tests/page_modes.json), read once: every page in
// every mode it has, as the steps a person takes from the page as it opens.
// The caption and contrast checks, the screenshots and the handler benchmarks
// walk these rows; the screen-reader walk reads the same file.
// A page holds its tab caption, its option groups, its modes and its worked
// examples. A mode holds a name, its steps, the picture it is ("shot"; "dark":
// also under a dark desktop), and the controls its options show and hide
// ("showing", "hidden": AT-SPI role and spoken name). The groups, those
// controls and the examples are the walk's: it checks Tab and the arrow keys
// in each group, and runs the examples (a title, then steps and checks) in
// order on one start of the program, each setting what it relies on.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace uitest {

struct Step {
    QString verb;       // choose, tick, untick, type, enter, pick, step, press; read, describe, message are the walk's
    QStringList words;  // the control's spoken name first, then the text, entry or position
};

struct PageMode {
    QString tab;   // the page's tab caption
    QString name;  // "4 taps, E24"
    QString shot;  // picture name, or empty
    bool dark = false;
    std::vector<Step> steps;

    std::string title() const { return (tab + QStringLiteral(", ") + name).toStdString(); }
    // True when the last step presses a button: a calculation to time.
    bool endsInPress() const { return !steps.empty() && steps.back().verb == QLatin1String("press"); }
};

const std::vector<PageMode>& pageModes();

// Shows the page whose tab has this caption; false when there is none.
bool showTab(QWidget* window, const QString& caption);

// Shows the mode's page and takes its steps before `last` (-1: all of them); returns what could not be done (a control not
// found on the page showing), empty when all went well.
std::string reach(QWidget* window, const PageMode& mode, int last = -1);

// The control a step works on, on the page showing (null when none or several).
QWidget* controlOf(QWidget* window, const Step& step);

}  // namespace uitest
