#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "tests/support/ui_driver.h"

namespace {

const char* const kFrames[] = {"FrmResCon", "FrmCapacitor", "FrmPotDiv", "FrmMono", "FrmCMOS", "Frm555"};

std::vector<std::string> visibleFrames(const uitest::Window& w) {
    std::vector<std::string> shown;
    for (const char* f : kFrames)
        if (w.get<QGroupBox>(f)->isVisibleTo(const_cast<uitest::Window&>(w).form().window())) shown.push_back(f);
    return shown;
}

TEST(Form1, OpensOnTheResistorsPage) {
    uitest::Window w;
    EXPECT_EQ(w.form().windowTitle().toStdString(), "Ohmbench");
    EXPECT_EQ(w.form().tabStrip()->currentIndex(), 0);
    EXPECT_EQ(visibleFrames(w), std::vector<std::string>{"FrmResCon"});
    EXPECT_EQ(w.form().vars().BandCount, 4);
    EXPECT_EQ(w.caption("Label43"), "OHMBENCH");
    EXPECT_EQ(w.caption("Label50"), "Ver: 1.1");
    EXPECT_EQ(w.form().size(), QSize(478, 361));  // 7170 x 5415 twips
    EXPECT_FALSE(w.form().windowIcon().pixmap(64, 64).isNull());  // the scalable icon renders
}

TEST(Form1, TabsFramesAndCaptions) {
    struct Row {
        const char* tab;
        const char* frame;
        const char* caption;
    };
    const Row rows[] = {
        {"Capacitors", "FrmCapacitor", "Capacitor Timings "},
        {"Potential Dividers", "FrmPotDiv", "Potential Divider Calculations"},
        {"CMOS Monostables", "FrmMono", "CMOS Monostables"},
        {"CMOS Astables", "FrmCMOS", "CMOS Astables"},
        {"555 Timer", "Frm555", "555 Monostable/Astable "},
        {"Resistors", "FrmResCon", "Resistor Conversion"},
    };
    uitest::Window w;
    QTabWidget* tabs = w.form().tabStrip();
    ASSERT_EQ(tabs->count(), 6);
    const char* order[] = {"Resistors", "Capacitors", "Potential Dividers", "CMOS Monostables",
                           "CMOS Astables", "555 Timer"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(tabs->tabText(i).toStdString(), order[i]);
    for (const auto& r : rows) {
        w.showTab(r.tab);
        EXPECT_EQ(visibleFrames(w), std::vector<std::string>{r.frame}) << r.tab;
        auto* frame = w.get<QGroupBox>(r.frame);
        EXPECT_EQ(frame->title().toStdString(), r.caption);
        EXPECT_EQ(kit::twipRect(frame), (kit::TwipRect{240, 930, 6675, 3885}));
    }
}

TEST(Form1, ClickingTheChosenTabAgainReturnsTheFocusToItsMainBox) {
    uitest::Window w;
    w.showTab("Capacitors");
    w.box("TXTTimingSupply")->setFocus();
    QTabBar* bar = w.form().tabStrip()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(w.focused(), w.box("TXTTimingTime"));
}

TEST(Form1, FarewellIsShownExactlyOnceWhateverClosesTheWindow) {
    {
        uitest::Window w;
        uitest::click(w.button("CMDExit"));
        w.form().close();  // a second close after Quit says nothing more
        ASSERT_EQ(w.messages.shown.size(), 1U);
        EXPECT_EQ(w.messages.shown[0].title, "Ohmbench");
        EXPECT_EQ(w.messages.shown[0].text, ohm::Form1::FarewellText());
    }
    {
        uitest::Window w;
        w.form().close();  // the window's own close command
        EXPECT_EQ(w.messages.shown.size(), 1U);
    }
}

TEST(Form1, FarewellLinesAreJoinedBySingleCarriageReturns) {
    const std::string text = ohm::Form1::FarewellText();
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

}  // namespace

#include <QAccessible>

namespace {
TEST(Form1, ResultLabelsOfferTheirValueToScreenReaders) {
    uitest::Window w;
    QLabel* r1 = w.label("LBLPRes(0)");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), "R1 value");
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()).toStdString(), "R1");
}
}  // namespace
