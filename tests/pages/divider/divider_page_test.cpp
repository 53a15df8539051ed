#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::type;

std::string Name(const char* base, int i) { return std::string(base) + "(" + std::to_string(i) + ")"; }

template <typename F>
std::string Join(int count, const char* separator, F text) {
    std::string s;
    for (int i = 0; i < count; ++i) s += (i ? separator : "") + text(i);
    return s;
}

// The rail boxes and then the four tap boxes.
enum { kVs1, kVs2, kTap1, kTap2 };
const char* const kBoxes[] = {"TxtPSupply(0)", "TxtPSupply(1)", "TXTVoltTap(0)",
                              "TXTVoltTap(1)", "TXTVoltTap(2)", "TXTVoltTap(3)"};

struct Page {
    uitest::Window w;
    Page() { w.showTab("Potential Dividers"); }

    QLineEdit* box(int i) { return w.box(kBoxes[i]); }
    // The five value labels, then Vs1|Vs2|tap 1|..|tap 4; and the messages shown so far.
    std::string shown() { return values() + " / " + boxes(); }
    std::string boxes() { return Join(6, "|", [&](int i) { return w.text(kBoxes[i]); }); }
    std::string values() { return Join(5, " ", [&](int i) { return w.caption(Name("LBLPRes", i).c_str()); }); }
    std::string messages() {
        return Join(static_cast<int>(w.messages.shown.size()), " | ", [&](int i) {
            EXPECT_EQ(w.messages.shown[i].title, kit::kAppTitle);
            return w.messages.shown[i].text;
        });
    }
    void setTaps(int n) {
        kit::SpinButton* s = w.spin("UPDVoltTaps");
        while (s->value() < n) click(s->upArrow());
        while (s->value() > n) click(s->downArrow());
    }
    void calculate() { click(w.button("CMDCalcPRes")); }
    // Two taps, 7 V and 3 V between 10 V and 0 V: ideal 30K 40K 30K at 100 uA.
    void calculateTwoTaps(const char* series) {
        setTaps(2);
        type(box(kTap1), QStringLiteral("7v"));
        type(box(kTap2), QStringLiteral("3v"));
        click(w.option(series));
        calculate();
    }
};

TEST(DividerPage, StartsWithOneTapAtHalfTheSupplyAndTheCaretOnIt) {
    Page p;
    EXPECT_EQ(p.shown(), "R1 R2 R3 R4 R5 / 10v|0v|5v|||");
    EXPECT_TRUE(p.w.text("TXTVoltTaps") == "1" && p.w.box("TXTVoltTaps")->isReadOnly());
    QComboBox* current = p.w.list("CBODivCurrent");
    EXPECT_EQ(current->count(), 6);
    EXPECT_EQ((current->itemText(0) + current->itemText(5) + current->currentText()).toStdString(), "1uA100mA100uA");
    EXPECT_TRUE(p.w.option("OPTResIdeal")->isChecked());
    EXPECT_EQ(p.w.caption("Label22"),
              "Enter voltages required, to find closest preferred values select appropriate series.");
    EXPECT_EQ(p.w.focused(), p.box(kTap1));
    EXPECT_EQ(p.box(kTap1)->cursorPosition(), 1);  // between "5" and "v"
    type(p.box(kTap1), QString());
    p.w.showTab("Resistors");
    p.w.showTab("Potential Dividers");
    EXPECT_EQ(p.w.focused(), p.box(kTap1));
    EXPECT_EQ(p.box(kTap1)->cursorPosition(), 0);  // empty: the caret at the start
    // The Tab key walks the rails, the taps, then the button.
    for (int i = 0; i < 6; ++i) {
        QWidget* next = p.box(i)->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        EXPECT_EQ(next, i < 5 ? static_cast<QWidget*>(p.box(i + 1)) : p.w.button("CMDCalcPRes")) << i;
    }
    for (const char* name : {"Label6", "Label5", "LBLPCurrent", "Line1", "Label8", "Label7(0)", "UPDVoltTaps"})
        EXPECT_NE(p.w.get<QObject>(name), nullptr);
}

