#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::pick;
using uitest::type;

const char* const kResults[] = {"LBLMonoR1", "LBLMonoR2", "LBLMonoVR1", "LBLMonoVR2", "LBLMonoC1", "LBLMonoC2"};

class CmosMonostablePage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();
        w.showTab("CMOS Monostables");
    }
    void calculate() { click(w.button("CMDCalcMono")); }
    // R1 and VR1 as the NAND drawing shows them; the NOR drawing must agree.
    std::string r() const { return same("LBLMonoR1", "LBLMonoR2"); }
    std::string vr() const { return same("LBLMonoVR1", "LBLMonoVR2"); }
    std::string c() const { return same("LBLMonoC1", "LBLMonoC2"); }
    std::string same(const char* nand, const char* nor) const {
        return w.caption(nand) == w.caption(nor) ? w.caption(nand) : "<differ>";
    }
    bool shown(const char* name) const { return w.get<QWidget>(name)->isVisible(); }
    uitest::Window w;
};

TEST_F(CmosMonostablePage, OpensInFixedModeWithTheDesignValues) {
    EXPECT_EQ(w.get<QGroupBox>("FrmMono")->title(), "CMOS Monostables");
    EXPECT_EQ(w.focused(), w.box("TXTMonoFixed"));
    EXPECT_TRUE(w.option("OPTMonoFixed")->isChecked());
    EXPECT_EQ(w.text("TXTMonoFixed") + w.text("TXTMonoRange") + w.text("TXTMonoCap"), "10100100");
    EXPECT_EQ(w.box("TXTMonoCap")->maxLength(), 3);
    QComboBox* units = w.list("CBOMonoMult");
    ASSERT_EQ(units->count(), 3);
    EXPECT_EQ(units->itemText(0) + units->itemText(1) + units->itemText(2), "pFnFuF");
    EXPECT_EQ(units->currentIndex(), 1);
    EXPECT_TRUE(units->isEditable());
    EXPECT_EQ(c() + " " + r() + " " + vr(), "100nF R1 VR1");  // the pick of "nF" ran its handler
    for (const char* hidden : {"TXTMonoRange", "Label34", "Label35", "Label37", "LBLMonoVR1", "LBLMonoVR2"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(w.picture("IMGNANDMono1")->isVisible() && w.picture("IMGNORMono1")->isVisible());
    EXPECT_FALSE(w.picture("IMGNANDMono2")->isVisible() || w.picture("IMGNORMono2")->isVisible());
    for (const char* p : {"IMGNANDMono1", "IMGNANDMono2", "IMGNORMono1", "IMGNORMono2"})
        EXPECT_TRUE(w.picture(p)->isValid()) << p;
    EXPECT_EQ(kit::twipRect(w.list("CBOMonoMult")), (kit::TwipRect{4440, 2670, 555, 315}));
    EXPECT_EQ(w.picture("IMGNORMono2")->rect(), (kit::TwipRect{3480, 420, 2910, 1860}));
}

TEST_F(CmosMonostablePage, FixedAndRangeResultsSurviveTheModeSwitch) {
    calculate();
    EXPECT_EQ(r(), "145K");  // 10 ms on 100 nF: 144 928 ohms
    click(w.option("OPTMonoRange"));
    EXPECT_EQ(kit::twipRect(w.label("LBLMonoR1")).top, 1350);
    EXPECT_EQ(kit::twipRect(w.label("LBLMonoR2")).top, 660);
    for (const char* s : {"TXTMonoRange", "Label34", "Label35", "Label37", "LBLMonoVR1", "LBLMonoVR2"})
        EXPECT_TRUE(shown(s)) << s;
    EXPECT_TRUE(w.picture("IMGNANDMono2")->isVisible() && !w.picture("IMGNANDMono1")->isVisible());
    calculate();
    EXPECT_EQ(r() + " " + vr(), "145K 1.3M");  // 10 to 100 ms: VR1 1 304 348 ohms
    click(w.option("OPTMonoFixed"));
    EXPECT_EQ(kit::twipRect(w.label("LBLMonoR1")).top, 1590);
    EXPECT_EQ(kit::twipRect(w.label("LBLMonoR2")).top, 870);
    EXPECT_FALSE(shown("LBLMonoVR1"));
    EXPECT_EQ(vr(), "1.3M");
    EXPECT_TRUE(w.messages.shown.empty());
}

struct Fault {
    const char* name;
    const char* box;  // typed into
    const char* text;
    const char* selected;
    const char *r1, *vr1;  // captions afterwards; the run before gave 145K and 1.3M
    const char* firstLine;
};

const Fault kFaults[] = {
    {"Dur", "TXTMonoFixed", "0.0009", "TXTMonoFixed", "145K", "1.3M", "Duration must be between 0.001ms and 1000s"},
    {"CapZero", "TXTMonoCap", "", "TXTMonoCap", "", "1.3M", "Entry Error:  Capacitor = 0"},
    {"R1Low", "TXTMonoFixed", "0.1", "TXTMonoCap", "", "1.3M", "Range Error:  R1 =  1.45Kohms"},
    {"R1High", "TXTMonoFixed", "1000", "TXTMonoCap", "", "1.3M", "Range Error:  R1 =  14Mohms"},
    {"MaxDur", "TXTMonoRange", "1000001", "TXTMonoRange", "145K", "1.3M", "Duration must be between 0.001ms and 1000s"},
    {"Order", "TXTMonoRange", "10", "TXTMonoRange", "145K", "1.3M", "Maximum duration must be higher than minimum!"},
    {"VR1Low", "TXTMonoRange", "10.005", "TXTMonoCap", "145K", "", "Range Error:  VR1 =72.5ohms"},
    {"VR1High", "TXTMonoRange", "1000", "TXTMonoCap", "145K", "", "Range Error:  VR1 =  14Mohms"},
};

TEST_F(CmosMonostablePage, AFailedCheckEmptiesItsLabelsAndSelectsItsBox) {
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.name);
        uitest::Window fresh;
        fresh.form().show();
        fresh.showTab("CMOS Monostables");
        click(fresh.option("OPTMonoRange"));
        click(fresh.button("CMDCalcMono"));
        type(fresh.box(f.box), QString::fromLatin1(f.text));
        click(fresh.button("CMDCalcMono"));
        ASSERT_EQ(fresh.messages.shown.size(), 1u);
        const std::string& text = fresh.messages.shown[0].text;
        EXPECT_EQ(text.substr(0, text.find('\r')), f.firstLine);
        EXPECT_EQ(fresh.messages.shown[0].title, "Ohmbench");
        EXPECT_TRUE(uitest::selectedWithFocus(fresh, fresh.box(f.selected)));
        EXPECT_EQ(fresh.caption("LBLMonoR1") + "|" + fresh.caption("LBLMonoR2"), std::string(f.r1) + "|" + f.r1);
        EXPECT_EQ(fresh.caption("LBLMonoVR1") + "|" + fresh.caption("LBLMonoVR2"), std::string(f.vr1) + "|" + f.vr1);
    }
}

