#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pages/capacitors/capacitors_calc.h"
#include "tests/support/ui_driver.h"

namespace {

using uitest::type;

class CapacitorsPage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows get their size when shown
        w.showTab("Capacitors");
    }

    void up(const char* spin, int times = 1) {
        for (int i = 0; i < times; ++i) uitest::click(w.spin(spin)->upArrow());
    }
    void down(const char* spin, int times = 1) {
        for (int i = 0; i < times; ++i) uitest::click(w.spin(spin)->downArrow());
    }
    std::string unit(const char* list) const { return w.list(list)->currentText().toStdString(); }
    int marker() const { return w.line("LINCapVolt")->x1(); }
    kit::TwipRect timeLabel() const { return kit::twipRect(w.label("LBLCapVolt")); }
    bool timeLabelRight() const { return (w.label("LBLCapVolt")->alignment() & Qt::AlignRight) != 0; }

    uitest::Window w;
};

TEST_F(CapacitorsPage, OpensOnTenMillisecondsOfTenMicrofaradsThroughOneK) {
    EXPECT_EQ(w.get<QGroupBox>("FrmCapacitor")->title(), "Capacitor Timings ");
    EXPECT_EQ(w.text("TXTTimingSupply"), "10");
    EXPECT_EQ(w.text("TXTTimingTime"), "10");
    EXPECT_EQ(w.text("TXTTimingCap"), "10");
    EXPECT_EQ(w.text("TXTTimingRes"), "1");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "ms");
    EXPECT_EQ(unit("CBOTimingCapMult"), "uF");
    EXPECT_EQ(unit("CBOTimingResMult"), "K");
    EXPECT_EQ(w.list("CBOTimingResMult")->itemText(0), "  ");
    EXPECT_EQ(w.list("CBOTimingTimeMult")->count(), 4);
    EXPECT_EQ(w.list("CBOTimingCapMult")->count(), 4);
    EXPECT_EQ(w.list("CBOTimingResMult")->count(), 3);

    // T = 10 ms: e^-1 of 10 V is 3.679 V, the rest 6.321 V, both cut to hundredths.
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.67v");
    EXPECT_EQ(w.caption("LBLCapVout2"), " 6.32v");
    EXPECT_EQ(marker(), 630);
    EXPECT_EQ(w.line("LINCapVolt")->x2(), 630);
    EXPECT_EQ(w.line("LINCapVolt")->y1(), 180);
    EXPECT_EQ(w.line("LINCapVolt")->y2(), 2100);
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms");
    EXPECT_EQ(timeLabel(), (kit::TwipRect{420, 2040, 465, 195}));
    EXPECT_FALSE(timeLabelRight());

    EXPECT_EQ(w.spin("UPDTimingSupply")->value(), 100);
    EXPECT_EQ(w.spin("UPDTimingTime")->value(), 100);
    EXPECT_EQ(w.spin("UPDTimingCap")->value(), 6);
    EXPECT_EQ(w.spin("UPDTimingRes")->value(), 0);
    EXPECT_FALSE(w.spin("UPDTimingSupply")->wraps());
    EXPECT_TRUE(w.spin("UPDTimingTime")->wraps());

    EXPECT_EQ(w.caption("LBLCapVs1"), "10v");
    EXPECT_EQ(w.caption("LBLCapVs2"), "10v");
    EXPECT_EQ(w.caption("Label48"), "0v");
    EXPECT_EQ(w.caption("Label49"), "0v");
    EXPECT_EQ(w.caption("Label44"), "Resistor");
    EXPECT_EQ(w.caption("Label45"), "Capacitor");
    EXPECT_EQ(w.caption("Label46"), "Time");
    EXPECT_EQ(w.caption("Label47"), "Vsupply");
    EXPECT_EQ(w.caption("Label51"), "Formula:                       V = Vo Exp(-t/T)");
}

