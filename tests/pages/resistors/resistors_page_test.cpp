#include <QTest>

#include <array>
#include <vector>

#include "tools/spoken.h"
#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using Colours = std::vector<QColor>;
// Display colours from the red, green, blue column of the colour table.
const QColor Tan(255, 204, 102), Blue5(168, 205, 223), Black(0, 0, 0), Brown(128, 64, 0),
    Red(255, 0, 0), Yellow(255, 255, 1), Violet(255, 0, 255), White(255, 255, 255);
const char* const kBands[] = {"1st band colour", "2nd band colour", "3rd band colour", "4th band colour",
                              "Tolerance band colour"};
const char *const kCoefficient = "Temperature coefficient band colour", *const kValue = "Resistance, ohms", *const kToValue = "Calculate value from the colours",
           *const kToColours = "Calculate colours from the value";

Colours Fills(const uitest::Window& w) {
    Colours out;
    for (const char* r : {"bandRect0", "bandRect1", "bandRect2", "bandRect3", "bandRect4"}) out.push_back(w.rect(r)->fill());
    return out;
}
// The last message, as "title: text".
std::string Message(const uitest::Window& w) {
    return w.messages.shown.empty() ? "" : w.messages.shown.back().title + ": " + w.messages.shown.back().text;
}
// Chooses the format, then picks each list entry that is not -1.
void Choose(uitest::Window& w, bool five, std::array<int, 5> positions) {
    click(w.option(five ? "5-band format" : "4-band format"));
    for (int i = 0; i < 5; ++i)
        if (positions[i] >= 0) uitest::pick(w.list(kBands[i]), positions[i]);
}

TEST(ResistorsPage, OpensOnFourBlankBandsAndTheTabFocusesTheValue) {
    uitest::Window w;
    EXPECT_TRUE(w.option("4-band format")->isChecked() && w.list(kBands[3])->isHidden() &&
                !w.rect("bandRect3")->isVisible() && w.picture("fourBandPicture")->isVisible());
    EXPECT_EQ(Fills(w), Colours(5, Tan));
    EXPECT_EQ(w.list(kBands[0])->currentIndex() + w.list(kBands[4])->currentIndex(), -2);  // nothing picked
    // Tab goes from the chosen format (the arrows move among the others) through the lists to the value.
    QWidget* at = w.option("4-band format");
    const auto next = [&at] { do at = at->nextInFocusChain(); while (!(at->focusPolicy() & Qt::TabFocus)); return at; };
    for (const char* band : kBands) EXPECT_EQ(next(), w.list(band)) << band;
    EXPECT_EQ(next(), w.list(kCoefficient));
    EXPECT_EQ(next(), w.form().findChild<QLineEdit*>("markingBox"));  // hidden until SMD is chosen
    EXPECT_EQ(next(), w.box(kValue));
    w.showTab("Capacitors");
    w.showTab("Resistors");
    EXPECT_EQ(w.focused(), w.box(kValue));
}

TEST(ResistorsPage, SwitchingFormatsKeepsTheColoursOfTheBands) {
    for (const int third : {10, 9}) {  // Gold turns Black as band 2 becomes a digit; White stays White
        uitest::Window w;
        Choose(w, false, {3, -1, third, -1, 4});  // Yellow, none, Gold or White, none, [blank]
        const QColor kept = third == 10 ? Black : White;
        click(w.option("5-band format"));
        click(w.option("5-band format"));  // the format in force: the lists are left alone
        EXPECT_EQ(Fills(w), (Colours{Yellow, Blue5, kept, Blue5, Blue5}));
        EXPECT_EQ(w.caption("5th Band") + std::to_string(w.list(kBands[2])->count()), "5th Band10");
        EXPECT_TRUE(w.rect("bandRect3")->isVisible() && w.picture("fiveBandPicture")->isVisible());
        uitest::pick(w.list(kBands[3]), 7);  // Violet, kept while hidden
        click(w.option("4-band format"));
        EXPECT_EQ(Fills(w), (Colours{Yellow, Tan, kept, Violet, Tan}));
        EXPECT_EQ(w.list(kBands[2])->itemText(10) + w.list(kBands[2])->itemText(11) + w.list(kBands[2])->itemText(12), "GoldSilver");
        EXPECT_TRUE(uitest::findSpoken(&w.form(), QAccessible::StaticText, "5th Band").empty() &&
                    w.list(kBands[3])->isHidden() && w.picture("fourBandPicture")->isVisible());
    }
}

