#include "pages/resistors/resistors_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "pages/resistors/resistors_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"
#include "values/values.h"

namespace ohm {
namespace {

const char* const kComboNames[] = {"Combo1(0)", "Combo1(1)", "Combo1(2)", "Combo1(3)", "Combo1(4)"};
const char* const kLabelNames[] = {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)"};
const char* const kShapeNames[] = {"Shape1(0)", "Shape1(1)", "Shape1(2)", "Shape1(3)", "Shape1(4)"};
const char* const kCaptions[] = {"1st Band", "2nd Band", "3rd Band", "4th Band", "4th Band"};
const char* const kSpoken[] = {"1st band colour", "2nd band colour", "3rd band colour",
                               "4th band colour", "Tolerance band colour"};

const char* const kColours[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                "Green", "Blue",  "Violet", "Grey",   "White"};
const char* const kTolerances[] = {"Brown", "Red", "Gold", "Silver", "[blank]"};

// Band rectangles stand on the resistor body: bands 0..3 at 300-twip steps,
// the tolerance band set apart from them.
kit::TwipRect BandRect(int band) {
    const int left = band < 4 ? 2580 + 300 * band : 2580 + 4 * 300 + 160;
    return {left, 720, 210, 1040};
}

// Lists and captions in one row under the picture, left to right.
constexpr int kListLeft = 180;
constexpr int kListStep = 1290;
constexpr int kListWidth = 1170;

QColor ColourOf(int code) { return kit::colourFromBgr(LeadingNumber(ResColCode(code))); }

}  // namespace

ResistorsPage::ResistorsPage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "FrmResCon", QStringLiteral("Resistor Conversion")) {
    QWidget* f = frame();

    Label52_ = kit::label(f, "Label52", {120, 300, 6435, 255},
                          QStringLiteral("RESISTOR COLOUR CODE CONVERTER"));
    QFont bold = Label52_->font();
    bold.setBold(true);
    Label52_->setFont(bold);
    Label52_->setAlignment(Qt::AlignCenter);

    Label4_ = kit::label(f, "Label4", {120, 720, 960, 255}, QStringLiteral("Format:"));
    Res4Band_ = kit::option(f, "Res4Band", {120, 990, 1005, 255}, QStringLiteral("4 Bands"),
                            QStringLiteral("4-band format"));
    Res5Band_ = kit::option(f, "Res5Band", {120, 1290, 1005, 255}, QStringLiteral("5 Bands"),
                            QStringLiteral("5-band format"));

    // The picture first, so the band rectangles are painted over it.
    ImgRes4_ = drawing()->addPicture("ImgRes4", {1140, 630, 4440, 1185},
                                     QStringLiteral(":/assets/resistor_4band.svg"));
    ImgRes5_ = drawing()->addPicture("ImgRes5", {1140, 630, 4440, 1185},
                                     QStringLiteral(":/assets/resistor_5band.svg"));
    for (int i = 0; i < 5; ++i) {
        Shape1_[i] = drawing()->addRect(kShapeNames[i], BandRect(i), ColourOf(BodyCode(4)));
        const int left = kListLeft + kListStep * i;
        Label1_[i] = kit::label(f, kLabelNames[i], {left, 1920, kListWidth, 225},
                                QString::fromLatin1(kCaptions[i]));
        Combo1_[i] = kit::list(f, kComboNames[i], {left, 2160, kListWidth, 315},
                               QString::fromLatin1(kSpoken[i]));
        Label1_[i]->setBuddy(Combo1_[i]);
    }

    Frame2_ = kit::frame(f, "Frame2", {180, 2640, 3930, 960}, QString());
    Frame2_->setAccessibleName(QStringLiteral("Value"));
    Label2_ = kit::label(Frame2_, "Label2", {120, 360, 720, 255}, QStringLiteral("VALUE:  "));
    TxtResult_ = kit::textBox(Frame2_, "TxtResult", {840, 330, 1380, 315}, QString(),
                              QStringLiteral("Resistance, ohms"));
    Label2_->setBuddy(TxtResult_);
    Label3_ = kit::label(Frame2_, "Label3", {2250, 360, 240, 255}, QStringLiteral("\u03A9"),
                         QStringLiteral("ohms"));
    LblTolerance_ = kit::label(Frame2_, "LblTolerance", {2520, 360, 1290, 255}, QString(),
                               QStringLiteral("Tolerance"));
    kit::copyable(LblTolerance_);

    CmdCalcResValue_ = kit::button(f, "CmdCalcResValue", {4380, 2700, 2130, 375},
                                   QStringLiteral("Calculate Value"),
                                   QStringLiteral("Calculate value from the colours"));
    CmdCalcResColor_ = kit::button(f, "CmdCalcResColor", {4380, 3150, 2130, 375},
                                   QStringLiteral("Calculate Colours"),
                                   QStringLiteral("Calculate colours from the value"));
    kit::enterPresses(TxtResult_, CmdCalcResColor_);

    QWidget::setTabOrder(Res4Band_, Res5Band_);
    QWidget::setTabOrder(Res5Band_, Combo1_[0]);
    for (int i = 0; i < 4; ++i) QWidget::setTabOrder(Combo1_[i], Combo1_[i + 1]);
    QWidget::setTabOrder(Combo1_[4], TxtResult_);
    QWidget::setTabOrder(TxtResult_, CmdCalcResValue_);
    QWidget::setTabOrder(CmdCalcResValue_, CmdCalcResColor_);

    connect(Res4Band_, &kit::OptionButton::selected, this, &ResistorsPage::Res4Band_Click);
    connect(Res5Band_, &kit::OptionButton::selected, this, &ResistorsPage::Res5Band_Click);
    for (int i = 0; i < 5; ++i)
        connect(Combo1_[i], &QComboBox::currentIndexChanged, this, [this, i] { Combo1_Click(i); });
    connect(TxtResult_, &QLineEdit::textChanged, this, &ResistorsPage::TxtResult_Change);
    connect(CmdCalcResValue_, &QPushButton::clicked, this, &ResistorsPage::CmdCalcResValue_Click);
    connect(CmdCalcResColor_, &QPushButton::clicked, this, &ResistorsPage::CmdCalcResColor_Click);
}

