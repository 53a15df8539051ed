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
using uitest::type;

// Display colours from the red, green, blue column of the colour table.
const QColor kTan(255, 204, 102);
const QColor kPaleBlue(168, 205, 223);
const QColor kSilver(240, 240, 240);
const QColor kGold(255, 227, 97);
const QColor kBlack(0, 0, 0);
const QColor kBrown(128, 64, 0);
const QColor kRed(255, 0, 0);
const QColor kOrange(255, 128, 1);
const QColor kYellow(255, 255, 1);
const QColor kGreen(0, 255, 1);
const QColor kBlue(0, 0, 255);
const QColor kViolet(255, 0, 255);
const QColor kWhite(255, 255, 255);

const char* const kErrorTitle = "Calculator - Error!";

const char* Combo(int i) {
    static const char* const names[] = {"Combo1(0)", "Combo1(1)", "Combo1(2)", "Combo1(3)", "Combo1(4)"};
    return names[i];
}
const char* Shape(int i) {
    static const char* const names[] = {"Shape1(0)", "Shape1(1)", "Shape1(2)", "Shape1(3)", "Shape1(4)"};
    return names[i];
}

std::vector<QColor> fills(const uitest::Window& w) {
    std::vector<QColor> out;
    for (int i = 0; i < 5; ++i) out.push_back(w.rect(Shape(i))->fill());
    return out;
}

std::vector<std::string> entries(QComboBox* c) {
    std::vector<std::string> out;
    for (int i = 0; i < c->count(); ++i) out.push_back(c->itemText(i).toStdString());
    return out;
}

void pickBands(uitest::Window& w, std::array<int, 5> positions) {
    for (int i = 0; i < 5; ++i)
        if (positions[i] >= 0) pick(w.list(Combo(i)), positions[i]);
}

// Typed key by key; text beyond ASCII is pasted, as no key sends it.
void calculateColours(uitest::Window& w, const QString& typed) {
    QLineEdit* box = w.box("TxtResult");
    bool ascii = true;
    for (QChar c : typed) ascii = ascii && c.unicode() < 128;
    if (ascii) {
        type(box, typed);
    } else {
        box->selectAll();
        box->insert(typed);
    }
    click(w.button("CmdCalcResColor"));
}

TEST(ResistorsPage, StartUpState) {
    uitest::Window w;
    EXPECT_EQ(w.form().vars().BandCount, 4);
    EXPECT_TRUE(w.option("Res4Band")->isChecked());
    EXPECT_FALSE(w.option("Res5Band")->isChecked());
    EXPECT_EQ(w.caption("Label52"), "RESISTOR COLOUR CODE CONVERTER");
    EXPECT_EQ(w.caption("Label4"), "Format:");
    EXPECT_EQ(w.caption("Label2"), "VALUE:  ");
    EXPECT_EQ(w.caption("Label3"), "\u03A9");
    EXPECT_EQ(w.button("CmdCalcResValue")->text().toStdString(), "Calculate Value");
    EXPECT_EQ(w.button("CmdCalcResColor")->text().toStdString(), "Calculate Colours");
    EXPECT_EQ(w.caption("Label1(0)"), "1st Band");
    EXPECT_EQ(w.caption("Label1(2)"), "3rd Band");
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(w.list(Combo(3))->isHidden());
    EXPECT_TRUE(w.label("Label1(3)")->isHidden());
    EXPECT_FALSE(w.rect(Shape(3))->isVisible());
    EXPECT_TRUE(w.picture("ImgRes4")->isVisible());
    EXPECT_FALSE(w.picture("ImgRes5")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes4")->isValid());
    EXPECT_TRUE(w.picture("ImgRes5")->isValid());
    EXPECT_EQ(w.picture("ImgRes4")->rect(), (kit::TwipRect{1140, 630, 4440, 1185}));
    EXPECT_EQ(w.picture("ImgRes5")->rect(), (kit::TwipRect{1140, 630, 4440, 1185}));
    const int lefts[] = {2580, 2880, 3180, 3480, 3940};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.rect(Shape(i))->rect(), (kit::TwipRect{lefts[i], 720, 210, 1040})) << i;
        EXPECT_EQ(w.rect(Shape(i))->fill(), kTan) << i;
        EXPECT_EQ(w.list(Combo(i))->currentIndex(), -1) << i;
    }
    const std::vector<std::string> digits = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                             "Green", "Blue",  "Violet", "Grey",   "White"};
    std::vector<std::string> multiplier = digits;
    multiplier.push_back("Gold");
    multiplier.push_back("Silver");
    EXPECT_EQ(entries(w.list(Combo(0))), std::vector<std::string>(digits.begin() + 1, digits.end()));
    EXPECT_EQ(entries(w.list(Combo(1))), digits);
    EXPECT_EQ(entries(w.list(Combo(2))), multiplier);
    EXPECT_EQ(entries(w.list(Combo(3))), multiplier);
    EXPECT_EQ(entries(w.list(Combo(4))),
              (std::vector<std::string>{"Brown", "Red", "Gold", "Silver", "[blank]"}));
    EXPECT_EQ(w.text("TxtResult"), "");
    EXPECT_EQ(w.caption("LblTolerance"), "");
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(ResistorsPage, TabFocusesTheValueBox) {
    uitest::Window w;
    w.showTab("Capacitors");
    w.showTab("Resistors");
    EXPECT_EQ(w.focused(), w.box("TxtResult"));
}

