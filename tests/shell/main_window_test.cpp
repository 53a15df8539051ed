#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "tests/support/ui_driver.h"

namespace {

// The page frames' captions as shown, in tab order; screen readers hear them trimmed.
const char* const kFrames[] = {"Resistor Conversion", "Capacitor Timings ", "Potential Divider Calculations",
                               "CMOS Monostables", "CMOS Astables", "555 Monostable/Astable "};

QGroupBox* frame(const uitest::Window& w, const char* caption) {
    QGroupBox* g = w.group(QString::fromLatin1(caption).trimmed().toLatin1().constData());
    EXPECT_EQ(g->title().toStdString(), caption);
    return g;
}

std::vector<std::string> visibleFrames(const uitest::Window& w) {
    std::vector<std::string> shown;
    for (const char* f : kFrames)
        if (!frame(w, f)->isHidden()) shown.push_back(f);
    return shown;
}

TEST(MainWindow, OpensOnTheResistorsPage) {
    uitest::Window w;
    EXPECT_EQ(w.form().windowTitle().toStdString(), "Ohmbench");
    EXPECT_EQ(visibleFrames(w), std::vector<std::string>{"Resistor Conversion"});
    EXPECT_EQ(w.form().size(), QSize(478, 361));  // 7170 x 5415 twips
    EXPECT_FALSE(w.form().windowIcon().pixmap(64, 64).isNull());  // the scalable icon renders
}

TEST(MainWindow, EachTabShowsItsOwnFrameOnly) {
    uitest::Window w;
    QTabWidget* tabs = w.form().tabStrip();
    const char* order[] = {"Resistors", "Capacitors", "Potential Dividers", "CMOS Monostables",
                           "CMOS Astables", "555 Timer"};
    ASSERT_EQ(tabs->count(), 6);
    for (int i : {1, 2, 3, 4, 5, 0}) {
        EXPECT_EQ(tabs->tabText(i).toStdString(), order[i]);
        w.showTab(order[i]);
        EXPECT_EQ(visibleFrames(w), std::vector<std::string>{kFrames[i]}) << order[i];
        EXPECT_EQ(kit::twipRect(frame(w, kFrames[i])), (kit::TwipRect{240, 930, 6675, 3885}));
    }
}

TEST(MainWindow, ClickingTheChosenTabAgainReturnsTheFocusToItsMainBox) {
    uitest::Window w;
    w.showTab("Capacitors");
    w.box("Supply voltage, volts")->setFocus();
    QTabBar* bar = w.form().tabStrip()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(w.focused(), w.box("Time after switching"));
}

TEST(MainWindow, FarewellIsShownExactlyOnceWhateverClosesTheWindow) {
    const std::string cr = "\r";
    const std::string farewell = std::string(12, ' ') + "Thank you for using the" + cr + cr + "===  OHMBENCH  ===" +
                                 cr + cr + std::string(10, ' ') + "Ohmbench developers, December 2026" + cr +
                                 std::string(24, ' ') + "Ver: 1.1" + cr + cr + std::string(12, ' ') +
                                 "Visit www.example.org/ohmbench";
    for (bool quitFirst : {true, false}) {
        uitest::Window w;
        if (quitFirst) uitest::click(w.button("Quit"));
        w.form().close();  // after Quit, a second close says nothing more
        ASSERT_EQ(w.messages.shown.size(), 1U);
        EXPECT_EQ(w.messages.shown[0].title, "Ohmbench");
        EXPECT_EQ(w.messages.shown[0].text, farewell);
    }
}

}  // namespace
