#include <QTest>

#include "tests/support/ui_driver.h"

namespace {

using namespace uitest;

const char *const kMin = "Minimum pulse duration, milliseconds", *const kMax = "Maximum pulse duration, milliseconds";

struct Page {
    Window w;
    Page() { w.showTab("CMOS Monostables"); }
    void calculate() { click(w.button("Calculate the timing resistor")); }
    // C1, R1 and VR1 where they show on the NAND drawing ("<>" where the NOR drawing differs), the mode
    // whose pictures and maximum box show ("!" for a picture of the other mode), the last message's first line.
    std::string shown() {
        std::string s;
        for (std::string v : {"C1 value, ", "R1 value, ", "VR1 value, "}) {
            const std::string nand = w.caption((v + "NAND circuit").c_str());
            const bool same = nand == w.caption((v + "NOR circuit").c_str());
            if (w.label((v + "NAND circuit").c_str())->isVisibleTo(&w.form())) s += (same ? nand : "<>") + " ";
        }
        const bool range = w.box(kMax)->isVisibleTo(&w.form());
        if (w.picture("nandRangePicture")->isVisible() != range || w.picture("norFixedPicture")->isVisible() == range)
            s += "!";
        return s + (range ? "range" : "fixed") + (w.messages.shown.empty() ? "" : " | ") +
               w.lastMessage().substr(0, w.lastMessage().find('\r'));
    }
};

// The mode and a tab click change what shows, never a result. A typed unit picks no entry and runs no
// handler (100 counts as nanofarads); Enter in it takes the entry named and calculates.
TEST(CmosMonostablePage, WritesBothDrawingsInEitherModeAndKeepsTheResults) {
    Page p;
    EXPECT_EQ(p.shown(), "100nF R1 fixed");
    EXPECT_TRUE(p.w.option("Fixed timing mode")->isChecked());
    EXPECT_EQ(p.w.focused(), p.w.box("Pulse duration, milliseconds"));
    pick(p.w.list("Capacitor unit"), 0);
    type(p.w.box("Capacitor unit"), "uF");
    click(p.w.option("Range timing mode"));
    p.calculate();
    EXPECT_EQ(p.shown(), "100pF 145K 1.3M range");  // 10 ms to 100 ms on 100 nF
    click(p.w.option("Fixed timing mode"));
    p.w.showTab("Resistors");
    p.w.showTab("CMOS Monostables");
    EXPECT_EQ(p.w.focused(), p.w.box("Pulse duration, milliseconds"));
    EXPECT_EQ(p.shown(), "100pF 145K fixed");
    click(p.w.option("Range timing mode"));
    type(p.w.box("Capacitor value"), "4k7");
    EXPECT_EQ(p.shown(), "47 145K 1.3M range");  // the typed unit is none of the entries
    QTest::keyClick(p.w.box("Capacitor unit"), Qt::Key_Return);
    // Mended: Enter here calculated twice, first with the old unit, whose VR1 (2.78M) failed and emptied VR1.
    // 0.01 s / (0.69 x 47 uF) is 308 ohms, too small.
    EXPECT_EQ(p.shown(), "47uF  1.3M range | Range Error:  R1 =  308ohms");
    EXPECT_EQ(p.w.messages.shown.size(), 1u);
}

// After a Range run, each failed check selects its box, empties its own labels only and says why.
TEST(CmosMonostablePage, AFailedCheckEmptiesItsLabelsAndSelectsItsBox) {
    const struct { const char *box, *text, *selected, *shown; } rows[] = {
        {kMin, "0.0009", kMin, "100nF 145K 1.3M range | Duration must be between 0.001ms and 1000s"},
        {kMin, "0.1", "Capacitor value", "100nF  1.3M range | Range Error:  R1 =  1.45Kohms"},
        {kMax, "10", kMax, "100nF 145K 1.3M range | Maximum duration must be higher than minimum!"},
        {kMax, "1000", "Capacitor value", "100nF 145K  range | Range Error:  VR1 =  14Mohms"},
    };
    for (const auto& r : rows) {
        Page p;
        click(p.w.option("Range timing mode"));
        p.calculate();
        type(p.w.box(r.box), r.text);
        QTest::keyClick(p.w.box(r.box), Qt::Key_Return);  // Enter in a box calculates
        EXPECT_EQ(p.shown(), r.shown);
        EXPECT_TRUE(selectedWithFocus(p.w, p.w.box(r.selected))) << r.shown;
    }
}

}  // namespace