TEST(ResistorsPage, KeyboardOrderAndSpokenNames) {
    uitest::Window w;
    const std::vector<QWidget*> order = {
        w.option("Res4Band"), w.option("Res5Band"), w.list(Combo(0)), w.list(Combo(1)),
        w.list(Combo(2)),     w.list(Combo(3)),     w.list(Combo(4)), w.box("TxtResult"),
        w.button("CmdCalcResValue"), w.button("CmdCalcResColor")};
    // Walk the focus chain once round from the first control, noting ours.
    std::vector<QWidget*> seen;
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

TEST(ResistorsPage, PickingAColourPaintsItsBandAndEmptiesTheValue) {
    struct Row {
        int band, position;
        QColor colour;
    };
    const Row rows[] = {
        {0, 0, kBrown}, {0, 8, kWhite}, {1, 0, kBlack},  {1, 6, kBlue},   {2, 3, kOrange},
        {2, 10, kGold}, {2, 11, kSilver}, {4, 0, kBrown}, {4, 1, kRed},   {4, 2, kGold},
        {4, 3, kSilver}, {4, 4, kTan},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        calculateColours(w, "470");  // a value and an empty tolerance, then a pick
        ASSERT_EQ(w.text("TxtResult"), "470");
        w.list(Combo(1))->setFocus();
        ASSERT_EQ(w.focused(), w.list(Combo(1)));
        pick(w.list(Combo(r.band)), r.position);
        EXPECT_EQ(w.rect(Shape(r.band))->fill(), r.colour) << r.band << "/" << r.position;
        EXPECT_EQ(w.text("TxtResult"), "") << r.band << "/" << r.position;
        EXPECT_EQ(w.focused(), w.box("TxtResult"));  // the emptied box takes the focus
    }
}

TEST(ResistorsPage, GoldMultiplierBecomesBlackInFiveBands) {
    uitest::Window w;
    pick(w.list(Combo(2)), 10);
    EXPECT_EQ(w.rect(Shape(2))->fill(), kGold);
    click(w.option("Res5Band"));
    EXPECT_EQ(w.form().vars().BandCount, 5);
    EXPECT_EQ(w.list(Combo(2))->currentIndex(), 0);
    EXPECT_EQ(w.rect(Shape(2))->fill(), kBlack);
    EXPECT_EQ(w.list(Combo(2))->count(), 10);
    EXPECT_EQ(w.caption("Label1(4)"), "5th Band");
    EXPECT_FALSE(w.list(Combo(3))->isHidden());
    EXPECT_FALSE(w.label("Label1(3)")->isHidden());
    EXPECT_TRUE(w.rect(Shape(3))->isVisible());
    EXPECT_FALSE(w.picture("ImgRes4")->isVisible());
    EXPECT_TRUE(w.picture("ImgRes5")->isVisible());

    click(w.option("Res4Band"));
    EXPECT_EQ(w.form().vars().BandCount, 4);
    ASSERT_EQ(w.list(Combo(2))->count(), 12);
    EXPECT_EQ(w.list(Combo(2))->itemText(10).toStdString(), "Gold");
    EXPECT_EQ(w.list(Combo(2))->itemText(11).toStdString(), "Silver");
    EXPECT_EQ(w.list(Combo(2))->currentIndex(), 0);
    EXPECT_EQ(w.caption("Label1(4)"), "4th Band");
    EXPECT_TRUE(w.list(Combo(3))->isHidden());
    EXPECT_TRUE(w.picture("ImgRes4")->isVisible());
    EXPECT_FALSE(w.picture("ImgRes5")->isVisible());
}

TEST(ResistorsPage, ChoosingTheFormatInForceLeavesTheListAlone) {
    uitest::Window w;
    w.option("Res4Band")->select();
    w.option("Res4Band")->select();
    EXPECT_EQ(w.list(Combo(2))->count(), 12);
    w.option("Res5Band")->select();
    w.option("Res5Band")->select();
    EXPECT_EQ(w.list(Combo(2))->count(), 10);
    EXPECT_EQ(entries(w.list(Combo(2))).back(), "White");
    w.option("Res4Band")->select();
    EXPECT_EQ(w.list(Combo(2))->count(), 12);
}

TEST(ResistorsPage, BodyColourFollowsTheFormat) {
    uitest::Window w;
    pick(w.list(Combo(0)), 3);  // Yellow stays Yellow
    pick(w.list(Combo(4)), 4);  // [blank] shows the body
    EXPECT_EQ(fills(w), (std::vector<QColor>{kYellow, kTan, kTan, kTan, kTan}));
    click(w.option("Res5Band"));
    EXPECT_EQ(fills(w), (std::vector<QColor>{kYellow, kPaleBlue, kPaleBlue, kPaleBlue, kPaleBlue}));
    pick(w.list(Combo(3)), 7);  // Violet, kept while hidden
    click(w.option("Res4Band"));
    EXPECT_EQ(fills(w), (std::vector<QColor>{kYellow, kTan, kTan, kViolet, kTan}));
    EXPECT_EQ(w.list(Combo(3))->currentIndex(), 7);
}

TEST(ResistorsPage, ColoursToValue) {
    struct Row {
        const char* name;
        bool fiveBands;
        std::array<int, 5> positions;
        const char* value;
        const char* tolerance;
    };
    const Row rows[] = {
        {"Yellow Violet Red, Gold", false, {3, 7, 2, -1, 2}, "4.7K", "@ 5%"},
        {"Brown Black Black Brown", true, {0, 0, 0, 1, -1}, "1K", ""},
        {"Brown Black Blue: exactly 10M", false, {0, 0, 6, -1, -1}, "10M", ""},
        {"Brown Black Silver", false, {0, 0, 11, -1, 3}, "0.1", "@ 10%"},
        {"Red Red Gold", false, {1, 2, 10, -1, 4}, "2.2", "@ 20%"},
        {"hidden band 3 ignored", false, {0, 0, 2, 9, 0}, "1K", "@ 1%"},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        if (r.fiveBands) click(w.option("Res5Band"));
        pickBands(w, r.positions);
        const std::vector<QColor> painted = fills(w);
        click(w.button("CmdCalcResValue"));
        EXPECT_EQ(w.text("TxtResult"), r.value) << r.name;
        EXPECT_EQ(w.caption("LblTolerance"), r.tolerance) << r.name;
        click(w.button("CmdCalcResValue"));  // the same again
        EXPECT_EQ(w.text("TxtResult"), r.value) << r.name;
        EXPECT_EQ(w.caption("LblTolerance"), r.tolerance) << r.name;
        EXPECT_EQ(fills(w), painted) << r.name;  // the bands are only read
        EXPECT_TRUE(w.messages.shown.empty()) << r.name;
    }
}

TEST(ResistorsPage, ColoursToValueMessages) {
    struct Row {
        const char* name;
        bool fiveBands;
        std::array<int, 5> positions;
        const char* message;
        const char* title;
    };
    const Row rows[] = {
        {"no multiplier", false, {0, 0, -1, -1, 2}, "You must select at least the first 3 colours", kErrorTitle},
        {"no first band", false, {-1, 0, 1, 4, -1}, "You must select at least the first 3 colours", kErrorTitle},
        {"5 bands, no multiplier", true, {0, 0, 0, -1, 1}, "You must select at least the first 4 colours", kErrorTitle},
        {"5 bands, no third digit", true, {0, 0, -1, 2, -1}, "You must select at least the first 4 colours", kErrorTitle},
        {"Brown Black Violet", false, {0, 0, 7, -1, -1}, "Result is greater than 10Mohms", kit::kAppTitle},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        if (r.fiveBands) click(w.option("Res5Band"));
        pickBands(w, r.positions);
        w.box("TxtResult")->setText("kept");
        click(w.button("CmdCalcResValue"));
        ASSERT_EQ(w.messages.shown.size(), 1u) << r.name;
        EXPECT_EQ(w.messages.shown[0].text, r.message) << r.name;
        EXPECT_EQ(w.messages.shown[0].title, r.title) << r.name;
        EXPECT_EQ(w.text("TxtResult"), "kept") << r.name;
    }
}

TEST(ResistorsPage, ValueToColours) {
    struct Row {
        const char* typed;
        bool fiveBands;
        const char* shown;
        std::vector<QColor> bands;
    };
    const Row rows[] = {
        {"4K7", false, "4K7", {kYellow, kViolet, kRed, kTan, kTan}},
        {"4.7K", true, "4.7K", {kYellow, kViolet, kBlack, kBrown, kPaleBlue}},
        {"0.47", false, "0.47", {kYellow, kViolet, kSilver, kTan, kTan}},
        // 470 x 10^-3: no band colour, the tan of code -3 stands in.
        {"0.47", true, "0.47", {kYellow, kViolet, kBlack, kTan, kPaleBlue}},
        {"10M", false, "10M", {kBrown, kBlack, kBlue, kTan, kTan}},
        {"10000000", true, "10000000", {kBrown, kBlack, kBlack, kGreen, kPaleBlue}},
        {"1", true, "1", {kBrown, kBlack, kBlack, kSilver, kPaleBlue}},
        {"4.7k", false, "4.7", {kYellow, kViolet, kGold, kTan, kTan}},
        {" 4.7 K", false, "4.7K", {kYellow, kViolet, kRed, kTan, kTan}},
        {"1K2M", false, "1K2M", {kBrown, kRed, kGreen, kTan, kTan}},
        // Rounded as a whole: 100 ohms, not 90; 20 x 100, not 1.0K.
        {"99.6", false, "99.6", {kBrown, kBlack, kBrown, kTan, kTan}},
        {"1960", false, "1960", {kRed, kBlack, kRed, kTan, kTan}},
        {"0.02", true, "0.02", {kRed, kBlack, kBlack, kPaleBlue, kPaleBlue}},
        {"12345", true, "12345", {kBrown, kRed, kOrange, kRed, kPaleBlue}},
        // Signs and exponent letters are dropped: 53 ohms.
        {"-5e-3", false, "53", {kGreen, kOrange, kBlack, kTan, kTan}},
        {"\u0394 1\u00A0k\u03A9 \u2248 1K\u2026", false, "11K", {kBrown, kBrown, kOrange, kTan, kTan}},
    };
    for (const Row& r : rows) {
        uitest::Window w;
        if (r.fiveBands) click(w.option("Res5Band"));
        pickBands(w, {1, 2, 3, 4, 0});  // colours that must all go
        calculateColours(w, QString::fromUtf8(r.typed));
        EXPECT_TRUE(w.messages.shown.empty()) << r.typed;
        EXPECT_EQ(w.text("TxtResult"), r.shown) << r.typed;
        std::vector<QColor> got = fills(w);
        if (!r.fiveBands) got[3] = kTan;  // band 3 is hidden in 4 bands
        EXPECT_EQ(got, r.bands) << r.typed;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(w.list(Combo(i))->currentIndex(), -1) << r.typed;
        EXPECT_EQ(w.caption("LblTolerance"), "");
        EXPECT_EQ(w.focused(), w.box("TxtResult"));
    }
}

TEST(ResistorsPage, EnterInTheValueBoxPaintsTheBands) {
    uitest::Window w;
    type(w.box("TxtResult"), QStringLiteral("470"));
    QTest::keyClick(w.box("TxtResult"), Qt::Key_Return);
    EXPECT_EQ(fills(w)[0], kYellow);
    EXPECT_EQ(fills(w)[2], kBrown);
}

TEST(ResistorsPage, EmptyValueOnlyAsks) {
    uitest::Window w;
    pickBands(w, {0, 0, 2, -1, 2});
    const std::vector<QColor> before = fills(w);
    w.button("CmdCalcResColor")->setFocus();
    click(w.button("CmdCalcResColor"));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, "You must enter a value!");
    EXPECT_EQ(w.messages.shown[0].title, kErrorTitle);
    EXPECT_EQ(w.focused(), w.box("TxtResult"));
    EXPECT_EQ(fills(w), before);
    EXPECT_EQ(w.list(Combo(2))->currentIndex(), 2);
}

