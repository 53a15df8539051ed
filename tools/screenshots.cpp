// Renders the window in every registered scene to PNG files:
//   ohmbench_screenshots <folder> [suffix] [scene,scene,...]
// Run with QT_QPA_PLATFORM=offscreen; with QT_SCALE_FACTOR=2 the pictures
// come out at twice the size, which shows whether the art stays crisp. Under
// a platform theme the scenes show the desktop's palette.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

#include "shell/appearance.h"
#include "kit/messages.h"
#include "kit/widgets.h"
#include "tools/spoken.h"
#include "tools/scene.h"

namespace scenes {

std::vector<Scene>& registry() {
    static std::vector<Scene> all;
    return all;
}

void showTab(ohm::MainWindow& w, const char* caption) {
    QTabWidget* tabs = w.tabStrip();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == QLatin1String(caption)) tabs->setCurrentIndex(i);
}

// Controls are found as a screen reader finds them: by role and spoken name.
void setText(ohm::MainWindow& w, const char* box, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(uitest::findOnShownPage(&w, QAccessible::EditableText, QString::fromUtf8(box))))
        e->setText(text);
}

void pick(ohm::MainWindow& w, const char* list, int index) {
    if (auto* c = qobject_cast<QComboBox*>(uitest::findOnShownPage(&w, QAccessible::ComboBox, QString::fromUtf8(list))))
        c->setCurrentIndex(index);
}

void click(ohm::MainWindow& w, QAccessible::Role role, const char* button) {
    if (auto* b = qobject_cast<QAbstractButton*>(uitest::findOnShownPage(&w, role, QString::fromUtf8(button))))
        b->click();
}

void click(ohm::MainWindow& w, const char* button) { click(w, QAccessible::Button, button); }
void choose(ohm::MainWindow& w, const char* option) { click(w, QAccessible::RadioButton, option); }
void tick(ohm::MainWindow& w, const char* checkBox) { click(w, QAccessible::CheckBox, checkBox); }

void stepUp(ohm::MainWindow& w, const char* spin, int steps) {
    if (auto* s = qobject_cast<kit::SpinButton*>(uitest::findOnShownPage(&w, QAccessible::SpinBox, QString::fromUtf8(spin))))
        for (int i = 0; i < steps; ++i) s->stepUp();
}

// The window as it opens, on each of its six tabs.
const Register kTabs[] = {
    {"tab1-resistors", [](ohm::MainWindow& w) { showTab(w, "Resistors"); }},
    {"tab2-capacitors", [](ohm::MainWindow& w) { showTab(w, "Capacitors"); }},
    {"tab3-potential-dividers", [](ohm::MainWindow& w) { showTab(w, "Potential Dividers"); }},
    {"tab4-cmos-monostables", [](ohm::MainWindow& w) { showTab(w, "CMOS Monostables"); }},
    {"tab5-cmos-astables", [](ohm::MainWindow& w) { showTab(w, "CMOS Astables"); }},
    {"tab6-555-timer", [](ohm::MainWindow& w) { showTab(w, "555 Timer"); }},
};

}  // namespace scenes

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QStringList only = argc > 3 ? QString::fromLocal8Bit(argv[3]).split(QLatin1Char(',')) : QStringList();
    QDir().mkpath(folder);
    // A platform theme applies its settings once the event loop runs.
    QCoreApplication::processEvents();
    int written = 0;
    for (const scenes::Scene& scene : scenes::registry()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(scene.file))) continue;
        kit::RecordingMessages messages;  // a scene never blocks on a box
        ohm::MainWindow window(messages);
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
