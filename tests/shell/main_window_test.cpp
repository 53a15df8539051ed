#include <QAccessible>
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
    {
        uitest::Window w;
        uitest::click(w.button("Quit"));
        w.form().close();  // a second close after Quit says nothing more
        ASSERT_EQ(w.messages.shown.size(), 1U);
        EXPECT_EQ(w.messages.shown[0].title, "Ohmbench");
        EXPECT_EQ(w.messages.shown[0].text, ohm::MainWindow::FarewellText());
    }
    {
        uitest::Window w;
        w.form().close();  // the window's own close command
        EXPECT_EQ(w.messages.shown.size(), 1U);
    }
}

TEST(MainWindow, FarewellLinesAreJoinedBySingleCarriageReturns) {
    const std::string text = ohm::MainWindow::FarewellText();
    EXPECT_EQ(text.find('\n'), std::string::npos);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr; (cr = text.find('\r', start)) != std::string::npos; start = cr + 1)
        lines.push_back(text.substr(start, cr - start));
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[0], std::string(12, ' ') + "Thank you for using the");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "===  OHMBENCH  ===");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], std::string(10, ' ') + "Ohmbench developers, December 2026");
    EXPECT_EQ(lines[5], std::string(24, ' ') + "Ver: 1.1");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], std::string(12, ' ') + "Visit www.example.org/ohmbench");
}

TEST(MainWindow, ResultLabelsOfferTheirValueToScreenReaders) {
    uitest::Window w;
    w.showTab("Potential Dividers");
    QLabel* r1 = w.label("R1 value");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), "R1 value");
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()).toStdString(), "R1");
}

}  // namespace
