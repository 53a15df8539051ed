#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"
#include "values/values.h"

namespace {

using uitest::click;
using uitest::type;
using Names = std::vector<const char*>;
using Texts = std::vector<std::string>;

// What each group shows only in Range mode.
const Names kAstableRange = {"TXTFreq(1)", "Label9",       "Label12(0)", "Label12(1)", "LBLR(2)",
                             "LBLRVal(2)", "SHPAstRes(2)", "Line3(2)",   "Line3(5)"};
const Names kMonoRange = {"TXT555Dur(1)", "Label26",    "Label12(2)",    "Label12(3)",
                          "LBLR(5)",      "LBLRVal(4)", "SHPMonoRes(1)", "Line3(6)"};
const Names kAstableBoxes = {"TXTAstCap", "TXTFreq(0)", "TXTFreq(1)"};
const Names kMonoBoxes = {"TXT555Dur(0)", "TXT555Dur(1)", "TXT555MCap"};
const Names kValues = {"LBLRVal(0)", "LBLRVal(1)", "LBLRVal(2)", "LBLRVal(3)", "LBLRVal(4)"};

class Timer555Page : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();
        w.showTab("555 Timer");
    }
    Texts astable() const { return {w.caption("LBLRVal(0)"), w.caption("LBLRVal(1)"), w.caption("LBLRVal(2)")}; }
    Texts mono() const { return {w.caption("LBLRVal(3)"), w.caption("LBLRVal(4)")}; }
    void fill(const Names& boxes, const Names& texts) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (texts[i]) type(w.box(boxes[i]), texts[i]);
    }
    // Both groups in Range mode with 1K / 71.5K / 648K and 90.9K / 818K.
    void goodRangeRuns() {
        click(w.option("OPT555Range"));
        click(w.option("OPT555MonoRange"));
        fill(kAstableBoxes, {"10", "100", "1000"});
        fill(kMonoBoxes, {"1", "10", "10"});
        click(w.button("CMDCalcFreq"));
        click(w.button("CMDCalc555Mono"));
    }
    bool shown(const char* name) {
        auto* shape = w.form().findChild<kit::Shape*>(name);
        return shape ? shape->isVisible() : w.get<QWidget>(name)->isVisible();
    }

    uitest::Window w;
};

