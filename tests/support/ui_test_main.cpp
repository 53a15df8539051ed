// Widget tests run the real window on the offscreen platform: no display.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "shell/appearance.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ohm::applyAppearance(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