void ResistorsPage::startUp() {
    bandCount_ = 4;
    Res4Band_->select();  // the 4-band switch, while the lists are still empty
    Combo1_[3]->hide();
    Label1_[3]->hide();
    ImgRes4_->show();
    ImgRes5_->hide();
    for (int i = 0; i < 5; ++i) {
        Shape1_[i]->setRect(BandRect(i));
        paint(i, BodyCode(4));
    }
    Shape1_[3]->hide();

    // Filling a list is not a pick: no band gets a colour and none is selected.
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(Combo1_[i]);
        for (int c = i == 0 ? 1 : 0; c < 10; ++c) Combo1_[i]->addItem(QString::fromLatin1(kColours[c]));
        if (i >= 2) {
            Combo1_[i]->addItem(QStringLiteral("Gold"));
            Combo1_[i]->addItem(QStringLiteral("Silver"));
        }
        Combo1_[i]->setCurrentIndex(-1);
    }
    const QSignalBlocker quiet(Combo1_[4]);
    for (const char* t : kTolerances) Combo1_[4]->addItem(QString::fromLatin1(t));
    Combo1_[4]->setCurrentIndex(-1);
}

void ResistorsPage::focusOnShow() { kit::focus(TxtResult_); }

void ResistorsPage::paint(int band, int code) { Shape1_[band]->setFill(ColourOf(code)); }

void ResistorsPage::paintUnchosenBands() {
    const int body = BodyCode(bandCount_);
    if (Combo1_[4]->currentIndex() == 4) paint(4, body);  // "[blank]" shows the body
    for (int i = 0; i < 5; ++i)
        if (Combo1_[i]->currentIndex() == -1) paint(i, body);
}

void ResistorsPage::Combo1_Click(int index) {
    if (const auto code = BandFillCode(index, Combo1_[index]->currentIndex(), bandCount_))
        paint(index, *code);
    // A value shown earlier no longer stands beside the changed bands.
    TxtResult_->clear();
}

void ResistorsPage::Res4Band_Click() {
    TxtResult_->clear();
    if (bandCount_ == 5) {
        // Band 2 becomes the multiplier again.
        Combo1_[2]->addItem(QStringLiteral("Gold"));
        Combo1_[2]->addItem(QStringLiteral("Silver"));
    }
    bandCount_ = 4;
    Combo1_[3]->hide();
    Label1_[3]->hide();
    Shape1_[3]->hide();
    Label1_[4]->setText(QStringLiteral("4th Band"));
    ImgRes4_->show();
    ImgRes5_->hide();
    paintUnchosenBands();
}

void ResistorsPage::Res5Band_Click() {
    TxtResult_->clear();
    // Band 2 becomes a digit: Gold or Silver there turns to Black.
    if (Combo1_[2]->currentIndex() > 9) {
        paint(2, 0);
        Combo1_[2]->setCurrentIndex(0);
    }
    if (bandCount_ == 4) {
        Combo1_[2]->removeItem(11);
        Combo1_[2]->removeItem(10);
    }
    Combo1_[3]->show();
    Label1_[3]->show();
    Shape1_[3]->show();
    Label1_[4]->setText(QStringLiteral("5th Band"));
    bandCount_ = 5;
    ImgRes4_->hide();
    ImgRes5_->show();
    paintUnchosenBands();
}

void ResistorsPage::TxtResult_Change() {
    LblTolerance_->clear();
    kit::focus(TxtResult_);
}

void ResistorsPage::CmdCalcResValue_Click() {
    std::array<int, 5> positions{};
    for (int i = 0; i < 5; ++i) positions[i] = Combo1_[i]->currentIndex();
    const ColoursToValueResult r = ColoursToValue(bandCount_, positions);
    if (r.check != ColoursCheck::Ok) {
        messages_.show(MessageText(r.check), HasErrorTitle(r.check) ? kErrorTitle : kit::kAppTitle);
        return;
    }
    TxtResult_->setText(kit::qs(r.valueText));  // clears the tolerance label
    LblTolerance_->setText(kit::qs(r.toleranceText));
}

void ResistorsPage::CmdCalcResColor_Click() {
    const ValueToColoursResult r = ValueToColours(kit::textOf(TxtResult_), bandCount_);
    if (r.check == ValueCheck::Empty) {
        kit::focus(TxtResult_);
        messages_.show(MessageText(r.check), kErrorTitle);
        return;
    }
    // Only the rectangles show the answer; every list is left without a pick.
    const int body = BodyCode(bandCount_);
    for (int i = 0; i < 5; ++i) {
        Combo1_[i]->setCurrentIndex(-1);
        paint(i, body);
    }
    TxtResult_->setText(kit::qs(r.cleaned));
    if (r.check == ValueCheck::OutOfRange) {
        kit::reportFault(messages_, TxtResult_, MessageText(r.check));
        return;
    }
    for (int i = 0; i < 5; ++i) paint(i, r.fills[i]);
}

}  // namespace ohm
