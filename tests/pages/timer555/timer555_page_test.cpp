#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/ui_driver.h"
#include "values/values.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace {

class Timer555Page : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();
        w.showTab("555 Timer");
    }
    std::string astable() const {  // R1 R2 VR1
        return w.caption("Astable R1 value") + "|" + w.caption("Astable R2 value") + "|" + w.caption("Astable VR1 value");
    }
    std::string mono() const { return w.caption("Monostable R1 value") + "|" + w.caption("Monostable VR1 value"); }
    void fails(const char* button, const char* box, const std::string& message, const char* boxAfter) {
        w.clearMessages();
        uitest::click(w.button(button));
        ASSERT_EQ(w.messages.shown.size(), 1U) << message;
        EXPECT_EQ(w.messages.shown[0].text + "|" + w.messages.shown[0].title, message + "|Ohmbench");
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(box)));
        EXPECT_EQ(w.text(box), boxAfter);
    }
    uitest::Window w;
};

// Each designer's worked examples and failures. Range shows the maximum box and the pot VR1, the chain to the
// capacitor running from VR1's foot. A switch empties the astable's values, not the monostable's (R1 stays).
TEST_F(Timer555Page, BothDesignersInBothLayouts) {
    EXPECT_EQ(w.focused(), w.box("Pulse duration, milliseconds"));  // after the tab click
    uitest::type(w.box("Frequency, hertz"), "1,000Hz");
    uitest::click(w.button("Calculate astable"));
    EXPECT_EQ(w.text("Frequency, hertz") + "|" + astable(), "1000|1K|71.5K|");
    uitest::click(w.option("Astable frequency range"));
    EXPECT_EQ(astable(), "||");
    EXPECT_TRUE(w.label("Astable VR1 value")->isVisible() && w.line("astableLeadToCapacitor")->y1() == 2670);
    uitest::type(w.box("Frequency, hertz"), "100");
    uitest::type(w.box("Maximum frequency, hertz"), "1000");
    QTest::keyClick(w.box("Maximum frequency, hertz"), Qt::Key_Return);  // Enter in a box calculates
    EXPECT_EQ(astable(), "1K|71.5K|648K");
    uitest::type(w.box("Astable timing capacitor"), "x");  // never rewritten
    fails("Calculate astable", "Astable timing capacitor", ohm::CapZeroPrompt(), "x");
    EXPECT_EQ(astable(), "1K||648K");
    uitest::click(w.option("Astable fixed frequency"));
    EXPECT_EQ(astable(), "||648K");  // VR1's label is hidden
    EXPECT_FALSE(w.box("Maximum frequency, hertz")->isVisible() || w.line("astableLeadToCapacitor")->y1() != 2070);

    uitest::type(w.box("Pulse duration, milliseconds"), "1");
    uitest::type(w.box("Monostable timing capacitor"), "1 0");
    QTest::keyClick(w.box("Pulse duration, milliseconds"), Qt::Key_Return);
    EXPECT_EQ(w.text("Monostable timing capacitor") + "|" + mono(), "10|90.9K|");  // rewritten as read
    uitest::click(w.option("Monostable duration range"));
    EXPECT_EQ(mono(), "90.9K|");
    EXPECT_TRUE(w.label("Monostable VR1 value")->isVisible() && w.line("monostableLeadToCapacitor")->y1() == 1800);
    uitest::type(w.box("Maximum pulse duration, milliseconds"), "10");
    uitest::click(w.button("Calculate monostable"));
    EXPECT_EQ(mono(), "90.9K|818K");
    uitest::type(w.box("Maximum pulse duration, milliseconds"), "1.0");  // rewritten before it is compared
    fails("Calculate monostable", "Maximum pulse duration, milliseconds", "Maximum duration must be higher than minimum!",
          "1");
    uitest::type(w.box("Monostable timing capacitor"), "x");  // rewritten as read
    fails("Calculate monostable", "Monostable timing capacitor", ohm::CapZeroPrompt(), "0");
    EXPECT_EQ(mono(), "|818K");
    uitest::click(w.option("Monostable fixed duration"));
    EXPECT_FALSE(w.label("Monostable VR1 value")->isVisible() || w.line("monostableLeadToCapacitor")->y1() != 1350);
}

