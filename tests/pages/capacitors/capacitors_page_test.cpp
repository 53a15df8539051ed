#include <QTest>
#include <QToolButton>

#include "tests/support/ui_driver.h"

namespace {

class CapacitorsPage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows are sized when shown
        w.showTab("Capacitors");
    }
    // Outputs, time label, marker, label left+width and justification: " 3.67v| 6.32v 10ms 630 420+465L".
    std::string screen() const {
        QLabel* time = w.label("Time marked on the graph");
        const kit::TwipRect r = kit::twipRect(time);
        return w.caption("Discharging capacitor voltage") + "|" + w.caption("Charging capacitor voltage") + " " +
               w.caption("Time marked on the graph") + " " + std::to_string(w.line("timeMarker")->x1()) + " " +
               std::to_string(r.left) + "+" + std::to_string(r.width) + (time->alignment() & Qt::AlignRight ? "R" : "L");
    }
    uitest::Window w;
};

TEST_F(CapacitorsPage, OpensOnTenMillisecondsAndTheTabFocusesTheTime) {
    EXPECT_EQ(screen(), " 3.67v| 6.32v 10ms 630 420+465L");  // 10 ms of 10 uF through 1 K: 10 e^-1 = 3.679
    w.showTab("Resistors");
    w.showTab("Capacitors");
    EXPECT_EQ(w.focused(), w.box("Time after switching"));
}

TEST_F(CapacitorsPage, EveryBoxAndListRecomputes) {
    // Each row changes what is shown, so a control left unconnected fails its row.
    const struct { const char *control, *typed; int picked; const char* screen; } rows[] = {
        {"Time after switching", "100", 0, " 0v| 9.99v 100ms>> 2970 2380+645R"},  // 10 T: beyond the graph
        {"Time after switching", "20", 0, " 1.35v| 8.64v 20ms 990 780+465L"},     // 2 T
        {"Supply voltage, volts", "5", 0, " .67v| 4.32v 20ms 990 780+465L"},
        {"Resistance", "4k7", 0, " 3.03v| 1.96v 20ms 450 240+465L"},  // reads as 4 K: T / 2
        {"Resistance unit", nullptr, 0, " 0v| 5v 20ms>> 2970 2380+645R"},  // 4 ohms: T = 40 us
        {"Time unit", nullptr, 1, " 3.03v| 1.96v 20us 450 240+465L"},
        {"Capacitance unit", nullptr, 1, " 0v| 5v 20us>> 2970 2380+645R"},
        {"Capacitance", "10000", 0, " 3.03v| 1.96v 20us 450 240+465L"},
    };
    for (const auto& r : rows) {
        if (r.typed) uitest::type(w.box(r.control), QString::fromLatin1(r.typed));
        else uitest::pick(w.list(r.control), r.picked);
        EXPECT_EQ(screen(), r.screen) << r.control;
    }
}

TEST_F(CapacitorsPage, ButtonsStepTheirValuesAndCarryIntoTheNextUnit) {
    // Each button pressed down from the start: its box, then its unit (or, for the supply, its labels).
    const struct { const char *spin; int presses; const char *box, *unit, *shown; } rows[] = {
        {"Supply voltage step", 1, "Supply voltage, volts", "Supply, charging circuit", "9.9 9.9v"},
        {"Supply voltage step", 99, "Supply voltage, volts", "Supply, charging circuit", ".1 .1v"},  // no wrap to 15
        {"Time step", 91, "Time after switching", "Time unit", "990 us"},  // 10, 9.9 ... 1 ms, then 990 us
        {"Capacitance step", 7, "Capacitance", "Capacitance unit", "680 nF"},  // 10, 6.8 ... 1 uF, then 680 nF
        {"Resistance step", 1, "Resistance", "Resistance unit", "910   "},  // 1 K, then 910 ohms
    };
    for (const auto& r : rows) {
        for (int i = 0; i < r.presses; ++i) uitest::click(w.spin(r.spin)->downArrow());
        const std::string unit = std::string(r.spin).starts_with("Supply") ? w.caption(r.unit) : w.list(r.unit)->currentText().toStdString();
        EXPECT_EQ(w.text(r.box) + " " + unit, r.shown) << r.spin;
    }
    uitest::click(w.spin("Time step")->upArrow());  // 1 ms of 680 nF through 910 ohms (1.6 T) from .1 V
    EXPECT_EQ(w.text("Time after switching") + " " + screen(), "1  .01v| .08v 1ms 852 642+465L");
}

}  // namespace

namespace {

// The page shows what the marking routines return: the box and unit take the value, the
// readout and codes follow, and any other change of the capacitance empties the readout.
TEST_F(CapacitorsPage, MarkingsReadByEnterAndCodesFollowTheCapacitance) {
    EXPECT_EQ(w.caption("Codes for the capacitance") + " " + w.caption("Time constant") + " " +
                  w.caption("Cut-off frequency"), "Code 106, or 10u 10 ms 15.9 Hz");
    QLineEdit* marking = w.box("Capacitor marking");
    uitest::type(marking, QStringLiteral("2A104J"));
    EXPECT_EQ(w.caption("Marking reads as"), "");  // typing alone changes nothing
    QTest::keyClick(marking, Qt::Key_Return);
    const auto shown = [this] {
        return w.text("Capacitance") + " " + w.list("Capacitance unit")->currentText().toStdString() + " | " +
               w.caption("Marking reads as") + " | " + w.caption("Codes for the capacitance") + " | " +
               w.caption("Time constant") + " " + w.caption("Charging capacitor voltage");
    };
    EXPECT_EQ(shown(), "100 nF | 100 nF ±5% (95 nF to 105 nF), 100 V | Code 104, or 100n | 100 µs  10v");
    uitest::click(w.spin("Capacitance step")->upArrow());  // stepped: the readout empties
    EXPECT_EQ(shown(), "15 nF |  | Code 153, or 15n | 15 µs  10v");
    uitest::type(marking, QStringLiteral("1 04"));  // a blank inside a number: the message, nothing else
    QTest::keyClick(marking, Qt::Key_Return);
    EXPECT_EQ(w.lastMessage().substr(0, 22), "Entry Error:  \"1 04\" i");
    EXPECT_TRUE(uitest::selectedWithFocus(w, marking));
    EXPECT_EQ(shown(), "15 nF |  | Code 153, or 15n | 15 µs  10v");
    // Typed supplies reach the pictures as the spin button writes them.
    uitest::type(w.box("Supply voltage, volts"), QStringLiteral("12"));
    EXPECT_EQ(w.caption("Supply, discharging circuit") + w.caption("Supply, charging circuit"), "12v12v");
}

}  // namespace
