#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::type;

const char *const kD1 = "TXTMonoFixed", *const kD2 = "TXTMonoRange", *const kCap = "TXTMonoCap";
const char* const kRangeOnly[] = {kD2, "Label34", "Label35", "Label37", "LBLMonoVR1", "LBLMonoVR2"};
const char* const kPictures[] = {"IMGNANDMono1", "IMGNORMono1", "IMGNANDMono2", "IMGNORMono2"};  // Fixed, then Range

struct Page {
    uitest::Window w;
    Page() { w.form().show(); w.showTab("CMOS Monostables"); }
    void calculate() { click(w.button("CMDCalcMono")); }
    // A value as the NAND drawing ("...1") shows it; the NOR drawing ("...2") must agree.
    std::string both(const std::string& base) const {
        const std::string nand = w.caption((base + "1").c_str()), nor = w.caption((base + "2").c_str());
        return nand == nor ? nand : nand + "<>" + nor;
    }
    std::string boxes() const { return w.text(kD1) + "|" + w.text(kD2) + "|" + w.text(kCap); }
    void expectLayout(bool range) const {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(w.picture(kPictures[i])->isVisible(), range == (i >= 2)) << kPictures[i];
        for (const char* name : kRangeOnly) EXPECT_EQ(w.get<QWidget>(name)->isVisible(), range) << name;
        // The R1 labels follow the fixed resistor, which sits higher in the Range pictures.
        EXPECT_EQ(kit::twipRect(w.label("LBLMonoR1")).top, range ? 1350 : 1590);
        EXPECT_EQ(kit::twipRect(w.label("LBLMonoR2")).top, range ? 660 : 870);
    }
};

TEST(CmosMonostablePage, StartUpStateThenResultsSurviveBothModeSwitches) {
    Page p;
    EXPECT_EQ(p.w.focused(), p.w.box(kD1));
    EXPECT_TRUE(p.w.option("OPTMonoFixed")->isChecked());
    EXPECT_EQ(p.boxes(), "10|100|100");
    EXPECT_EQ(p.w.box(kCap)->maxLength(), 3);
    QComboBox* units = p.w.list("CBOMonoMult");
    EXPECT_TRUE(units->isEditable());
    EXPECT_EQ(units->itemText(0) + units->itemText(1) + units->itemText(2) + "|" + units->currentText(), "pFnFuF|nF");
    // The start-up pick of "nF" ran the unit handler.
    EXPECT_EQ(p.both("LBLMonoC") + " " + p.both("LBLMonoR") + " " + p.both("LBLMonoVR"), "100nF R1 VR1");
    for (const char* pic : kPictures) EXPECT_TRUE(p.w.picture(pic)->isValid()) << pic;
    p.expectLayout(false);
    // Tab walks mode, durations, capacitor, then the button; every control and value has a spoken name.
    const char* order[] = {"OPTMonoFixed", "OPTMonoRange", kD1, kD2, kCap, "CBOMonoMult", "CMDCalcMono"};
    for (int i = 0; i + 1 < 7; ++i) {
        QWidget* next = p.w.get<QWidget>(order[i])->nextInFocusChain();
        // The unit list's own text box stands in for the list: skip it.
        while ((next->focusPolicy() & Qt::TabFocus) == 0 || next->focusProxy() != nullptr)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, p.w.get<QWidget>(order[i + 1])) << order[i];
    }
    for (const char* name : order) EXPECT_FALSE(p.w.get<QWidget>(name)->accessibleName().isEmpty()) << name;
    for (const char* l : {"LBLMonoR1", "LBLMonoR2", "LBLMonoVR1", "LBLMonoVR2", "LBLMonoC1", "LBLMonoC2"})
        EXPECT_FALSE(p.w.label(l)->accessibleName().isEmpty()) << l;

    p.calculate();
    EXPECT_EQ(p.both("LBLMonoR"), "145K");  // 10 ms on 100 nF
    click(p.w.option("OPTMonoRange"));
    p.expectLayout(true);
    p.calculate();
    EXPECT_EQ(p.both("LBLMonoR") + " " + p.both("LBLMonoVR"), "145K 1.3M");
    click(p.w.option("OPTMonoFixed"));
    p.expectLayout(false);
    EXPECT_EQ(p.both("LBLMonoVR"), "1.3M");  // hidden in Fixed mode, not emptied
    EXPECT_TRUE(p.w.messages.shown.empty());
}

