#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::type;
using Values = std::vector<std::string>;  // LBLCMOSR(0..3): R1, VR1, R2, VR2

const Values kNone = {"", "", "", ""};
const Values k1kHz = {"121K", "", "268K", ""};  // 5 V, 10 nF, 1000 Hz
const char* const kCapZero = "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!";

class CmosAstablePage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows get their size when shown
        w.showTab("CMOS Astables");
    }
    void calculate() { click(w.button("CMDCalcCMOS")); }
    void enter(const char* freq, const char* maxFreq, const char* cap) {
        type(w.box("TXTCMOSFreq(0)"), freq);
        type(w.box("TXTCMOSFreq(1)"), maxFreq);
        type(w.box("TXTCMOSCap"), cap);
    }
    Values values() const {
        return {w.caption("LBLCMOSR(0)"), w.caption("LBLCMOSR(1)"), w.caption("LBLCMOSR(2)"), w.caption("LBLCMOSR(3)")};
    }
    // Range mode shows the Max box and the pots (pictures 1 and 3); R1 moves up and R2 left to make room.
    void expectLayout(bool range) {
        std::string shown;
        for (const char* name : {"Label16", "Label17", "Label19", "TXTCMOSFreq(1)", "LBLCMOSR(1)", "LBLCMOSR(3)"})
            shown += w.get<QWidget>(name)->isVisible() ? '1' : '0';
        for (const char* p : {"CMOSDia(0)", "CMOSDia(1)", "CMOSDia(2)", "CMOSDia(3)"})
            shown += w.picture(p)->isVisible() ? '1' : '0';
        EXPECT_EQ(shown, range ? "1111110101" : "0000001010");
        EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(0)")), (kit::TwipRect{810, range ? 900 : 1140, 555, 225}));
        EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(2)")), (kit::TwipRect{range ? 4350 : 4710, 300, 555, 225}));
    }

    uitest::Window w;
};

TEST_F(CmosAstablePage, OpensInFixedModeAndTheCaptionsFollowTheCapacitor) {
    EXPECT_TRUE(w.option("OPTCMOSFixed")->isChecked());
    expectLayout(false);
    EXPECT_EQ(values(), kNone);
    EXPECT_EQ(w.text("TXTCMOSFreq(0)") + "|" + w.text("TXTCMOSFreq(1)") + "|" + w.text("TXTCMOSVolts"), "1000||5");
    // The start-up pick of "nF" writes both captions.
    EXPECT_EQ(w.text("TXTCMOSCap") + " " + w.caption("LBLCMOSCap(0)") + " " + w.caption("LBLCMOSCap(1)"), "10 10nF 10nF");
    QComboBox* unit = w.list("CBOCMOSMult");
    EXPECT_EQ(QString::number(unit->count()) + unit->itemText(0) + unit->itemText(1) + unit->itemText(2), "3pFnFuF");
    EXPECT_FALSE(unit->isEditable());
    for (const char* pic : {"CMOSDia(0)", "CMOSDia(1)", "CMOSDia(2)", "CMOSDia(3)"})
        EXPECT_TRUE(w.picture(pic)->isValid()) << pic;
    for (const char* name : {"Label14", "Label15", "Label18", "Label20", "Label21"})
        EXPECT_TRUE(w.label(name)->isVisible()) << name;

    uitest::pick(unit, 2);
    EXPECT_EQ(w.caption("LBLCMOSCap(0)") + " " + w.caption("LBLCMOSCap(1)"), "10uF 10uF");
    type(w.box("TXTCMOSCap"), ".47");
    for (QLabel* l : {w.label("LBLCMOSCap(0)"), w.label("LBLCMOSCap(1)")}) {  // shown whole, not cut off
        EXPECT_EQ(l->text(), "0.47uF");
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width());
    }
    uitest::pick(unit, 0);
    type(w.box("TXTCMOSCap"), "4.7uF");  // only three characters go in
    EXPECT_EQ(w.text("TXTCMOSCap") + " " + w.caption("LBLCMOSCap(0)"), "4.7 4.7pF");
    EXPECT_EQ(values(), kNone);  // nothing is calculated
}

TEST_F(CmosAstablePage, DesignsInBothModesAndASwitchEmptiesTheValues) {
    w.showTab("Resistors");
    w.showTab("CMOS Astables");
    EXPECT_EQ(w.focused(), w.box("TXTCMOSFreq(0)"));
    calculate();
    EXPECT_EQ(values(), k1kHz);

    click(w.option("OPTCMOSRange"));
    expectLayout(true);
    EXPECT_EQ(values(), kNone);
    EXPECT_EQ(w.box("TXTCMOSFreq(0)")->accessibleName(), "Minimum frequency, hertz");
    enter("100", "1000", "100");
    QTest::keyClick(w.box("TXTCMOSFreq(1)"), Qt::Key_Enter);  // Enter in a box calculates
    EXPECT_EQ(values(), (Values{"12.1K", "109K", "26.8K", "241K"}));
    click(w.option("OPTCMOSFixed"));
    expectLayout(false);
    EXPECT_EQ(values(), kNone);
    EXPECT_EQ(w.text("TXTCMOSFreq(0)") + "|" + w.text("TXTCMOSFreq(1)") + "|" + w.text("TXTCMOSCap"), "100|1000|100");
    calculate();
    click(w.option("OPTCMOSFixed"));  // the mode already in force is laid out again
    EXPECT_EQ(values(), kNone);

    // The supply stops at 15 and 3, never wraps, and only the spin button sets it.
    kit::SpinButton* spin = w.spin("UPDCMOSVolt");
    for (int i = 0; i < 20; ++i) click(spin->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "15");
    for (int i = 0; i < 20; ++i) click(spin->downArrow());
    type(w.box("TXTCMOSVolts"), "9");
    EXPECT_EQ(w.text("TXTCMOSVolts"), "3");
    // 1000 Hz on 100 nF at 3 V moves circuit 1 only: 1e4 / ln(3.7 / 1.5) = 11,076.
    type(w.box("TXTCMOSFreq(0)"), "1000");
    QTest::keyClick(w.box("TXTCMOSCap"), Qt::Key_Return);
    EXPECT_EQ(values(), (Values{"11.1K", "", "26.8K", ""}));
    EXPECT_TRUE(w.messages.shown.empty()) << w.lastMessage();
}

