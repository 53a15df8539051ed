#include <QTest>
#include <QCheckBox>
#include <QToolButton>

#include "tests/support/ui_driver.h"

namespace {

using namespace uitest;

const char *const kVs1 = "Vs1, first supply voltage", *const kVs2 = "Vs2, second supply voltage";

struct Page {
    Window w;
    Page() { w.showTab("Potential Dividers"); }
    QLineEdit* tap(int i) { return w.box(("Tap " + std::to_string(i) + " voltage").c_str()); }
    // What a person reads: the values over the resistors showing, then Vs1|Vs2|each tap showing.
    std::string shown() {
        std::string s;
        for (int i = 1; i <= 5; ++i)
            if (QLabel* l = w.label(("R" + std::to_string(i) + " value").c_str()); l->isVisibleTo(&w.form()))
                s += l->text().toStdString() + " ";
        s += "/ " + w.text(kVs1) + "|" + w.text(kVs2);
        for (int i = 1; i <= 4; ++i) s += tap(i)->isVisibleTo(&w.form()) ? "|" + tap(i)->text().toStdString() : "";
        return s;
    }
    // The drawn chain: shapes showing, tap numbers showing, and where the Vs2 box and its caption sit.
    std::string network() {
        int shapes = 0, numbers = 0;
        for (kit::Shape* s : w.group("Potential Divider Calculations")->findChildren<kit::Shape*>())
            shapes += s->isVisible();
        for (int i = 1; i <= 4; ++i) numbers += w.label(("#" + std::to_string(i)).c_str())->isVisibleTo(&w.form());
        const int vs2 = kit::twipRect(w.box(kVs2)).left, caption = kit::twipRect(w.label("Vs2")).left;
        return std::to_string(shapes) + " " + std::to_string(numbers) + " " + std::to_string(vs2) + " " +
               std::to_string(caption);
    }
    // What the chain costs as a person finds it: the two readouts, then for each resistor showing the
    // power its tooltip and its spoken description give (the same words), "!" where its body glows.
    std::string cost() {
        std::string s = w.label("Largest tap error value")->text().toStdString() + " " +
                        w.label("Chain current value")->text().toStdString();
        for (int i = 1; i <= 5; ++i) {
            QLabel* l = w.label(("R" + std::to_string(i) + " value").c_str());
            if (!l->isVisibleTo(&w.form())) continue;
            const QString spoken = QAccessible::queryAccessibleInterface(l)->text(QAccessible::Description);
            const QString tip = l->toolTip();
            s += " / " + (tip.isEmpty() || tip == spoken ? tip.toStdString() : "tooltip differs");
            const QColor fill = w.rect(("resistorBody" + std::to_string(i)).c_str())->fill();
            if (fill != l->palette().color(QPalette::Base)) s += " !";
        }
        return s;
    }
    QCheckBox* bestFit() { return qobject_cast<QCheckBox*>(w.find(QAccessible::CheckBox, "Best fit of the whole chain")); }
    void addTap() { click(w.spin("Voltage tap count")->upArrow()); }
    // 10 V to 0 V, taps asked at 7 V and 3 V, fitted to E12.
    void askSevenAndThreeInE12() {
        addTap();
        type(tap(1), QStringLiteral("7v"));
        type(tap(2), QStringLiteral("3v"));
        click(w.option("E12 series"));
    }
    void calculate() { click(w.button("Calculate resistance values")); }
};

// The caret waits in tap 1 and Enter there calculates. A failed check leaves the values shown: equal rails
// select Vs2 once Vs1 is rewritten; an empty tap is only focused, and the caret comes back to it.
TEST(DividerPage, EnterCalculatesAndAFailedCheckFocusesItsBoxAndLeavesEarlierResults) {
    Page p;
    EXPECT_EQ(p.shown() + " " + p.w.list("Divider Current")->currentText().toStdString(), "R1 R2 / 10v|0v|5v 100uA");
    EXPECT_TRUE(p.w.focused() == p.tap(1) && p.tap(1)->cursorPosition() == 1);  // between "5" and "v"
    QTest::keyClick(p.tap(1), Qt::Key_Return);
    type(p.w.box(kVs1), QStringLiteral("5"));
    type(p.w.box(kVs2), QStringLiteral("5.001"));
    p.calculate();
    EXPECT_EQ(p.w.lastMessage(), "Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!");
    EXPECT_TRUE(selectedWithFocus(p.w, p.w.box(kVs2)));
    EXPECT_EQ(p.shown(), "50K 50K / 5v|5v|5v");
    type(p.w.box(kVs2), QStringLiteral("0"));
    p.addTap();
    p.calculate();
    EXPECT_EQ(p.w.lastMessage(), "Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!");
    EXPECT_TRUE(p.w.focused() == p.tap(2) && !p.tap(2)->hasSelectedText());
    EXPECT_EQ(p.shown(), "R1 R2 R3 / 5v|0v|5v|");
    type(p.tap(1), QString());
    p.w.showTab("Resistors");
    p.w.showTab("Potential Dividers");
    EXPECT_TRUE(p.w.focused() == p.tap(1) && p.tap(1)->cursorPosition() == 0);
}

// n taps: n + 1 resistors with a wire in and out of each, n tap lines and numbers, the line over the
// drawing; Vs2 and its caption move 1050 twips along for each tap. The count stays between 1 and 4.
TEST(DividerPage, TheSpinButtonReshapesTheChain) {
    Page p;
    EXPECT_TRUE(p.w.box("Number of voltage taps")->isReadOnly());
    const char* const chains[] = {"8 1 2850 2760", "12 2 3900 3810", "16 3 4950 4860", "20 4 6000 5910"};
    kit::SpinButton* spin = p.w.spin("Voltage tap count");
    for (int n : {2, 3, 4, 4, 3, 2, 1, 1}) {
        click(n > spin->value() || n == 4 ? spin->upArrow() : spin->downArrow());
        EXPECT_EQ(p.network(), chains[n - 1]) << n;
    }
}

// Mended: a series click put the asked-for voltage back even over a tap typed since.
TEST(DividerPage, SeriesClickRestoresOnlyTapsLeftAsCalculated) {
    Page p;
    p.askSevenAndThreeInE12();
    p.calculate();
    // 30K 40K 30K fit to 27K 39K 27K, and the fitted chain really gives 7.1 V and 2.91 V.
    EXPECT_EQ(p.shown(), "27K 39K 27K / 10v|0v|7.1v|2.91v");
    pick(p.w.list("Divider Current"), 3);  // a new current clears the values, keeps the taps
    EXPECT_EQ(p.shown(), "R1 R2 R3 / 10v|0v|7.1v|2.91v");
    type(p.tap(1), QStringLiteral("6v"));  // a new wish for tap 1 stays; tap 2 gets the 3 V asked for back
    click(p.w.option("E24 series"));
    EXPECT_EQ(p.shown(), "R1 R2 R3 / 10v|0v|6v|3v");
}

// Mended: a second press measured the chain against the taps it had written, so the tap error shrank. The
// boxes still showing the fit stand for what was asked; an edited box is asked for itself. Every press shows
// the ranges under the taps and speaks them with the tap; a tolerance re-ranges the chain, a failed check empties.
TEST(DividerPage, PressingAgainMeasuresAgainstWhatWasAsked) {
    Page p;
    p.askSevenAndThreeInE12();
    auto spoken = [&p] { return QAccessible::queryAccessibleInterface(p.tap(2))->text(QAccessible::Description).toStdString(); };
    auto ranges = [&p] {
        return p.w.label("Tap 1 worst case")->text().toStdString() + " " + p.w.label("Tap 1, 95% of builds")->text().toStdString();
    };
    for (int press = 0; press < 3; ++press) {
        p.calculate();
        EXPECT_EQ(p.shown() + " / " + p.cost().substr(0, 5), "27K 39K 27K / 10v|0v|7.1v|2.91v / 97 mV") << press;
    }
    // 27K 39K 27K at 20%: tap 1 from 10 x 52.8 / 85.2 to 10 x 79.2 / 100.8, tap 2 from 21.6 / 100.8 to 32.4 / 85.2.
    pick(p.w.list("Tolerance"), 7);
    EXPECT_EQ(ranges() + " / " + spoken(),
              "6.2v–7.86v 6.52v–7.64v / Tap 2, worst case 2.14v to 3.8v, 95% of builds 2.37v to 3.46v");
    type(p.tap(1), QStringLiteral("7.09v"));  // edited taps are asked for themselves: 7.0968 misses by 7 mV
    type(p.tap(2), QStringLiteral("2.9v"));
    p.calculate();
    EXPECT_EQ(p.shown() + " / " + p.cost().substr(0, 4), "27K 39K 27K / 10v|0v|7.1v|2.91v / 7 mV");
    type(p.w.box(kVs1), QStringLiteral("1000"));
    p.calculate();
    EXPECT_EQ(ranges() + spoken(), " ");
}

// A fit on the screen: the taps the chain gives written into the boxes, the largest tap error and the current,
// each resistor's power by pointer and screen reader, a body over 0.25 W. Ticking or unticking the best fit
// brings the asked-for taps back and forgets the values and what they cost; when no chain qualifies the page
// says so, then reports each resistor over 10M, and shows the resistor-by-resistor fit.
TEST(DividerPage, ShowsTheFitWhatItCostsAndWhenNoChainQualifies) {
    Page p;
    ASSERT_TRUE(p.bestFit() != nullptr && !p.bestFit()->isChecked());
    p.addTap();
    type(p.w.box(kVs1), QStringLiteral("15v"));
    type(p.tap(1), QStringLiteral("3.5v"));
    type(p.tap(2), QStringLiteral("2.6v"));
    pick(p.w.list("Divider Current"), 3);
    click(p.w.option("E24 series"));
    click(p.bestFit());
    p.calculate();
    // 961 uA through 12K is 11.1 mW, through 910 ohms 840 uW, through 2.7K 2.49 mW.
    EXPECT_EQ(p.shown() + " / " + p.cost(), "12K 910 2.7K / 15v|0v|3.47v|2.6v / 31 mV 961 uA / Power 11.1 mW / "
                                            "Power 840 uW / Power 2.49 mW");
    click(p.bestFit());
    EXPECT_EQ(p.shown() + " / " + p.cost(), "R1 R2 R3 / 15v|0v|3.5v|2.6v /   /  /  / ");
    // 100 mA through the ideal 40, 60 and 20 ohms: 0.4 W and 0.6 W are more than a quarter-watt part takes.
    type(p.w.box(kVs1), QStringLiteral("12v"));
    type(p.tap(1), QStringLiteral("8v"));
    type(p.tap(2), QStringLiteral("2v"));
    pick(p.w.list("Divider Current"), 5);
    click(p.w.option("Ideal resistor values"));
    p.calculate();
    EXPECT_EQ(p.shown() + " / " + p.cost(), "40 60 20 / 12v|0v|8v|2v / 0 mV 100 mA / Power 400 mW, over 0.25 W ! / "
                                            "Power 600 mW, over 0.25 W ! / Power 200 mW");
    EXPECT_TRUE(p.w.messages.shown.empty());
    // 15 V over 1 uA is 15M on each side: no chain stays within 10M.
    click(p.w.spin("Voltage tap count")->downArrow());
    type(p.w.box(kVs1), QStringLiteral("30v"));
    type(p.tap(1), QStringLiteral("15v"));
    pick(p.w.list("Divider Current"), 0);
    click(p.w.option("E24 series"));
    click(p.bestFit());
    p.calculate();
    std::string said;
    for (const auto& m : p.w.messages.shown) said += m.text + "|";
    EXPECT_EQ(said, "No chain of E24 values draws within 10% of 1uA with every resistor from 0.01 ohms to 10M, so each "
                    "resistor is fitted on its own.|Resistor R1 greater than 10M|Resistor R2 greater than 10M|");
    EXPECT_EQ(p.shown(), "R1 R2 / 30v|0v|15v");
}

}  // namespace
