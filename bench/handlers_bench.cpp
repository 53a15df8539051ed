// Every calculate handler, from the click to the controls showing the
// outcome, in every mode of the table of page modes that ends in a press;
// and one keystroke on the Capacitors page to its recomputed captions. The
// window is the real one, offscreen, with messages recorded.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "tools/page_modes.h"
#include "tools/recording_messages.h"

namespace {

struct Bench {
    uitest::RecordingMessages messages;
    std::unique_ptr<ohm::MainWindow> form = std::make_unique<ohm::MainWindow>(messages);
};

// A fresh window taken through the mode up to its last step, a press; then
// times that press. Controls are found once, before timing.
void Press(benchmark::State& state, const uitest::PageMode& mode) {
    Bench b;
    const std::string missed = uitest::reach(b.form.get(), mode, static_cast<int>(mode.steps.size()) - 1);
    auto* button = qobject_cast<QAbstractButton*>(uitest::controlOf(b.form.get(), mode.steps.back()));
    if (!missed.empty() || button == nullptr) {
        state.SkipWithError(missed.empty() ? "button missing" : missed.c_str());
        return;
    }
    for (auto _ : state) {
        button->click();
        b.messages.shown.clear();
    }
}

// One iteration is two keystrokes (a digit typed, then rubbed out), each of
// which recomputes both voltages, the marker and the time label.
void BM_CapacitorsTwoKeystrokes(benchmark::State& s) {
    Bench b;
    const uitest::Step time{QStringLiteral("type"), {QStringLiteral("Time after switching")}};
    uitest::reach(b.form.get(), {QStringLiteral("Capacitors"), QString(), QString(), false, {}});
    auto* box = qobject_cast<QLineEdit*>(uitest::controlOf(b.form.get(), time));
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    for (const uitest::PageMode& mode : uitest::pageModes()) {
        if (mode.endsInPress())
            benchmark::RegisterBenchmark(mode.title().c_str(), Press, mode)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Capacitors, two keystrokes", BM_CapacitorsTwoKeystrokes)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
