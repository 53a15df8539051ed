#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/ui_driver.h"
#include "values/values.h"

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

}  // namespace
