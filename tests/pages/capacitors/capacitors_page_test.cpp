#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/ui_driver.h"

namespace {

class CapacitorsPage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows are sized when shown
        w.showTab("Capacitors");
    }
    int marker() const { return w.line("LINCapVolt")->x1(); }
    // Outputs, time label, marker, label left+width and justification: " 3.67v| 6.32v 10ms 630 420+465L".
    std::string screen() const {
        const kit::TwipRect r = kit::twipRect(w.label("LBLCapVolt"));
        const bool right = (w.label("LBLCapVolt")->alignment() & Qt::AlignRight) != 0;
        return w.caption("LBLCapVout1") + "|" + w.caption("LBLCapVout2") + " " + w.caption("LBLCapVolt") + " " +
               std::to_string(marker()) + " " + std::to_string(r.left) + "+" + std::to_string(r.width) +
               (right ? "R" : "L");
    }
    // "Supply", "Time", "Cap" or "Res": its box, then the two supply labels or the unit.
    std::string shown(const std::string& what) const {
        const std::string text = w.text(("TXTTiming" + what).c_str()) + " ";
        if (what == "Supply") return text + w.caption("LBLCapVs1") + w.caption("LBLCapVs2");
        return text + w.list(("CBOTiming" + what + "Mult").c_str())->currentText().toStdString();
    }

    uitest::Window w;
};

TEST_F(CapacitorsPage, OpensOnTenMillisecondsOfTenMicrofaradsThroughOneK) {
    EXPECT_EQ(shown("Supply") + "|" + shown("Time") + "|" + shown("Cap") + "|" + shown("Res"),
              "10 10v10v|10 ms|10 uF|1 K");
    EXPECT_EQ(screen(), " 3.67v| 6.32v 10ms 630 420+465L");
    EXPECT_EQ(kit::twipRect(w.label("LBLCapVolt")), (kit::TwipRect{420, 2040, 465, 195}));
    const QFontMetrics fm(w.label("LBLCapVolt")->font());  // the longest stepped times fit their label
    EXPECT_LE(fm.horizontalAdvance(QStringLiteral("990ms>>")), kit::px(645));
    EXPECT_LE(fm.horizontalAdvance(QStringLiteral("100ms")), kit::px(465));
}

