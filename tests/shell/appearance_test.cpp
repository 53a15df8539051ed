// A platform theme may give the application another face, a face of its own
// to a kind of widget, or another style, after the window is up. The window
// keeps every face and its tab spacing.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <map>

#include "shell/appearance.h"
#include "tests/support/ui_driver.h"

namespace {

std::map<QWidget*, QString> facesOf(QWidget* window) {
    std::map<QWidget*, QString> faces{{window, window->font().toString()}};
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window) faces[w] = w->font().toString();  // not the lists' pop-ups
    return faces;
}

// The controls whose face is no longer the one they had.
std::string changedFaces(const std::map<QWidget*, QString>& before, QWidget* window) {
    std::string changed;
    for (const auto& [w, face] : facesOf(window)) {
        const auto was = before.find(w);
        if (was == before.end() || was->second != face)
            changed += w->objectName().toStdString() + " " + w->metaObject()->className() + ": " +
                       face.toStdString() + "\n";
    }
    return changed;
}

std::vector<int> tabWidths(QTabBar* bar) {
    std::vector<int> widths;
    for (int i = 0; i < bar->count(); ++i) widths.push_back(bar->tabRect(i).width());
    return widths;
}

TEST(Appearance, TheWindowKeepsItsFacesAndTabSpacingWhateverAThemeChangesLater) {
    QFont large(QStringLiteral("DejaVu Serif"), 14);
    QFont bold(QStringLiteral("DejaVu Sans"), 12, QFont::Bold);
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"a large face for the application", [&] { QApplication::setFont(large); }},
        {"faces for labels, buttons and options",
         [&] {
             QApplication::setFont(bold, "QLabel");
             QApplication::setFont(large, "QPushButton");
             QApplication::setFont(large, "QRadioButton");
         }},
        {"a style of its own", [] { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows"))); }},
    };
    for (const auto& [change, apply] : rows) {
        SCOPED_TRACE(change);
        uitest::Window w;
        w.form().show();
        QTabBar* bar = w.form().tabStrip()->tabBar();
        const auto faces = facesOf(&w.form());
        const auto widths = tabWidths(bar);
        apply();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(changedFaces(faces, &w.form()), "");
        EXPECT_EQ(tabWidths(bar), widths);
        EXPECT_EQ(QApplication::font(), ohm::windowFont());  // message boxes and lists too
        EXPECT_EQ(QApplication::style()->pixelMetric(QStyle::PM_TabBarTabHSpace), 6);
        QApplication::setFont(ohm::windowFont());  // forgets faces given to kinds of widget
    }
}

}  // namespace
