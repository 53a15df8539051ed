#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"
#include "values/values.h"

namespace {

using uitest::click;
using uitest::pick;
using uitest::type;
using Texts = std::vector<std::string>;

// Pasting over the whole text: how non-Latin and very long texts get in.
void paste(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->insert(text);
}

class Timer555Page : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();
        w.showTab("555 Timer");
    }
    Texts astable() const { return {w.caption("LBLRVal(0)"), w.caption("LBLRVal(1)"), w.caption("LBLRVal(2)")}; }
    Texts mono() const { return {w.caption("LBLRVal(3)"), w.caption("LBLRVal(4)")}; }
    void calcAstable() { click(w.button("CMDCalcFreq")); }
    void calcMono() { click(w.button("CMDCalc555Mono")); }
    bool shown(const char* name) const { return w.get<QWidget>(name)->isVisible(); }

    uitest::Window w;
};

TEST_F(Timer555Page, OpensInFixedModeWithTenNanofarads) {
    EXPECT_EQ(w.focused(), w.box("TXT555Dur(0)"));
    EXPECT_TRUE(w.option("OPT555Fixed")->isChecked() && w.option("OPT555MonoFixed")->isChecked());
    for (const char* box : {"TXTFreq(0)", "TXTFreq(1)", "TXT555Dur(0)", "TXT555Dur(1)"}) EXPECT_EQ(w.text(box), "");
    EXPECT_EQ(w.text("TXTAstCap") + w.text("TXT555MCap"), "1010");
    QComboBox* ast = w.list("CBOAstCapMult");
    QComboBox* mon = w.list("CBO555Mult");
    EXPECT_EQ((ast->itemText(0) + ast->itemText(1) + ast->itemText(2) + ast->currentText()), "pFnFuFnF");
    EXPECT_EQ((mon->itemText(0) + mon->itemText(1) + QString::number(mon->count()) + mon->currentText()), "nFuF2nF");
    EXPECT_EQ(w.caption("Label30"), "Frequency\nf = 1.44 / (R1 + 2R2) C");
    EXPECT_EQ(w.caption("Label29"), "Pulse time\nt = 1.1CR secs");
    EXPECT_EQ(astable(), (Texts{"", "", ""}));
    EXPECT_EQ(mono(), (Texts{"", ""}));
    for (const char* n : {"TXTFreq(1)", "Label9", "LBLR(2)", "LBLRVal(2)", "TXT555Dur(1)", "Label26", "LBLR(5)",
                          "LBLRVal(4)", "Label12(0)", "Label12(1)", "Label12(2)", "Label12(3)"})
        EXPECT_FALSE(shown(n)) << n;
    for (const char* n : {"Line3(2)", "Line3(5)", "Line3(6)"}) EXPECT_FALSE(w.line(n)->isVisible()) << n;
    EXPECT_FALSE(w.rect("SHPAstRes(2)")->isVisible() || w.rect("SHPMonoRes(1)")->isVisible());
    // the shared arrays keep their indices across the two groups
    EXPECT_EQ(w.label("LBLRVal(3)")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(w.label("LBLRVal(2)")->parentWidget()->objectName(), "frmAstable");
}

// Walks each chain top to bottom: every visible piece must start where the
// one above ends (a line may start up to 15 twips inside a body), and each
// name must sit left of its body, each value right of it, at its height.
TEST_F(Timer555Page, DrawnChainsAreContinuousWithLabelsBesideTheirParts) {
    struct Chain {
        const char* mode;
        std::vector<const char*> parts;  // lines and bodies from the top to the capacitor
        const char* plate;
    };
    const Chain chains[] = {
        {"OPT555Fixed", {"Line3(0)", "SHPAstRes(0)", "Line3(1)", "SHPAstRes(1)", "Line3(3)"}, "Line4(0)"},
        {"OPT555Range", {"Line3(0)", "SHPAstRes(0)", "Line3(1)", "SHPAstRes(1)", "Line3(2)", "SHPAstRes(2)", "Line3(3)"}, "Line4(0)"},
        {"OPT555MonoFixed", {"Line2(0)", "SHPMonoRes(0)", "Line2(1)", "Line2(2)"}, "Line2(3)"},
        {"OPT555MonoRange", {"Line2(0)", "SHPMonoRes(0)", "Line2(1)", "SHPMonoRes(1)", "Line2(2)"}, "Line2(3)"},
    };
    for (const Chain& c : chains) {
        click(w.option(c.mode));
        int end = -1;
        for (const char* part : c.parts) {
            int top = 0, bottom = 0;
            if (auto* r = w.form().findChild<kit::Rect*>(part)) {
                ASSERT_TRUE(r->isVisible()) << c.mode << " " << part;
                top = r->rect().top;
                bottom = top + r->rect().height;
            } else {
                kit::Line* l = w.line(part);
                ASSERT_TRUE(l->isVisible()) << c.mode << " " << part;
                EXPECT_EQ(l->x1(), l->x2()) << part;
                top = l->y1();
                bottom = l->y2();
            }
            if (end >= 0) EXPECT_TRUE(top <= end && top >= end - 15) << c.mode << " " << part << " starts at " << top;
            end = bottom;
        }
        EXPECT_EQ(w.line(c.plate)->y1(), end) << c.mode << " reaches the capacitor";
    }
    struct Beside {
        const char *name, *value, *body;
    };
    const Beside rows[] = {{"LBLR(0)", "LBLRVal(0)", "SHPAstRes(0)"}, {"LBLR(1)", "LBLRVal(1)", "SHPAstRes(1)"},
                           {"LBLR(2)", "LBLRVal(2)", "SHPAstRes(2)"}, {"LBLR(4)", "LBLRVal(3)", "SHPMonoRes(0)"},
                           {"LBLR(5)", "LBLRVal(4)", "SHPMonoRes(1)"}};
    for (const Beside& b : rows) {
        const kit::TwipRect body = w.rect(b.body)->rect();
        const kit::TwipRect name = kit::twipRect(w.label(b.name));
        const kit::TwipRect value = kit::twipRect(w.label(b.value));
        EXPECT_LE(name.left + name.width, body.left) << b.name;
        EXPECT_GE(value.left, body.left + body.width) << b.value;
        for (const kit::TwipRect& l : {name, value})
            EXPECT_TRUE(l.top >= body.top && l.top + l.height <= body.top + body.height) << b.body;
    }
}

TEST_F(Timer555Page, AstableFixedThenRange) {
    type(w.box("TXTFreq(0)"), "1,000Hz");
    calcAstable();
    EXPECT_EQ(w.text("TXTFreq(0)"), "1000");  // rewritten as read
    EXPECT_EQ(astable(), (Texts{"1K", "71.5K", ""}));

    click(w.option("OPT555Range"));
    for (const char* n : {"TXTFreq(1)", "Label9", "Label12(0)", "Label12(1)", "LBLR(2)", "LBLRVal(2)"})
        EXPECT_TRUE(shown(n)) << n;
    EXPECT_TRUE(w.line("Line3(5)")->isVisible());  // the chain test covers the rest of the drawing
    EXPECT_EQ(astable(), (Texts{"", "", ""}));
    type(w.box("TXTFreq(0)"), "100");
    type(w.box("TXTFreq(1)"), "1000");
    QTest::keyClick(w.box("TXTFreq(1)"), Qt::Key_Return);  // Enter presses Calculate
    EXPECT_EQ(astable(), (Texts{"1K", "71.5K", "648K"}));
    EXPECT_TRUE(w.messages.shown.empty());

    // back to Fixed: the values go, the typed frequencies stay
    click(w.option("OPT555Fixed"));
    EXPECT_FALSE(shown("TXTFreq(1)") || shown("LBLRVal(2)"));
    EXPECT_EQ(w.caption("LBLRVal(0)") + w.caption("LBLRVal(1)"), "");
    EXPECT_EQ(w.text("TXTFreq(1)"), "1000");
}

TEST_F(Timer555Page, AstableFailuresEmptyTheirLabelSelectTheirBoxAndStop) {
    struct Row {
        const char *name, *cap, *f1, *f2, *box;
        std::string prompt;
        Texts labels;  // after the failure; the run before left 1K / 71.5K / 648K
    };
    const std::string lower = "R2 out of range - select a lower capacitor value";
    const Row rows[] = {
        {"Freq", "10", "0.09", "1000", "TXTFreq(0)", "Frequency must be between 0.1Hz and 1MHz", {"1K", "71.5K", "648K"}},
        {"Order", "10", "100", "100", "TXTFreq(1)", "Maximum frequency must be higher than minimum!", {"1K", "71.5K", "648K"}},
        {"CapZero", "0", "100", "1000", "TXTAstCap", ohm::CapZeroPrompt(), {"1K", "", "648K"}},
        {"VR1Low", "10", "999", "1000", "TXTAstCap", ohm::TwoPart("Range Error:  VR1 =72.1ohms", lower), {"1K", "71.5K", ""}},
    };
    for (const Row& r : rows) {
        click(w.option("OPT555Range"));
        type(w.box("TXTAstCap"), "10");
        type(w.box("TXTFreq(0)"), "100");
        type(w.box("TXTFreq(1)"), "1000");
        calcAstable();
        type(w.box("TXTAstCap"), r.cap);
        type(w.box("TXTFreq(0)"), r.f1);
        type(w.box("TXTFreq(1)"), r.f2);
        w.clearMessages();
        calcAstable();
        ASSERT_EQ(w.messages.shown.size(), 1u) << r.name;
        EXPECT_EQ(w.lastMessage(), r.prompt) << r.name;
        EXPECT_EQ(w.messages.shown.back().title, "Ohmbench") << r.name;
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(r.box))) << r.name;
        EXPECT_EQ(astable(), r.labels) << r.name;
    }
}

