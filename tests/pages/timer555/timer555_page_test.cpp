#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/ui_driver.h"
#include "values/values.h"

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
// capacitor running from VR1's foot. A switch empties the astable's values, not the monostable's.
TEST_F(Timer555Page, BothDesignersInBothLayouts) {
    EXPECT_EQ(w.focused(), w.box("Pulse duration, milliseconds"));  // after the tab click
    uitest::type(w.box("Frequency, hertz"), "1,000Hz");
    uitest::click(w.button("Calculate astable"));
    EXPECT_EQ(w.text("Frequency, hertz") + "|" + astable(), "1000|1K|71.5K|");
    uitest::click(w.option("Astable frequency range"));
    EXPECT_EQ(astable(), "||");
    EXPECT_TRUE(w.label("Astable VR1 value")->isVisible() && w.line("astableLeadToCapacitor")->y1() == 2670);
    uitest::type(w.box("Minimum frequency, hertz"), "100");
    uitest::type(w.box("Maximum frequency, hertz"), "1000");
    QTest::keyClick(w.box("Maximum frequency, hertz"), Qt::Key_Return);  // Enter in a box calculates
    EXPECT_EQ(astable(), "1K|71.5K|648K");
    uitest::type(w.box("Astable timing capacitor"), "x");  // never rewritten
    fails("Calculate astable", "Astable timing capacitor", ohm::CapZeroPrompt(), "x");
    EXPECT_EQ(astable(), "1K||648K");
    uitest::click(w.option("Astable fixed frequency"));
    EXPECT_EQ(astable(), "||648K");  // VR1's label is hidden
    EXPECT_FALSE(w.box("Maximum frequency, hertz")->isVisible() || w.line("astableLeadToCapacitor")->y1() != 2070);

    uitest::click(w.option("Monostable duration range"));
    EXPECT_TRUE(w.label("Monostable VR1 value")->isVisible() && w.line("monostableLeadToCapacitor")->y1() == 1800);
    uitest::type(w.box("Minimum pulse duration, milliseconds"), "1");
    uitest::type(w.box("Monostable timing capacitor"), "1 0");
    uitest::type(w.box("Maximum pulse duration, milliseconds"), "10");
    QTest::keyClick(w.box("Minimum pulse duration, milliseconds"), Qt::Key_Return);
    EXPECT_EQ(w.text("Monostable timing capacitor") + "|" + mono(), "10|90.9K|818K");
    uitest::type(w.box("Maximum pulse duration, milliseconds"), "1.0");  // rewritten before it is compared
    fails("Calculate monostable", "Maximum pulse duration, milliseconds", "Maximum duration must be higher than minimum!",
          "1");
    uitest::type(w.box("Monostable timing capacitor"), "x");  // rewritten as read
    fails("Calculate monostable", "Monostable timing capacitor", ohm::CapZeroPrompt(), "0");
    EXPECT_EQ(mono(), "|818K");
    uitest::click(w.option("Monostable fixed duration"));
    EXPECT_EQ(mono(), "|818K");
    EXPECT_FALSE(w.label("Monostable VR1 value")->isVisible() || w.line("monostableLeadToCapacitor")->y1() != 1350);
}

// From parts in each group: the values beside the resistors become boxes, the designer's inputs give way to the
// results, the focus stays on the option (as Fixed and Range leave it), and Tab runs down the chain R1, (R2), C.
TEST_F(Timer555Page, FromPartsInBothGroups) {
    struct Group {  // shown: the boxes as read, then the results; bad: a failure
        const char *option, *fixed, *designBox, *calculate, *capacitor;
        std::vector<const char*> boxes, typed, results;
        std::string shown; const char *badBox, *badText; std::string message; };
    const Group groups[] = {
        // 1.1 x 90.9K x 10 nF = 0.9999 ms.
        {"Monostable from parts", "Monostable fixed duration", "Pulse duration, milliseconds", "Calculate monostable",
         "Monostable timing capacitor", {"Monostable R1"}, {"90.9k"},
         {"Monostable pulse duration", "Monostable pulse, worst case", "Monostable pulse, 95% of builds"},
         "90.9K|1 ms|891 µs to 1.11 ms|904 µs to 1.1 ms|",
         "Monostable R1", "999",
         ohm::TwoPart("Range Error:  R1 =  999ohms", "R1 below 1K - use a higher resistor value")},
        // 1.44 / ((4.7K + 94K) x 10 nF) = 1.46 kHz; duty 51.7K / 98.7K. At 1% and 10%: 1.44 / (98.7K x 1.01 x
        // 11 nF) to 1.44 / (98.7K x 0.99 x 9 nF); 95% of builds ten times the 100 nF figures of the calc table.
        {"Astable from parts", "Astable fixed frequency", "Frequency, hertz", "Calculate astable",
         "Astable timing capacitor", {"Astable R1", "Astable R2"}, {"4K7", "47k"},
         {"Astable frequency", "Astable duty cycle", "Astable time high", "Astable time low",
          "Astable frequency, worst case", "Astable frequency, 95% of builds", "Astable duty cycle, worst case",
          "Astable duty cycle, 95% of builds"},
         "4K7|47K|1.46 kHz|52.4%|359 µs|326 µs|1.31 kHz to 1.64 kHz|1.33 kHz to 1.61 kHz|52.3% to 52.4%|"
         "52.3% to 52.4%|", "Astable timing capacitor", "0", ohm::CapZeroPrompt()},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.option);
        const auto shown = [&] {  // the boxes, the results, then the designer's box
            std::string s;
            for (const char* b : g.boxes) s += w.box(b)->isVisible() ? "1" : "0";
            for (const char* r : g.results) s += w.label(r)->isVisible() ? "1" : "0";
            return s + (w.box(g.designBox)->isVisible() ? "1" : "0");
        };
        uitest::click(w.option(g.option));
        EXPECT_EQ(w.focused(), w.option(g.option));
        EXPECT_EQ(shown(), std::string(g.boxes.size() + g.results.size(), '1') + "0");
        QWidget* at = w.option(g.option);
        const auto next = [&at] {  // the next stop of Tab
            do at = at->nextInFocusChain(); while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible()); return at; };
        for (const char* box : g.boxes) EXPECT_EQ(next(), w.box(box)) << box;
        EXPECT_EQ(next(), w.box(g.capacitor));

        for (std::size_t i = 0; i < g.boxes.size(); ++i) uitest::type(w.box(g.boxes[i]), g.typed[i]);
        QTest::keyClick(w.box(g.boxes.back()), Qt::Key_Return);  // Enter in a box calculates
        std::string written;
        for (const char* b : g.boxes) written += w.text(b) + "|";
        for (const char* r : g.results) written += w.caption(r) + "|";
        EXPECT_EQ(written, g.shown);
        uitest::type(w.box(g.badBox), g.badText);
        fails(g.calculate, g.badBox, g.message, g.badText);
        EXPECT_EQ(w.caption(g.results.back()), "");
        uitest::click(w.option(g.fixed));
        EXPECT_EQ(shown(), std::string(g.boxes.size() + g.results.size(), '0') + "1");
    }
}

}  // namespace
