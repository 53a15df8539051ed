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
using uitest::pick;
using uitest::type;

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

constexpr const char* kR[] = {"LBLCMOSR(0)", "LBLCMOSR(1)", "LBLCMOSR(2)", "LBLCMOSR(3)"};

class CmosAstablePage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();  // the spin arrows get their size when shown
        w.showTab("CMOS Astables");
    }
    void calculate() { click(w.button("CMDCalcCMOS")); }
    void range() { click(w.option("OPTCMOSRange")); }
    std::vector<std::string> values() const {
        return {w.caption(kR[0]), w.caption(kR[1]), w.caption(kR[2]), w.caption(kR[3])};
    }
    bool shown(const char* name) const { return w.get<QWidget>(name)->isVisible(); }
    bool pictureShown(const char* name) const { return w.picture(name)->isVisible(); }

    uitest::Window w;
};

using Values = std::vector<std::string>;

TEST_F(CmosAstablePage, OpensInFixedModeWithTenNanofaradsAtFiveVolts) {
    EXPECT_EQ(w.get<QGroupBox>("FrmCMOS")->title(), "CMOS Astables");
    EXPECT_TRUE(w.option("OPTCMOSFixed")->isChecked());
    EXPECT_FALSE(w.option("OPTCMOSRange")->isChecked());
    EXPECT_EQ(w.text("TXTCMOSFreq(0)"), "1000");
    EXPECT_EQ(w.text("TXTCMOSFreq(1)"), "");
    EXPECT_EQ(w.text("TXTCMOSCap"), "10");
    EXPECT_EQ(w.text("TXTCMOSVolts"), "5");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "10nF");
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "10nF");
    EXPECT_EQ(values(), (Values{"", "", "", ""}));

    QComboBox* unit = w.list("CBOCMOSMult");
    ASSERT_EQ(unit->count(), 3);
    EXPECT_EQ(unit->itemText(0), "pF");
    EXPECT_EQ(unit->itemText(1), "nF");
    EXPECT_EQ(unit->itemText(2), "uF");
    EXPECT_EQ(unit->currentIndex(), 1);
    EXPECT_FALSE(unit->isEditable());
    EXPECT_EQ(w.box("TXTCMOSCap")->maxLength(), 3);
    EXPECT_TRUE(w.box("TXTCMOSVolts")->isReadOnly());

    for (const char* hidden : {"Label16", "Label17", "Label19", "TXTCMOSFreq(1)", "LBLCMOSR(1)", "LBLCMOSR(3)"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    for (const char* visible : {"Label14", "Label15", "Label18", "Label20", "Label21", "LBLCMOSR(0)", "LBLCMOSR(2)"})
        EXPECT_TRUE(shown(visible)) << visible;
    EXPECT_TRUE(pictureShown("CMOSDia(0)"));
    EXPECT_FALSE(pictureShown("CMOSDia(1)"));
    EXPECT_TRUE(pictureShown("CMOSDia(2)"));
    EXPECT_FALSE(pictureShown("CMOSDia(3)"));
    for (const char* pic : {"CMOSDia(0)", "CMOSDia(1)", "CMOSDia(2)", "CMOSDia(3)"})
        EXPECT_TRUE(w.picture(pic)->isValid()) << pic;
}

TEST_F(CmosAstablePage, ControlsStandWhereTheLayoutPutsThem) {
    struct Place {
        const char* name;
        kit::TwipRect rect;
        const char* caption;  // label, option or button text; nullptr to skip
    };
    const Place rows[] = {
        {"LBLCMOSR(0)", {810, 1140, 555, 225}, nullptr},    {"LBLCMOSR(1)", {810, 1410, 555, 225}, nullptr},
        {"LBLCMOSR(2)", {4710, 300, 555, 225}, nullptr},    {"LBLCMOSR(3)", {5040, 300, 645, 225}, nullptr},
        {"LBLCMOSCap(0)", {3090, 1140, 465, 225}, nullptr}, {"LBLCMOSCap(1)", {4380, 1740, 465, 225}, nullptr},
        {"Label14", {420, 2400, 1125, 255}, "Astable mode:"},
        {"OPTCMOSFixed", {510, 2700, 825, 225}, "Fixed"},   {"OPTCMOSRange", {510, 2940, 825, 225}, "Range"},
        {"Label15", {1980, 2400, 855, 255}, "Frequency:"},  {"Label16", {1590, 2700, 375, 225}, "Min"},
        {"Label17", {1650, 2970, 315, 225}, "Max"},         {"TXTCMOSFreq(0)", {2010, 2670, 795, 255}, nullptr},
        {"TXTCMOSFreq(1)", {2010, 2940, 795, 255}, nullptr}, {"Label18", {2850, 2700, 255, 225}, "Hz"},
        {"Label19", {2850, 2970, 315, 255}, "Hz"},          {"Label20", {3450, 2400, 1095, 225}, "Capacitor"},
        {"TXTCMOSCap", {3600, 2670, 375, 315}, nullptr},    {"CBOCMOSMult", {3960, 2670, 570, 315}, nullptr},
        {"Label21", {4860, 2400, 1275, 255}, "Supply Voltage"},
        {"TXTCMOSVolts", {5190, 2670, 300, 315}, nullptr},  {"UPDCMOSVolt", {5490, 2670, 255, 315}, nullptr},
        {"CMDCalcCMOS", {1770, 3360, 3165, 345}, "Calculate Values"},
    };
    for (const Place& r : rows) {
        QWidget* c = w.get<QWidget>(r.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(kit::twipRect(c), r.rect) << r.name;
        if (r.caption == nullptr) continue;
        if (auto* l = qobject_cast<QLabel*>(c)) {
            EXPECT_EQ(l->text().toStdString(), r.caption) << r.name;
        }
        if (auto* b = qobject_cast<QAbstractButton*>(c)) {
            EXPECT_EQ(b->text().toStdString(), r.caption) << r.name;
        }
    }
    EXPECT_EQ(w.picture("CMOSDia(0)")->rect(), (kit::TwipRect{360, 600, 2820, 1650}));
    EXPECT_EQ(w.picture("CMOSDia(1)")->rect(), (kit::TwipRect{360, 600, 2820, 1650}));
    EXPECT_EQ(w.picture("CMOSDia(2)")->rect(), (kit::TwipRect{3990, 510, 2100, 1725}));
    EXPECT_EQ(w.picture("CMOSDia(3)")->rect(), (kit::TwipRect{3990, 510, 2100, 1725}));
}

TEST_F(CmosAstablePage, TheTabPutsTheKeyboardInTheFrequencyBox) {
    w.showTab("Resistors");
    w.showTab("CMOS Astables");
    EXPECT_EQ(w.focused(), w.box("TXTCMOSFreq(0)"));
}

TEST_F(CmosAstablePage, DesignsBothCircuitsForOneFrequency) {
    calculate();
    EXPECT_TRUE(w.messages.shown.empty()) << w.lastMessage();
    EXPECT_EQ(values(), (Values{"121K", "", "268K", ""}));

    // 12 V moves circuit 1 only.
    click(w.spin("UPDCMOSVolt")->upArrow());
    for (int i = 0; i < 6; ++i) click(w.spin("UPDCMOSVolt")->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "12");
    calculate();
    EXPECT_EQ(values(), (Values{"133K", "", "268K", ""}));

    // Enter in the capacitor box calculates too: 100 nF gives a tenth.
    type(w.box("TXTCMOSCap"), "100");
    QTest::keyClick(w.box("TXTCMOSCap"), Qt::Key_Return);
    EXPECT_EQ(w.text("TXTCMOSCap"), "100");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "100nF");
    EXPECT_EQ(values()[2], "26.8K");
}

TEST_F(CmosAstablePage, ARangeWritesThePotsAndStopsAtTheFirstOneOutOfRange) {
    range();
    type(w.box("TXTCMOSFreq(0)"), "100");
    type(w.box("TXTCMOSFreq(1)"), "1,000 Hz");
    calculate();
    EXPECT_EQ(w.text("TXTCMOSFreq(1)"), "1000");  // rewritten as read
    EXPECT_EQ(values(), (Values{"121K", "1.09M", "268K", ""}));
    ASSERT_EQ(w.messages.shown.size(), 1U);
    EXPECT_EQ(w.messages.shown[0].text,
              "Range Error:  VR2 =2.41Mohms\r\rVR2 out of range - select a higher capacitor value");
    EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXTCMOSCap")));

    // With 100 nF every pot fits.
    w.clearMessages();
    type(w.box("TXTCMOSCap"), "100");
    calculate();
    EXPECT_TRUE(w.messages.shown.empty()) << w.lastMessage();
    EXPECT_EQ(values(), (Values{"12.1K", "109K", "26.8K", "241K"}));
}

TEST_F(CmosAstablePage, FailedChecksSelectTheirBoxAndKeepEarlierValues) {
    struct Case {
        const char* name;
        bool range;
        const char* freq;
        const char* maxFreq;
        const char* cap;
        const char* box;       // selected with the focus
        const char* message;
        Values after;          // value labels after the message
        const char* maxFreqAfter;
    };
    // Every case starts from a finished 10 nF, 1 kHz design showing 121K and 268K.
    const Case cases[] = {
        {"0.4Hz", false, "0.4", "", "10", "TXTCMOSFreq(0)", "Frequency must be between 0.5Hz and 1MHz",
         {"121K", "", "268K", ""}, ""},
        {"30kHz", false, "30000", "", "10", "TXTCMOSCap",
         "Range Error:  R1 =4.04Kohms\r\rR1 out of range - select a lower capacitor value", {"", "", "268K", ""}, ""},
        {"empty maximum", true, "100", "", "10", "TXTCMOSFreq(1)",
         "Maximum frequency must be between 0.5Hz and 1MHz", {"", "", "", ""}, "0"},
        {"equal", true, "1000", "1000.0", "10", "TXTCMOSFreq(1)", "Maximum frequency must be higher than minimum!",
         {"", "", "", ""}, "1000"},
        {"997Hz to 1kHz", true, "997", "1000", "10", "TXTCMOSCap",
         "Range Error:  VR2 =806ohms\r\rVR2 out of range - select a lower capacitor value",
         {"121K", "365", "268K", ""}, "1000"},
    };
    for (const Case& c : cases) {
        click(w.option("OPTCMOSFixed"));
        type(w.box("TXTCMOSFreq(0)"), "1000");
        type(w.box("TXTCMOSCap"), "10");
        calculate();
        ASSERT_EQ(values(), (Values{"121K", "", "268K", ""})) << c.name;
        if (c.range) range();  // the switch empties the values
        type(w.box("TXTCMOSFreq(0)"), c.freq);
        type(w.box("TXTCMOSFreq(1)"), c.maxFreq);
        type(w.box("TXTCMOSCap"), c.cap);
        w.clearMessages();
        calculate();
        ASSERT_EQ(w.messages.shown.size(), 1U) << c.name;
        EXPECT_EQ(w.lastMessage(), c.message) << c.name;
        EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle) << c.name;
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(c.box))) << c.name;
        EXPECT_EQ(values(), c.after) << c.name;
        EXPECT_EQ(w.text("TXTCMOSFreq(1)"), c.maxFreqAfter) << c.name;
    }
}