// One row per way a failure is applied; the core tests hold every check's numbers.
TEST_F(CmosAstablePage, FailedChecksSelectTheirBoxAndKeepEarlierValues) {
    struct Case {
        const char *freq, *maxFreq, *cap, *box, *message;  // a null maximum stays in Fixed; box: selected, focused
        Values after;
        const char* boxesAfter;  // Max box | capacitor box | its caption
    };
    // Each case starts from the finished 10 nF, 1 kHz design; a switch to Range empties the values.
    const Case cases[] = {
        {"0.4", nullptr, "10", "TXTCMOSFreq(0)", "Frequency must be between 0.5Hz and 1MHz", k1kHz, "|10|10nF"},
        {"30000", nullptr, "10", "TXTCMOSCap",
         "Range Error:  R1 =4.04Kohms\r\rR1 out of range - select a lower capacitor value", {"", "", "268K", ""},
         "|10|10nF"},
        {"100", "", "10", "TXTCMOSFreq(1)", "Maximum frequency must be between 0.5Hz and 1MHz", kNone, "0|10|10nF"},
        {"100", "1,000 Hz", "10", "TXTCMOSCap",
         "Range Error:  VR2 =2.41Mohms\r\rVR2 out of range - select a higher capacitor value",
         {"121K", "1.09M", "268K", ""}, "1000|10|10nF"},
        {"1000", nullptr, "", "TXTCMOSCap", kCapZero, kNone, "|0|0nF"},
        {"100", "1,000", "abc", "TXTCMOSCap", kCapZero, kNone, "1000|0|0nF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        click(w.option("OPTCMOSFixed"));
        enter("1000", "", "10");
        calculate();
        ASSERT_EQ(values(), k1kHz);
        if (c.maxFreq) click(w.option("OPTCMOSRange"));
        enter(c.freq, c.maxFreq ? c.maxFreq : "", c.cap);
        w.clearMessages();
        calculate();
        ASSERT_EQ(w.messages.shown.size(), 1U);
        EXPECT_EQ(w.messages.shown[0].text + " | " + w.messages.shown[0].title, c.message + std::string(" | ") + kit::kAppTitle);
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(c.box)));
        EXPECT_EQ(values(), c.after);
        EXPECT_EQ(w.text("TXTCMOSFreq(1)") + "|" + w.text("TXTCMOSCap") + "|" + w.caption("LBLCMOSCap(1)"), c.boxesAfter);
    }
}

TEST_F(CmosAstablePage, AnyPastedTextEndsInValuesOrOneMessage) {
    click(w.option("OPTCMOSRange"));
    const QStringList hostile = {"1.2.3.4", "--5", "1e400", "五百½Ⅳ٣", QString(10000, u'9'), QString(10000, u'-')};
    for (const QString& text : hostile) {
        for (const char* box : {"TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap"}) {
            enter("100", "1000", "100");
            w.box(box)->selectAll();
            w.box(box)->insert(text);
            w.clearMessages();
            calculate();
            EXPECT_LE(w.messages.shown.size(), 1U);
            const Values v = values();  // no "nan" or "inf" anywhere
            const std::string shown = v[0] + v[1] + v[2] + v[3] + "|" + w.text("TXTCMOSFreq(1)") + w.text("TXTCMOSCap");
            EXPECT_EQ(shown.find_first_not_of("0123456789.-KM|"), std::string::npos) << shown;
            EXPECT_EQ(w.caption("LBLCMOSCap(0)").find_first_not_of("0123456789.-nF"), std::string::npos);
        }
    }
}

TEST_F(CmosAstablePage, KeyboardAndScreenReaderCanReachEverything) {
    const char* order[] = {"OPTCMOSFixed", "OPTCMOSRange", "TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap",
                           "CBOCMOSMult",  "TXTCMOSVolts", "UPDCMOSVolt",    "CMDCalcCMOS"};
    for (size_t i = 0; i < std::size(order); ++i) {
        QWidget* control = w.get<QWidget>(order[i]);
        EXPECT_FALSE(control->accessibleName().isEmpty()) << order[i];
        if (i + 1 == std::size(order)) break;
        QWidget* next = control->nextInFocusChain();  // the next stop the Tab key can land on
        while ((next->focusPolicy() & Qt::TabFocus) == 0) next = next->nextInFocusChain();
        EXPECT_EQ(next, w.get<QWidget>(order[i + 1])) << order[i];
    }
    for (const char* name : {"LBLCMOSR(0)", "LBLCMOSR(1)", "LBLCMOSR(2)", "LBLCMOSR(3)", "LBLCMOSCap(0)"}) {
        QLabel* l = w.label(name);  // spoken, and selectable for copying
        EXPECT_FALSE(l->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(l->textInteractionFlags() & Qt::TextSelectableByMouse) << name;
    }
}

}  // namespace
