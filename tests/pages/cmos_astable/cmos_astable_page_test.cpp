#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::type;
using Values = std::vector<std::string>;

// Pasting over the whole text: how non-Latin and very long texts get in.
void paste(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->insert(text);
}

// The next widget the Tab key can land on (hidden ones included).
QWidget* nextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && (next->focusPolicy() & Qt::TabFocus) == 0) next = next->nextInFocusChain();
    return next;
}

const char* const kRangeOnly[] = {"Label16", "Label17", "Label19", "TXTCMOSFreq(1)", "LBLCMOSR(1)", "LBLCMOSR(3)"};
const Values kNone = {"", "", "", ""};

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
    void expectLayout(bool range) {
        for (const char* name : kRangeOnly) EXPECT_EQ(w.get<QWidget>(name)->isVisible(), range) << name;
        EXPECT_EQ(w.picture("CMOSDia(0)")->isVisible(), !range);
        EXPECT_EQ(w.picture("CMOSDia(1)")->isVisible(), range);
        EXPECT_EQ(w.picture("CMOSDia(2)")->isVisible(), !range);
        EXPECT_EQ(w.picture("CMOSDia(3)")->isVisible(), range);
        EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(0)")), (kit::TwipRect{810, range ? 900 : 1140, 555, 225}));
        EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(2)")), (kit::TwipRect{range ? 4350 : 4710, 300, 555, 225}));
    }

    uitest::Window w;
};

TEST_F(CmosAstablePage, OpensInFixedModeWithTenNanofaradsAtFiveVolts) {
    EXPECT_EQ(w.get<QGroupBox>("FrmCMOS")->title(), "CMOS Astables");
    EXPECT_TRUE(w.option("OPTCMOSFixed")->isChecked());
    EXPECT_EQ(w.text("TXTCMOSFreq(0)"), "1000");
    EXPECT_EQ(w.text("TXTCMOSFreq(1)"), "");
    EXPECT_EQ(w.text("TXTCMOSCap"), "10");
    EXPECT_EQ(w.text("TXTCMOSVolts"), "5");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "10nF");  // written by the start-up pick of "nF"
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "10nF");
    EXPECT_EQ(values(), kNone);
    QComboBox* unit = w.list("CBOCMOSMult");
    ASSERT_EQ(unit->count(), 3);
    EXPECT_EQ(unit->itemText(0) + unit->itemText(1) + unit->itemText(2), "pFnFuF");
    EXPECT_EQ(unit->currentIndex(), 1);
    EXPECT_FALSE(unit->isEditable());
    EXPECT_EQ(w.box("TXTCMOSCap")->maxLength(), 3);
    expectLayout(false);
    for (const char* pic : {"CMOSDia(0)", "CMOSDia(1)", "CMOSDia(2)", "CMOSDia(3)"})
        EXPECT_TRUE(w.picture(pic)->isValid()) << pic;

    // Geometry of the controls that never move.
    const std::pair<const char*, kit::TwipRect> places[] = {
        {"LBLCMOSR(1)", {810, 1410, 555, 225}},     {"LBLCMOSR(3)", {5040, 300, 645, 225}},
        {"LBLCMOSCap(0)", {3090, 1140, 600, 225}},  {"LBLCMOSCap(1)", {4380, 1740, 600, 225}},
        {"Label14", {420, 2400, 1125, 255}},        {"OPTCMOSFixed", {510, 2700, 825, 225}},
        {"OPTCMOSRange", {510, 2940, 825, 225}},    {"Label15", {1980, 2400, 855, 255}},
        {"Label16", {1590, 2700, 375, 225}},        {"Label17", {1650, 2970, 315, 225}},
        {"TXTCMOSFreq(0)", {2010, 2670, 795, 255}}, {"TXTCMOSFreq(1)", {2010, 2940, 795, 255}},
        {"Label18", {2850, 2700, 255, 225}},        {"Label19", {2850, 2970, 315, 255}},
        {"Label20", {3450, 2400, 1095, 225}},       {"TXTCMOSCap", {3600, 2670, 375, 315}},
        {"CBOCMOSMult", {3960, 2670, 570, 315}},    {"Label21", {4860, 2400, 1275, 255}},
        {"TXTCMOSVolts", {5190, 2670, 300, 315}},   {"UPDCMOSVolt", {5490, 2670, 255, 315}},
        {"CMDCalcCMOS", {1770, 3360, 3165, 345}},
    };
    for (const auto& [name, rect] : places) EXPECT_EQ(kit::twipRect(w.get<QWidget>(name)), rect) << name;
    EXPECT_EQ(w.picture("CMOSDia(1)")->rect(), (kit::TwipRect{360, 600, 2820, 1650}));
    EXPECT_EQ(w.picture("CMOSDia(3)")->rect(), (kit::TwipRect{3990, 510, 2100, 1725}));
    EXPECT_EQ(w.caption("Label21"), "Supply Voltage");
    EXPECT_EQ(w.button("CMDCalcCMOS")->text(), "Calculate Values");
}

