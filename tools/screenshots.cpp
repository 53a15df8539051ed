// Renders the window in every mode of the table of page modes that names a
// picture, to PNG files:
//   ohmbench_screenshots <folder> [suffix] [dark]
// With "dark", only the modes marked for the dark desktop. Run with
// QT_QPA_PLATFORM=offscreen; with QT_SCALE_FACTOR=2 the pictures come out at
// twice the size, which shows whether the art stays crisp. Under a platform
// theme the pictures show the desktop's palette.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "tools/page_modes.h"
#include "tools/recording_messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool darkOnly = argc > 3 && QLatin1String(argv[3]) == QLatin1String("dark");
    QDir().mkpath(folder);
    // A platform theme applies its settings once the event loop runs.
    QCoreApplication::processEvents();
    int written = 0;
    for (const uitest::PageMode& mode : uitest::pageModes()) {
        if (mode.shot.isEmpty() || (darkOnly && !mode.dark)) continue;
        uitest::RecordingMessages messages;  // a picture never waits on a box
        ohm::MainWindow window(messages);
        window.show();
        const std::string missed = uitest::reach(&window, mode);
        if (!missed.empty()) {
            std::fprintf(stderr, "%s: %s\n", mode.title().c_str(), missed.c_str());
            return 1;
        }
        QTest::qWait(20);
        const QString path = folder + QLatin1Char('/') + mode.shot + suffix + QStringLiteral(".png");
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("%d screenshots in %s\n", written, qPrintable(folder));
    return 0;
}