TEST_F(CmosAstablePage, AZeroCapacitorIsReportedNotDividedBy) {
    calculate();
    ASSERT_EQ(values(), (Values{"121K", "", "268K", ""}));
    for (const char* typed : {"0", "", "abc", "-", ".", "0.0"}) {
        w.clearMessages();
        calculate();  // a good design first, so the emptying shows
        type(w.box("TXTCMOSCap"), typed);
        calculate();
        EXPECT_EQ(w.text("TXTCMOSCap"), "0") << typed;  // rewritten as read
        EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "0nF") << typed;
        EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "0nF") << typed;
        ASSERT_EQ(w.messages.shown.size(), 1U) << typed;
        EXPECT_EQ(w.lastMessage(), "Entry Error:  Capacitor = 0\r\rYou must enter a capacitor value above zero!");
        EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXTCMOSCap"))) << typed;
        EXPECT_EQ(values(), (Values{"", "", "", ""})) << typed;
        type(w.box("TXTCMOSCap"), "10");
    }
    // A negative capacitor is a resistor out of range, not a zero.
    w.clearMessages();
    type(w.box("TXTCMOSCap"), "-10");
    calculate();
    EXPECT_EQ(w.lastMessage(), "Range Error:  R1 =-121Kohms\r\rR1 out of range - select a lower capacitor value");
}

