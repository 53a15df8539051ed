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

const char* const kListNames[] = {"bandList0", "bandList1", "bandList2", "bandList3", "bandList4"};
const char* const kCaptionNames[] = {"bandCaption0", "bandCaption1", "bandCaption2", "bandCaption3",
                                     "bandCaption4"};
const char* const kRectNames[] = {"bandRect0", "bandRect1", "bandRect2", "bandRect3", "bandRect4"};
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
    : Page(window, messages, "resistorsPage", QStringLiteral("Resistor Conversion")) {
    QWidget* f = frame();

    QLabel* title = kit::label(f, "titleLabel", {120, 300, 6435, 255},
                               QStringLiteral("RESISTOR COLOUR CODE CONVERTER"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);

    kit::label(f, "formatCaption", {120, 720, 960, 255}, QStringLiteral("Format:"));
    fourBandsOption_ = kit::option(f, "fourBandsOption", {120, 990, 1005, 255}, QStringLiteral("4 Bands"),
                                   QStringLiteral("4-band format"));
    fiveBandsOption_ = kit::option(f, "fiveBandsOption", {120, 1290, 1005, 255}, QStringLiteral("5 Bands"),
                                   QStringLiteral("5-band format"));

    // The picture first, so the band rectangles are painted over it.
    fourBandPicture_ = drawing()->addPicture("fourBandPicture", {1140, 630, 4440, 1185},
                                             QStringLiteral(":/assets/resistor_4band.svg"));
    fiveBandPicture_ = drawing()->addPicture("fiveBandPicture", {1140, 630, 4440, 1185},
                                             QStringLiteral(":/assets/resistor_5band.svg"));
    for (int i = 0; i < 5; ++i) {
        bandRects_[i] = drawing()->addRect(kRectNames[i], BandRect(i), ColourOf(BodyCode(4)));
        const int left = kListLeft + kListStep * i;
        bandCaptions_[i] = kit::label(f, kCaptionNames[i], {left, 1920, kListWidth, 225},
                                      QString::fromLatin1(kCaptions[i]));
        bandLists_[i] = kit::list(f, kListNames[i], {left, 2160, kListWidth, 315},
                                  QString::fromLatin1(kSpoken[i]));
        bandCaptions_[i]->setBuddy(bandLists_[i]);
    }

    QGroupBox* valueFrame = kit::frame(f, "valueFrame", {180, 2640, 3930, 960}, QString());
    valueFrame->setAccessibleName(QStringLiteral("Value"));
    QLabel* valueCaption = kit::label(valueFrame, "valueCaption", {120, 360, 720, 255}, QStringLiteral("VALUE:  "));
    valueBox_ = kit::textBox(valueFrame, "valueBox", {840, 330, 1380, 315}, QString(),
                             QStringLiteral("Resistance, ohms"));
    valueCaption->setBuddy(valueBox_);
    kit::label(valueFrame, "ohmsLabel", {2250, 360, 240, 255}, QStringLiteral("\u03A9"), QStringLiteral("ohms"));
    toleranceLabel_ = kit::label(valueFrame, "toleranceLabel", {2520, 360, 1290, 255}, QString(),
                                 QStringLiteral("Tolerance"));
    kit::copyable(toleranceLabel_);

    calculateValueButton_ = kit::button(f, "calculateValueButton", {4380, 2700, 2130, 375},
                                        QStringLiteral("Calculate Value"),
                                        QStringLiteral("Calculate value from the colours"));
    calculateColoursButton_ = kit::button(f, "calculateColoursButton", {4380, 3150, 2130, 375},
                                          QStringLiteral("Calculate Colours"),
                                          QStringLiteral("Calculate colours from the value"));
    kit::enterPresses(valueBox_, calculateColoursButton_);

    QWidget::setTabOrder(fourBandsOption_, fiveBandsOption_);
    QWidget::setTabOrder(fiveBandsOption_, bandLists_[0]);
    for (int i = 0; i < 4; ++i) QWidget::setTabOrder(bandLists_[i], bandLists_[i + 1]);
    QWidget::setTabOrder(bandLists_[4], valueBox_);
    QWidget::setTabOrder(valueBox_, calculateValueButton_);
    QWidget::setTabOrder(calculateValueButton_, calculateColoursButton_);

    connect(fourBandsOption_, &kit::OptionButton::selected, this, &ResistorsPage::showFourBands);
    connect(fiveBandsOption_, &kit::OptionButton::selected, this, &ResistorsPage::showFiveBands);
    for (int i = 0; i < 5; ++i)
        connect(bandLists_[i], &QComboBox::currentIndexChanged, this, [this, i] { bandPicked(i); });
    connect(valueBox_, &QLineEdit::textChanged, this, &ResistorsPage::valueEdited);
    connect(calculateValueButton_, &QPushButton::clicked, this, &ResistorsPage::calculateValue);
    connect(calculateColoursButton_, &QPushButton::clicked, this, &ResistorsPage::calculateColours);
}

void ResistorsPage::startUp() {
    bandCount_ = 4;
    fourBandsOption_->select();  // the 4-band switch, while the lists are still empty
    bandLists_[3]->hide();
    bandCaptions_[3]->hide();
    fourBandPicture_->show();
    fiveBandPicture_->hide();
    for (int i = 0; i < 5; ++i) {
        bandRects_[i]->setRect(BandRect(i));
        paint(i, BodyCode(4));
    }
    bandRects_[3]->hide();

    // Filling a list is not a pick: no band gets a colour and none is selected.
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(bandLists_[i]);
        for (int c = i == 0 ? 1 : 0; c < 10; ++c) bandLists_[i]->addItem(QString::fromLatin1(kColours[c]));
        if (i >= 2) {
            bandLists_[i]->addItem(QStringLiteral("Gold"));
            bandLists_[i]->addItem(QStringLiteral("Silver"));
        }
        bandLists_[i]->setCurrentIndex(-1);
    }
    const QSignalBlocker quiet(bandLists_[4]);
    for (const char* t : kTolerances) bandLists_[4]->addItem(QString::fromLatin1(t));
    bandLists_[4]->setCurrentIndex(-1);
}