TEST_F(CmosAstablePage, DesignsBothCircuitsAndTheSupplyMovesCircuitOneOnly) {
    w.showTab("Resistors");
    w.showTab("CMOS Astables");
    EXPECT_EQ(w.focused(), w.box("TXTCMOSFreq(0)"));
    calculate();
    EXPECT_TRUE(w.messages.shown.empty()) << w.lastMessage();
    EXPECT_EQ(values(), (Values{"121K", "", "268K", ""}));

    kit::SpinButton* spin = w.spin("UPDCMOSVolt");
    EXPECT_FALSE(spin->wraps());
    for (int i = 0; i < 2; ++i) click(spin->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "7");
    for (int i = 0; i < 5; ++i) click(spin->upArrow());
    calculate();
    EXPECT_EQ(values(), (Values{"133K", "", "268K", ""}));  // 12 V
    for (int i = 0; i < 20; ++i) click(spin->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "15");
    for (int i = 0; i < 20; ++i) click(spin->downArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "3");
    type(w.box("TXTCMOSVolts"), "9");  // read-only
    EXPECT_EQ(w.text("TXTCMOSVolts"), "3");

    // Enter in the capacitor box calculates; 100 nF at 3 V: 1e4 / ln(3.7 / 1.5) = 11,076.
    type(w.box("TXTCMOSCap"), "100");
    QTest::keyClick(w.box("TXTCMOSCap"), Qt::Key_Return);
    EXPECT_EQ(values(), (Values{"11.1K", "", "26.8K", ""}));
}

TEST_F(CmosAstablePage, FailedChecksSelectTheirBoxAndKeepEarlierValues) {
    struct Case {
        bool range;
        const char *freq, *maxFreq, *cap;
        const char* box;  // selected, with the focus
        const char* message;
        Values after;
        const char* maxFreqAfter;
    };
    // Each case starts from the finished 10 nF, 1 kHz design showing 121K and 268K.
    const Case cases[] = {
        {false, "0.4", "", "10", "TXTCMOSFreq(0)", "Frequency must be between 0.5Hz and 1MHz",
         {"121K", "", "268K", ""}, ""},
        {false, "30000", "", "10", "TXTCMOSCap",
         "Range Error:  R1 =4.04Kohms\r\rR1 out of range - select a lower capacitor value", {"", "", "268K", ""}, ""},
        {true, "100", "", "10", "TXTCMOSFreq(1)", "Maximum frequency must be between 0.5Hz and 1MHz", kNone, "0"},
        {true, "1000", "1000.0", "10", "TXTCMOSFreq(1)", "Maximum frequency must be higher than minimum!", kNone,
         "1000"},
        {true, "100", "1,000 Hz", "10", "TXTCMOSCap",
         "Range Error:  VR2 =2.41Mohms\r\rVR2 out of range - select a higher capacitor value",
         {"121K", "1.09M", "268K", ""}, "1000"},
        {true, "997", "1000", "10", "TXTCMOSCap",
         "Range Error:  VR2 =806ohms\r\rVR2 out of range - select a lower capacitor value",
         {"121K", "365", "268K", ""}, "1000"},
        {false, "1000", "", "-10", "TXTCMOSCap",  // a negative capacitor is not a zero one
         "Range Error:  R1 =-121Kohms\r\rR1 out of range - select a lower capacitor value", {"", "", "268K", ""}, ""},
    };
    for (const Case& c : cases) {
        click(w.option("OPTCMOSFixed"));
        enter("1000", "", "10");
        calculate();
        ASSERT_EQ(values(), (Values{"121K", "", "268K", ""})) << c.freq;
        if (c.range) click(w.option("OPTCMOSRange"));  // the switch empties the values
        enter(c.freq, c.maxFreq, c.cap);
        w.clearMessages();
        calculate();
        ASSERT_EQ(w.messages.shown.size(), 1U) << c.freq;
        EXPECT_EQ(w.lastMessage(), c.message) << c.freq;
        EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(c.box))) << c.freq;
        EXPECT_EQ(values(), c.after) << c.freq;
        EXPECT_EQ(w.text("TXTCMOSFreq(1)"), c.maxFreqAfter) << c.freq;
    }
}