TEST_F(CmosAstablePage, SwitchingModesMovesTheLabelsAndEmptiesTheValues) {
    calculate();
    ASSERT_EQ(values()[0], "121K");
    range();
    EXPECT_EQ(values(), (Values{"", "", "", ""}));
    for (const char* visible : {"Label16", "Label17", "Label19", "TXTCMOSFreq(1)", "LBLCMOSR(1)", "LBLCMOSR(3)"})
        EXPECT_TRUE(shown(visible)) << visible;
    EXPECT_FALSE(pictureShown("CMOSDia(0)"));
    EXPECT_TRUE(pictureShown("CMOSDia(1)"));
    EXPECT_FALSE(pictureShown("CMOSDia(2)"));
    EXPECT_TRUE(pictureShown("CMOSDia(3)"));
    EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(0)")), (kit::TwipRect{810, 900, 555, 225}));
    EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(2)")), (kit::TwipRect{4350, 300, 555, 225}));
    EXPECT_EQ(w.box("TXTCMOSFreq(0)")->accessibleName(), "Minimum frequency, hertz");

    type(w.box("TXTCMOSFreq(1)"), "2000");
    type(w.box("TXTCMOSCap"), "100");
    type(w.box("TXTCMOSFreq(0)"), "500");
    calculate();
    ASSERT_FALSE(values()[1].empty()) << w.lastMessage();

    click(w.option("OPTCMOSFixed"));
    EXPECT_EQ(values(), (Values{"", "", "", ""}));
    for (const char* hidden : {"Label16", "Label17", "Label19", "TXTCMOSFreq(1)", "LBLCMOSR(1)", "LBLCMOSR(3)"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(pictureShown("CMOSDia(0)"));
    EXPECT_FALSE(pictureShown("CMOSDia(1)"));
    EXPECT_TRUE(pictureShown("CMOSDia(2)"));
    EXPECT_FALSE(pictureShown("CMOSDia(3)"));
    EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(0)")), (kit::TwipRect{810, 1140, 555, 225}));
    EXPECT_EQ(kit::twipRect(w.label("LBLCMOSR(2)")), (kit::TwipRect{4710, 300, 555, 225}));
    // Typed texts survive both switches.
    EXPECT_EQ(w.text("TXTCMOSFreq(0)"), "500");
    EXPECT_EQ(w.text("TXTCMOSFreq(1)"), "2000");
    EXPECT_EQ(w.text("TXTCMOSCap"), "100");

    // Clicking the mode already in force lays it out again, values emptied.
    calculate();
    ASSERT_FALSE(values()[0].empty());
    click(w.option("OPTCMOSFixed"));
    EXPECT_EQ(values(), (Values{"", "", "", ""}));
}

TEST_F(CmosAstablePage, CapacitorCaptionsFollowTheBoxAndTheUnitAtOnce) {
    pick(w.list("CBOCMOSMult"), 2);
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "10uF");
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "10uF");
    type(w.box("TXTCMOSCap"), ".47");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "0.47uF");
    pick(w.list("CBOCMOSMult"), 0);
    EXPECT_EQ(w.caption("LBLCMOSCap(1)"), "0.47pF");
    type(w.box("TXTCMOSCap"), "4.7uF");  // only three characters go in
    EXPECT_EQ(w.text("TXTCMOSCap"), "4.7");
    EXPECT_EQ(w.caption("LBLCMOSCap(0)"), "4.7pF");
    EXPECT_TRUE(values() == (Values{"", "", "", ""}));  // nothing is calculated
}

