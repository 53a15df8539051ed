#include "tools/page_modes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include "kit/widgets.h"
#include "tools/spoken.h"

namespace uitest {

namespace {

std::vector<PageMode> load() {
    QFile file(QStringLiteral(OHMBENCH_PAGE_MODES));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", OHMBENCH_PAGE_MODES);
        std::abort();
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull()) {
        std::fprintf(stderr, "%s: %s\n", OHMBENCH_PAGE_MODES, qPrintable(error.errorString()));
        std::abort();
    }
    std::vector<PageMode> rows;
    for (const QJsonValue page : doc.object().value(QLatin1String("pages")).toArray()) {
        const QString tab = page[QLatin1String("tab")].toString();
        for (const QJsonValue m : page[QLatin1String("modes")].toArray()) {
            PageMode mode{tab, m[QLatin1String("name")].toString(), m[QLatin1String("shot")].toString(),
                          m[QLatin1String("dark")].toBool(), {}};
            for (const QJsonValue s : m[QLatin1String("steps")].toArray()) {
                const QJsonArray parts = s.toArray();
                Step step{parts.at(0).toString(), {}};
                for (qsizetype i = 1; i < parts.size(); ++i)
                    step.words << (parts.at(i).isDouble() ? QString::number(parts.at(i).toInt()) : parts.at(i).toString());
                mode.steps.push_back(step);
            }
            rows.push_back(mode);
        }
    }
    return rows;
}

QAccessible::Role roleOf(const QString& verb) {
    if (verb == QLatin1String("choose")) return QAccessible::RadioButton;
    if (verb == QLatin1String("tick") || verb == QLatin1String("untick")) return QAccessible::CheckBox;
    if (verb == QLatin1String("type") || verb == QLatin1String("enter")) return QAccessible::EditableText;
    if (verb == QLatin1String("pick")) return QAccessible::ComboBox;
    if (verb == QLatin1String("step")) return QAccessible::SpinBox;
    if (verb == QLatin1String("press")) return QAccessible::Button;
    return QAccessible::NoRole;
}

// One step, as a person takes it: a spin button is stepped one position at
// a time, a check box clicked only when it is not as wanted.
bool take(QWidget* w, const Step& step) {
    const QString& verb = step.verb;
    const QString arg = step.words.value(1);
    if (verb == QLatin1String("type") || verb == QLatin1String("enter")) {
        static_cast<QLineEdit*>(w)->setText(arg);
        if (verb == QLatin1String("enter")) QTest::keyClick(w, Qt::Key_Return);
    } else if (verb == QLatin1String("pick")) {
        auto* list = static_cast<QComboBox*>(w);
        const int entry = list->findText(arg);
        if (entry < 0) return false;
        list->setCurrentIndex(entry);
    } else if (verb == QLatin1String("step")) {
        auto* spin = static_cast<kit::SpinButton*>(w);
        const int target = arg.toInt();
        for (int guard = 0; spin->value() != target && guard < 100000; ++guard)
            spin->value() < target ? spin->stepUp() : spin->stepDown();
    } else {
        auto* button = static_cast<QAbstractButton*>(w);
        if (verb == QLatin1String("tick") && button->isChecked()) return true;
        if (verb == QLatin1String("untick") && !button->isChecked()) return true;
        button->click();
    }
    return true;
}

}  // namespace

bool showTab(QWidget* window, const QString& caption) {
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption) {
                tabs->setCurrentIndex(i);
                return true;
            }
        }
    }
    return false;
}

const std::vector<PageMode>& pageModes() {
    static const std::vector<PageMode> rows = load();
    return rows;
}

QWidget* controlOf(QWidget* window, const Step& step) {
    return findOnShownPage(window, roleOf(step.verb), step.words.value(0));
}

std::string reach(QWidget* window, const PageMode& mode, int last) {
    if (!showTab(window, mode.tab)) return "no tab " + mode.tab.toStdString();
    const int end = last < 0 ? static_cast<int>(mode.steps.size()) : last;
    for (int i = 0; i < end; ++i) {
        const Step& step = mode.steps[static_cast<std::size_t>(i)];
        if (roleOf(step.verb) == QAccessible::NoRole) continue;  // a check for the walk
        QWidget* w = controlOf(window, step);
        const std::string name = step.words.value(0).toStdString();
        if (w == nullptr) return "no single control named \"" + name + "\" on the page showing";
        if (!take(w, step)) return "no entry \"" + step.words.value(1).toStdString() + "\" in " + name;
    }
    return {};
}

}  // namespace uitest