TEST(ResistorsPage, BothCalculations) {
    uitest::Window w;  // failed checks show their message and leave the box and the bands as they were
    Choose(w, true, {0, 0, -1, 2, 0});
    w.box(kValue)->setText("kept");
    click(w.button(kToValue));
    EXPECT_EQ(Message(w) + " " + w.text(kValue), "Calculator - Error!: You must select at least the first 4 colours kept");
    w.box(kValue)->clear();
    click(w.button(kToColours));
    EXPECT_EQ(Message(w), "Calculator - Error!: You must enter a value!");
    EXPECT_EQ(w.focused(), w.box(kValue));
    EXPECT_EQ(Fills(w), (Colours{Brown, Black, Blue5, Red, Brown}));
    uitest::type(w.box(kValue), QStringLiteral("12 M"));  // out of range: written as cleaned and selected
    click(w.button(kToColours));
    EXPECT_EQ(Message(w), "Ohmbench: Enter a value between 0.01 and 10,000,000");
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(kValue)) && w.text(kValue) == "12M");
    EXPECT_EQ(w.list(kBands[0])->currentIndex() + w.list(kBands[4])->currentIndex(), -2);  // every pick gone
    EXPECT_EQ(Fills(w), Colours(5, Blue5));
    Choose(w, false, {3, 7, 7, 9, 2});  // 470M
    click(w.button(kToValue));
    EXPECT_EQ(Message(w) + " " + w.text(kValue), "Ohmbench: Result is greater than 10Mohms ");
    // A typed value: Enter paints its bands, which are no picks.
    uitest::type(w.box(kValue), QStringLiteral("2K2"));
    QTest::keyClick(w.box(kValue), Qt::Key_Return);
    EXPECT_EQ(w.caption("Tolerance") + testing::PrintToString(Fills(w) == Colours{Red, Red, Red, Tan, Tan}), "true");
    click(w.button(kToValue));
    EXPECT_EQ(w.lastMessage(), "You must select at least the first 3 colours");
    uitest::pick(w.list(kBands[2]), 10);  // a pick empties the value and focuses it
    EXPECT_EQ(w.text(kValue) + (w.focused() == w.box(kValue) ? " focused" : ""), " focused");
}

TEST(ResistorsPage, SixBandsChosenByKeyboardPaintTheCoefficientPicked) {
    uitest::Window w;
    w.option("6-band format")->setFocus();
    QTest::keyClick(w.option("6-band format"), Qt::Key_Space);
    // The multiplier ends Gold, Silver; the tolerance list offers 0.5% to 0.05% too; the coefficient opens on Brown.
    EXPECT_EQ(w.caption("6th Band") + w.list(kBands[3])->itemText(11).toStdString() +
                  std::to_string(w.list(kBands[4])->count()) + w.list(kCoefficient)->currentText().toStdString(),
              "6th BandSilver9Brown");
    uitest::pick(w.list(kCoefficient), 2);  // Red
    uitest::type(w.box(kValue), QStringLiteral("12K4"));  // the five as 5 bands paint them; the sixth keeps its pick
    click(w.button(kToColours));
    EXPECT_EQ(Fills(w), (Colours{Brown, Red, Yellow, Red, Blue5}));
    EXPECT_TRUE(w.rect("bandRect5")->fill() == Red && w.list(kBands[0])->currentIndex() + w.list(kCoefficient)->currentIndex() == 1);
    uitest::pick(w.list(kBands[4]), 7);  // Violet 0.1%, which 5 bands do not offer: the pick goes
    click(w.option("5-band format"));
    EXPECT_TRUE(w.list(kBands[4])->currentIndex() == -1 && w.list(kBands[4])->count() == 5 && Fills(w)[4] == Blue5);
    uitest::type(w.box(kValue), QStringLiteral("1K"));  // painted in 5 bands, the hidden sixth keeps its colour
    click(w.button(kToColours));
    click(w.option("6-band format"));
    EXPECT_EQ(w.rect("bandRect5")->fill(), Red);
}

// Every readout of the value frame and the SMD controls, "|"-separated.
std::string Readouts(const uitest::Window& w) {
    std::string out = w.text(kValue);
    for (const char* label : {"Tolerance", "Temperature coefficient", "Tolerance range", "Preferred value series",
                              "Other reading", "Markings for the value", "Chip marking"})
        out += "|" + w.caption(label);
    return out;
}

