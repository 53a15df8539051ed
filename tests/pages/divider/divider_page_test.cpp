#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::type;
using Texts = std::vector<std::string>;

std::string Name(const char* base, int i) { return std::string(base) + "(" + std::to_string(i) + ")"; }

struct Page {
    uitest::Window w;
    Page() { w.showTab("Potential Dividers"); }

    QLineEdit* tap(int i) { return w.box(Name("TXTVoltTap", i).c_str()); }
    QLineEdit* supply(int i) { return w.box(Name("TxtPSupply", i).c_str()); }
    bool shown(const char* base, int i) { return w.get<QWidget>(Name(base, i).c_str())->isVisibleTo(&w.form()); }
    Texts values(int count) {
        Texts v;
        for (int i = 0; i < count; ++i) v.push_back(w.caption(Name("LBLPRes", i).c_str()));
        return v;
    }
    void taps(int n) {
        kit::SpinButton* s = w.spin("UPDVoltTaps");
        while (s->value() < n) click(s->upArrow());
        while (s->value() > n) click(s->downArrow());
    }
    void series(const char* option) { click(w.option(option)); }
    void calculate() { click(w.button("CMDCalcPRes")); }
    Texts messages() const {
        Texts m;
        for (const auto& s : w.messages.shown) m.push_back(s.text);
        return m;
    }
};

TEST(DividerPage, StartsWithOneTapAtHalfTheSupply) {
    Page p;
    EXPECT_EQ(p.w.text("TxtPSupply(0)") + p.w.text("TXTVoltTap(0)") + p.w.text("TxtPSupply(1)"), "10v5v0v");
    EXPECT_EQ(p.w.text("TXTVoltTap(1)") + p.w.text("TXTVoltTap(2)") + p.w.text("TXTVoltTap(3)"), "");
    EXPECT_EQ(p.values(5), (Texts{"R1", "R2", "R3", "R4", "R5"}));
    EXPECT_EQ(p.w.text("TXTVoltTaps"), "1");
    EXPECT_TRUE(p.w.box("TXTVoltTaps")->isReadOnly());
    QComboBox* current = p.w.list("CBODivCurrent");
    ASSERT_EQ(current->count(), 6);
    EXPECT_EQ(current->itemText(0).toStdString() + current->itemText(5).toStdString(), "1uA100mA");
    EXPECT_EQ(current->currentText().toStdString(), "100uA");
    EXPECT_TRUE(p.w.option("OPTResIdeal")->isChecked());
    EXPECT_EQ(p.w.caption("Label22"),
              "Enter voltages required, to find closest preferred values select appropriate series.");
    EXPECT_TRUE(p.w.form().vars().SavedTapText[0].empty());
    // The tab puts the caret between "5" and "v".
    EXPECT_EQ(p.w.focused(), p.tap(0));
    EXPECT_EQ(p.tap(0)->cursorPosition(), 1);
}

TEST(DividerPage, LayoutAndDrawnNetworkMeet) {
    const std::pair<const char*, kit::TwipRect> rows[] = {
        {"OPTRes24", {3210, 1050, 675, 225}},       {"TXTVoltTaps", {5640, 570, 300, 315}},
        {"UPDVoltTaps", {5910, 570, 255, 315}},     {"CBODivCurrent", {5640, 930, 945, 315}},
        {"TxtPSupply(0)", {90, 2070, 615, 255}},    {"TxtPSupply(1)", {2850, 2040, 615, 285}},
        {"LBLPRes(4)", {4890, 1800, 1005, 255}},    {"TXTVoltTap(3)", {4530, 2670, 675, 255}},
        {"LBLTapNum(3)", {4620, 2940, 525, 225}},   {"CMDCalcPRes", {1410, 3390, 3825, 375}},
    };
    Page p;
    for (const auto& [name, rect] : rows) EXPECT_EQ(kit::twipRect(p.w.get<QWidget>(name)), rect) << name;
    // Wires start at a resistor's left edge and leave from its right outline; each tap
    // line stands on the joint where the wire out of one resistor meets the next.
    for (int k = 0; k < 5; ++k) {
        const kit::TwipRect body = p.w.rect(Name("SHPResSym", k).c_str())->rect();
        kit::Line* in = p.w.line(Name("LinCon", 2 * k).c_str());
        kit::Line* out = p.w.line(Name("LinCon", 2 * k + 1).c_str());
        EXPECT_EQ(in->x1(), body.left) << k;
        EXPECT_EQ(out->x2(), body.left + body.width - 15) << k;  // the outline's last pixel
        EXPECT_TRUE(in->y1() > body.top && in->y1() < body.top + body.height) << k;
        if (k == 4) break;
        kit::Line* tapLine = p.w.line(Name("LINTap", k).c_str());
        EXPECT_EQ(std::pair(tapLine->x1(), tapLine->y1()), std::pair(out->x1(), out->y1())) << k;
        const int nextEnd = p.w.line(Name("LinCon", 2 * k + 2).c_str())->x2();  // reaches the joint
        EXPECT_TRUE(nextEnd <= out->x1() && nextEnd > out->x2()) << k;
    }
}

