// Every calculate handler, from the click to the controls showing the
// outcome, and one keystroke on the Capacitors page to its recomputed
// captions. The window is the real one, offscreen, with messages recorded.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace {

struct Bench {
    kit::RecordingMessages messages;
    std::unique_ptr<ohm::MainWindow> form;
    Bench() : form(std::make_unique<ohm::MainWindow>(messages)) {}

    template <typename T>
    T* get(const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    bool setText(const char* box, const char* text) {
        auto* e = get<QLineEdit>(box);
        if (e) e->setText(QString::fromLatin1(text));
        return e != nullptr;
    }
    bool pick(const char* list, int index) {
        auto* c = get<QComboBox>(list);
        if (c) c->setCurrentIndex(index);
        return c != nullptr;
    }
    bool click(const char* button) {
        auto* b = get<QAbstractButton>(button);
        if (b) b->click();
        return b != nullptr;
    }
};

Bench& TheWindow() {
    static Bench b;
    return b;
}

// Runs `prepare` once, then times `act` (which must click a calculate button).
void Handler(benchmark::State& state, const std::function<bool(Bench&)>& prepare,
             const std::function<bool(Bench&)>& act) {
    Bench& b = TheWindow();
    if (!prepare(b)) {
        state.SkipWithError("control missing");
        return;
    }
    for (auto _ : state) {
        if (!act(b)) {
            state.SkipWithError("control missing");
            return;
        }
        b.messages.shown.clear();
    }
}

void BM_ResistorsColoursToValue(benchmark::State& s) {
    Handler(s, [](Bench& b) { return b.pick("Combo1(0)", 3) && b.pick("Combo1(1)", 7) && b.pick("Combo1(2)", 2); },
            [](Bench& b) { return b.click("CmdCalcResValue"); });
}
void BM_ResistorsValueToColours(benchmark::State& s) {
    Handler(s, [](Bench&) { return true; },
            [](Bench& b) { return b.setText("TxtResult", "4K7") && b.click("CmdCalcResColor"); });
}
void BM_DividerFourTapsE24(benchmark::State& s) {
    Handler(s,
            [](Bench& b) {
                auto* taps = b.get<kit::SpinButton>("UPDVoltTaps");
                if (taps == nullptr) return false;
                taps->setValue(4);
                return b.click("OPTRes24") && b.setText("TXTVoltTap(0)", "8v") && b.setText("TXTVoltTap(1)", "6v") &&
                       b.setText("TXTVoltTap(2)", "4v") && b.setText("TXTVoltTap(3)", "2v");
            },
            [](Bench& b) { return b.click("CMDCalcPRes"); });
}
void BM_CmosMonostableRange(benchmark::State& s) {
    Handler(s, [](Bench& b) { return b.click("OPTMonoRange") && b.setText("TXTMonoRange", "100"); },
            [](Bench& b) { return b.click("CMDCalcMono"); });
}
void BM_CmosAstableFixed(benchmark::State& s) {
    Handler(s, [](Bench& b) { return b.click("cmosAstableFixedOption"); },
            [](Bench& b) { return b.click("cmosAstableCalculateButton"); });
}
void BM_Astable555(benchmark::State& s) {
    Handler(s, [](Bench& b) { return b.setText("astableFrequencyBox", "1000"); },
            [](Bench& b) { return b.click("astableCalculateButton"); });
}
void BM_Monostable555(benchmark::State& s) {
    Handler(s, [](Bench& b) { return b.setText("monostableDurationBox", "1"); },
            [](Bench& b) { return b.click("monostableCalculateButton"); });
}
// One iteration is two keystrokes (a digit typed, then rubbed out), each of
// which recomputes both voltages, the marker and the time label.
void BM_CapacitorsTwoKeystrokes(benchmark::State& s) {
    Bench& b = TheWindow();
    auto* box = b.get<QLineEdit>("TXTTimingTime");
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
