#include <QApplication>

#include "shell/appearance.h"
#include "kit/messages.h"
#include "shell/command_line.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    if (const auto status = ohm::handleCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ohmbench"));
    app.setDesktopFileName(QStringLiteral("org.example.ohmbench"));
    ohm::applyAppearance(app);
    kit::BoxMessages messages;
    ohm::MainWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
