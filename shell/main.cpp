#include <QApplication>

#include "shell/appearance.h"
#include "shell/form1.h"
#include "shell/kit/messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ohmbench"));
    app.setDesktopFileName(QStringLiteral("ohmbench"));
    ohm::applyAppearance(app);
    kit::BoxMessages messages;
    ohm::Form1 window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
