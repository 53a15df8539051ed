#include <QComboBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace {

using uitest::click;
using uitest::pick;
using Colours = std::vector<QColor>;
using Picks = std::vector<int>;

// Display colours from the red, green, blue column of the colour table.
const QColor Tan(255, 204, 102), Blue5(168, 205, 223), Silver(240, 240, 240), Gold(255, 227, 97),
    Black(0, 0, 0), Brown(128, 64, 0), Red(255, 0, 0), Orange(255, 128, 1), Yellow(255, 255, 1),
    Green(0, 255, 1), Blue(0, 0, 255), Violet(255, 0, 255), Grey(160, 160, 160), White(255, 255, 255);
const Picks kNone(5, -1);
const std::string kError = "Calculator - Error!: ", kApp = std::string(kit::kAppTitle) + ": ";

std::string Name(const char* array, int i) { return std::string(array) + "(" + std::to_string(i) + ")"; }
QComboBox* Combo(const uitest::Window& w, int i) { return w.list(Name("Combo1", i).c_str()); }
QColor Fill(const uitest::Window& w, int i) { return w.rect(Name("Shape1", i).c_str())->fill(); }
Colours Fills(const uitest::Window& w) { return {Fill(w, 0), Fill(w, 1), Fill(w, 2), Fill(w, 3), Fill(w, 4)}; }
int Pick(const uitest::Window& w, int i) { return Combo(w, i)->currentIndex(); }
Picks PicksOf(const uitest::Window& w) { return {Pick(w, 0), Pick(w, 1), Pick(w, 2), Pick(w, 3), Pick(w, 4)}; }

// Every message shown so far, as "title: text", one a line.
std::string Shown(const uitest::Window& w) {
    std::string out;
    for (const auto& m : w.messages.shown) out += m.title + ": " + m.text + "\n";
    return out;
}

// Chooses the format, then picks each list entry that is not -1.
void Choose(uitest::Window& w, bool fiveBands, std::array<int, 5> positions) {
    if (fiveBands) click(w.option("Res5Band"));
    for (int i = 0; i < 5; ++i)
        if (positions[i] >= 0) pick(Combo(w, i), positions[i]);
}

TEST(ResistorsPage, StartUp) {
    uitest::Window w;
    for (const char* n : {"Label52", "Label4", "Frame2", "Label2", "Label3", "Label1(0)", "Label1(1)", "Label1(2)"})
        w.get<QObject>(n);  // the rest are reached below
    EXPECT_TRUE(w.option("Res4Band")->isChecked() && !w.option("Res5Band")->isChecked());
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(Combo(w, 3)->isHidden() && w.label("Label1(3)")->isHidden() && !w.rect("Shape1(3)")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes4")->isVisible() && w.picture("ImgRes4")->isValid());
    EXPECT_TRUE(!w.picture("ImgRes5")->isVisible() && w.picture("ImgRes5")->isValid());
    const int lefts[] = {2580, 2880, 3180, 3480, 3940};  // on the body in both pictures
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.rect(Name("Shape1", i).c_str())->rect(), (kit::TwipRect{lefts[i], 720, 210, 1040}));
    EXPECT_EQ(Fills(w), Colours(5, Tan));
    EXPECT_EQ(PicksOf(w), kNone);
    const int counts[] = {9, 10, 12, 12, 5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Combo(w, i)->count(), counts[i]);
    EXPECT_EQ(Combo(w, 0)->itemText(0) + Combo(w, 3)->itemText(11) + Combo(w, 4)->itemText(4), "BrownSilver[blank]");
    EXPECT_EQ(w.text("TxtResult") + w.caption("LblTolerance"), "");
    w.showTab("Capacitors");
    w.showTab("Resistors");
    EXPECT_EQ(w.focused(), w.box("TxtResult"));
}

