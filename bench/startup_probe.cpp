// Started by bench_startup: builds the whole window, a bare one, or a bare
// one with a line of text, shows it, and when its first frame has been
// painted writes the monotonic clock (nanoseconds) to standard output and
// quits. The parent read the same clock just before starting the process.
#include <QApplication>
#include <QLabel>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "tools/recording_messages.h"

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] {  // the frame is painted once this event is done
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
            });
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);  // after this paint completes
        }
        return false;
    }

private:
    bool seen_ = false;
};
}  // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    const bool verbose = argc > 2 && std::strcmp(argv[2], "--verbose") == 0;
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    const qint64 appReady = clock.nsecsElapsed();
    FirstPaint watcher;
    uitest::RecordingMessages messages;  // closing must not wait on the farewell box
    QWidget* window = nullptr;
    if (bare) {
        window = new QWidget;
    } else if (text) {
        window = new QLabel(QStringLiteral("Ohmbench"));
    } else {
        window = new ohm::MainWindow(messages);
    }
    if (bare || text) window->resize(478, 361);
    const qint64 built = clock.nsecsElapsed();
    window->installEventFilter(&watcher);
    window->show();
    const int rc = app.exec();
    if (verbose)
        std::fprintf(stderr, "application %.1f ms, window built %.1f ms, first frame %.1f ms\n", appReady / 1e6,
                     (built - appReady) / 1e6, (clock.nsecsElapsed() - built) / 1e6);
    delete window;
    return rc;
}