TEST(ResistorsPage, ReadoutsEachWayToTheScreenAndTheFaults) {
    uitest::Window w;
    enum Way { Read, Write, WriteByEnter, ReadByEnter };
    struct Row { const char* format; std::array<int, 6> picks; const char* typed; Way way; const char* shown; };
    const Row rows[] = {
        {"4-band format", {3, 7, 2, -1, 2, -1}, nullptr, Read, "4.7K|@ 5%||4.465K to 4.935K|E6 value|||"},
        {"6-band format", {0, 0, 0, 2, 0, 2}, nullptr, Read, "10K|@ 1%|50 ppm/K|9.9K to 10.1K|E6 value|||"},
        {"4-band format", {}, "4K75", WriteByEnter, "4K75||||Not in any E series|||"},  // painted as 4K8
        // R as the point first, the EIA-96 reading (124 x 0.01) beside it; case and blanks don't matter.
        {"SMD marking format", {}, "10R", Read, "10|@ 5%||9.5 to 10.5|E6 value|or 1.24 @ 1% as EIA-96||10R"},
        {"SMD marking format", {}, " 01c ", ReadByEnter, "10K|@ 1%||9.9K to 10.1K|E6 value|||01C"},
        {"SMD marking format", {}, "12.4K", Write, "12.4K||||E96 value||1242, 10C|1242"},
    };
    for (const Row& r : rows) {
        click(w.option(r.format));
        const bool smd = r.format[0] == 'S';
        for (int i = 0; i < 6; ++i)
            if (r.typed == nullptr && r.picks[i] >= 0) uitest::pick(w.list(i < 5 ? kBands[i] : kCoefficient), r.picks[i]);
        QLineEdit* box = smd && (r.way == Read || r.way == ReadByEnter) ? w.box("SMD marking") : w.box(kValue);
        if (r.typed != nullptr) uitest::type(box, QString::fromLatin1(r.typed));
        if (r.way == WriteByEnter || r.way == ReadByEnter) QTest::keyClick(box, Qt::Key_Return);
        else click(w.form().findChild<QPushButton*>(r.way == Read ? "calculateValueButton" : "calculateColoursButton"));
        EXPECT_EQ(Readouts(w), r.shown) << r.typed;
    }
    EXPECT_TRUE(w.messages.shown.empty());
    uitest::type(w.box(kValue), QStringLiteral("4"));  // editing the value empties the readouts, not the chip
    // A faulty marking: its message, the box selected, the last reading left as it was.
    QLineEdit* marking = w.box("SMD marking");
    uitest::type(marking, QStringLiteral("4K7"));
    click(w.button("Calculate value from the marking"));
    EXPECT_EQ(Message(w).substr(0, 26), "Ohmbench: Enter a marking:");
    EXPECT_TRUE(uitest::selectedWithFocus(w, marking));
    EXPECT_EQ(Readouts(w), "4|||||||1242");
    // A value no marking carries: the box selected, no markings and a blank chip.
    uitest::type(w.box(kValue), QStringLiteral("4.751K"));
    click(w.button("Calculate markings from the value"));
    EXPECT_EQ(Message(w), "Ohmbench: No marking carries this value: a marking holds at most three significant figures");
    EXPECT_TRUE(uitest::selectedWithFocus(w, w.box(kValue)));
    EXPECT_EQ(Readouts(w), "4.751K||||Not in any E series|||");
    w.box(kValue)->clear();
    click(w.button("Calculate markings from the value"));
    EXPECT_EQ(Message(w), "Calculator - Error!: You must enter a value!");
    click(w.option("4-band format"));  // the bands come back as they were
    EXPECT_TRUE(!w.list(kBands[0])->isHidden() && marking->isHidden() && !w.rect("chipBody")->isVisible());
    EXPECT_EQ(w.button(kToColours)->text().toStdString(), "Calculate Colours");
}

}  // namespace

namespace {

// The pair readout follows every value-to-parts run, in every format, for the typed value (4K75, though
// the bands paint 4K8); another series works it out again; an edit, a link or a refusal leaves none.
TEST(ResistorsPage, TwoResistorsForTheTypedValue) {
    uitest::Window w;
    const auto pairs = [&w] {
        return w.caption("Two resistors in series") + " | " + w.caption("Two resistors in parallel");
    };
    const struct { const char *format, *typed, *shown; } rows[] = {
        {"4-band format", "4K75", "Two in series: 4.7K + 51 = 4.751K (+0.02%) | Two in parallel: 68K \u2225 5.1K = 4.744K (-0.12%)"},
        {"6-band format", "3K3", "3.3K is an E24 value | "},
        {"SMD marking format", "25M", "No E24 pair in series within 5% | No E24 pair in parallel within 5%"},  // 10M + 10M is 20M
        {"SMD marking format", "0", " | "},  // a zero-ohm link
        {"4-band format", "12M", " | "},     // refused: its message, no pairs
    };
    for (const auto& r : rows) {
        uitest::click(w.option(r.format));
        uitest::type(w.box("Resistance, ohms"), QString::fromLatin1(r.typed));
        QTest::keyClick(w.box("Resistance, ohms"), Qt::Key_Return);
        EXPECT_EQ(pairs(), r.shown) << r.typed;
    }
    uitest::pick(w.list("Series for two-resistor pairs"), 4);  // nothing shown: nothing to work out
    EXPECT_EQ(pairs(), " | ");
    uitest::click(w.option("SMD marking format"));
    uitest::type(w.box("Resistance, ohms"), QStringLiteral("15M"));
    uitest::click(w.button("Calculate markings from the value"));
    EXPECT_EQ(pairs(), "Two in series: 7.5M + 7.5M = 15M (0.00%) | No E96 pair in parallel within 5%");
    uitest::pick(w.list("Series for two-resistor pairs"), 0);
    EXPECT_EQ(w.label("Two resistors in parallel")->accessibleDescription().toStdString(), "No E6 pair in parallel within 5%");
    uitest::type(w.box("Resistance, ohms"), QStringLiteral("15"));
    EXPECT_EQ(pairs(), " | ");
}

}  // namespace