TEST_F(CmosAstablePage, AZeroCapacitorIsReportedNotDividedBy) {
    for (const char* typed : {"0", "", "abc", "-", "0.0"}) {
        enter("1000", "", "10");
        calculate();  // a good design first, so the emptying shows
        type(w.box("TXTCMOSCap"), typed);
        w.clearMessages();
        calculate();
        EXPECT_EQ(w.text("TXTCMOSCap"), "0") << typed;  // rewritten as read
        EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "0nF") << typed;
        ASSERT_EQ(w.messages.shown.size(), 1U) << typed;
        EXPECT_EQ(w.lastMessage(), "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!");
        EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXTCMOSCap"))) << typed;
        EXPECT_EQ(values(), kNone) << typed;
    }
}

TEST_F(CmosAstablePage, SwitchingModesMovesTheLabelsAndEmptiesTheValues) {
    calculate();
    click(w.option("OPTCMOSRange"));
    expectLayout(true);
    EXPECT_EQ(values(), kNone);
    EXPECT_EQ(w.box("TXTCMOSFreq(0)")->accessibleName(), "Minimum frequency, hertz");
    enter("500", "2000", "100");
    calculate();
    ASSERT_NE(values()[3], "") << w.lastMessage();
    click(w.option("OPTCMOSFixed"));
    expectLayout(false);
    EXPECT_EQ(values(), kNone);
    EXPECT_EQ(w.text("TXTCMOSFreq(0)") + w.text("TXTCMOSFreq(1)") + w.text("TXTCMOSCap"), "5002000100");
    calculate();
    click(w.option("OPTCMOSFixed"));  // the mode already in force is laid out again
    EXPECT_EQ(values(), kNone);
}

TEST_F(CmosAstablePage, CapacitorCaptionsFollowTheBoxAndTheUnitAtOnce) {
    uitest::pick(w.list("CBOCMOSMult"), 2);
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "10uF");
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "10uF");
    type(w.box("TXTCMOSCap"), ".47");
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "0.47uF");
    uitest::pick(w.list("CBOCMOSMult"), 0);
    type(w.box("TXTCMOSCap"), "4.7uF");  // only three characters go in
    EXPECT_EQ(w.text("TXTCMOSCap"), "4.7");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "4.7pF");
    EXPECT_EQ(values(), kNone);  // nothing is calculated
}

TEST_F(CmosAstablePage, AnyTypedTextEndsInValuesOrOneMessage) {
    const QString hostile[] = {
        QStringLiteral("1.2.3.4"), QStringLiteral("--5"), QStringLiteral("1e400"), QStringLiteral("   "),
        QString(10000, u'9'),      QString(10000, u'-'),  QStringLiteral("１０００"), QStringLiteral("五百½Ⅳ٣"),
    };
    click(w.option("OPTCMOSRange"));
    for (const QString& text : hostile) {
        for (const char* box : {"TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap"}) {
            enter("100", "1000", "100");
            paste(w.box(box), text);
            w.clearMessages();
            calculate();
            EXPECT_LE(w.messages.shown.size(), 1U);
            for (const std::string& v : values()) EXPECT_EQ(v.find_first_not_of("0123456789.KM"), std::string::npos) << v;
            const std::string shown = w.text("TXTCMOSFreq(1)") + w.text("TXTCMOSCap") + w.caption("LBLCMOSCap(0)");
            EXPECT_EQ(shown.find_first_not_of("0123456789.-nF"), std::string::npos) << shown;
        }
    }
}

TEST_F(CmosAstablePage, KeyboardAndScreenReaderCanReachEverything) {
    const char* order[] = {"OPTCMOSFixed", "OPTCMOSRange", "TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap",
                           "CBOCMOSMult",  "TXTCMOSVolts", "UPDCMOSVolt",    "CMDCalcCMOS"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(w.get<QWidget>(order[i])), w.get<QWidget>(order[i + 1])) << order[i];
    for (const char* name : order) EXPECT_FALSE(w.get<QWidget>(name)->accessibleName().isEmpty()) << name;
    for (const char* name : {"LBLCMOSR(0)", "LBLCMOSR(1)", "LBLCMOSR(2)", "LBLCMOSR(3)", "LBLCMOSCap(0)"}) {
        EXPECT_FALSE(w.label(name)->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(w.label(name)->textInteractionFlags() & Qt::TextSelectableByMouse) << name;
    }
    click(w.option("OPTCMOSRange"));
    enter("100", "1000", "100");
    QTest::keyClick(w.box("TXTCMOSFreq(1)"), Qt::Key_Enter);
    EXPECT_EQ(values(), (Values{"12.1K", "109K", "26.8K", "241K"}));
}

}  // namespace