// From parts in each group: the values beside the resistors become boxes, the designer's inputs give way to the
// results, the focus stays on the option (as Fixed and Range leave it), and Tab runs down the chain R1, (R2), C.
TEST_F(Timer555Page, FromPartsInBothGroups) {
    struct Group { const char *option, *fixed, *calculate, *capacitor; std::vector<const char*> boxes, results, hidden; };
    const Group groups[] = {
        {"Monostable from parts", "Monostable fixed duration", "Calculate monostable", "Monostable timing capacitor",
         {"Monostable R1"}, {"Monostable pulse duration"}, {"Pulse duration, milliseconds"}},
        {"Astable from parts", "Astable fixed frequency", "Calculate astable", "Astable timing capacitor",
         {"Astable R1", "Astable R2"}, {"Astable frequency", "Astable duty cycle", "Astable time high", "Astable time low"},
         {"Frequency, hertz"}},
    };
    const auto visible = [this](const std::vector<const char*>& names, bool box) {
        std::string s;
        for (const char* n : names) s += ((box ? static_cast<QWidget*>(w.box(n)) : w.label(n))->isVisible() ? "1" : "0");
        return s;
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.option);
        uitest::click(w.option(g.option));
        EXPECT_EQ(w.focused(), w.option(g.option));
        EXPECT_EQ(visible(g.boxes, true) + visible(g.results, false) + visible(g.hidden, true),
                  std::string(g.boxes.size() + g.results.size(), '1') + "0");
        QWidget* at = w.option(g.option);
        const auto next = [&at] {
            do at = at->nextInFocusChain(); while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible());
            return at;
        };
        for (const char* box : g.boxes) EXPECT_EQ(next(), w.box(box)) << box;
        EXPECT_EQ(next(), w.box(g.capacitor));
        uitest::click(w.option(g.fixed));
        EXPECT_EQ(visible(g.boxes, true) + visible(g.results, false) + visible(g.hidden, true),
                  std::string(g.boxes.size() + g.results.size(), '0') + "1");
        uitest::click(w.option(g.option));
    }
    const auto results = [this](std::initializer_list<const char*> names) {
        std::string s;
        for (const char* n : names) s += w.caption(n) + "|";
        return s;
    };

    // 1.1 x 90.9K x 10 nF = 0.9999 ms.
    uitest::type(w.box("Monostable R1"), "90.9k");
    QTest::keyClick(w.box("Monostable R1"), Qt::Key_Return);
    EXPECT_EQ(w.text("Monostable R1") + "|" + results({"Monostable pulse duration"}), "90.9K|1 ms|");
    uitest::type(w.box("Monostable R1"), "999");
    fails("Calculate monostable", "Monostable R1",
          ohm::TwoPart("Range Error:  R1 =  999ohms", "R1 below 1K - use a higher resistor value"), "999");
    EXPECT_EQ(results({"Monostable pulse duration"}), "|");

    // 1.44 / ((4.7K + 94K) x 100 nF) = 146 Hz; duty 51.7K / 98.7K.
    const auto astable = {"Astable frequency", "Astable duty cycle", "Astable time high", "Astable time low"};
    uitest::type(w.box("Astable R1"), "4K7");
    uitest::type(w.box("Astable R2"), "47k");
    uitest::type(w.box("Astable timing capacitor"), "100");
    uitest::click(w.button("Calculate astable"));
    EXPECT_EQ(w.text("Astable R2") + "|" + results(astable), "47K|146 Hz|52.4%|3.59 ms|3.26 ms|");
    uitest::type(w.box("Astable timing capacitor"), "0");
    fails("Calculate astable", "Astable timing capacitor", ohm::CapZeroPrompt(), "0");
    EXPECT_EQ(results(astable), "||||");
}

}  // namespace