TEST_F(Timer555Page, OpensInFixedModeWithTenNanofarads) {
    EXPECT_EQ(w.focused(), w.box("TXT555Dur(0)"));
    EXPECT_TRUE(w.option("OPT555Fixed")->isChecked() && w.option("OPT555MonoFixed")->isChecked());
    std::string texts;
    for (const Names* range : {&kAstableRange, &kMonoRange})
        for (const char* n : *range) texts += shown(n) ? n : "";
    for (const Names* boxes : {&kAstableBoxes, &kMonoBoxes})
        for (const char* n : *boxes) texts += w.text(n) + "|";
    for (const char* n : kValues) texts += w.caption(n) + "|";
    for (const char* n : {"CBOAstCapMult", "CBO555Mult"}) {
        for (int i = 0; i < w.list(n)->count(); ++i) texts += w.list(n)->itemText(i).toStdString() + " ";
        texts += "/ " + w.list(n)->currentText().toStdString() + "|";
    }
    EXPECT_EQ(texts, "10|||||10||||||pF nF uF / nF|nF uF / nF|");
    EXPECT_EQ(w.caption("Label30") + "|" + w.caption("Label29"),
              "Frequency\nf = 1.44 / (R1 + 2R2) C|Pulse time\nt = 1.1CR secs");
    // the shared arrays keep their indices across the two groups
    EXPECT_EQ(w.label("LBLRVal(3)")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(w.label("LBLRVal(2)")->parentWidget()->objectName(), "frmAstable");
    // every control Tab reaches, and every value, has a spoken name
    for (const char* group : {"Frame1", "frmAstable"})
        for (QWidget* c : w.get<QWidget>(group)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(!(c->focusPolicy() & Qt::TabFocus) || !c->accessibleName().isEmpty())
                << c->objectName().toStdString();
    for (const char* n : kValues) EXPECT_FALSE(w.label(n)->accessibleName().isEmpty()) << n;
}

// In every mode the chain runs unbroken from the top down to the capacitor
// plate (a line may start up to 15 twips inside a body), and each name sits
// left of its body, each value right of it, at its height.
TEST_F(Timer555Page, ModeSwitchesRedrawAnUnbrokenChain) {
    const std::pair<const char*, Names> rows[] = {
        {"OPT555Range", {"Line3(0)", "SHPAstRes(0)", "Line3(1)", "SHPAstRes(1)", "Line3(2)", "SHPAstRes(2)", "Line3(3)",
                         "Line4(0)"}},
        {"OPT555Fixed", {"Line3(0)", "SHPAstRes(0)", "Line3(1)", "SHPAstRes(1)", "Line3(3)", "Line4(0)"}},
        {"OPT555MonoRange", {"Line2(0)", "SHPMonoRes(0)", "Line2(1)", "SHPMonoRes(1)", "Line2(2)", "Line2(3)"}},
        {"OPT555MonoFixed", {"Line2(0)", "SHPMonoRes(0)", "Line2(1)", "Line2(2)", "Line2(3)"}},
    };
    for (const auto& [mode, chain] : rows) {
        click(w.option(mode));
        const std::string m = mode;
        for (const char* n : m.find("Mono") != m.npos ? kMonoRange : kAstableRange)
            EXPECT_EQ(shown(n), m.find("Range") != m.npos) << mode << " " << n;
        int end = -1;
        for (const char* part : chain) {
            EXPECT_TRUE(shown(part)) << mode << " " << part;
            auto* l = w.form().findChild<kit::Line*>(part);
            EXPECT_TRUE(!l || part == chain.back() || l->x1() == l->x2()) << part << " is not upright";
            const int top = l ? l->y1() : w.rect(part)->rect().top;
            EXPECT_TRUE(end < 0 || (top <= end && top >= end - 15)) << mode << " " << part << " at " << top;
            end = l ? l->y2() : top + w.rect(part)->rect().height;
        }
    }
    for (const Names& b : {Names{"LBLR(0)", "LBLRVal(0)", "SHPAstRes(0)"}, {"LBLR(1)", "LBLRVal(1)", "SHPAstRes(1)"},
                           {"LBLR(2)", "LBLRVal(2)", "SHPAstRes(2)"}, {"LBLR(4)", "LBLRVal(3)", "SHPMonoRes(0)"},
                           {"LBLR(5)", "LBLRVal(4)", "SHPMonoRes(1)"}}) {
        const kit::TwipRect body = w.rect(b[2])->rect(), name = kit::twipRect(w.label(b[0])),
                            value = kit::twipRect(w.label(b[1]));
        EXPECT_TRUE(name.left + name.width <= body.left && value.left >= body.left + body.width) << b[2];
        for (const kit::TwipRect& l : {name, value})
            EXPECT_TRUE(l.top >= body.top && l.top + l.height <= body.top + body.height) << b[2];
    }
}

// The worked examples through the window: boxes rewritten as read, Enter
// presses Calculate, the astable's switches empty its values and the
// monostable's keep them.
TEST_F(Timer555Page, WorkedExamplesAndWhatTheSwitchesEmpty) {
    type(w.box("TXTFreq(0)"), "1,000Hz");
    click(w.button("CMDCalcFreq"));
    EXPECT_EQ(w.text("TXTFreq(0)"), "1000");
    EXPECT_EQ(astable(), (Texts{"1K", "71.5K", ""}));
    click(w.option("OPT555Range"));
    EXPECT_EQ(astable(), (Texts{"", "", ""}));
    fill(kAstableBoxes, {"10", "100", "1000"});
    QTest::keyClick(w.box("TXTFreq(1)"), Qt::Key_Return);
    EXPECT_EQ(astable(), (Texts{"1K", "71.5K", "648K"}));
    click(w.option("OPT555Fixed"));
    EXPECT_EQ(w.caption("LBLRVal(0)") + w.caption("LBLRVal(1)") + "|" + w.text("TXTFreq(1)"), "|1000");

    fill(kMonoBoxes, {"1", nullptr, "1 0"});
    QTest::keyClick(w.box("TXT555Dur(0)"), Qt::Key_Return);
    EXPECT_EQ(w.text("TXT555MCap"), "10");
    EXPECT_EQ(mono(), (Texts{"90.9K", ""}));
    click(w.option("OPT555MonoRange"));
    EXPECT_EQ(mono(), (Texts{"90.9K", ""}));
    type(w.box("TXT555Dur(1)"), "10");
    click(w.button("CMDCalc555Mono"));
    click(w.option("OPT555MonoFixed"));
    EXPECT_EQ(mono(), (Texts{"90.9K", "818K"}));
    uitest::pick(w.list("CBO555Mult"), 1);
    fill(kMonoBoxes, {"1000000", nullptr, "100"});
    click(w.button("CMDCalc555Mono"));
    EXPECT_EQ(mono()[0], "9.09M");  // 1000 s on 100 uF
    EXPECT_TRUE(w.messages.shown.empty());
}

// Each failing run follows the good runs and must empty only its own label.
TEST_F(Timer555Page, FailedChecksSelectTheirBoxAndEmptyTheirLabel) {
    struct Row {
        bool astable;
        Names typed;
        const char *box, *boxText;  // selected with the focus, and its text afterwards
        std::string prompt;
        Texts labels;
    };
    const Row rows[] = {
        {true, {"10", "0.09", "1000"}, "TXTFreq(0)", "0.09", "Frequency must be between 0.1Hz and 1MHz",
         {"1K", "71.5K", "648K"}},
        {true, {"10", "100", "100"}, "TXTFreq(1)", "100", "Maximum frequency must be higher than minimum!",
         {"1K", "71.5K", "648K"}},
        // the astable's capacitor is never rewritten
        {true, {"x", "100", "1000"}, "TXTAstCap", "x", ohm::CapZeroPrompt(), {"1K", "", "648K"}},
        {true, {"10", "999", "1000"}, "TXTAstCap", "10",
         ohm::TwoPart("Range Error:  VR1 =72.1ohms", "R2 out of range - select a lower capacitor value"),
         {"1K", "71.5K", ""}},
        // the maximum is rewritten before it is compared
        {false, {"1", "1.0", "10"}, "TXT555Dur(1)", "1", "Maximum duration must be higher than minimum!",
         {"90.9K", "818K"}},
        // the monostable's capacitor is rewritten as read
        {false, {"1", "10", "x"}, "TXT555MCap", "0", ohm::CapZeroPrompt(), {"", "818K"}},
        {false, {"1", "1.001", "10"}, "TXT555MCap", "10",
         ohm::TwoPart("Range Error:  VR1 =90.9ohms", "VR1 below 100ohms - select a lower capacitor value"),
         {"90.9K", ""}},
    };
    for (const Row& r : rows) {
        goodRangeRuns();
        fill(r.astable ? kAstableBoxes : kMonoBoxes, r.typed);
        w.clearMessages();
        click(w.button(r.astable ? "CMDCalcFreq" : "CMDCalc555Mono"));
        ASSERT_EQ(w.messages.shown.size(), 1u) << r.prompt;
        EXPECT_EQ(w.lastMessage() + "|" + w.messages.shown.back().title, r.prompt + "|Ohmbench");
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(r.box))) << r.prompt;
        EXPECT_EQ(w.text(r.box), r.boxText) << r.prompt;
        EXPECT_EQ(r.astable ? astable() : mono(), r.labels) << r.prompt;
    }
}

// Whatever text is pasted into any box, the clicks end in values or one
// message each, and nothing but value characters reaches a label.
TEST_F(Timer555Page, AnyTextEndsInValuesOrOneMessage) {
    const QString texts[] = {"", "   ", "abc", "--5", "1.2.3", "1e5", "..-", QString(10000, QChar('9')),
                             QString::fromUtf8("\xd9\xa3\xe2\x82\xac\xe4\xb8\x80"), "-0", "0.00001", "&H10"};
    for (const QString& t : texts)
        for (const char* box : {"TXTAstCap", "TXTFreq(0)", "TXTFreq(1)", "TXT555Dur(0)", "TXT555Dur(1)", "TXT555MCap"}) {
            goodRangeRuns();
            w.box(box)->selectAll();
            w.box(box)->insert(t);
            w.clearMessages();
            click(w.button("CMDCalcFreq"));
            click(w.button("CMDCalc555Mono"));
            EXPECT_LE(w.messages.shown.size(), 2u);
            for (const char* l : kValues)
                EXPECT_EQ(w.caption(l).find_first_not_of("0123456789.KM"), std::string::npos) << box << " " << l;
        }
}

}  // namespace
