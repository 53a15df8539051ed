#include "tests/support/page_modes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "kit/widgets.h"
#include "tools/spoken.h"

namespace uitest {

const std::vector<PageMode>& pageModes() {
    static const std::vector<PageMode> rows = {
        {"Resistors, 4 bands, value from colours",
         {tab("Resistors"), pick("1st band colour", 3), pick("2nd band colour", 7), pick("3rd band colour", 2),
          pick("Tolerance band colour", 2), click("Calculate value from the colours")}},
        {"Resistors, 5 bands, value from colours",
         {tab("Resistors"), choose("5-band format"), pick("1st band colour", 0), pick("2nd band colour", 2),
          pick("3rd band colour", 4), pick("4th band colour", 1), pick("Tolerance band colour", 0),
          click("Calculate value from the colours")}},
        {"Resistors, 6 bands, value from colours",
         {tab("Resistors"), choose("6-band format"), pick("1st band colour", 8), pick("2nd band colour", 9),
          pick("3rd band colour", 9), pick("4th band colour", 4), pick("Tolerance band colour", 6),
          pick("Temperature coefficient band colour", 0), click("Calculate value from the colours")}},
        {"Resistors, 6 bands, colours from a value",
         {tab("Resistors"), choose("6-band format"), type("Resistance, ohms", "4K75"),
          click("Calculate colours from the value")}},
        {"Resistors, SMD, a marking read two ways",
         {tab("Resistors"), choose("SMD marking format"), type("SMD marking", "10R"),
          click("Calculate value from the marking")}},
        {"Resistors, SMD, a marking above 10M",
         {tab("Resistors"), choose("SMD marking format"), type("SMD marking", "96F"),
          click("Calculate value from the marking")}},
        {"Resistors, SMD, markings for a value",
         {tab("Resistors"), choose("SMD marking format"), type("Resistance, ohms", "10"),
          click("Calculate markings from the value")}},
        {"Capacitors, marker mid-graph", {tab("Capacitors"), type("Time after switching", "33")}},
        {"Capacitors, time beyond the graph", {tab("Capacitors"), type("Time after switching", "990")}},
        {"Potential Dividers, 1 tap, ideal",
         {tab("Potential Dividers"), click("Calculate resistance values")}},
        {"Potential Dividers, 2 taps, E12",
         {tab("Potential Dividers"), stepUp("Voltage tap count", 1), type("Tap 1 voltage", "7.5v"),
          type("Tap 2 voltage", "2.5v"), choose("E12 series"), click("Calculate resistance values")}},
        {"Potential Dividers, 3 taps, ideal",
         {tab("Potential Dividers"), stepUp("Voltage tap count", 2), type("Tap 1 voltage", "7.5v"),
          type("Tap 2 voltage", "5v"), type("Tap 3 voltage", "2.5v"), click("Calculate resistance values")}},
        {"Potential Dividers, 4 taps, E24",
         {tab("Potential Dividers"), stepUp("Voltage tap count", 3), type("Tap 1 voltage", "8v"),
          type("Tap 2 voltage", "6v"), type("Tap 3 voltage", "3.3v"), type("Tap 4 voltage", "1.2v"),
          pick("Divider Current", 3), choose("E24 series"), click("Calculate resistance values")}},
        {"Potential Dividers, 2 taps, best fit in E192",
         {tab("Potential Dividers"), stepUp("Voltage tap count", 1), type("Vs1, first supply voltage", "999v"),
          type("Tap 1 voltage", "123v"), type("Tap 2 voltage", "0.01v"), pick("Divider Current", 5),
          choose("E192 series"), tick("Best fit of the whole chain"), click("Calculate resistance values")}},
        {"Potential Dividers, 1 tap, resistors over 0.25 W in E96",
         {tab("Potential Dividers"), type("Vs1, first supply voltage", "-999v"), type("Tap 1 voltage", "-500v"),
          pick("Divider Current", 5), choose("E96 series"), click("Calculate resistance values")}},
        {"CMOS Monostables, Fixed", {tab("CMOS Monostables"), click("Calculate the timing resistor")}},
        {"CMOS Monostables, Range",
         {tab("CMOS Monostables"), choose("Range timing mode"), click("Calculate the timing resistor")}},
        {"CMOS Astables, Fixed",
         {tab("CMOS Astables"), type("Frequency, hertz", "1000"), click("Calculate values")}},
        {"CMOS Astables, Range",
         {tab("CMOS Astables"), choose("Frequency range"), type("Minimum frequency, hertz", "100"),
          type("Maximum frequency, hertz", "1000"), type("Capacitor value", "100"), click("Calculate values")}},
        {"555 Timer, both Fixed",
         {tab("555 Timer"), type("Pulse duration, milliseconds", "1"), click("Calculate monostable"),
          type("Frequency, hertz", "1000"), click("Calculate astable")}},
        {"555 Timer, both Range",
         {tab("555 Timer"), choose("Monostable duration range"), type("Pulse duration, milliseconds", "1"),
          type("Maximum pulse duration, milliseconds", "10"), click("Calculate monostable"),
          choose("Astable frequency range"), type("Frequency, hertz", "100"),
          type("Maximum frequency, hertz", "1000"), click("Calculate astable")}},
        {"555 Timer, both From parts (the slowest: the longest readouts)",
         {tab("555 Timer"), choose("Monostable from parts"), type("Monostable R1", "10000000"),
          pick("Monostable capacitor unit", 1), type("Monostable timing capacitor", "999"), click("Calculate monostable"),
          choose("Astable from parts"), type("Astable R1", "10000000"), type("Astable R2", "10000000"),
          pick("Astable capacitor unit", 2), type("Astable timing capacitor", "999"), click("Calculate astable")}},
    };
    return rows;
}

namespace {

QAccessible::Role roleOf(Step::Kind kind) {
    switch (kind) {
        case Step::Kind::Choose: return QAccessible::RadioButton;
        case Step::Kind::Tick: return QAccessible::CheckBox;
        case Step::Kind::Type: return QAccessible::EditableText;
        case Step::Kind::Pick: return QAccessible::ComboBox;
        case Step::Kind::Click: return QAccessible::Button;
        case Step::Kind::StepUp: return QAccessible::SpinBox;
        case Step::Kind::Tab: break;
    }
    return QAccessible::NoRole;
}

bool showTab(QWidget* window, const char* caption) {
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QLatin1String(caption)) {
                tabs->setCurrentIndex(i);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::string reach(QWidget* window, const PageMode& mode) {
    for (const Step& step : mode.steps) {
        if (step.kind == Step::Kind::Tab) {
            if (!showTab(window, step.name)) return std::string("no tab ") + step.name;
            continue;
        }
        QWidget* w = findOnShownPage(window, roleOf(step.kind), QString::fromUtf8(step.name));
        if (w == nullptr) return std::string("no single control named \"") + step.name + "\" on the page showing";
        switch (step.kind) {
            case Step::Kind::Choose:
            case Step::Kind::Tick:
            case Step::Kind::Click: static_cast<QAbstractButton*>(w)->click(); break;
            case Step::Kind::Type: static_cast<QLineEdit*>(w)->setText(QString::fromUtf8(step.text)); break;
            case Step::Kind::Pick: static_cast<QComboBox*>(w)->setCurrentIndex(step.count); break;
            case Step::Kind::StepUp:
                for (int i = 0; i < step.count; ++i) static_cast<kit::SpinButton*>(w)->stepUp();
                break;
            case Step::Kind::Tab: break;
        }
    }
    return {};
}

}  // namespace uitest
