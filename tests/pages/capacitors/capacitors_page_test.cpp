#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/ui_driver.h"

namespace {

using uitest::type;

class CapacitorsPage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows are sized when shown
        w.showTab("Capacitors");
    }
    void step(const char* spin, int times) {  // up for times > 0, down below
        for (int i = 0; i < std::abs(times); ++i)
            uitest::click(times > 0 ? w.spin(spin)->upArrow() : w.spin(spin)->downArrow());
    }
    std::string unit(const char* list) const { return w.list(list)->currentText().toStdString(); }
    int marker() const { return w.line("LINCapVolt")->x1(); }
    kit::TwipRect timeLabel() const { return kit::twipRect(w.label("LBLCapVolt")); }
    bool rightJustified() const { return (w.label("LBLCapVolt")->alignment() & Qt::AlignRight) != 0; }
    std::string outputs() const { return w.caption("LBLCapVout1") + "|" + w.caption("LBLCapVout2"); }

    uitest::Window w;
};

TEST_F(CapacitorsPage, OpensOnTenMillisecondsOfTenMicrofaradsThroughOneK) {
    EXPECT_EQ(w.text("TXTTimingSupply") + w.text("TXTTimingTime") + w.text("TXTTimingCap") + w.text("TXTTimingRes"),
              "1010101");
    EXPECT_EQ(unit("CBOTimingTimeMult") + unit("CBOTimingCapMult") + unit("CBOTimingResMult"), "msuFK");
    EXPECT_EQ(outputs(), " 3.67v| 6.32v");  // 10 e^-1 = 3.679, the rest 6.321
    EXPECT_EQ(marker(), 630);
    EXPECT_EQ(w.line("LINCapVolt")->y2(), 2100);
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms");
    EXPECT_EQ(timeLabel(), (kit::TwipRect{420, 2040, 465, 195}));
    EXPECT_FALSE(rightJustified());
    EXPECT_EQ(w.spin("UPDTimingCap")->value(), 6);
    EXPECT_EQ(w.caption("LBLCapVs1") + w.caption("LBLCapVs2") + w.caption("Label48"), "10v10v0v");
    EXPECT_EQ(w.caption("Label51"), "Formula:                       V = Vo Exp(-t/T)");
    EXPECT_EQ(w.get<QGroupBox>("FrmGraph")->parentWidget(), w.get<QGroupBox>("FrmCapacitor"));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CapacitorsPage, TheMarkerMeetsTheCurvesAtWholeTimeConstants) {
    EXPECT_EQ(w.picture("Image1")->rect(), (kit::TwipRect{160, 270, 2850, 1695}));
    EXPECT_TRUE(w.picture("Image2")->isValid() && w.picture("Image3")->isValid());
    // The art at one pixel per twip: 1 is at y 120, 0 at y 1380; look down the
    // marker's column for red at e^-n and light blue at 1 - e^-n.
    QSvgRenderer art(QStringLiteral(":/assets/capacitor_graph.svg"));
    QImage img(2850, 1695, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    art.render(&painter, QRectF(0, 0, 2850, 1695));
    painter.end();
    const std::pair<const char*, double> rows[] = {{"10", .3679}, {"20", .1353}, {"30", .0498}, {"50", .0067}};
    for (const auto& [ms, falling] : rows) {
        type(w.box("TXTTimingTime"), QString::fromLatin1(ms));
        auto found = [&](double fraction, auto colour) {
            const int y = static_cast<int>(std::lround(1380 - 1260 * fraction));
            for (int dy = -20; dy <= 20; ++dy)
                if (colour(QColor(img.pixel(marker() - 160, y + dy)))) return true;
            return false;
        };
        EXPECT_TRUE(found(falling, [](QColor c) { return c.red() > 180 && c.green() < 80; })) << ms;
        EXPECT_TRUE(found(1 - falling, [](QColor c) { return c.blue() > 200 && c.red() < 140; })) << ms;
    }
}

TEST_F(CapacitorsPage, TabFocusesTheTimeAndEveryChangeRecomputes) {
    w.showTab("Resistors");
    w.showTab("Capacitors");
    EXPECT_EQ(w.focused(), w.box("TXTTimingTime"));
    type(w.box("TXTTimingSupply"), QStringLiteral("5"));
    EXPECT_EQ(outputs(), " 1.83v| 3.16v");
    type(w.box("TXTTimingRes"), QStringLiteral("4k7"));  // 4 K: t = T / 4, e^-.25 = .7788
    EXPECT_EQ(outputs(), " 3.89v| 1.1v");
    uitest::pick(w.list("CBOTimingResMult"), 0);  // 4 ohms: T = 40 us, 10 ms is beyond
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms>>");
    EXPECT_EQ(outputs(), " 0v| 5v");
}

TEST_F(CapacitorsPage, BeyondTheGraphTheLabelWidensAndTurnsRight) {
    type(w.box("TXTTimingTime"), QStringLiteral("100"));  // 10 T
    EXPECT_EQ(marker(), 2970);
    EXPECT_EQ(timeLabel(), (kit::TwipRect{2380, 2040, 645, 195}));
    EXPECT_TRUE(rightJustified());
    EXPECT_EQ(w.caption("LBLCapVolt"), "100ms>>");
    const QFontMetrics fm(w.label("LBLCapVolt")->font());  // the longest stepped texts fit
    EXPECT_LE(fm.horizontalAdvance(QStringLiteral("990ms>>")), kit::px(645));
    EXPECT_LE(fm.horizontalAdvance(QStringLiteral("100ms")), kit::px(465));
    type(w.box("TXTTimingTime"), QStringLiteral("20"));
    EXPECT_EQ(timeLabel(), (kit::TwipRect{780, 2040, 465, 195}));  // 2 T: 990 - 210
    EXPECT_FALSE(rightJustified());
}

TEST_F(CapacitorsPage, SupplyButtonStopsAtItsEndsAndAloneSetsTheTerminalLabels) {
    step("UPDTimingSupply", -1);
    EXPECT_EQ(w.text("TXTTimingSupply") + "|" + w.caption("LBLCapVs1") + "|" + w.caption("LBLCapVs2"), "9.9|9.9v|9.9v");
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.64v");  // 9.9 x .367879 = 3.642
    step("UPDTimingSupply", -99);
    EXPECT_EQ(w.text("TXTTimingSupply") + "|" + w.caption("LBLCapVs1"), ".1|.1v");
    step("UPDTimingSupply", 160);
    EXPECT_EQ(w.text("TXTTimingSupply"), "15");
    type(w.box("TXTTimingSupply"), QStringLiteral("5"));
    EXPECT_EQ(w.caption("LBLCapVout1"), " 1.83v");
    EXPECT_EQ(w.caption("LBLCapVs1"), "15v");
}

TEST_F(CapacitorsPage, TimeButtonWalksTheSequenceAndTheUnits) {
    const std::pair<int, const char*> walk[] = {{-1, "9.9 ms"}, {-89, "1 ms"}, {-1, "990 us"},
                                                {1, "1 ms"},    {179, "99 ms"}, {1, "100 ms"}};
    for (const auto& [steps, shown] : walk) {
        step("UPDTimingTime", steps);
        EXPECT_EQ(w.text("TXTTimingTime") + " " + unit("CBOTimingTimeMult"), shown);
    }
    uitest::pick(w.list("CBOTimingTimeMult"), 0);
    step("UPDTimingTime", -181);  // nothing below ns: 1 wraps to 990 ns
    EXPECT_EQ(w.text("TXTTimingTime") + " " + unit("CBOTimingTimeMult"), "990 ns");
}

TEST_F(CapacitorsPage, CapacitanceAndResistanceWalkTheirSeriesAcrossUnits) {
    const std::pair<int, const char*> caps[] = {{-6, "1 uF"}, {-1, "680 nF"}, {-18, "680 pF"}, {-18, "680 pF"}};
    for (const auto& [steps, shown] : caps) {
        step("UPDTimingCap", steps);
        EXPECT_EQ(w.text("TXTTimingCap") + " " + unit("CBOTimingCapMult"), shown);
    }
    const std::pair<int, const char*> ress[] = {{-1, "910   "}, {1, "1 K"}, {-1, "910   "}};
    for (const auto& [steps, shown] : ress) {
        step("UPDTimingRes", steps);
        EXPECT_EQ(w.text("TXTTimingRes") + " " + unit("CBOTimingResMult"), shown);
    }
    uitest::pick(w.list("CBOTimingResMult"), 1);
    step("UPDTimingRes", 1);  // 910 K up is 1 M, and at M it wraps in M
    EXPECT_EQ(w.text("TXTTimingRes") + " " + unit("CBOTimingResMult"), "1 M");
    step("UPDTimingRes", 72);
    EXPECT_EQ(w.text("TXTTimingRes") + " " + unit("CBOTimingResMult"), "1 M");
}

TEST_F(CapacitorsPage, TypedTextsDoNotMoveTheButtons) {
    type(w.box("TXTTimingCap"), QStringLiteral("47"));
    step("UPDTimingCap", 1);  // from the button's "10", not from 47
    EXPECT_EQ(w.text("TXTTimingCap"), "15");
    step("UPDTimingCap", 9);
    type(w.box("TXTTimingCap"), QStringLiteral("1"));  // position 16 and the text "1"
    step("UPDTimingCap", 1);
    EXPECT_EQ(w.text("TXTTimingCap") + " " + unit("CBOTimingCapMult"), "680 nF");
    step("UPDTimingTime", -90);
    type(w.box("TXTTimingTime"), QStringLiteral("1.0"));  // the time rule compares numbers
    step("UPDTimingTime", -1);
    EXPECT_EQ(w.text("TXTTimingTime") + " " + unit("CBOTimingTimeMult"), "990 us");
}

TEST_F(CapacitorsPage, AnyTextLeavesOnlyNumbersOnScreenAndThePageRecovers) {
    type(w.box("TXTTimingRes"), QString());  // T = 0: the discharge is over
    EXPECT_EQ(outputs(), " 0v| 10v");
    type(w.box("TXTTimingTime"), QStringLiteral("0"));  // 0 / 0
    EXPECT_EQ(outputs(), "|");
    EXPECT_EQ(marker(), 2970);
    const QString hostile[] = {QStringLiteral("abc"), QStringLiteral("--5"),  QStringLiteral("-1E400"),
                               QStringLiteral("&HFFFF"), QStringLiteral("   "), QStringLiteral("\u03bb\u20ac\u4e2d"),
                               QStringLiteral("1E-400"), QString(10000, QLatin1Char('9'))};
    for (const char* b : {"TXTTimingSupply", "TXTTimingTime", "TXTTimingCap", "TXTTimingRes"})
        for (const QString& text : hostile) {
            w.box(b)->setText(text);
            EXPECT_EQ(outputs().find_first_not_of("0123456789.-+E v|"), std::string::npos) << b << outputs();
        }
    for (const char* b : {"TXTTimingSupply", "TXTTimingTime", "TXTTimingCap"}) type(w.box(b), QStringLiteral("10"));
    type(w.box("TXTTimingRes"), QStringLiteral("1"));
    EXPECT_EQ(outputs(), " 3.67v| 6.32v");
    EXPECT_EQ(timeLabel(), (kit::TwipRect{420, 2040, 465, 195}));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CapacitorsPage, SpeakableNamesAndKeyboardOrder) {
    const char* order[] = {"TXTTimingSupply", "UPDTimingSupply", "TXTTimingTime", "UPDTimingTime",
                           "CBOTimingTimeMult", "TXTTimingCap",  "UPDTimingCap",  "CBOTimingCapMult",
                           "TXTTimingRes",    "UPDTimingRes",    "CBOTimingResMult"};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        QWidget* from = w.get<QWidget>(order[i]);
        EXPECT_FALSE(from->accessibleName().isEmpty()) << order[i];
        if (i + 1 == std::size(order)) break;
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(w.focused(), w.get<QWidget>(order[i + 1])) << order[i];
    }
    for (const char* l : {"LBLCapVout1", "LBLCapVout2", "LBLCapVolt"})
        EXPECT_FALSE(w.label(l)->accessibleName().isEmpty()) << l;
    QTest::keyClick(w.spin("UPDTimingTime"), Qt::Key_Up);  // arrow keys step as the arrows do
    EXPECT_EQ(w.text("TXTTimingTime"), "11");
    EXPECT_TRUE(w.label("LBLCapVout1")->textInteractionFlags() & Qt::TextSelectableByMouse);
}

}  // namespace
