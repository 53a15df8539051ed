#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::pick;
using uitest::type;

QString Name(const char* base, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(i); }

struct Page {
    uitest::Window w;
    Page() { w.showTab("Potential Dividers"); }

    QLineEdit* tap(int i) { return w.box(Name("TXTVoltTap", i).toLatin1().constData()); }
    QLineEdit* supply(int i) { return w.box(Name("TxtPSupply", i).toLatin1().constData()); }
    std::string value(int i) { return w.caption(Name("LBLPRes", i).toLatin1().constData()); }
    std::vector<std::string> values(int count) {
        std::vector<std::string> v;
        for (int i = 0; i < count; ++i) v.push_back(value(i));
        return v;
    }
    void taps(int n) {
        kit::SpinButton* s = w.spin("UPDVoltTaps");
        while (s->value() < n) click(s->upArrow());
        while (s->value() > n) click(s->downArrow());
    }
    void calculate() { click(w.button("CMDCalcPRes")); }
    std::vector<std::string> messages() const {
        std::vector<std::string> m;
        for (const auto& s : w.messages.shown) m.push_back(s.text);
        return m;
    }
};

TEST(DividerPage, StartsWithOneTapAtHalfTheSupply) {
    Page p;
    EXPECT_EQ(p.w.text("TxtPSupply(0)"), "10v");
    EXPECT_EQ(p.w.text("TxtPSupply(1)"), "0v");
    EXPECT_EQ(p.w.text("TXTVoltTap(0)"), "5v");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(p.tap(i)->text(), QString()) << i;
    EXPECT_EQ(p.w.text("TXTVoltTaps"), "1");
    EXPECT_TRUE(p.w.box("TXTVoltTaps")->isReadOnly());
    kit::SpinButton* spin = p.w.spin("UPDVoltTaps");
    EXPECT_EQ(spin->value(), 1);
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 4);
    EXPECT_FALSE(spin->wraps());
    EXPECT_EQ(p.values(5), (std::vector<std::string>{"R1", "R2", "R3", "R4", "R5"}));
    QComboBox* current = p.w.list("CBODivCurrent");
    ASSERT_EQ(current->count(), 6);
    const char* entries[] = {"1uA", "10uA", "100uA", "1mA", "10mA", "100mA"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(current->itemText(i).toStdString(), entries[i]);
    EXPECT_EQ(current->currentIndex(), 2);
    EXPECT_FALSE(current->isEditable());
    EXPECT_TRUE(p.w.option("OPTResIdeal")->isChecked());
    EXPECT_EQ(p.w.caption("Label22"),
              "Enter voltages required, to find closest preferred values select appropriate series.");
    for (const std::string& s : p.w.form().vars().SavedTapText) EXPECT_TRUE(s.empty());
    EXPECT_TRUE(p.w.messages.shown.empty());
}

