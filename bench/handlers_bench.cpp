// Every calculate handler, from the click to the controls showing the
// outcome, and one keystroke on the Capacitors page to its recomputed
// captions. The window is the real one, offscreen, with messages recorded.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "kit/messages.h"
#include "kit/widgets.h"
#include "tools/spoken.h"

namespace {

// Controls are found once, before timing, as a screen reader finds them: by
// role and spoken name on the page showing.
struct Bench {
    kit::RecordingMessages messages;
    std::unique_ptr<ohm::MainWindow> form;
    bool found = true;
    Bench() : form(std::make_unique<ohm::MainWindow>(messages)) {}

    void showTab(const char* caption) {
        QTabWidget* tabs = form->tabStrip();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == QLatin1String(caption)) tabs->setCurrentIndex(i);
    }
    template <typename T>
    T* find(QAccessible::Role role, const char* name) {
        T* w = qobject_cast<T*>(uitest::findOnShownPage(form.get(), role, QString::fromUtf8(name)));
        found = found && w != nullptr;
        return w;
    }
    void type(const char* box, const char* text) {
        if (auto* e = find<QLineEdit>(QAccessible::EditableText, box)) e->setText(QString::fromUtf8(text));
    }
    void pick(const char* list, int index) {
        if (auto* c = find<QComboBox>(QAccessible::ComboBox, list)) c->setCurrentIndex(index);
    }
    void choose(const char* option) {
        if (auto* o = find<QAbstractButton>(QAccessible::RadioButton, option)) o->click();
    }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(QAccessible::Button, name); }
};

// A fresh window on `tab`, set up by `prepare`; then times clicks on `button`.
void Handler(benchmark::State& state, const char* tab, const std::function<void(Bench&)>& prepare,
             const char* button) {
    Bench b;
    b.showTab(tab);
    prepare(b);
    QAbstractButton* calculate = b.button(button);
    if (!b.found) {
        state.SkipWithError("control missing");
        return;
    }
    for (auto _ : state) {
        calculate->click();
        b.messages.shown.clear();
    }
}

void BM_ResistorsColoursToValue(benchmark::State& s) {
    Handler(s, "Resistors",
            [](Bench& b) {
                b.pick("1st band colour", 3);
                b.pick("2nd band colour", 7);
                b.pick("3rd band colour", 2);
            },
            "Calculate value from the colours");
}
void BM_ResistorsValueToColours(benchmark::State& s) {
    Handler(s, "Resistors", [](Bench& b) { b.type("Resistance, ohms", "4K7"); }, "Calculate colours from the value");
}
void BM_DividerFourTapsE24(benchmark::State& s) {
    Handler(s, "Potential Dividers",
            [](Bench& b) {
                if (auto* taps = b.find<kit::SpinButton>(QAccessible::SpinBox, "Voltage tap count")) taps->setValue(4);
                b.choose("E24 series");
                b.type("Tap 1 voltage", "8v");
                b.type("Tap 2 voltage", "6v");
                b.type("Tap 3 voltage", "4v");
                b.type("Tap 4 voltage", "2v");
            },
            "Calculate resistance values");
}
void BM_CmosMonostableRange(benchmark::State& s) {
    Handler(s, "CMOS Monostables",
            [](Bench& b) {
                b.choose("Range timing mode");
                b.type("Maximum pulse duration, milliseconds", "100");
            },
            "Calculate the timing resistor");
}
void BM_CmosAstableFixed(benchmark::State& s) {
    Handler(s, "CMOS Astables", [](Bench& b) { b.choose("Fixed frequency"); }, "Calculate values");
}
void BM_Astable555(benchmark::State& s) {
    Handler(s, "555 Timer", [](Bench& b) { b.type("Frequency, hertz", "1000"); }, "Calculate astable");
}
void BM_Monostable555(benchmark::State& s) {
    Handler(s, "555 Timer", [](Bench& b) { b.type("Pulse duration, milliseconds", "1"); }, "Calculate monostable");
}
// One iteration is two keystrokes (a digit typed, then rubbed out), each of
// which recomputes both voltages, the marker and the time label.
void BM_CapacitorsTwoKeystrokes(benchmark::State& s) {
    Bench b;
    b.showTab("Capacitors");
    auto* box = b.find<QLineEdit>(QAccessible::EditableText, "Time after switching");
    if (box == nullptr) {
        s.SkipWithError("control missing");
        return;
    }
    box->setCursorPosition(static_cast<int>(box->text().size()));
    for (auto _ : s) {
        QTest::keyClick(box, Qt::Key_5);
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    s.SetItemsProcessed(2 * s.iterations());
}

BENCHMARK(BM_ResistorsColoursToValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResistorsValueToColours)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DividerFourTapsE24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CmosMonostableRange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CmosAstableFixed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Astable555)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Monostable555)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CapacitorsTwoKeystrokes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