const char* const kDur = "Duration must be between 0.001ms and 1000s";

// Typed over after a Range run that wrote R1 145K and VR1 1.3M: the box then selected, the R1 and VR1
// captions, the message's first line, and what the boxes read (rewrites land before the check that fails).
struct Fault { const char *box, *text, *selected, *r1, *vr1, *firstLine, *boxes; };

const Fault kFaults[] = {
    {kD1, "0.0009", kD1, "145K", "1.3M", kDur, "0.0009|100|100"},
    {kCap, "", kCap, "", "1.3M", "Entry Error:  Capacitor = 0", "10|100|0"},
    {kD1, "0.1", kCap, "", "1.3M", "Range Error:  R1 =  1.45Kohms", ".1|100|100"},
    {kD1, "1000", kCap, "", "1.3M", "Range Error:  R1 =  14Mohms", "1000|100|100"},
    {kD2, "1000001", kD2, "145K", "1.3M", kDur, "10|1000001|100"},
    {kD2, "10", kD2, "145K", "1.3M", "Maximum duration must be higher than minimum!", "10|10|100"},
    {kD2, "10.005", kCap, "145K", "", "Range Error:  VR1 =72.5ohms", "10|10.005|100"},
    {kD2, "1000", kCap, "145K", "", "Range Error:  VR1 =  14Mohms", "10|1000|100"},
};

TEST(CmosMonostablePage, AFailedCheckEmptiesItsLabelsAndSelectsItsBox) {
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(std::string(f.box) + " <- " + f.text);
        Page p;
        click(p.w.option("OPTMonoRange"));
        p.calculate();
        type(p.w.box(f.box), f.text);
        QTest::keyClick(p.w.box(f.box), Qt::Key_Return);  // Enter in a box presses "Calculate"
        ASSERT_EQ(p.w.messages.shown.size(), 1u);
        const auto& m = p.w.messages.shown[0];
        EXPECT_EQ(m.text.substr(0, m.text.find('\r')) + "|" + m.title, std::string(f.firstLine) + "|Ohmbench");
        EXPECT_TRUE(uitest::selectedWithFocus(p.w, p.w.box(f.selected)));
        EXPECT_EQ(p.both("LBLMonoR") + " " + p.both("LBLMonoVR"), std::string(f.r1) + " " + f.vr1);
        EXPECT_EQ(p.boxes(), f.boxes);
        EXPECT_EQ(p.both("LBLMonoC"), p.w.text(kCap) + "nF");  // a rewritten capacitor refreshes C1
    }
}

TEST(CmosMonostablePage, CapacitorCaptionFollowsTextAndPickedUnitButNotATypedUnit) {
    Page p;
    QComboBox* units = p.w.list("CBOMonoMult");
    uitest::pick(units, 0);
    EXPECT_EQ(p.both("LBLMonoC"), "100pF");
    type(units->lineEdit(), "uF");
    EXPECT_EQ(p.both("LBLMonoC"), "100pF");  // typing the unit runs neither handler
    p.calculate();                          // and selects no entry: 100 counts as nanofarads
    EXPECT_EQ(p.both("LBLMonoR") + p.w.lastMessage(), "145K");
    type(p.w.box(kCap), "4k7");
    EXPECT_EQ(p.both("LBLMonoC"), "47");
    QTest::keyClick(units->lineEdit(), Qt::Key_Return);  // Enter takes the entry named and calculates
    EXPECT_EQ(p.both("LBLMonoC"), "47uF");
    EXPECT_EQ(p.w.lastMessage().substr(0, 27), "Range Error:  R1 =  308ohms");  // 0.01 s / (0.69 x 47 uF)
}

}  // namespace