// n taps show resistors 0..n, wires 0..2n+1 and taps 0..n-1; Vs2 and its caption move along.
TEST(DividerPage, SpinningReshapesTheNetworkAndStopsAtTheEnds) {
    const std::tuple<int, int, int> shapes[] = {{4, 6000, 5910}, {3, 4950, 4860}, {2, 3900, 3810}, {1, 2850, 2760}};
    Page p;
    auto visible = [&p](const char* base, int i) {
        const QString name = QString::fromStdString(Name(base, i));
        if (auto* shape = p.w.form().findChild<kit::Shape*>(name)) return shape->isVisible();
        return p.w.get<QWidget>(name.toLatin1().constData())->isVisibleTo(&p.w.form());
    };
    p.setTaps(3);
    type(p.box(kTap1 + 2), QStringLiteral("2v"));
    click(p.w.spin("UPDVoltTaps")->upArrow());
    QTest::keyClick(p.w.spin("UPDVoltTaps"), Qt::Key_Up);  // already at 4
    for (const auto& [n, vs2, caption] : shapes) {
        p.setTaps(n);
        EXPECT_EQ(p.w.text("TXTVoltTaps"), std::to_string(n));
        for (int i = 0; i < 10; ++i) EXPECT_EQ(visible("LinCon", i), i <= 2 * n + 1) << n << i;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(visible("SHPResSym", i) + visible("LBLPRes", i), 2 * (i <= n)) << n << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(visible("LINTap", i) + visible("TXTVoltTap", i) + visible("LBLTapNum", i), 3 * (i < n)) << n << i;
        EXPECT_EQ(kit::twipRect(p.box(kVs2)).left, vs2);
        EXPECT_EQ(kit::twipRect(p.w.label("Label7(1)")).left, caption);
    }
    click(p.w.spin("UPDVoltTaps")->downArrow());
    EXPECT_EQ(p.w.spin("UPDVoltTaps")->value(), 1);
    p.setTaps(3);
    EXPECT_EQ(p.boxes(), "10v|0v|5v||2v|");  // hidden, not cleared

    // Each wire in starts at its resistor's left edge at mid height; the wire out leaves from the right
    // outline (its last pixel, 15 twips in) to the joint where the tap line stands and the next wire ends.
    for (int k = 0; k < 5; ++k) {
        const kit::TwipRect body = p.w.rect(Name("SHPResSym", k).c_str())->rect();
        kit::Line* in = p.w.line(Name("LinCon", 2 * k).c_str());
        kit::Line* out = p.w.line(Name("LinCon", 2 * k + 1).c_str());
        EXPECT_EQ(std::pair(in->x1(), out->x2()), std::pair(body.left, body.left + body.width - 15)) << k;
        EXPECT_TRUE(in->y1() > body.top && in->y1() < body.top + body.height) << k;
        if (k == 4) break;
        kit::Line* tapLine = p.w.line(Name("LINTap", k).c_str());
        EXPECT_EQ(std::pair(tapLine->x1(), tapLine->y1()), std::pair(out->x1(), out->y1())) << k;
        const int nextEnd = p.w.line(Name("LinCon", 2 * k + 2).c_str())->x2();
        EXPECT_TRUE(nextEnd <= out->x1() && nextEnd > out->x2()) << k;
    }
}

// Mended: a series click put the asked-for voltage back even over a tap typed since.
TEST(DividerPage, SeriesClickRestoresOnlyTapsLeftAsCalculated) {
    Page p;
    p.setTaps(2);
    type(p.box(kTap1), QStringLiteral("7v"));
    click(p.w.option("OPTRes24"));  // nothing calculated yet: the taps stay as typed
    EXPECT_EQ(p.boxes(), "10v|0v|7v|||");
    p.calculateTwoTaps("OPTRes12");
    // 30K 40K 30K fit to 27K 39K 27K, and the fitted chain really gives 7.1 V and 2.91 V.
    EXPECT_EQ(p.shown(), "27K 39K 27K R4 R5 / 10v|0v|7.1v|2.91v||");
    uitest::pick(p.w.list("CBODivCurrent"), 3);  // a new current clears the values, keeps the taps
    EXPECT_EQ(p.shown(), "R1 R2 R3 R4 R5 / 10v|0v|7.1v|2.91v||");
    type(p.box(kTap1), QStringLiteral("6v"));  // a new wish for tap 1
    click(p.w.option("OPTRes24"));
    // The typed tap is kept; the one untouched since the calculation shows the asked-for 3 V again.
    EXPECT_EQ(p.shown(), "R1 R2 R3 R4 R5 / 10v|0v|6v|3v||");
    EXPECT_EQ(p.messages(), "");
}

// Each failed check after a finished 7 V / 3 V calculation: the message, the box given the
// focus, the boxes rewritten before the check failed, and the earlier values left standing.
TEST(DividerPage, FaultsFocusTheBoxAndLeaveEarlierResults) {
    struct Row {
        const char* typed[4];  // Vs1, Vs2, tap 1, tap 2
        int box;
        bool selected;
        const char *message, *shownAfter;
    };
    const Row rows[] = {
        {{"999.5", "0v", "5v", ""}, kVs1, true,
         "Range Error:  Vs1\r\rYou must enter a voltage between -999v and +999v!", "999.5|0v|5v|||"},
        {{"5", "5.001", "3", ""}, kVs2, true,
         "Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!", "5v|5v|3|||"},
        {{"10", "0", "5", ""}, kTap2, false,
         "Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!", "10v|0v|5v|||"},
        {{"10", "0", "3", "6"}, kTap1, true,
         "Voltage tap 1 is not within the supply voltage specified!", "10v|0v|3v|6v||"},
    };
    for (const Row& r : rows) {
        Page p;
        p.calculateTwoTaps("OPTResIdeal");
        ASSERT_EQ(p.values(), "30K 40K 30K R4 R5");
        for (int i = 0; i < 4; ++i) type(p.box(i), QString::fromLatin1(r.typed[i]));
        p.calculate();
        EXPECT_EQ(p.messages(), r.message);
        QLineEdit* box = p.box(r.box);  // an empty tap box is focused without selecting
        EXPECT_TRUE(r.selected ? bool(uitest::selectedWithFocus(p.w, box))
                               : p.w.focused() == box && !box->hasSelectedText()) << r.message;
        EXPECT_EQ(p.shown(), std::string("30K 40K 30K R4 R5 / ") + r.shownAfter);

    }
}

TEST(DividerPage, EnterCalculatesAndEachResistorAboveTenMegIsReported) {
    Page p;
    // Enter calculates; 15 V over 1 uA is 15M each: one message per resistor, in order, names kept.
    uitest::pick(p.w.list("CBODivCurrent"), 0);
    type(p.box(kVs1), QStringLiteral("30v"));
    type(p.box(kTap1), QStringLiteral("15v"));
    QTest::keyClick(p.box(kTap1), Qt::Key_Return);
    EXPECT_EQ(p.messages(), "Resistor R1 greater than 10M | Resistor R2 greater than 10M");
    EXPECT_EQ(p.shown(), "R1 R2 R3 R4 R5 / 30v|0v|15v|||");
}

}  // namespace