// n taps show resistors 0..n, wires 0..2n+1 and taps 0..n-1; Vs2 moves along.
TEST(DividerPage, SpinningReshapesTheNetworkAndStopsAtTheEnds) {
    const std::tuple<int, int, int> shapes[] = {{4, 6000, 5910}, {3, 4950, 4860}, {2, 3900, 3810}, {1, 2850, 2760}};
    Page p;
    p.taps(3);
    type(p.tap(2), QStringLiteral("2v"));
    click(p.w.spin("UPDVoltTaps")->upArrow());
    QTest::keyClick(p.w.spin("UPDVoltTaps"), Qt::Key_Up);  // already at 4
    for (const auto& [n, vs2, caption] : shapes) {
        p.taps(n);
        EXPECT_EQ(p.w.text("TXTVoltTaps"), std::to_string(n));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(p.w.rect(Name("SHPResSym", i).c_str())->isVisible(), i <= n) << n << i;
            EXPECT_EQ(p.shown("LBLPRes", i), i <= n) << n << i;
        }
        for (int i = 0; i < 10; ++i) EXPECT_EQ(p.w.line(Name("LinCon", i).c_str())->isVisible(), i <= 2 * n + 1);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(p.w.line(Name("LINTap", i).c_str())->isVisible(), i < n);
            EXPECT_EQ(p.shown("TXTVoltTap", i) && p.shown("LBLTapNum", i), i < n) << n << i;
        }
        EXPECT_EQ(kit::twipRect(p.supply(1)).left, vs2);
        EXPECT_EQ(kit::twipRect(p.w.label("Label7(1)")).left, caption);
    }
    click(p.w.spin("UPDVoltTaps")->downArrow());
    EXPECT_EQ(p.w.spin("UPDVoltTaps")->value(), 1);
    p.taps(3);
    EXPECT_EQ(p.tap(2)->text(), QStringLiteral("2v"));  // hidden, not cleared
}