TEST(DividerPage, ControlsSitWhereTheLayoutPutsThem) {
    struct Row {
        const char* name;
        kit::TwipRect rect;
    };
    const Row rows[] = {
        {"Label22", {150, 540, 2595, 765}},       {"Label6", {2970, 240, 1155, 195}},
        {"OPTResIdeal", {3210, 510, 795, 225}},   {"OPTRes12", {3210, 780, 675, 225}},
        {"OPTRes24", {3210, 1050, 675, 225}},     {"Label5", {4470, 600, 1125, 225}},
        {"TXTVoltTaps", {5640, 570, 300, 315}},   {"UPDVoltTaps", {5910, 570, 255, 315}},
        {"LBLPCurrent", {4410, 960, 1185, 225}},  {"CBODivCurrent", {5640, 930, 945, 315}},
        {"Label8", {150, 1470, 2265, 255}},       {"Label7(0)", {90, 1800, 675, 225}},
        {"Label7(1)", {2760, 1800, 675, 225}},    {"TxtPSupply(0)", {90, 2070, 615, 255}},
        {"TxtPSupply(1)", {2850, 2040, 615, 285}}, {"LBLPRes(0)", {750, 1800, 1005, 255}},
        {"LBLPRes(4)", {4890, 1800, 1005, 255}},  {"TXTVoltTap(0)", {1440, 2670, 675, 255}},
        {"TXTVoltTap(3)", {4530, 2670, 675, 255}}, {"LBLTapNum(0)", {1530, 2940, 525, 225}},
        {"LBLTapNum(3)", {4620, 2940, 525, 225}}, {"CMDCalcPRes", {1410, 3390, 3825, 375}},
    };
    Page p;
    for (const Row& r : rows) EXPECT_EQ(kit::twipRect(p.w.get<QWidget>(r.name)), r.rect) << r.name;
    EXPECT_EQ(p.w.rect("SHPResSym(0)")->rect(), (kit::TwipRect{990, 2100, 525, 195}));
    EXPECT_EQ(p.w.rect("SHPResSym(4)")->rect(), (kit::TwipRect{5130, 2100, 525, 195}));
    EXPECT_EQ(p.w.caption("Label6"), "Resistor Series");
    EXPECT_EQ(p.w.caption("LBLTapNum(2)"), "#3");
    EXPECT_EQ(p.w.button("CMDCalcPRes")->text().toStdString(), "Calculate Resistance Values");
    EXPECT_EQ(p.w.box("TxtPSupply(1)")->maxLength(), 6);
    EXPECT_EQ(p.w.box("TXTVoltTap(3)")->maxLength(), 6);

    // The drawn wires meet the resistor outlines, and each tap line stands on a wire joint.
    for (int k = 0; k < 5; ++k) {
        const kit::TwipRect body = p.w.rect(Name("SHPResSym", k).toLatin1().constData())->rect();
        kit::Line* in = p.w.line(Name("LinCon", 2 * k).toLatin1().constData());
        kit::Line* out = p.w.line(Name("LinCon", 2 * k + 1).toLatin1().constData());
        EXPECT_EQ(in->x1(), body.left) << k;
        EXPECT_GE(out->x2(), body.left + body.width - 15) << k;  // reaches the outline's pixel
        EXPECT_LE(out->x2(), body.left + body.width) << k;
        EXPECT_EQ(in->y1(), body.top + body.height / 2 - 7) << k;  // 2190: through the middle pixel row
        if (k < 4) {
            kit::Line* tap = p.w.line(Name("LINTap", k).toLatin1().constData());
            EXPECT_EQ(tap->x1(), out->x1()) << k;
            EXPECT_EQ(tap->y1(), out->y1()) << k;
            EXPECT_EQ(tap->y2(), 2640) << k;
        }
    }
}

// What each tap count shows: resistors 0..n, wires 0..2n+1, taps 0..n-1.
TEST(DividerPage, SpinningReshapesTheNetwork) {
    struct Shape {
        int n;
        int vs2Left;
        int vs2CaptionLeft;
    };
    const Shape shapes[] = {{1, 2850, 2760}, {2, 3900, 3810}, {3, 4950, 4860}, {4, 6000, 5910},
                            {3, 4950, 4860}, {2, 3900, 3810}, {1, 2850, 2760}};
    Page p;
    for (const Shape& s : shapes) {
        p.taps(s.n);
        EXPECT_EQ(p.w.text("TXTVoltTaps"), std::to_string(s.n));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(p.w.rect(Name("SHPResSym", i).toLatin1().constData())->isVisible(), i <= s.n) << s.n << i;
            EXPECT_EQ(p.w.label(Name("LBLPRes", i).toLatin1().constData())->isVisibleTo(&p.w.form()), i <= s.n);
        }
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(p.w.line(Name("LinCon", i).toLatin1().constData())->isVisible(), i <= 2 * s.n + 1) << s.n << i;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(p.w.line(Name("LINTap", i).toLatin1().constData())->isVisible(), i < s.n);
            EXPECT_EQ(p.tap(i)->isVisibleTo(&p.w.form()), i < s.n) << s.n << i;
            EXPECT_EQ(p.w.label(Name("LBLTapNum", i).toLatin1().constData())->isVisibleTo(&p.w.form()), i < s.n);
        }
        EXPECT_EQ(kit::twipRect(p.supply(1)).left, s.vs2Left);
        EXPECT_EQ(kit::twipRect(p.w.label("Label7(1)")).left, s.vs2CaptionLeft);
    }
}

TEST(DividerPage, TapCountStopsAtOneAndFour) {
    Page p;
    kit::SpinButton* spin = p.w.spin("UPDVoltTaps");
    click(spin->downArrow());
    EXPECT_EQ(spin->value(), 1);
    p.taps(4);
    click(spin->upArrow());
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->value(), 4);
    EXPECT_EQ(p.w.text("TXTVoltTaps"), "4");
    QTest::keyClick(spin, Qt::Key_Down);  // the keyboard steps it too
    EXPECT_EQ(p.w.text("TXTVoltTaps"), "3");
}

TEST(DividerPage, HiddenTapKeepsItsText) {
    Page p;
    p.taps(3);
    type(p.tap(2), QStringLiteral("2v"));
    p.taps(1);
    p.taps(3);
    EXPECT_EQ(p.tap(2)->text(), QStringLiteral("2v"));
    EXPECT_TRUE(p.tap(2)->isVisibleTo(&p.w.form()));
}