TEST_F(Timer555Page, MonostableFixedRangeAndFailures) {
    type(w.box("TXT555Dur(0)"), "1");
    type(w.box("TXT555MCap"), "1 0");
    QTest::keyClick(w.box("TXT555Dur(0)"), Qt::Key_Return);
    EXPECT_EQ(w.text("TXT555MCap"), "10");  // rewritten as read
    EXPECT_EQ(mono(), (Texts{"90.9K", ""}));

    click(w.option("OPT555MonoRange"));  // the switch keeps the values
    EXPECT_EQ(mono(), (Texts{"90.9K", ""}));
    EXPECT_TRUE(shown("TXT555Dur(1)") && shown("Label26") && shown("LBLR(5)") && shown("Label12(3)"));
    EXPECT_EQ(w.line("Line2(2)")->y1(), 1800);
    type(w.box("TXT555Dur(1)"), "10");
    calcMono();
    EXPECT_EQ(mono(), (Texts{"90.9K", "818K"}));

    type(w.box("TXT555Dur(1)"), "1.001");
    calcMono();
    EXPECT_EQ(mono(), (Texts{"90.9K", ""}));
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXT555MCap")));
    EXPECT_EQ(w.lastMessage(),
              ohm::TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms - select a lower capacitor value"));

    type(w.box("TXT555Dur(1)"), "1.0");
    calcMono();
    EXPECT_EQ(w.text("TXT555Dur(1)"), "1");  // rewritten before the order check
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXT555Dur(1)")));
    EXPECT_EQ(w.lastMessage(), "Maximum duration must be higher than minimum!");

    type(w.box("TXT555MCap"), "x");
    calcMono();
    EXPECT_EQ(w.text("TXT555MCap"), "0");
    EXPECT_EQ(mono(), (Texts{"", ""}));
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TXT555MCap")));
    EXPECT_EQ(w.lastMessage(), ohm::CapZeroPrompt());
    EXPECT_EQ(w.messages.shown.back().title, "Ohmbench");

    click(w.option("OPT555MonoFixed"));
    EXPECT_FALSE(shown("TXT555Dur(1)") || shown("LBLRVal(4)") || shown("Label12(2)"));
    EXPECT_FALSE(w.rect("SHPMonoRes(1)")->isVisible() || w.line("Line3(6)")->isVisible());
    EXPECT_EQ(w.line("Line2(2)")->y1(), 1350);
    pick(w.list("CBO555Mult"), 1);
    type(w.box("TXT555MCap"), "100");
    type(w.box("TXT555Dur(0)"), "1000000");
    calcMono();
    EXPECT_EQ(mono()[0], "9.09M");  // 1000 s on 100 uF
}

// Whatever a person types, a click ends in values or in one message, and
// nothing but value characters reaches a label.
TEST_F(Timer555Page, AnyTypedTextEndsInValuesOrOneMessage) {
    const QString texts[] = {"", "   ", "abc", "--5", "1.2.3", "1e5", "..-", QString(10000, QChar('9')),
                             QString::fromUtf8("\xd9\xa3\xe2\x82\xac\xe4\xb8\x80"), "-0", "0.00001", "&H10"};
    click(w.option("OPT555Range"));
    click(w.option("OPT555MonoRange"));
    for (const QString& t : texts) {
        for (const char* box : {"TXTFreq(0)", "TXTFreq(1)", "TXTAstCap", "TXT555Dur(0)", "TXT555Dur(1)", "TXT555MCap"}) {
            type(w.box("TXTAstCap"), "10");
            type(w.box("TXTFreq(0)"), "100");
            type(w.box("TXTFreq(1)"), "1000");
            type(w.box("TXT555MCap"), "10");
            type(w.box("TXT555Dur(0)"), "1");
            type(w.box("TXT555Dur(1)"), "10");
            paste(w.box(box), t);
            w.clearMessages();
            calcAstable();
            calcMono();
            EXPECT_LE(w.messages.shown.size(), 2u);
            for (const char* l : {"LBLRVal(0)", "LBLRVal(1)", "LBLRVal(2)", "LBLRVal(3)", "LBLRVal(4)"})
                EXPECT_EQ(w.caption(l).find_first_not_of("0123456789.KM"), std::string::npos) << box << " " << l;
        }
    }
}

TEST_F(Timer555Page, TabOrderAndSpokenNames) {
    const char* order[] = {"OPT555MonoFixed", "OPT555MonoRange", "TXT555Dur(0)", "TXT555Dur(1)", "TXT555MCap",
                           "CBO555Mult", "CMDCalc555Mono", "OPT555Fixed", "OPT555Range", "TXTFreq(0)",
                           "TXTFreq(1)", "TXTAstCap", "CBOAstCapMult", "CMDCalcFreq"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* next = w.get<QWidget>(order[i])->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || next->focusPolicy() == Qt::ClickFocus) next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName().toStdString(), order[i + 1]);
    }
    for (const char* n : order) EXPECT_FALSE(w.get<QWidget>(n)->accessibleName().isEmpty()) << n;
    for (const char* n : {"LBLRVal(0)", "LBLRVal(1)", "LBLRVal(2)", "LBLRVal(3)", "LBLRVal(4)"})
        EXPECT_FALSE(w.label(n)->accessibleName().isEmpty()) << n;
}

}  // namespace