TEST(DividerPage, FitsAndPutsTheAskedVoltageBackOnASeriesClick) {
    Page p;
    type(p.tap(0), QStringLiteral("3"));
    p.calculate();
    EXPECT_EQ(p.values(2), (Texts{"70K", "30K"}));
    p.series("OPTRes12");
    EXPECT_EQ(p.values(2), (Texts{"R1", "R2"}));
    p.calculate();
    // 30K is midway between 27K and 33K: the smaller; 10 - 68K * 10 / 95K = 2.84 V.
    EXPECT_EQ(p.values(2), (Texts{"68K", "27K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("2.84v"));
    p.series("OPTRes24");
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3v"));
    p.calculate();
    EXPECT_EQ(p.values(2), (Texts{"68K", "30K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3.06v"));
    uitest::pick(p.w.list("CBODivCurrent"), 3);  // a new current clears the values, keeps the taps
    EXPECT_EQ(p.values(2), (Texts{"R1", "R2"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3.06v"));
    EXPECT_TRUE(p.w.messages.shown.empty());
}

TEST(DividerPage, SeriesClickKeepsATapTypedSinceTheCalculation) {
    Page p;
    p.taps(2);
    type(p.tap(0), QStringLiteral("7v"));
    type(p.tap(1), QStringLiteral("3v"));
    p.series("OPTRes24");  // nothing calculated yet: the taps stay as typed
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("7v"));
    p.series("OPTRes12");
    p.calculate();
    // 30K 40K 30K fit to 27K 39K 27K; I' = 10 V / 93K: 7.10 V, then 7.10 - 4.19 = 2.91 V.
    EXPECT_EQ(p.values(3), (Texts{"27K", "39K", "27K"}));
    EXPECT_EQ(p.tap(0)->text() + p.tap(1)->text(), QStringLiteral("7.1v2.91v"));
    type(p.tap(0), QStringLiteral("6v"));  // a new wish for tap 1
    p.series("OPTRes24");
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("6v"));  // kept, not thrown away
    EXPECT_EQ(p.tap(1)->text(), QStringLiteral("3v"));  // untouched since: asked-for value back
    EXPECT_EQ(p.values(3), (Texts{"R1", "R2", "R3"}));
}

TEST(DividerPage, FaultsSelectTheBoxAndLeaveEarlierResults) {
    struct Row {
        const char* vs1;
        const char* vs2;
        const char* tap1;
        const char* tap2;
        const char* box;
        bool selected;
        const char* message;
        const char* shownAfter;  // Vs1, tap 1: rewritten only when checked before the fault
    };
    const Row rows[] = {
        {"999.5", "0v", "5v", "", "TxtPSupply(0)", true,
         "Range Error:  Vs1\r\rYou must enter a voltage between -999v and +999v!", "999.55v"},
        {"5", "5.001", "3", "", "TxtPSupply(1)", true, "Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!",
         "5v3"},
        {"10", "0", "5", "", "TXTVoltTap(1)", false, "Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!", "10v5v"},
        {"10", "0", "3", "6", "TXTVoltTap(0)", true, "Voltage tap 1 is not within the supply voltage specified!",
         "10v3v"},
    };
    for (const Row& r : rows) {
        Page p;
        p.taps(2);
        type(p.tap(0), QStringLiteral("7"));
        type(p.tap(1), QStringLiteral("3"));
        p.calculate();
        ASSERT_EQ(p.values(3), (Texts{"30K", "40K", "30K"}));
        type(p.supply(0), QString::fromLatin1(r.vs1));
        type(p.supply(1), QString::fromLatin1(r.vs2));
        type(p.tap(0), QString::fromLatin1(r.tap1));
        type(p.tap(1), QString::fromLatin1(r.tap2));
        p.calculate();
        ASSERT_EQ(p.w.messages.shown.size(), 1u) << r.message;
        EXPECT_EQ(p.w.messages.shown[0].text, r.message);
        EXPECT_EQ(p.w.messages.shown[0].title, kit::kAppTitle);
        QLineEdit* box = p.w.box(r.box);
        EXPECT_EQ(p.w.focused(), box) << r.message;
        EXPECT_EQ(box->hasSelectedText(), r.selected) << r.message;
        if (r.selected) {
            EXPECT_TRUE(uitest::selectedWithFocus(p.w, box)) << r.message;
        }
        EXPECT_EQ(p.w.text("TxtPSupply(0)") + p.w.text("TXTVoltTap(0)"), r.shownAfter);
        EXPECT_EQ(p.values(3), (Texts{"30K", "40K", "30K"}));
        EXPECT_EQ(p.w.form().vars().SavedTapText[0], "7v");
    }
}

TEST(DividerPage, EachResistorAboveTenMegGivesItsMessageAndTheRestGoOn) {
    Page p;
    uitest::pick(p.w.list("CBODivCurrent"), 0);  // 1uA
    type(p.supply(0), QStringLiteral("30v"));
    type(p.tap(0), QStringLiteral("15v"));  // 15M each
    p.calculate();
    EXPECT_EQ(p.messages(), (Texts{"Resistor R1 greater than 10M", "Resistor R2 greater than 10M"}));
    EXPECT_EQ(p.values(2), (Texts{"R1", "R2"}));
}

TEST(DividerPage, KeyboardNamesAndEnter) {
    Page p;
    const char* order[] = {"OPTResIdeal",   "OPTRes12",      "OPTRes24",      "TXTVoltTaps",  "UPDVoltTaps",
                           "CBODivCurrent", "TxtPSupply(0)", "TxtPSupply(1)", "TXTVoltTap(0)", "TXTVoltTap(1)",
                           "TXTVoltTap(2)", "TXTVoltTap(3)", "CMDCalcPRes"};
    auto nextStop = [](QWidget* from) {  // where the Tab key goes next
        QWidget* w = from->nextInFocusChain();
        while (w != from && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
        return w;
    };
    for (size_t i = 0; i < std::size(order); ++i) {
        EXPECT_FALSE(p.w.get<QWidget>(order[i])->accessibleName().isEmpty()) << order[i];
        if (i > 0) {
            EXPECT_EQ(nextStop(p.w.get<QWidget>(order[i - 1])), p.w.get<QWidget>(order[i])) << order[i];
        }
    }
    EXPECT_EQ(p.w.label("LBLPRes(2)")->accessibleName(), QStringLiteral("R3 value"));

    type(p.tap(0), QStringLiteral("2.5"));
    QTest::keyClick(p.tap(0), Qt::Key_Return);
    EXPECT_EQ(p.values(2), (Texts{"75K", "25K"}));
    type(p.tap(0), QString());
    p.w.showTab("Resistors");
    p.w.showTab("Potential Dividers");
    EXPECT_EQ(p.w.focused(), p.tap(0));
    EXPECT_EQ(p.tap(0)->cursorPosition(), 0);
}

}  // namespace
