// The real window under the qt6ct platform theme, set to its "darker" colour
// scheme and a 14-point general face, as a desktop outside KDE themes Qt
// programs. The window keeps its own faces and tab spacing, every caption
// fits, and everything drawn reads against the dark palette.
#include <QApplication>
#include <QFile>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>

#include "kit/drawing.h"
#include "shell/appearance.h"
#include "tests/support/readable.h"
#include "tests/support/ui_driver.h"
#include "tools/page_modes.h"

namespace {

constexpr const char* kScheme = "/usr/share/qt6ct/colors/darker.conf";

// Faces the application was given while starting, the theme's among them.
std::vector<QFont>& facesGiven() {
    static std::vector<QFont> faces;
    return faces;
}

class FaceRecorder : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == qApp && e->type() == QEvent::ApplicationFontChange) facesGiven().push_back(QApplication::font());
        return false;
    }
};

TEST(DarkTheme, EveryPageInEveryModeKeepsItsFacesTabsAndCaptionsAndReads) {
    ASSERT_TRUE(kit::isDark(QApplication::palette())) << "qt6ct did not load (make installs it)";
    // The theme handed over its 14-point face once the program was running; ours came back.
    bool themeFace = false;
    for (const QFont& f : facesGiven()) themeFace = themeFace || f.pointSize() == 14;
    EXPECT_TRUE(themeFace);
    EXPECT_EQ(QApplication::font(), ohm::windowFont());
    for (const uitest::PageMode& mode : uitest::pageModes()) {
        SCOPED_TRACE(mode.title());
        uitest::Window w;
        w.form().show();
        QCoreApplication::processEvents();
        ASSERT_EQ(uitest::reach(&w.form(), mode), "");
        EXPECT_EQ(w.lastMessage(), "");

        // Our faces are set in pixels, 10 or smaller; the theme's in points.
        for (QWidget* c : w.form().findChildren<QWidget*>()) {
            if (c->window() != &w.form()) continue;  // pop-ups and boxes may keep the desktop's face
            const QFont f = c->font();
            EXPECT_TRUE(f.family().startsWith(QLatin1String("DejaVu Sans")) && f.pointSize() == -1 &&
                        f.pixelSize() <= 10)
                << c->objectName().toStdString() << ": " << f.toString().toStdString();
        }

        QTabBar* bar = w.form().tabStrip()->tabBar();
        ASSERT_EQ(bar->count(), 6);
        EXPECT_LE(bar->tabRect(5).right(), bar->width() - 1) << "the last tab runs off the strip";
        for (QToolButton* scroll : bar->findChildren<QToolButton*>()) EXPECT_FALSE(scroll->isVisible());

        EXPECT_EQ(uitest::describe(uitest::captionMisfits(&w.form())), "");
        EXPECT_EQ(uitest::describe(uitest::faintDrawings(&w.form())), "");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!QFile::exists(QString::fromLatin1(kScheme))) {
        std::fprintf(stderr, "%s is missing: install qt6ct (make installs it)\n", kScheme);
        return 1;
    }
    // qt6ct reads its settings from $XDG_CONFIG_HOME/qt6ct: the desktop the dark screenshots are taken on.
    qputenv("XDG_CONFIG_HOME", OHMBENCH_DARK_DESKTOP);
    qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    FaceRecorder recorder;
    app.installEventFilter(&recorder);
    ohm::applyAppearance(app);
    // As in the program: the theme applies its settings once the event loop runs.
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