void ResistorsPage::focusOnShow() { kit::focus(valueBox_); }

void ResistorsPage::paint(int band, int code) { bandRects_[band]->setFill(ColourOf(code)); }

void ResistorsPage::paintUnchosenBands() {
    const int body = BodyCode(bandCount_);
    if (bandLists_[4]->currentIndex() == 4) paint(4, body);  // "[blank]" shows the body
    for (int i = 0; i < 5; ++i)
        if (bandLists_[i]->currentIndex() == -1) paint(i, body);
}

void ResistorsPage::bandPicked(int band) {
    if (const auto code = BandFillCode(band, bandLists_[band]->currentIndex(), bandCount_))
        paint(band, *code);
    // A value shown earlier no longer stands beside the changed bands.
    valueBox_->clear();
}

void ResistorsPage::showFourBands() {
    valueBox_->clear();
    if (bandCount_ == 5) {
        // Band 2 becomes the multiplier again.
        bandLists_[2]->addItem(QStringLiteral("Gold"));
        bandLists_[2]->addItem(QStringLiteral("Silver"));
    }
    bandCount_ = 4;
    bandLists_[3]->hide();
    bandCaptions_[3]->hide();
    bandRects_[3]->hide();
    bandCaptions_[4]->setText(QStringLiteral("4th Band"));
    fourBandPicture_->show();
    fiveBandPicture_->hide();
    paintUnchosenBands();
}

void ResistorsPage::showFiveBands() {
    valueBox_->clear();
    // Band 2 becomes a digit: Gold or Silver there turns to Black.
    if (bandLists_[2]->currentIndex() > 9) {
        paint(2, 0);
        bandLists_[2]->setCurrentIndex(0);
    }
    if (bandCount_ == 4) {
        bandLists_[2]->removeItem(11);
        bandLists_[2]->removeItem(10);
    }
    bandLists_[3]->show();
    bandCaptions_[3]->show();
    bandRects_[3]->show();
    bandCaptions_[4]->setText(QStringLiteral("5th Band"));
    bandCount_ = 5;
    fourBandPicture_->hide();
    fiveBandPicture_->show();
    paintUnchosenBands();
}

void ResistorsPage::valueEdited() {
    toleranceLabel_->clear();
    kit::focus(valueBox_);
}

void ResistorsPage::calculateValue() {
    std::array<int, 5> positions{};
    for (int i = 0; i < 5; ++i) positions[i] = bandLists_[i]->currentIndex();
    const ColoursToValueResult r = ColoursToValue(bandCount_, positions);
    if (r.check != ColoursCheck::Ok) {
        messages_.show(MessageText(r.check), HasErrorTitle(r.check) ? kErrorTitle : kit::kAppTitle);
        return;
    }
    valueBox_->setText(kit::qs(r.valueText));  // clears the tolerance label
    toleranceLabel_->setText(kit::qs(r.toleranceText));
}

void ResistorsPage::calculateColours() {
    const ValueToColoursResult r = ValueToColours(kit::textOf(valueBox_), bandCount_);
    if (r.check == ValueCheck::Empty) {
        kit::focus(valueBox_);
        messages_.show(MessageText(r.check), kErrorTitle);
        return;
    }
    // Only the rectangles show the answer; every list is left without a pick.
    const int body = BodyCode(bandCount_);
    for (int i = 0; i < 5; ++i) {
        bandLists_[i]->setCurrentIndex(-1);
        paint(i, body);
    }
    valueBox_->setText(kit::qs(r.cleaned));
    if (r.check == ValueCheck::OutOfRange) {
        kit::reportFault(messages_, valueBox_, MessageText(r.check));
        return;
    }
    for (int i = 0; i < 5; ++i) paint(i, r.fills[i]);
}

}  // namespace ohm