TEST(ResistorsPage, KeyboardOrderAndSpokenNames) {
    uitest::Window w;
    const std::vector<QWidget*> order = {w.option("Res4Band"), w.option("Res5Band"), Combo(w, 0), Combo(w, 1),
                                         Combo(w, 2), Combo(w, 3), Combo(w, 4), w.box("TxtResult"),
                                         w.button("CmdCalcResValue"), w.button("CmdCalcResColor")};
    std::vector<QWidget*> seen;  // once round the focus chain, noting ours
    QWidget* at = order[0];
    do {
        if (std::find(order.begin(), order.end(), at) != order.end()) seen.push_back(at);
        at = at->nextInFocusChain();
    } while (at != order[0]);
    EXPECT_EQ(seen, order);
    for (QWidget* c : order) EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    EXPECT_FALSE(w.label("LblTolerance")->accessibleName().isEmpty());
    EXPECT_TRUE(w.label("LblTolerance")->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST(ResistorsPage, PickingPaintsTheBandAndEmptiesTheValue) {
    struct Row { int band, position; QColor colour; };
    const Row rows[] = {{0, 0, Brown}, {0, 8, White}, {1, 0, Black}, {1, 5, Green}, {1, 6, Blue}, {1, 8, Grey},
                        {2, 10, Gold}, {2, 11, Silver}, {4, 1, Red}, {4, 3, Silver}, {4, 4, Tan}};
    for (const Row& r : rows) {
        uitest::Window w;
        w.box("TxtResult")->setText("470");
        Combo(w, 1)->setFocus();
        pick(Combo(w, r.band), r.position);
        EXPECT_EQ(Fill(w, r.band), r.colour) << r.band << "/" << r.position;
        EXPECT_EQ(w.text("TxtResult"), "");
        EXPECT_EQ(w.focused(), w.box("TxtResult"));  // the emptied box takes the focus
    }
}

TEST(ResistorsPage, SwitchingFormats) {
    uitest::Window w;
    Choose(w, false, {3, -1, 10, -1, 4});  // Yellow, none, Gold, none, [blank]
    EXPECT_EQ(Fills(w), (Colours{Yellow, Tan, Gold, Tan, Tan}));
    click(w.option("Res5Band"));
    click(w.option("Res5Band"));  // the format in force: the list is left alone
    EXPECT_EQ(PicksOf(w), (Picks{3, -1, 0, -1, 4}));  // Gold became Black
    EXPECT_EQ(Fills(w), (Colours{Yellow, Blue5, Black, Blue5, Blue5}));
    EXPECT_EQ(Combo(w, 2)->count(), 10);
    EXPECT_EQ(w.caption("Label1(4)"), "5th Band");
    EXPECT_TRUE(!Combo(w, 3)->isHidden() && w.rect("Shape1(3)")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes5")->isVisible() && !w.picture("ImgRes4")->isVisible());

    pick(Combo(w, 3), 7);  // Violet, kept while hidden
    click(w.option("Res4Band"));
    click(w.option("Res4Band"));
    EXPECT_EQ(Fills(w), (Colours{Yellow, Tan, Black, Violet, Tan}));
    EXPECT_EQ(Combo(w, 2)->count(), 12);
    EXPECT_EQ(Combo(w, 2)->itemText(10) + Combo(w, 2)->itemText(11), "GoldSilver");
    EXPECT_EQ(Combo(w, 3)->currentIndex(), 7);
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(Combo(w, 3)->isHidden() && w.picture("ImgRes4")->isVisible());
}

TEST(ResistorsPage, CalculateValue) {
    // A value writes the box, then its tolerance (writing the box empties the
    // label); a failed check leaves the box as it was. Bands are never repainted.
    struct Row { bool five; std::array<int, 5> positions; const char *shown, *tolerance; std::string message; };
    const Row rows[] = {
        {false, {3, 7, 2, 9, 2}, "4.7K", "@ 5%", ""},  // White in the hidden band
        {true, {0, 0, 0, 1, -1}, "1K", "", ""},
        {false, {0, 0, -1, 4, 2}, "kept", "", kError + "You must select at least the first 3 colours\n"},
        {true, {0, 0, -1, 2, -1}, "kept", "", kError + "You must select at least the first 4 colours\n"},
        {false, {0, 0, 7, -1, -1}, "kept", "", kApp + "Result is greater than 10Mohms\n"},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        Choose(w, r.five, r.positions);
        w.box("TxtResult")->setText("kept");
        const Colours painted = Fills(w);
        click(w.button("CmdCalcResValue"));
        EXPECT_EQ(Shown(w), r.message);
        EXPECT_EQ(w.text("TxtResult") + "|" + w.caption("LblTolerance"), std::string(r.shown) + "|" + r.tolerance);
        EXPECT_EQ(Fills(w), painted);
    }
}

TEST(ResistorsPage, CalculateColours) {
    // Nothing typed: a message, the focus to the box, bands and picks kept.
    // Otherwise every list loses its pick; text out of range stays written as
    // cleaned, selected, over bands showing only the body.
    struct Row { QString pasted; bool five; QString shown; Colours bands; std::string message; };
    const Colours bare4(5, Tan), bare5(5, Blue5);
    const QString sevens(10000, QLatin1Char('7'));
    const std::string range = kApp + "Enter a value between 0.01 and 10,000,000\n";
    const Row rows[] = {
        {"", false, "", {Red, Red, Orange, Yellow, Brown}, kError + "You must enter a value!\n"},
        {"4.7K", true, "4.7K", {Yellow, Violet, Black, Brown, Blue5}, ""},
        {"99.6", false, "99.6", {Brown, Black, Brown, Tan, Tan}, ""},  // the mended rounding: 100, not 90
        {"\u0394 1\u00A0k\u03A9 \u2248 1K\u2026", false, "11K", {Brown, Brown, Orange, Tan, Tan}, ""},
        {"   ", false, "", bare4, range},
        {"   ", true, "", bare5, range},
        {"10,000,001", false, "10000001", bare4, range},
        {"10,000,001", true, "10000001", bare5, range},
        {sevens, true, sevens, bare5, range},
        {"\u0662\u0663\u0664", false, "", bare4, range},  // Arabic-Indic digits
    };
    for (const Row& r : rows) {
        uitest::Window w;
        Choose(w, r.five, {1, 2, 3, 4, 0});  // colours that must all go, unless nothing is typed
        QLineEdit* box = w.box("TxtResult");
        box->selectAll();
        box->insert(r.pasted);
        w.button("CmdCalcResColor")->setFocus();
        click(w.button("CmdCalcResColor"));
        const std::string at = r.pasted.left(12).toStdString();
        EXPECT_EQ(Shown(w), r.message) << at;
        if (r.message.empty()) EXPECT_EQ(w.focused(), box) << at;
        else EXPECT_TRUE(uitest::selectedWithFocus(w, box)) << at;
        EXPECT_EQ(box->text(), r.shown) << at;
        EXPECT_EQ(Fills(w), r.bands) << at;
        EXPECT_EQ(PicksOf(w), (r.pasted.isEmpty() ? Picks{1, 2, 3, 4, 0} : kNone)) << at;
    }
    // Typed key by key, Enter presses Calculate Colours. Painted bands are not
    // selections: reading them back asks for colours.
    uitest::Window w;
    uitest::type(w.box("TxtResult"), QStringLiteral("470"));
    QTest::keyClick(w.box("TxtResult"), Qt::Key_Return);
    EXPECT_EQ(Fills(w), (Colours{Yellow, Violet, Brown, Tan, Tan}));
    click(w.button("CmdCalcResValue"));
    EXPECT_EQ(w.lastMessage(), "You must select at least the first 3 colours");
}

}  // namespace