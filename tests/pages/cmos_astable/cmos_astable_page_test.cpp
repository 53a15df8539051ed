#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/ui_driver.h"

namespace {

class CmosAstablePage : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().show();
        w.showTab("CMOS Astables");
    }
    std::string values() const {  // R1 VR1 R2 VR2
        return w.caption("R1 value") + "|" + w.caption("VR1 value") + "|" + w.caption("R2 value") + "|" +
               w.caption("VR2 value");
    }
    void calculateAndFail(const char* box, const std::string& message, const char* valuesAfter) {
        w.clearMessages();
        uitest::click(w.button("Calculate values"));
        ASSERT_EQ(w.messages.shown.size(), 1U) << message;
        EXPECT_EQ(w.messages.shown[0].text + "|" + w.messages.shown[0].title, message + "|Ohmbench");
        EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(box)));
        EXPECT_EQ(values(), valuesAfter);
    }
    uitest::Window w;
};

// A failure keeps the values written before it and empties its own; Range mode shows the Max box and
// both pots; a switch of mode empties the values.
TEST_F(CmosAstablePage, DesignsAndFailsInBothLayouts) {
    EXPECT_EQ(w.focused(), w.box("Frequency, hertz"));  // after the tab click
    uitest::click(w.button("Calculate values"));        // 5 V, 10 nF, 1000 Hz as the page opens
    EXPECT_EQ(values(), "121K||268K|");
    uitest::type(w.box("Frequency, hertz"), "0.4");
    calculateAndFail("Frequency, hertz", "Frequency must be between 0.5Hz and 1MHz", "121K||268K|");
    uitest::type(w.box("Frequency, hertz"), "20");
    calculateAndFail("Capacitor value",
                     "Range Error:  R2 =13Mohms\r\rR2 out of range - select a higher capacitor value", "6.07M|||");
    uitest::click(w.option("Frequency range"));
    EXPECT_TRUE(w.label("VR2 value")->isVisible() && w.picture("cmosAstableSchmittRangePicture")->isVisible());
    calculateAndFail("Maximum frequency, hertz", "Maximum frequency must be between 0.5Hz and 1MHz", "|||");
    uitest::type(w.box("Minimum frequency, hertz"), "100");
    uitest::type(w.box("Maximum frequency, hertz"), "1000");
    uitest::type(w.box("Capacitor value"), "100");
    QTest::keyClick(w.box("Maximum frequency, hertz"), Qt::Key_Enter);  // Enter in a box calculates
    EXPECT_EQ(values(), "12.1K|109K|26.8K|241K");
    uitest::click(w.option("Fixed frequency"));
    EXPECT_FALSE(w.box("Maximum frequency, hertz")->isVisible() || w.label("VR2 value")->isVisible());
    // The supply stops at 3, set by the spin button only: R1 = 1e5 / ln(3.7 / 1.5) = 110,758 for 100 Hz on 100 nF.
    for (int i = 0; i < 3; ++i) w.spin("Supply voltage up-down")->stepDown();
    uitest::type(w.box("Supply voltage, volts"), "9");
    QTest::keyClick(w.box("Capacitor value"), Qt::Key_Return);
    EXPECT_EQ(values(), "111K||268K|");
    // Both captions follow the capacitor box and its unit, whole ("0.47uF" once was cut off).
    uitest::type(w.box("Capacitor value"), ".47uF");  // only three characters go in
    uitest::pick(w.list("Capacitor unit"), 2);
    EXPECT_EQ(w.caption("Capacitor value, circuit 1") + w.caption("Capacitor value, circuit 2"), "0.47uF0.47uF");
    const QLabel* shown = w.label("Capacitor value, circuit 2");
    EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->contentsRect().width());
}

}  // namespace