TEST_F(CmosAstablePage, TheSupplyStepsByOneVoltBetweenThreeAndFifteen) {
    kit::SpinButton* spin = w.spin("UPDCMOSVolt");
    EXPECT_EQ(spin->minimum(), 3);
    EXPECT_EQ(spin->maximum(), 15);
    EXPECT_FALSE(spin->wraps());
    click(spin->upArrow());
    click(spin->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "7");
    for (int i = 0; i < 20; ++i) click(spin->upArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "15");
    for (int i = 0; i < 20; ++i) click(spin->downArrow());
    EXPECT_EQ(w.text("TXTCMOSVolts"), "3");
    type(w.box("TXTCMOSVolts"), "9");  // read-only: typing changes nothing
    EXPECT_EQ(w.text("TXTCMOSVolts"), "3");
    // 3 V: 1e5 / ln(3.7 / 1.5) = 110,758 ohms.
    calculate();
    EXPECT_EQ(values()[0], "111K");
}

TEST_F(CmosAstablePage, AnyTypedTextEndsInValuesOrOneMessage) {
    const QString hostile[] = {
        QStringLiteral("abc"),       QStringLiteral("1.2.3.4"), QStringLiteral("--5"),   QStringLiteral("1e400"),
        QStringLiteral("   "),       QString(),                 QString(10000, u'9'),    QString(10000, u'-'),
        QStringLiteral("１０００"),  QStringLiteral("五百"),    QStringLiteral("½Ⅳ٣"), QStringLiteral("1E-9999"),
    };
    range();
    for (const QString& text : hostile) {
        for (const char* box : {"TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap"}) {
            type(w.box("TXTCMOSFreq(0)"), "100");
            type(w.box("TXTCMOSFreq(1)"), "1000");
            type(w.box("TXTCMOSCap"), "100");
            paste(w.box(box), text);
            w.clearMessages();
            calculate();
            EXPECT_LE(w.messages.shown.size(), 1U);
            for (const std::string& v : values()) {
                EXPECT_EQ(v.find_first_not_of("0123456789.KM"), std::string::npos) << v;
            }
            for (const char* b : {"TXTCMOSFreq(1)", "TXTCMOSCap"}) {
                EXPECT_EQ(w.text(b).find_first_not_of("0123456789.-"), std::string::npos) << w.text(b);
            }
            const std::string cap = w.caption("LBLCMOSCap(0)");
            EXPECT_EQ(cap.find_first_not_of("0123456789.-nF"), std::string::npos) << cap;
        }
    }
}