TEST(ResistorsPage, OutOfRangeResetsTheBandsAndSelectsTheText) {
    const char* range = "Enter a value between 0.01 and 10,000,000";
    struct Row {
        QString typed;
        const char* shown;
    };
    const Row rows[] = {
        {QStringLiteral("abc"), ""},
        {QStringLiteral("   "), ""},
        {QStringLiteral("10000001"), "10000001"},
        {QStringLiteral("0.009"), "0.009"},
        {QStringLiteral("12M"), "12M"},
        {QString(10000, QLatin1Char('7')), nullptr},
        {QString::fromUtf8("\u0662\u0663\u0664"), ""},  // Arabic-Indic digits are not read
    };
    for (const Row& r : rows) {
        for (bool five : {false, true}) {
            uitest::Window w;
            if (five) click(w.option("Res5Band"));
            pickBands(w, {1, 2, 3, 4, 0});
            w.box("TxtResult")->setText(r.typed);  // pasted, not typed
            click(w.button("CmdCalcResColor"));
            const QColor body = five ? kPaleBlue : kTan;
            ASSERT_EQ(w.messages.shown.size(), 1u) << r.typed.left(20).toStdString();
            EXPECT_EQ(w.messages.shown[0].text, range);
            EXPECT_EQ(w.messages.shown[0].title, kit::kAppTitle);
            if (r.shown != nullptr) {
                EXPECT_EQ(w.text("TxtResult"), r.shown);
            }
            EXPECT_TRUE(uitest::selectedWithFocus(w, w.box("TxtResult")));
            EXPECT_EQ(fills(w), (std::vector<QColor>{body, body, body, body, body}));
            for (int i = 0; i < 5; ++i) EXPECT_EQ(w.list(Combo(i))->currentIndex(), -1);
        }
    }
}

TEST(ResistorsPage, PaintedBandsAreNotReadBack) {
    uitest::Window w;
    calculateColours(w, "4K7");
    click(w.button("CmdCalcResValue"));
    EXPECT_EQ(w.lastMessage(), "You must select at least the first 3 colours");
    EXPECT_EQ(w.text("TxtResult"), "4K7");
}

}  // namespace
