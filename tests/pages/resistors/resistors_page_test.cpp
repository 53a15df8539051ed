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

// Display colours from the red, green, blue column of the colour table.
const QColor Tan(255, 204, 102), Blue5(168, 205, 223), Silver(240, 240, 240), Gold(255, 227, 97),
    Black(0, 0, 0), Brown(128, 64, 0), Red(255, 0, 0), Orange(255, 128, 1), Yellow(255, 255, 1),
    Violet(255, 0, 255), White(255, 255, 255);
const char* const kErrorTitle = "Calculator - Error!";

std::string Name(const char* array, int i) { return std::string(array) + "(" + std::to_string(i) + ")"; }
QComboBox* Combo(const uitest::Window& w, int i) { return w.list(Name("Combo1", i).c_str()); }

Colours Fills(const uitest::Window& w) {
    Colours out;
    for (int i = 0; i < 5; ++i) out.push_back(w.rect(Name("Shape1", i).c_str())->fill());
    return out;
}

std::vector<int> Picks(const uitest::Window& w) {
    std::vector<int> out;
    for (int i = 0; i < 5; ++i) out.push_back(Combo(w, i)->currentIndex());
    return out;
}

void PickBands(uitest::Window& w, std::array<int, 5> positions) {
    for (int i = 0; i < 5; ++i)
        if (positions[i] >= 0) pick(Combo(w, i), positions[i]);
}

// Typed key by key; text beyond ASCII is pasted, as no key sends it.
void CalculateColours(uitest::Window& w, const QString& text) {
    QLineEdit* box = w.box("TxtResult");
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; })) {
        uitest::type(box, text);
    } else {
        box->selectAll();
        box->insert(text);
    }
    click(w.button("CmdCalcResColor"));
}