TEST(DividerPage, CalculatesAndFitsInTheWindow) {
    Page p;
    type(p.tap(0), QStringLiteral("3"));
    p.calculate();
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"70K", "30K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3v"));

    click(p.w.option("OPTRes12"));
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"R1", "R2"}));  // a new series clears the values
    p.calculate();
    // 30K is midway between 27K and 33K: the smaller; the fitted chain gives 2.84 V.
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"68K", "27K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("2.84v"));
    EXPECT_EQ(p.w.form().vars().SavedTapText[0], "3v");

    click(p.w.option("OPTRes24"));  // the voltage asked for comes back
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3v"));
    p.calculate();
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"68K", "30K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3.06v"));
    click(p.w.option("OPTResIdeal"));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("3v"));
    EXPECT_TRUE(p.w.messages.shown.empty());
}

TEST(DividerPage, TopOfTheDecadeStaysAt91KInE24) {
    Page p;
    type(p.tap(0), QStringLiteral("0.8v"));
    click(p.w.option("OPTRes24"));
    p.calculate();
    // Ideal 92K is nearer 91K than 100K; 10 - 91K * 10 / 99.2K = 0.83 V.
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"91K", "8.2K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("0.83v"));
}

TEST(DividerPage, SeriesClickKeepsATapTypedSinceTheCalculation) {
    Page p;
    p.taps(2);
    type(p.tap(0), QStringLiteral("7v"));
    type(p.tap(1), QStringLiteral("3v"));
    click(p.w.option("OPTRes12"));
    p.calculate();
    // 30K, 40K, 30K ideal: 27K, 39K, 27K; I' = 10 / 93K: tap 1 is 7.10 V, and tap 2
    // walks on from that rounded 7.10: 7.10 - 4.19 = 2.91 V.
    EXPECT_EQ(p.values(3), (std::vector<std::string>{"27K", "39K", "27K"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("7.1v"));
    EXPECT_EQ(p.tap(1)->text(), QStringLiteral("2.91v"));

    type(p.tap(0), QStringLiteral("6v"));  // a new wish for tap 1
    click(p.w.option("OPTRes24"));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("6v"));  // kept, not thrown away
    EXPECT_EQ(p.tap(1)->text(), QStringLiteral("3v"));  // untouched since: asked-for value back
    EXPECT_EQ(p.values(3), (std::vector<std::string>{"R1", "R2", "R3"}));
}

TEST(DividerPage, SeriesClickBeforeAnyCalculationLeavesTheTaps) {
    Page p;
    type(p.tap(0), QStringLiteral("4.5"));
    click(p.w.option("OPTRes24"));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("4.5"));
}

TEST(DividerPage, NewTapCountOrCurrentClearsTheValuesButNotTheTaps) {
    Page p;
    click(p.w.option("OPTRes12"));
    type(p.tap(0), QStringLiteral("3v"));
    p.calculate();
    ASSERT_EQ(p.value(0), "68K");
    p.taps(2);
    EXPECT_EQ(p.values(3), (std::vector<std::string>{"R1", "R2", "R3"}));
    EXPECT_EQ(p.tap(0)->text(), QStringLiteral("2.84v"));
    p.taps(1);
    p.calculate();
    ASSERT_EQ(p.value(0), "68K");
    pick(p.w.list("CBODivCurrent"), 3);
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"R1", "R2"}));
    p.calculate();  // 1 mA: a tenth of the resistance
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"6.8K", "2.7K"}));
}

