// Renders the window in every registered scene to PNG files:
//   ohmbench_screenshots <folder> [suffix]
// Run with QT_QPA_PLATFORM=offscreen; with QT_SCALE_FACTOR=2 the pictures
// come out at twice the size, which shows whether the art stays crisp.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

#include "shell/appearance.h"
#include "shell/kit/messages.h"
#include "tools/scene.h"

namespace scenes {

std::vector<Scene>& registry() {
    static std::vector<Scene> all;
    return all;
}

void showTab(ohm::Form1& w, const char* caption) {
    QTabWidget* tabs = w.tabStrip();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == QLatin1String(caption)) tabs->setCurrentIndex(i);
}

void setText(ohm::Form1& w, const char* box, const QString& text) {
    if (auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(box))) e->setText(text);
}

void pick(ohm::Form1& w, const char* list, int index) {
    if (auto* c = w.findChild<QComboBox*>(QString::fromLatin1(list))) c->setCurrentIndex(index);
}

void click(ohm::Form1& w, const char* button) {
    if (auto* b = w.findChild<QAbstractButton*>(QString::fromLatin1(button))) b->click();
}

// The window as it opens, on each of its six tabs.
const Register kTabs[] = {
    {"tab1-resistors", [](ohm::Form1& w) { showTab(w, "Resistors"); }},
    {"tab2-capacitors", [](ohm::Form1& w) { showTab(w, "Capacitors"); }},
    {"tab3-potential-dividers", [](ohm::Form1& w) { showTab(w, "Potential Dividers"); }},
    {"tab4-cmos-monostables", [](ohm::Form1& w) { showTab(w, "CMOS Monostables"); }},
    {"tab5-cmos-astables", [](ohm::Form1& w) { showTab(w, "CMOS Astables"); }},
    {"tab6-555-timer", [](ohm::Form1& w) { showTab(w, "555 Timer"); }},
};

}  // namespace scenes

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(folder);
    int written = 0;
    for (const scenes::Scene& scene : scenes::registry()) {
        kit::RecordingMessages messages;  // a scene never blocks on a box
        ohm::Form1 window(messages);
        window.show();
        scene.setUp(window);
        QTest::qWait(20);
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(scene.file) + suffix + QStringLiteral(".png");
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("%d screenshots in %s\n", written, qPrintable(folder));
    return 0;
}