TEST(ResistorsPage, StartUp) {
    uitest::Window w;
    EXPECT_EQ(w.form().vars().BandCount, 4);
    EXPECT_TRUE(w.option("Res4Band")->isChecked());
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(Combo(w, 3)->isHidden());
    EXPECT_TRUE(w.label("Label1(3)")->isHidden());
    EXPECT_FALSE(w.rect("Shape1(3)")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes4")->isVisible() && w.picture("ImgRes4")->isValid());
    EXPECT_FALSE(w.picture("ImgRes5")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes5")->isValid());
    EXPECT_EQ(w.picture("ImgRes5")->rect(), (kit::TwipRect{1140, 630, 4440, 1185}));
    const int lefts[] = {2580, 2880, 3180, 3480, 3940};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.rect(Name("Shape1", i).c_str())->rect(), (kit::TwipRect{lefts[i], 720, 210, 1040}));
    EXPECT_EQ(Fills(w), Colours(5, Tan));
    EXPECT_EQ(Picks(w), std::vector<int>(5, -1));
    const int counts[] = {9, 10, 12, 12, 5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Combo(w, i)->count(), counts[i]);
    EXPECT_EQ(Combo(w, 0)->itemText(0), "Brown");
    EXPECT_EQ(Combo(w, 3)->itemText(11), "Silver");
    EXPECT_EQ(Combo(w, 4)->itemText(4), "[blank]");
    EXPECT_EQ(w.text("TxtResult") + w.caption("LblTolerance"), "");
    w.showTab("Capacitors");
    w.showTab("Resistors");
    EXPECT_EQ(w.focused(), w.box("TxtResult"));
}

TEST(ResistorsPage, KeyboardOrderAndSpokenNames) {
    uitest::Window w;
    const std::vector<QWidget*> order = {w.option("Res4Band"), w.option("Res5Band"), Combo(w, 0),
                                         Combo(w, 1), Combo(w, 2), Combo(w, 3), Combo(w, 4),
                                         w.box("TxtResult"), w.button("CmdCalcResValue"),
                                         w.button("CmdCalcResColor")};
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
    struct Row {
        int band, position;
        QColor colour;
    };
    const Row rows[] = {{0, 0, Brown}, {0, 8, White}, {1, 0, Black}, {2, 10, Gold},
                        {2, 11, Silver}, {4, 1, Red}, {4, 3, Silver}, {4, 4, Tan}};
    for (const Row& r : rows) {
        uitest::Window w;
        CalculateColours(w, "470");
        Combo(w, 1)->setFocus();
        ASSERT_EQ(w.focused(), Combo(w, 1));
        pick(Combo(w, r.band), r.position);
        EXPECT_EQ(Fills(w)[r.band], r.colour) << r.band << "/" << r.position;
        EXPECT_EQ(w.text("TxtResult"), "");
        EXPECT_EQ(w.focused(), w.box("TxtResult"));  // the emptied box takes the focus
    }
}

TEST(ResistorsPage, SwitchingFormats) {
    uitest::Window w;
    PickBands(w, {3, -1, 10, -1, 4});  // Yellow, none, Gold, none, [blank]
    EXPECT_EQ(Fills(w), (Colours{Yellow, Tan, Gold, Tan, Tan}));
    click(w.option("Res5Band"));
    click(w.option("Res5Band"));  // the format in force: the list is left alone
    EXPECT_EQ(w.form().vars().BandCount, 5);
    EXPECT_EQ(Picks(w), (std::vector<int>{3, -1, 0, -1, 4}));  // Gold became Black
    EXPECT_EQ(Fills(w), (Colours{Yellow, Blue5, Black, Blue5, Blue5}));
    EXPECT_EQ(Combo(w, 2)->count(), 10);
    EXPECT_EQ(w.caption("Label1(4)"), "5th Band");
    EXPECT_FALSE(Combo(w, 3)->isHidden());
    EXPECT_TRUE(w.rect("Shape1(3)")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes5")->isVisible());
    EXPECT_FALSE(w.picture("ImgRes4")->isVisible());

    pick(Combo(w, 3), 7);  // Violet, kept while hidden
    click(w.option("Res4Band"));
    click(w.option("Res4Band"));
    EXPECT_EQ(Fills(w), (Colours{Yellow, Tan, Black, Violet, Tan}));
    ASSERT_EQ(Combo(w, 2)->count(), 12);
    EXPECT_EQ(Combo(w, 2)->itemText(10), "Gold");
    EXPECT_EQ(Combo(w, 2)->itemText(11), "Silver");
    EXPECT_EQ(Combo(w, 3)->currentIndex(), 7);
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(Combo(w, 3)->isHidden());
    EXPECT_TRUE(w.picture("ImgRes4")->isVisible());
}

TEST(ResistorsPage, CalculateValue) {
    uitest::Window w;
    PickBands(w, {3, 7, 2, 9, 2});  // Yellow Violet Red, White in the hidden band, Gold
    const Colours painted = Fills(w);
    for (int twice = 0; twice < 2; ++twice) {
        click(w.button("CmdCalcResValue"));
        EXPECT_EQ(w.text("TxtResult"), "4.7K");
        EXPECT_EQ(w.caption("LblTolerance"), "@ 5%");
    }
    EXPECT_EQ(Fills(w), painted);
    click(w.option("Res5Band"));
    PickBands(w, {0, 0, 0, 1, -1});
    pick(Combo(w, 4), -1);
    click(w.button("CmdCalcResValue"));
    EXPECT_EQ(w.text("TxtResult") + w.caption("LblTolerance"), "1K");
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(ResistorsPage, CalculateValueMessages) {
    struct Row {
        bool fiveBands;
        std::array<int, 5> positions;
        const char* message;
        const char* title;
    };
    const Row rows[] = {
        {false, {0, 0, -1, 4, 2}, "You must select at least the first 3 colours", kErrorTitle},
        {true, {0, 0, -1, 2, -1}, "You must select at least the first 4 colours", kErrorTitle},
        {false, {0, 0, 7, -1, -1}, "Result is greater than 10Mohms", kit::kAppTitle},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        if (r.fiveBands) click(w.option("Res5Band"));
        PickBands(w, r.positions);
        w.box("TxtResult")->setText("kept");
        click(w.button("CmdCalcResValue"));
        ASSERT_EQ(w.messages.shown.size(), 1u) << r.message;
        EXPECT_EQ(w.messages.shown[0].text, r.message);
        EXPECT_EQ(w.messages.shown[0].title, r.title);
        EXPECT_EQ(w.text("TxtResult"), "kept");
    }
}

TEST(ResistorsPage, CalculateColours) {
    struct Row {
        const char* typed;
        bool fiveBands;
        const char* shown;
        Colours bands;  // band 3 is hidden, and not compared, in 4 bands
    };
    const Row rows[] = {
        {"4K7", false, "4K7", {Yellow, Violet, Red, Tan, Tan}},
        {"4.7K", true, "4.7K", {Yellow, Violet, Black, Brown, Blue5}},
        {"0.47", true, "0.47", {Yellow, Violet, Black, Tan, Blue5}},  // x 10^-3: tan
        {" 4.7 k", false, "4.7", {Yellow, Violet, Gold, Tan, Tan}},
        {"99.6", false, "99.6", {Brown, Black, Brown, Tan, Tan}},     // 100, not 90
        {"\u0394 1\u00A0k\u03A9 \u2248 1K\u2026", false, "11K", {Brown, Brown, Orange, Tan, Tan}},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        if (r.fiveBands) click(w.option("Res5Band"));
        PickBands(w, {1, 2, 3, 4, 0});  // colours that must all go
        CalculateColours(w, QString::fromUtf8(r.typed));
        EXPECT_TRUE(w.messages.shown.empty()) << r.typed;
        EXPECT_EQ(w.text("TxtResult"), r.shown);
        Colours got = Fills(w);
        if (!r.fiveBands) got[3] = Tan;
        EXPECT_EQ(got, r.bands) << r.typed;
        EXPECT_EQ(Picks(w), std::vector<int>(5, -1)) << r.typed;
        EXPECT_EQ(w.caption("LblTolerance"), "");
        EXPECT_EQ(w.focused(), w.box("TxtResult"));
    }
    // Painted bands are not selections: reading them back asks for colours.
    uitest::Window w;
    uitest::type(w.box("TxtResult"), QStringLiteral("470"));
    QTest::keyClick(w.box("TxtResult"), Qt::Key_Return);  // Enter presses Calculate Colours
    EXPECT_EQ(Fills(w), (Colours{Yellow, Violet, Brown, Tan, Tan}));
    click(w.button("CmdCalcResValue"));
    EXPECT_EQ(w.lastMessage(), "You must select at least the first 3 colours");
}

TEST(ResistorsPage, CalculateColoursMessages) {
    {  // Nothing typed: only the focus moves; bands and picks stay.
        uitest::Window w;
        PickBands(w, {0, 0, 2, -1, 2});
        const Colours before = Fills(w);
        w.button("CmdCalcResColor")->setFocus();
        click(w.button("CmdCalcResColor"));
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].text, "You must enter a value!");
        EXPECT_EQ(w.messages.shown[0].title, kErrorTitle);
        EXPECT_EQ(w.focused(), w.box("TxtResult"));
        EXPECT_EQ(Fills(w), before);
        EXPECT_EQ(Picks(w), (std::vector<int>{0, 0, 2, -1, 2}));
    }
    const QString pasted[] = {QStringLiteral("   "), QStringLiteral("10000001"), QString(10000, QLatin1Char('7')),
                              QString::fromUtf8("\u0662\u0663\u0664")};  // Arabic-Indic digits
    for (const QString& text : pasted) {
        for (bool five : {false, true}) {
            uitest::Window w;
            if (five) click(w.option("Res5Band"));
            PickBands(w, {1, 2, 3, 4, 0});
            w.box("TxtResult")->setText(text);
            click(w.button("CmdCalcResColor"));
            ASSERT_EQ(w.messages.shown.size(), 1u) << text.left(12).toStdString();
            EXPECT_EQ(w.messages.shown[0].text, "Enter a value between 0.01 and 10,000,000");
            EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
            EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TxtResult")));
            EXPECT_EQ(Fills(w), Colours(5, five ? Blue5 : Tan));
            EXPECT_EQ(Picks(w), std::vector<int>(5, -1));
        }
    }
}

}  // namespace