TEST_F(CapacitorsPage, PicturesSitWhereTheLabelsExpectThem) {
    EXPECT_EQ(w.picture("Image2")->rect(), (kit::TwipRect{450, 720, 960, 1890}));
    EXPECT_EQ(w.picture("Image3")->rect(), (kit::TwipRect{1830, 720, 1110, 1890}));
    EXPECT_EQ(w.picture("Image1")->rect(), (kit::TwipRect{160, 270, 2850, 1695}));
    for (const char* name : {"Image1", "Image2", "Image3"}) EXPECT_TRUE(w.picture(name)->isValid()) << name;
    // The graph, its marker and time label live in the graph frame.
    auto* graph = w.get<QGroupBox>("FrmGraph");
    EXPECT_EQ(w.label("LBLCapVolt")->parentWidget(), graph);
    EXPECT_EQ(w.get<QGroupBox>("FrmCapacitor"), graph->parentWidget());
    EXPECT_EQ(graph->findChild<kit::Line*>("LINCapVolt"), w.line("LINCapVolt"));
}

TEST_F(CapacitorsPage, TheMarkerMeetsTheCurvesAtWholeTimeConstants) {
    // Render the graph art as laid out (1 pixel per twip) and look down the
    // marker's column for the red falling curve at e^-n and the blue rising
    // one at 1 - e^-n. In the picture, 1 is at y 120 and 0 at y 1380.
    QSvgRenderer art(QStringLiteral(":/assets/capacitor_graph.svg"));
    ASSERT_TRUE(art.isValid());
    QImage img(2850, 1695, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        art.render(&p, QRectF(0, 0, 2850, 1695));
    }
    const struct {
        const char* ms;  // with T = 10 ms
        double falling;  // e^-n
    } rows[] = {{"10", 0.3679}, {"20", 0.1353}, {"30", 0.0498}, {"50", 0.0067}};
    for (const auto& r : rows) {
        type(w.box("TXTTimingTime"), QString::fromLatin1(r.ms));
        const int x = marker() - 160;  // picture left in the graph frame
        auto colourNear = [&](double fraction, auto test) {
            const int y = static_cast<int>(std::lround(1380 - 1260 * fraction));
            for (int dy = -20; dy <= 20; ++dy)
                if (test(QColor(img.pixel(x, y + dy)))) return true;
            return false;
        };
        auto red = [](QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; };
        auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 140 && c.green() > 120; };
        EXPECT_TRUE(colourNear(r.falling, red)) << r.ms << " ms";
        EXPECT_TRUE(colourNear(1 - r.falling, blue)) << r.ms << " ms";
    }
}

TEST_F(CapacitorsPage, TabGivesTheTimeBoxTheFocus) {
    w.showTab("Resistors");
    w.showTab("Capacitors");
    EXPECT_EQ(w.focused(), w.box("TXTTimingTime"));
}

