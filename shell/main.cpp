#include <QApplication>

#include "shell/appearance.h"
#include "shell/main_window.h"
#include "kit/messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ohmbench"));
    app.setDesktopFileName(QStringLiteral("ohmbench"));
    ohm::applyAppearance(app);
    kit::BoxMessages messages;
    ohm::MainWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
