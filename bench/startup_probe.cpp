// Started by bench_startup: builds either the whole window or a bare one,
// shows it, and quits as soon as its first frame has been painted. The
// parent times the process from start to exit.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include "shell/appearance.h"
#include "shell/form1.h"
#include "shell/kit/messages.h"

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
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
    const bool verbose = argc > 2 && std::strcmp(argv[2], "--verbose") == 0;
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    const qint64 appReady = clock.nsecsElapsed();
    FirstPaint watcher;
    kit::RecordingMessages messages;  // closing must not wait on the farewell box
    QWidget* window = bare ? new QWidget : new ohm::Form1(messages);
    if (bare) window->resize(478, 361);
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