TEST_F(CmosMonostablePage, BoxesAreRewrittenBeforeLaterChecks) {
    type(w.box("TXTMonoFixed"), "0.50");  // 0.5 ms on 100 nF fails R1Low after the rewrite
    type(w.box("TXTMonoCap"), "");
    calculate();
    EXPECT_EQ(w.text("TXTMonoFixed"), ".5");
    EXPECT_EQ(w.text("TXTMonoCap"), "0");
    EXPECT_EQ(c(), "0nF");  // the rewrite ran the capacitor's Change handler
    type(w.box("TXTMonoFixed"), "10ms");
    type(w.box("TXTMonoCap"), "100");
    QTest::keyClick(w.box("TXTMonoFixed"), Qt::Key_Return);  // Enter presses "Calculate"
    EXPECT_EQ(w.text("TXTMonoFixed"), "10");
    EXPECT_EQ(r(), "145K");
}

TEST_F(CmosMonostablePage, CapacitorCaptionFollowsTextAndPickedUnitButNotATypedUnit) {
    pick(w.list("CBOMonoMult"), 2);
    type(w.box("TXTMonoCap"), "47");
    EXPECT_EQ(c(), "47uF");
    type(w.box("TXTMonoCap"), "4k7");
    EXPECT_EQ(c(), "47uF");
    type(w.box("TXTMonoCap"), "100");
    pick(w.list("CBOMonoMult"), 0);
    EXPECT_EQ(c(), "100pF");
    calculate();
    EXPECT_EQ(w.messages.shown.size(), 1u);  // 145 Mohm on 100 pF: R1High
    w.clearMessages();

    QLineEdit* unitText = w.list("CBOMonoMult")->lineEdit();
    unitText->selectAll();
    QTest::keyClicks(unitText, "uF");
    EXPECT_EQ(c(), "100pF");  // typing the unit runs neither handler
    calculate();              // and selects no entry: 100 counts as nanofarads
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(r(), "145K");
    type(w.box("TXTMonoCap"), "22");
    EXPECT_EQ(c(), "22");
    QTest::keyClick(unitText, Qt::Key_Return);  // Enter takes the entry named and calculates
    EXPECT_EQ(c(), "22uF");
    EXPECT_EQ(w.lastMessage().substr(0, 30), "Range Error:  R1 =  659ohms\r\rR");  // 0.01 s / (0.69 x 22 uF)
}