TEST_F(CmosAstablePage, KeyboardAndScreenReaderCanReachEverything) {
    const char* order[] = {"OPTCMOSFixed", "OPTCMOSRange", "TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap",
                           "CBOCMOSMult",  "TXTCMOSVolts", "UPDCMOSVolt",    "CMDCalcCMOS"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(w.get<QWidget>(order[i])), w.get<QWidget>(order[i + 1])) << order[i];
    for (const char* name : {"OPTCMOSFixed", "OPTCMOSRange", "TXTCMOSFreq(0)", "TXTCMOSFreq(1)", "TXTCMOSCap",
                             "CBOCMOSMult", "TXTCMOSVolts", "UPDCMOSVolt", "LBLCMOSR(0)", "LBLCMOSR(1)",
                             "LBLCMOSR(2)", "LBLCMOSR(3)", "LBLCMOSCap(0)", "LBLCMOSCap(1)"})
        EXPECT_FALSE(w.get<QWidget>(name)->accessibleName().isEmpty()) << name;
    EXPECT_EQ(w.box("TXTCMOSFreq(0)")->accessibleName(), "Frequency, hertz");
    for (const char* name : kR)
        EXPECT_TRUE(w.label(name)->textInteractionFlags() & Qt::TextSelectableByMouse) << name;

    // Enter in the maximum box calculates in Range mode.
    range();
    type(w.box("TXTCMOSFreq(0)"), "100");
    type(w.box("TXTCMOSFreq(1)"), "1000");
    type(w.box("TXTCMOSCap"), "100");
    QTest::keyClick(w.box("TXTCMOSFreq(1)"), Qt::Key_Enter);
    EXPECT_EQ(values(), (Values{"12.1K", "109K", "26.8K", "241K"}));
}

}  // namespace