TEST_F(CapacitorsPage, TheMarkerMeetsTheCurvesAtWholeTimeConstants) {
    EXPECT_EQ(w.picture("Image1")->rect(), (kit::TwipRect{160, 270, 2850, 1695}));
    EXPECT_TRUE(w.picture("Image2")->isValid() && w.picture("Image3")->isValid());
    // The art at one pixel per twip: 1 is at y 120, 0 at y 1380; look down the
    // marker's column for red at e^-n and light blue at 1 - e^-n.
    QImage img(2850, 1695, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    QSvgRenderer(QStringLiteral(":/assets/capacitor_graph.svg")).render(&painter, QRectF(0, 0, 2850, 1695));
    painter.end();
    const std::pair<const char*, double> rows[] = {{"10", .3679}, {"20", .1353}, {"50", .0067}};
    for (const auto& [ms, falling] : rows) {
        uitest::type(w.box("TXTTimingTime"), QString::fromLatin1(ms));
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

TEST_F(CapacitorsPage, TabFocusesTheTimeAndEveryBoxAndListRecomputes) {
    w.showTab("Resistors");
    w.showTab("Capacitors");
    EXPECT_EQ(w.focused(), w.box("TXTTimingTime"));
    // Each row changes what is shown, so a control left unconnected fails its row.
    const struct { const char *control, *typed; int picked; const char* screen; } rows[] = {
        {"TXTTimingTime", "100", 0, " 0v| 9.99v 100ms>> 2970 2380+645R"},  // 10 T: beyond the graph
        {"TXTTimingTime", "20", 0, " 1.35v| 8.64v 20ms 990 780+465L"},     // 2 T
        {"TXTTimingSupply", "5", 0, " .67v| 4.32v 20ms 990 780+465L"},
        {"TXTTimingRes", "4k7", 0, " 3.03v| 1.96v 20ms 450 240+465L"},  // reads as 4 K: T / 2
        {"CBOTimingResMult", nullptr, 0, " 0v| 5v 20ms>> 2970 2380+645R"},  // 4 ohms: T = 40 us
        {"CBOTimingTimeMult", nullptr, 1, " 3.03v| 1.96v 20us 450 240+465L"},
        {"CBOTimingCapMult", nullptr, 1, " 0v| 5v 20us>> 2970 2380+645R"},
        {"TXTTimingCap", "10000", 0, " 3.03v| 1.96v 20us 450 240+465L"},
        // No time constant: the discharge is over; then 0 / 0 has no value; then back.
        {"TXTTimingRes", "", 0, " 0v| 5v 20us>> 2970 2380+645R"},
        {"TXTTimingTime", "0", 0, "| 0us>> 2970 2380+645R"},
        {"TXTTimingRes", "4", 0, " 5v| 0v 0us 270 60+465L"},
    };
    for (const auto& r : rows) {
        if (r.typed) uitest::type(w.box(r.control), QString::fromLatin1(r.typed));
        else uitest::pick(w.list(r.control), r.picked);
        EXPECT_EQ(screen(), r.screen) << r.control << " " << (r.typed ? r.typed : "picked");
    }
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CapacitorsPage, ButtonsWalkTheirSequencesAcrossUnits) {
    // A typed text goes in first, then a picked unit, then the button steps (down below 0).
    const struct { const char *what, *typed; int picked, steps; const char* shown; } rows[] = {
        // The supply stops at .1 and 15; only its button writes the supply labels.
        {"Supply", nullptr, -1, -1, "9.9 9.9v9.9v"}, {"Supply", nullptr, -1, -99, ".1 .1v.1v"},
        {"Supply", nullptr, -1, 160, "15 15v15v"},   {"Supply", "5", -1, 0, "5 15v15v"},
        {"Time", nullptr, -1, -1, "9.9 ms"},  {"Time", nullptr, -1, -89, "1 ms"}, {"Time", nullptr, -1, -1, "990 us"},
        {"Time", nullptr, -1, 1, "1 ms"},     {"Time", nullptr, -1, 179, "99 ms"}, {"Time", nullptr, -1, 1, "100 ms"},
        {"Time", nullptr, 0, -181, "990 ns"},  // nothing below ns: 1 wraps to 990 ns
        // Typed 990.0 counts as 990 (the time rule compares numbers); the button steps from its own 990.
        {"Time", "990.0", -1, 1, "1 us"},
        // The series rules compare texts, and the button ignores what was typed.
        {"Cap", "47", -1, 1, "15 uF"}, {"Cap", nullptr, -1, 9, "470 uF"}, {"Cap", "1", -1, 1, "680 nF"},
        {"Cap", nullptr, -1, -18, "680 pF"}, {"Cap", nullptr, -1, -18, "680 pF"}, {"Cap", nullptr, -1, 1, "1 nF"},
        {"Res", nullptr, -1, -1, "910   "}, {"Res", nullptr, -1, 1, "1 K"}, {"Res", nullptr, -1, -1, "910   "},
        {"Res", nullptr, 1, 1, "1 M"},      {"Res", nullptr, -1, 72, "1 M"},  // at M it wraps in M
    };
    for (const auto& r : rows) {
        const std::string what = r.what;
        if (r.typed) uitest::type(w.box(("TXTTiming" + what).c_str()), QString::fromLatin1(r.typed));
        if (r.picked >= 0) uitest::pick(w.list(("CBOTiming" + what + "Mult").c_str()), r.picked);
        kit::SpinButton* spin = w.spin(("UPDTiming" + what).c_str());
        for (int i = 0; i < std::abs(r.steps); ++i) uitest::click(r.steps > 0 ? spin->upArrow() : spin->downArrow());
        EXPECT_EQ(shown(what), r.shown) << what << " " << r.steps;
    }
    // The stepped texts refresh too: 1 us of T = 1 nF x 1 M = 1 ms leaves 5 e^-.001 = 4.995.
    EXPECT_EQ(w.caption("LBLCapVout1"), " 4.99v");
}

TEST_F(CapacitorsPage, SpeakableNamesAndKeyboardOrder) {
    const char* order[] = {"TXTTimingSupply", "UPDTimingSupply", "TXTTimingTime", "UPDTimingTime",
                           "CBOTimingTimeMult", "TXTTimingCap",  "UPDTimingCap",  "CBOTimingCapMult",
                           "TXTTimingRes",    "UPDTimingRes",    "CBOTimingResMult"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* from = w.get<QWidget>(order[i]);
        EXPECT_FALSE(from->accessibleName().isEmpty()) << order[i];
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(w.focused(), w.get<QWidget>(order[i + 1])) << order[i];
    }
    for (const char* l : {"CBOTimingResMult", "LBLCapVout1", "LBLCapVout2", "LBLCapVolt"})
        EXPECT_FALSE(w.get<QWidget>(l)->accessibleName().isEmpty()) << l;
}

}  // namespace