TEST_F(CmosMonostablePage, AnyTypedTextEndsInResultsOrOneMessage) {
    const QString texts[] = {"abc", "1.2.3", "--5", "1e5", "-", "   ", "", QString(10000, QLatin1Char('9')),
                             QStringLiteral("١٢٣"), QStringLiteral("１０ ms"), "1,000", QStringLiteral("\U0001F600")};
    for (const char* box : {"TXTMonoFixed", "TXTMonoRange", "TXTMonoCap"}) {
        for (const QString& t : texts) {
            uitest::Window fresh;
            click(fresh.option("OPTMonoRange"));
            QLineEdit* e = fresh.box(box);
            e->selectAll();
            e->insert(t);
            click(fresh.button("CMDCalcMono"));
            const std::string trace = std::string(box) + " <- " + t.left(20).toStdString();
            EXPECT_LE(fresh.messages.shown.size(), 1u) << trace;
            if (fresh.messages.shown.empty()) {
                const std::string vr1 = fresh.caption("LBLMonoVR1");
                EXPECT_TRUE(!vr1.empty() && vr1.find_first_not_of("0123456789.KM") == std::string::npos) << trace;
            }
            for (const char* l : kResults) {
                const QString shownText = fresh.label(l)->text();
                EXPECT_FALSE(shownText.contains("nan", Qt::CaseInsensitive) || shownText.contains("inf", Qt::CaseInsensitive))
                    << trace;
            }
        }
    }
}

TEST_F(CmosMonostablePage, KeyboardOrderAndSpokenNames) {
    const char* order[] = {"OPTMonoFixed", "OPTMonoRange", "TXTMonoFixed", "TXTMonoRange",
                           "TXTMonoCap",   "CBOMonoMult",  "CMDCalcMono"};
    for (int i = 0; i + 1 < 7; ++i) {
        QWidget* next = w.get<QWidget>(order[i])->nextInFocusChain();
        // The unit list's own text box stands in for the list: skip it.
        while ((next->focusPolicy() & Qt::TabFocus) == 0 || next->focusProxy() != nullptr)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, w.get<QWidget>(order[i + 1])) << order[i];
    }
    for (const char* name : order) EXPECT_FALSE(w.get<QWidget>(name)->accessibleName().isEmpty()) << name;
    for (const char* name : kResults) EXPECT_FALSE(w.label(name)->accessibleName().isEmpty()) << name;
}

}  // namespace