TEST_F(CapacitorsPage, EveryTypedChangeOrUnitPickRecomputes) {
    struct Row {
        const char* name;
        const char* box;
        const char* text;
        const char* vout1;
        const char* vout2;
        int marker;
        const char* caption;
    };
    // Each row starts from the opening state: 10 V, 10 ms, 10 uF, 1 K.
    const Row rows[] = {
        {"time zero", "TXTTimingTime", "0", " 10v", " 0v", 270, "0ms"},
        {"supply 5", "TXTTimingSupply", "5", " 1.83v", " 3.16v", 630, "10ms"},
        {"supply 1", "TXTTimingSupply", "1", " .36v", " .63v", 630, "10ms"},
        {"4k7 reads as 4", "TXTTimingRes", "4k7", " 7.78v", " 2.21v", 360, "10ms"},
        // 1000 K: T = 10 s, so 10 ms is .001 T and e^-.001 = .999
        {"1E3 reads as 1000", "TXTTimingRes", "1E3", " 9.99v", " 0v", 270, "10ms"},
        {"time with blanks", "TXTTimingTime", " 5 ", " 6.06v", " 3.93v", 450, "5ms"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        uitest::Window fresh;
        type(fresh.box(r.box), QString::fromLatin1(r.text));
        EXPECT_EQ(fresh.caption("LBLCapVout1"), r.vout1);
        EXPECT_EQ(fresh.caption("LBLCapVout2"), r.vout2);
        EXPECT_EQ(fresh.line("LINCapVolt")->x1(), r.marker);
        EXPECT_EQ(fresh.caption("LBLCapVolt"), r.caption);
    }

    // A unit pick alone refreshes: 10 s is far beyond 7.5 x 10 ms.
    uitest::pick(w.list("CBOTimingTimeMult"), 3);
    EXPECT_EQ(w.caption("LBLCapVout1"), " 0v");
    EXPECT_EQ(w.caption("LBLCapVout2"), " 10v");
    EXPECT_EQ(w.caption("LBLCapVolt"), "10s>>");
    uitest::pick(w.list("CBOTimingCapMult"), 3);  // 10 mF: T = 10 s, t = T again
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.67v");
    EXPECT_EQ(marker(), 630);
}

TEST_F(CapacitorsPage, TimeLabelFollowsTheMarkerAndStaysInsideTheGraph) {
    type(w.box("TXTTimingCap"), QStringLiteral("1"));  // T = 1 ms
    type(w.box("TXTTimingTime"), QStringLiteral("7.5"));
    EXPECT_EQ(marker(), 2970);  // the last point of the graph, still on it
    EXPECT_EQ(timeLabel(), (kit::TwipRect{2570, 2040, 465, 195}));  // 2760 pulled back
    EXPECT_FALSE(timeLabelRight());
    EXPECT_EQ(w.caption("LBLCapVolt"), "7.5ms");

    type(w.box("TXTTimingTime"), QStringLiteral("10"));
    EXPECT_EQ(marker(), 2970);
    EXPECT_EQ(timeLabel(), (kit::TwipRect{2380, 2040, 645, 195}));
    EXPECT_TRUE(timeLabelRight());
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms>>");

    type(w.box("TXTTimingTime"), QStringLiteral("2"));  // back on the graph at 2 T
    EXPECT_EQ(marker(), 990);
    EXPECT_EQ(timeLabel(), (kit::TwipRect{780, 2040, 465, 195}));
    EXPECT_FALSE(timeLabelRight());
    EXPECT_EQ(w.caption("LBLCapVolt"), "2ms");
}

TEST_F(CapacitorsPage, SupplyButtonStepsTenthsStopsAtItsEndsAndSetsTheLabels) {
    down("UPDTimingSupply");
    EXPECT_EQ(w.text("TXTTimingSupply"), "9.9");
    EXPECT_EQ(w.caption("LBLCapVs1"), "9.9v");
    EXPECT_EQ(w.caption("LBLCapVs2"), "9.9v");
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.64v");  // 9.9 x .367879 = 3.642

    down("UPDTimingSupply", 98);
    EXPECT_EQ(w.text("TXTTimingSupply"), ".1");
    EXPECT_EQ(w.caption("LBLCapVs1"), ".1v");
    down("UPDTimingSupply");
    EXPECT_EQ(w.text("TXTTimingSupply"), ".1");
    EXPECT_EQ(w.spin("UPDTimingSupply")->value(), 1);

    up("UPDTimingSupply", 149);
    EXPECT_EQ(w.text("TXTTimingSupply"), "15");
    up("UPDTimingSupply");
    EXPECT_EQ(w.text("TXTTimingSupply"), "15");
    EXPECT_EQ(w.caption("LBLCapVs2"), "15v");

    // A typed supply changes the outputs, not the labels at the terminals.
    type(w.box("TXTTimingSupply"), QStringLiteral("5"));
    EXPECT_EQ(w.caption("LBLCapVout1"), " 1.83v");
    EXPECT_EQ(w.caption("LBLCapVs1"), "15v");
}

TEST_F(CapacitorsPage, TimeButtonWalksTheSequenceAndTheUnits) {
    down("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "9.9");
    up("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "10");

    down("UPDTimingTime", 90);
    EXPECT_EQ(w.text("TXTTimingTime"), "1");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "ms");
    down("UPDTimingTime");  // 1 ms down is 990 us
    EXPECT_EQ(w.text("TXTTimingTime"), "990");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "us");
    EXPECT_EQ(w.caption("LBLCapVolt"), "990us");
    EXPECT_EQ(marker(), 306);  // 0.099 T: 270 + 35.6
    up("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "1");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "ms");

    up("UPDTimingTime", 179);  // through 9.9, 10 ... 99
    EXPECT_EQ(w.text("TXTTimingTime"), "99");
    up("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "100");

    // At the ends of the units it wraps within the unit.
    uitest::pick(w.list("CBOTimingTimeMult"), 0);
    down("UPDTimingTime", 180);
    EXPECT_EQ(w.text("TXTTimingTime"), "1");
    down("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "990");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "ns");
    uitest::pick(w.list("CBOTimingTimeMult"), 3);
    up("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "1");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "s");
}

TEST_F(CapacitorsPage, CapacitanceButtonWalksTheE6SeriesAcrossUnits) {
    down("UPDTimingCap", 6);
    EXPECT_EQ(w.text("TXTTimingCap"), "1");
    EXPECT_EQ(unit("CBOTimingCapMult"), "uF");
    down("UPDTimingCap");  // 1 uF down is 680 nF
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    EXPECT_EQ(unit("CBOTimingCapMult"), "nF");
    down("UPDTimingCap", 17);
    EXPECT_EQ(w.text("TXTTimingCap"), "1");
    down("UPDTimingCap");  // 1 nF down is 680 pF
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    EXPECT_EQ(unit("CBOTimingCapMult"), "pF");
    down("UPDTimingCap", 17);
    down("UPDTimingCap");  // nothing below pF: 1 pF wraps to 680 pF
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    EXPECT_EQ(unit("CBOTimingCapMult"), "pF");
    // 680 pF x 1 K is 0.68 us: 10 ms is far beyond.
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms>>");

    uitest::pick(w.list("CBOTimingCapMult"), 2);
    up("UPDTimingCap");  // 680 uF up is 1 mF
    EXPECT_EQ(w.text("TXTTimingCap"), "1");
    EXPECT_EQ(unit("CBOTimingCapMult"), "mF");
    up("UPDTimingCap", 17);
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    up("UPDTimingCap");  // nothing above mF
    EXPECT_EQ(w.text("TXTTimingCap"), "1");
    EXPECT_EQ(unit("CBOTimingCapMult"), "mF");
}

TEST_F(CapacitorsPage, ResistanceButtonWalksTheE24SeriesAcrossUnits) {
    down("UPDTimingRes");  // 1 K down is 910 ohms
    EXPECT_EQ(w.text("TXTTimingRes"), "910");
    EXPECT_EQ(unit("CBOTimingResMult"), "  ");
    // 910 ohms x 10 uF = 9.1 ms: 10 ms is 1.0989 T, e^-1.0989 = .3333.
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.33v");

    uitest::pick(w.list("CBOTimingResMult"), 1);
    up("UPDTimingRes");  // 910 K up is 1 M
    EXPECT_EQ(w.text("TXTTimingRes"), "1");
    EXPECT_EQ(unit("CBOTimingResMult"), "M");
    down("UPDTimingRes");
    uitest::pick(w.list("CBOTimingResMult"), 2);
    up("UPDTimingRes");  // nothing above M
    EXPECT_EQ(w.text("TXTTimingRes"), "1");
    EXPECT_EQ(unit("CBOTimingResMult"), "M");
    up("UPDTimingRes", 24);
    EXPECT_EQ(w.text("TXTTimingRes"), "10");
}

TEST_F(CapacitorsPage, TypedTextsDoNotMoveTheButtons) {
    type(w.box("TXTTimingCap"), QStringLiteral("47"));
    EXPECT_EQ(w.spin("UPDTimingCap")->value(), 6);
    up("UPDTimingCap");  // continues from "10", not from 47
    EXPECT_EQ(w.text("TXTTimingCap"), "15");

    // The unit rule looks at the position and the old text only: typed "1"
    // with the button one below its top goes to 680 of the unit below.
    up("UPDTimingCap", 9);
    EXPECT_EQ(w.spin("UPDTimingCap")->value(), 16);
    type(w.box("TXTTimingCap"), QStringLiteral("1"));
    up("UPDTimingCap");
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    EXPECT_EQ(unit("CBOTimingCapMult"), "nF");

    // The capacitance rule compares texts: "1.0" is not "1".
    down("UPDTimingCap", 17);
    type(w.box("TXTTimingCap"), QStringLiteral("1.0"));
    down("UPDTimingCap");
    EXPECT_EQ(w.text("TXTTimingCap"), "680");
    EXPECT_EQ(unit("CBOTimingCapMult"), "nF");

    // The time rule compares numbers: "1.0" counts as 1.
    down("UPDTimingTime", 90);
    type(w.box("TXTTimingTime"), QStringLiteral("1.0"));
    down("UPDTimingTime");
    EXPECT_EQ(w.text("TXTTimingTime"), "990");
    EXPECT_EQ(unit("CBOTimingTimeMult"), "us");
}

TEST_F(CapacitorsPage, NoFiniteValueShowsNothingAndRecovers) {
    type(w.box("TXTTimingRes"), QString());  // T = 0: the discharge is over
    EXPECT_EQ(w.caption("LBLCapVout1"), " 0v");
    EXPECT_EQ(w.caption("LBLCapVout2"), " 10v");
    EXPECT_EQ(marker(), 2970);
    EXPECT_EQ(w.caption("LBLCapVolt"), "10ms>>");

    type(w.box("TXTTimingTime"), QStringLiteral("0"));  // 0 / 0
    EXPECT_EQ(w.caption("LBLCapVout1"), "");
    EXPECT_EQ(w.caption("LBLCapVout2"), "");
    EXPECT_EQ(marker(), 2970);

    type(w.box("TXTTimingRes"), QStringLiteral("1"));
    type(w.box("TXTTimingTime"), QStringLiteral("-1E300"));  // e^(huge)
    EXPECT_EQ(w.caption("LBLCapVout1"), "");
    EXPECT_EQ(w.caption("LBLCapVout2"), "");

    type(w.box("TXTTimingTime"), QStringLiteral("10"));
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.67v");
    EXPECT_EQ(w.caption("LBLCapVout2"), " 6.32v");
    EXPECT_EQ(marker(), 630);
    EXPECT_EQ(timeLabel(), (kit::TwipRect{420, 2040, 465, 195}));
    EXPECT_FALSE(timeLabelRight());
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CapacitorsPage, AnyTypedTextLeavesOnlyNumbersOnScreen) {
    const QString hostile[] = {
        QStringLiteral("abc"),     QStringLiteral("1.2.3"),       QStringLiteral("--5"),
        QStringLiteral("1e999"),   QStringLiteral("-1E400"),      QStringLiteral("1D5"),
        QStringLiteral("&HFFFF"),  QStringLiteral("   "),         QStringLiteral("\u03bb\u20ac\u4e2d"),
        QStringLiteral("E"),       QStringLiteral("..."),         QStringLiteral("1E-400"),
        QString(10000, QLatin1Char('9')),
    };
    const char* boxes[] = {"TXTTimingSupply", "TXTTimingTime", "TXTTimingCap", "TXTTimingRes"};
    for (const char* b : boxes) {
        for (const QString& text : hostile) {
            w.box(b)->setText(text);
            for (const char* out : {"LBLCapVout1", "LBLCapVout2"}) {
                const std::string shown = w.caption(out);
                EXPECT_TRUE(shown.empty() || (shown.back() == 'v' &&
                                              shown.find_first_not_of("0123456789.-+E v") == std::string::npos))
                    << b << " <- " << text.left(20).toStdString() << ": " << shown;
            }
            EXPECT_GE(marker(), ohm::kMarkerFloorX);
            EXPECT_LE(marker(), 2970);
        }
        w.box(b)->setText(b == std::string("TXTTimingRes") ? QStringLiteral("1") : QStringLiteral("10"));
    }
    EXPECT_EQ(w.caption("LBLCapVout1"), " 3.67v");
}

TEST_F(CapacitorsPage, SpeakableNamesAndKeyboardOrder) {
    const char* named[] = {"TXTTimingSupply", "UPDTimingSupply", "TXTTimingTime",  "UPDTimingTime",
                           "CBOTimingTimeMult", "TXTTimingCap",  "UPDTimingCap",   "CBOTimingCapMult",
                           "TXTTimingRes",    "UPDTimingRes",    "CBOTimingResMult", "LBLCapVout1",
                           "LBLCapVout2",     "LBLCapVolt"};
    for (const char* n : named) EXPECT_FALSE(w.get<QWidget>(n)->accessibleName().isEmpty()) << n;
    // Tab runs through the inputs left to right (the three labels are not stops).
    for (int i = 0; i + 1 < static_cast<int>(std::size(named)) - 3; ++i) {
        QWidget* from = w.get<QWidget>(named[i]);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(w.focused(), w.get<QWidget>(named[i + 1])) << named[i];
    }

    // The arrow keys step a focused spin button as the arrows do.
    QTest::keyClick(w.spin("UPDTimingTime"), Qt::Key_Up);
    EXPECT_EQ(w.text("TXTTimingTime"), "11");
    EXPECT_TRUE(w.label("LBLCapVout1")->textInteractionFlags() & Qt::TextSelectableByMouse);
}

}  // namespace