TEST(DividerPage, FaultsSelectTheBoxAndStop) {
    struct Row {
        const char* name;
        const char* vs1;
        const char* vs2;
        const char* tap1;
        const char* tap2;
        const char* focused;
        bool selected;
        const char* message;
        const char* vs1After;
        const char* tap1After;
    };
    const Row rows[] = {
        {"Vs1Range", "999.5", "0v", "5v", "", "TxtPSupply(0)", true,
         "Range Error:  Vs1\r\rYou must enter a voltage between -999v and +999v!", "999.5", "5v"},
        {"SupplyEqual", "5", "5.001", "3", "", "TxtPSupply(1)", true,
         "Entry Error:  Vs1 = Vs2\r\rThe supply voltages must not be equal!", "5v", "3"},
        {"TapEmpty", "10", "0", "5", "", "TXTVoltTap(1)", false,
         "Entry Error:  Tap#2\r\rYou must enter a voltage at Tap#2!", "10v", "5v"},
        {"TapOrder", "10", "0", "3", "6", "TXTVoltTap(0)", true,
         "Voltage tap 1 is not within the supply voltage specified!", "10v", "3v"},
    };
    for (const Row& r : rows) {
        Page p;
        p.taps(2);
        type(p.tap(0), QStringLiteral("7"));
        type(p.tap(1), QStringLiteral("3"));
        p.calculate();  // an earlier result that a fault must leave alone
        ASSERT_EQ(p.values(3), (std::vector<std::string>{"30K", "40K", "30K"}));
        p.w.clearMessages();
        type(p.supply(0), QString::fromLatin1(r.vs1));
        type(p.supply(1), QString::fromLatin1(r.vs2));
        type(p.tap(0), QString::fromLatin1(r.tap1));
        type(p.tap(1), QString::fromLatin1(r.tap2));
        p.calculate();
        ASSERT_EQ(p.w.messages.shown.size(), 1u) << r.name;
        EXPECT_EQ(p.w.messages.shown[0].text, r.message) << r.name;
        EXPECT_EQ(p.w.messages.shown[0].title, kit::kAppTitle) << r.name;
        QLineEdit* box = p.w.box(r.focused);
        if (r.selected) {
            EXPECT_TRUE(uitest::selectedWithFocus(p.w, box)) << r.name;
        } else {
            EXPECT_EQ(p.w.focused(), box) << r.name;
            EXPECT_FALSE(box->hasSelectedText()) << r.name;
        }
        EXPECT_EQ(p.w.text("TxtPSupply(0)"), r.vs1After) << r.name;
        EXPECT_EQ(p.w.text("TXTVoltTap(0)"), r.tap1After) << r.name;
        EXPECT_EQ(p.values(3), (std::vector<std::string>{"30K", "40K", "30K"})) << r.name;
        EXPECT_EQ(p.w.form().vars().SavedTapText[0], "7v") << r.name;  // the earlier success
    }
}

TEST(DividerPage, ResistorsAboveTenMegEachGiveAMessageAndTheRestGoesOn) {
    Page p;
    type(p.supply(0), QStringLiteral("30v"));
    type(p.tap(0), QStringLiteral("15v"));
    pick(p.w.list("CBODivCurrent"), 0);  // 1uA: 15 M each
    p.calculate();
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"Resistor R1 greater than 10M", "Resistor R2 greater than 10M"}));
    EXPECT_EQ(p.w.messages.shown[0].title, kit::kAppTitle);
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"R1", "R2"}));

    p.w.clearMessages();
    type(p.supply(0), QStringLiteral("20v"));
    type(p.tap(0), QStringLiteral("19v"));    // 1 M and 19 M
    p.calculate();
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"Resistor R2 greater than 10M"}));
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"1M", "R2"}));
}

TEST(DividerPage, EnterCalculatesAndTheTabFocusesTheFirstTap) {
    Page p;
    EXPECT_EQ(p.w.focused(), p.tap(0));
    EXPECT_EQ(p.tap(0)->cursorPosition(), 1);  // between "5" and "v"
    type(p.tap(0), QStringLiteral("2.5"));
    QTest::keyClick(p.tap(0), Qt::Key_Return);
    EXPECT_EQ(p.values(2), (std::vector<std::string>{"75K", "25K"}));

    type(p.tap(0), QString());
    p.w.showTab("Resistors");
    p.w.showTab("Potential Dividers");
    EXPECT_EQ(p.w.focused(), p.tap(0));
    EXPECT_EQ(p.tap(0)->cursorPosition(), 0);
}

TEST(DividerPage, SpeakableNamesAndTabOrder) {
    Page p;
    const char* order[] = {"OPTResIdeal",   "OPTRes12",      "OPTRes24",      "TXTVoltTaps",  "UPDVoltTaps",
                           "CBODivCurrent", "TxtPSupply(0)", "TxtPSupply(1)", "TXTVoltTap(0)", "TXTVoltTap(1)",
                           "TXTVoltTap(2)", "TXTVoltTap(3)", "CMDCalcPRes"};
    for (const char* name : order)
        EXPECT_FALSE(p.w.get<QWidget>(name)->accessibleName().isEmpty()) << name;
    // The next stop of the Tab key: the next widget in the chain that takes Tab focus.
    auto nextStop = [](QWidget* from) {
        QWidget* w = from->nextInFocusChain();
        while (w != from && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
        return w;
    };
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_EQ(nextStop(p.w.get<QWidget>(order[i - 1])), p.w.get<QWidget>(order[i])) << order[i];
    EXPECT_EQ(p.w.label("LBLPRes(2)")->accessibleName(), QStringLiteral("R3 value"));
    EXPECT_TRUE(p.w.label("LBLPRes(0)")->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
}

}  // namespace
