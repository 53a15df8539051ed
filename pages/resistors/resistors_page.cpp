#include "pages/resistors/resistors_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#include "pages/resistors/marking_calc.h"
#include "pages/resistors/pair_calc.h"
#include "pages/resistors/resistors_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"
#include "values/values.h"

namespace ohm {
namespace {

const char* const kListNames[] = {"bandList0", "bandList1", "bandList2", "bandList3", "bandList4", "bandList5"};
const char* const kCaptionNames[] = {"bandCaption0", "bandCaption1", "bandCaption2",
                                     "bandCaption3", "bandCaption4", "bandCaption5"};
const char* const kRectNames[] = {"bandRect0", "bandRect1", "bandRect2", "bandRect3", "bandRect4", "bandRect5"};
const char* const kSpoken[] = {"1st band colour",       "2nd band colour", "3rd band colour",
                               "4th band colour",       "Tolerance band colour",
                               "Temperature coefficient band colour"};
const char* const kOrdinals[] = {"1st Band", "2nd Band", "3rd Band", "4th Band", "5th Band", "6th Band"};

// Each format's option button and picture, in the order of the page's
// formats; the SMD format draws a chip instead of a picture.
struct FormatLook {
    const char* optionName;
    const char* caption;
    const char* spoken;
    const char* pictureName;
    const char* picture;
};
const FormatLook kLooks[] = {
    {"fourBandsOption", "4 Bands", "4-band format", "fourBandPicture", ":/assets/resistor_4band.svg"},
    {"fiveBandsOption", "5 Bands", "5-band format", "fiveBandPicture", ":/assets/resistor_5band.svg"},
    {"sixBandsOption", "6 Bands", "6-band format", "sixBandPicture", ":/assets/resistor_6band.svg"},
    {"smdOption", "SMD", "SMD marking format", nullptr, nullptr},
};

// Band rectangles stand on the resistor body: the digit and multiplier bands
// at 300-twip steps, the tolerance band set apart from them. The 6-band body
// has a longer neck, so its bands start further left and the coefficient band
// follows the tolerance band.
kit::TwipRect BandRect(BandFormat format, int list) {
    const bool six = LayoutOf(format).coefficient;
    const int first = six ? 2460 : 2580, gap = six ? 120 : 160;
    const int left = list < kToleranceList ? first + 300 * list : first + 4 * 300 + gap + 300 * (list - kToleranceList);
    return {left, 720, 210, 1040};
}

// Lists and captions in one row under the picture, left to right.
constexpr int kListLeft = 180;
constexpr int kListStep = 1065;
constexpr int kListWidth = 990;
constexpr int kCaptionTop = 1830;
constexpr int kListTop = 2055;

const QColor kChipBody(32, 32, 32);

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

    kit::label(f, "formatCaption", {120, 660, 960, 225}, QStringLiteral("Format:"));
    for (int i = 0; i < kFormats; ++i) {
        const FormatLook& look = kLooks[i];
        formatOptions_[i] = kit::option(f, look.optionName, {120, 900 + 225 * i, 1005, 240},
                                        QString::fromLatin1(look.caption), QString::fromLatin1(look.spoken));
        // The pictures first, so the band rectangles are painted over them.
        if (i < kBandFormats)
            pictures_[i] = drawing()->addPicture(look.pictureName, {1140, 630, 4440, 1185},
                                                 QString::fromLatin1(look.picture));
    }
    for (int i = 0; i < kBandLists; ++i) {
        bandRects_[i] = drawing()->addRect(kRectNames[i], BandRect(BandFormat::Four, i),
                                           ColourOf(BodyCode(BandFormat::Four)));
        const int left = kListLeft + kListStep * i;
        bandCaptions_[i] = kit::label(f, kCaptionNames[i], {left, kCaptionTop, kListWidth, 225},
                                      QString::fromLatin1(kOrdinals[i]));
        bandLists_[i] = kit::list(f, kListNames[i], {left, kListTop, kListWidth, 315},
                                  QString::fromLatin1(kSpoken[i]));
        bandCaptions_[i]->setBuddy(bandLists_[i]);
    }

    // A chip resistor seen from above, where the banded body stands: tinned
    // ends and a black body that carries the marking, outlined in ink so it
    // stands out on a light or a dark desktop.
    chipShapes_ = {drawing()->addRect("chipLeftEnd", {2610, 930, 210, 600}, QColor(208, 208, 208), kit::kInk),
                   drawing()->addRect("chipBody", {2820, 930, 1080, 600}, kChipBody, kit::kInk),
                   drawing()->addRect("chipRightEnd", {3900, 930, 210, 600}, QColor(208, 208, 208), kit::kInk)};
    // The print fills the body inside its outline, white on the body's own black.
    chipMarking_ = kit::label(f, "chipMarking", {2835, 945, 1050, 570}, QString(), QStringLiteral("Chip marking"));
    chipMarking_->setAlignment(Qt::AlignCenter);
    QFont printed = chipMarking_->font();
    printed.setBold(true);
    chipMarking_->setFont(printed);
    QPalette print = chipMarking_->palette();
    print.setColor(QPalette::WindowText, Qt::white);
    print.setColor(QPalette::Window, kChipBody);
    chipMarking_->setPalette(print);
    chipMarking_->setAutoFillBackground(true);
    markingCaption_ = kit::label(f, "markingCaption", {180, kCaptionTop, 990, 225}, QStringLiteral("Marking:"));
    markingBox_ = kit::textBox(f, "markingBox", {180, kListTop, 990, 315}, QString(), QStringLiteral("SMD marking"));
    markingCaption_->setBuddy(markingBox_);
    markingsCaption_ = kit::label(f, "markingsCaption", {1245, kCaptionTop, 2400, 225},
                                  QStringLiteral("Markings for the value:"));
    markingsLabel_ = kit::label(f, "markingsLabel", {1245, kListTop + 30, 5250, 255}, QString(),
                                QStringLiteral("Markings for the value"));
    kit::copyable(markingsLabel_);

    // The value and what the bands say about it, a row at a time.
    QGroupBox* valueFrame = kit::frame(f, "valueFrame", {180, 2430, 4470, 1410}, QString());
    valueFrame->setAccessibleName(QStringLiteral("Value"));
    QLabel* valueCaption = kit::label(valueFrame, "valueCaption", {120, 105, 720, 255}, QStringLiteral("VALUE:  "));
    valueBox_ = kit::textBox(valueFrame, "valueBox", {840, 75, 1380, 315}, QString(),
                             QStringLiteral("Resistance, ohms"));
    valueCaption->setBuddy(valueBox_);
    kit::label(valueFrame, "ohmsLabel", {2250, 105, 240, 255}, QStringLiteral("\u03A9"), QStringLiteral("ohms"));
    toleranceLabel_ = kit::label(valueFrame, "toleranceLabel", {2520, 105, 780, 255}, QString(),
                                 QStringLiteral("Tolerance"));
    kit::copyable(toleranceLabel_);
    coefficientLabel_ = kit::label(valueFrame, "coefficientLabel", {3330, 105, 1020, 255}, QString(),
                                   QStringLiteral("Temperature coefficient"));
    kit::copyable(coefficientLabel_);
    // Result labels carry their own spoken names; their captions are only what they show.
    kit::label(valueFrame, "rangeCaption", {120, 420, 720, 240}, QStringLiteral("Range:"));
    rangeLabel_ = kit::label(valueFrame, "rangeLabel", {840, 420, 1560, 240}, QString(),
                             QStringLiteral("Tolerance range"));
    kit::copyable(rangeLabel_);
    kit::label(valueFrame, "seriesCaption", {120, 660, 720, 240}, QStringLiteral("Series:"));
    seriesLabel_ = kit::label(valueFrame, "seriesLabel", {840, 660, 1560, 240}, QString(),
                              QStringLiteral("Preferred value series"));
    kit::copyable(seriesLabel_);
    // A marking that reads two ways shows its other reading beside the range.
    otherReadingLabel_ = kit::label(valueFrame, "otherReadingLabel", {2460, 420, 1920, 240}, QString(),
                                    QStringLiteral("Other reading"));
    kit::copyable(otherReadingLabel_);
    // A value between the steps of a series, made of two parts that are in it.
    seriesPairLabel_ = kit::label(valueFrame, "seriesPairLabel", {120, 900, 4260, 240}, QString(),
                                  QStringLiteral("Two resistors in series"));
    parallelPairLabel_ = kit::label(valueFrame, "parallelPairLabel", {120, 1140, 4260, 240}, QString(),
                                    QStringLiteral("Two resistors in parallel"));
    kit::copyable(seriesPairLabel_);
    kit::copyable(parallelPairLabel_);

    calculateValueButton_ = kit::button(f, "calculateValueButton", {4800, 2490, 1710, 375},
                                        QStringLiteral("Calculate Value"),
                                        QStringLiteral("Calculate value from the colours"));
    calculateColoursButton_ = kit::button(f, "calculateColoursButton", {4800, 2940, 1710, 375},
                                          QStringLiteral("Calculate Colours"),
                                          QStringLiteral("Calculate colours from the value"));
    kit::enterPresses(valueBox_, calculateColoursButton_);
    QLabel* pairCaption = kit::label(f, "pairSeriesCaption", {4800, 3450, 885, 225}, QStringLiteral("Pairs from:"));
    pairSeriesList_ = kit::list(f, "pairSeriesList", {5700, 3405, 810, 315},
                                QStringLiteral("Series for two-resistor pairs"));
    pairCaption->setBuddy(pairSeriesList_);
    for (const Series series : kAllSeries) pairSeriesList_->addItem(kit::qs(NameOf(series)));
    pairSeriesList_->setCurrentIndex(static_cast<int>(Series::E24));

    kit::enterPresses(markingBox_, calculateValueButton_);

    // Top to bottom, left to right: the formats, the band lists or the marking, the value, the buttons.
    QWidget* previous = formatOptions_[0];
    const auto follow = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 1; i < kFormats; ++i) follow(formatOptions_[i]);
    for (QComboBox* list : bandLists_) follow(list);
    follow(markingBox_);
    QWidget::setTabOrder(previous, valueBox_);
    QWidget::setTabOrder(valueBox_, calculateValueButton_);
    QWidget::setTabOrder(calculateValueButton_, calculateColoursButton_);
    QWidget::setTabOrder(calculateColoursButton_, pairSeriesList_);

    for (int i = 0; i < kFormats; ++i)
        connect(formatOptions_[i], &kit::OptionButton::selected, this,
                [this, i] { showFormat(static_cast<Format>(i)); });
    for (int i = 0; i < kBandLists; ++i)
        connect(bandLists_[i], &QComboBox::currentIndexChanged, this, [this, i] { bandPicked(i); });
    connect(valueBox_, &QLineEdit::textChanged, this, &ResistorsPage::valueEdited);
    connect(calculateValueButton_, &QPushButton::clicked, this, &ResistorsPage::calculateValue);
    connect(calculateColoursButton_, &QPushButton::clicked, this, &ResistorsPage::calculateColours);
    connect(pairSeriesList_, &QComboBox::currentIndexChanged, this, &ResistorsPage::pairSeriesPicked);
}

void ResistorsPage::startUp() {
    format_ = Format::FourBands;
    // The 4-band switch, while the lists are still empty; it hides the lists
    // and bands the format has none for and shows its picture.
    formatOptions_[static_cast<int>(Format::FourBands)]->select();
    const int body = BodyCode(BandFormat::Four);
    for (int i = 0; i < kBandLists; ++i) paint(i, body);

    // Filling a list is not a pick: no band gets a colour and none is selected.
    for (int i = 0; i < kBandLists; ++i) {
        const QSignalBlocker quiet(bandLists_[i]);
        for (const int code : ListColours(BandFormat::Four, i)) bandLists_[i]->addItem(kit::qs(ColourName(code)));
        bandLists_[i]->setCurrentIndex(-1);
    }
    // The coefficient list opens on Brown, 100 ppm/K, the usual one; a
    // typed value paints it as the sixth band.
    const QSignalBlocker quiet(bandLists_[kCoefficientList]);
    bandLists_[kCoefficientList]->setCurrentIndex(1);
    paint(kCoefficientList, 1);
}

void ResistorsPage::focusOnShow() { kit::focus(valueBox_); }

void ResistorsPage::paint(int band, int code) { bandRects_[band]->setFill(ColourOf(code)); }

void ResistorsPage::paintUnchosenBands(BandFormat format) {
    const int body = BodyCode(format);
    for (int i = 0; i < kBandLists; ++i) {
        const std::optional<int> code = BandFillCode(i, bandLists_[i]->currentIndex(), format);
        // No pick, or "[blank]" (a body code, below Silver), shows the body of the format in force.
        if (!code || *code < kSilver) paint(i, body);
    }
}

void ResistorsPage::bandPicked(int band) {
    // Lists are picked only while they show, in a band format.
    if (HasBands(format_))
        if (const auto code = BandFillCode(band, bandLists_[band]->currentIndex(), BandsOf(format_)))
            paint(band, *code);
    // A value shown earlier no longer stands beside the changed bands.
    valueBox_->clear();
}

void ResistorsPage::showFormat(Format format) {
    valueBox_->clear();
    const bool banded = HasBands(format);
    for (int i = 0; i < kBandLists; ++i) {
        QComboBox* list = bandLists_[i];
        // The SMD format leaves the lists as they are, for the band format that follows it.
        if (banded) {
            const BandFormat bands = BandsOf(format);
            const std::vector<int> colours = ListColours(bands, i);
            const int count = static_cast<int>(colours.size());
            // A pick the list will no longer offer moves first (Gold on band 2 turns Black).
            const int kept = PickAfterSwitch(bands, i, list->currentIndex());
            if (kept != list->currentIndex()) {
                if (kept >= 0) paint(i, colours[kept]);
                list->setCurrentIndex(kept);
            }
            // Start-up switches before it fills the lists. Otherwise only a list whose
            // entries differ is touched: choosing the format in force leaves all as it was.
            if (list->count() > 0) {
                while (list->count() > count) list->removeItem(list->count() - 1);
                for (int c = list->count(); c < count; ++c) list->addItem(kit::qs(ColourName(colours[c])));
            }
            bandRects_[i]->setRect(BandRect(bands, i));
        }
        const bool shown = banded && HasList(BandsOf(format), i);
        list->setVisible(shown);
        bandCaptions_[i]->setVisible(shown);
        bandRects_[i]->setVisible(shown);
    }
    // Captions count the shown bands: the tolerance band is the 4th of four, the 5th of five.
    if (banded)
        for (int i = 0, ordinal = 0; i < kBandLists; ++i)
            if (HasList(BandsOf(format), i)) bandCaptions_[i]->setText(QString::fromLatin1(kOrdinals[ordinal++]));
    format_ = format;
    for (int i = 0; i < kBandFormats; ++i) pictures_[i]->setVisible(static_cast<int>(format) == i);
    for (kit::Rect* shape : chipShapes_) shape->setVisible(!banded);
    for (QWidget* w : {static_cast<QWidget*>(chipMarking_), static_cast<QWidget*>(markingCaption_),
                       static_cast<QWidget*>(markingBox_), static_cast<QWidget*>(markingsCaption_),
                       static_cast<QWidget*>(markingsLabel_)})
        w->setVisible(!banded);
    // The buttons say what they read and write in the format in force.
    calculateColoursButton_->setText(banded ? QStringLiteral("Calculate Colours") : QStringLiteral("Calculate Markings"));
    calculateValueButton_->setAccessibleName(banded ? QStringLiteral("Calculate value from the colours")
                                                    : QStringLiteral("Calculate value from the marking"));
    calculateColoursButton_->setAccessibleName(banded ? QStringLiteral("Calculate colours from the value")
                                                      : QStringLiteral("Calculate markings from the value"));
    if (banded) paintUnchosenBands(BandsOf(format));
}

void ResistorsPage::valueEdited() {
    for (QLabel* l : {toleranceLabel_, coefficientLabel_, rangeLabel_, seriesLabel_, otherReadingLabel_, markingsLabel_,
                      seriesPairLabel_, parallelPairLabel_})
        l->clear();
    parallelPairLabel_->setAccessibleDescription(QString());
    pairTarget_.reset();
    kit::focus(valueBox_);
}

void ResistorsPage::calculateValue() {
    if (format_ == Format::Smd)
        readMarking();
    else
        readBands();
}

void ResistorsPage::calculateColours() {
    if (format_ == Format::Smd)
        writeMarkings();
    else
        paintBands();
}

void ResistorsPage::readBands() {
    BandPicks positions{};
    for (int i = 0; i < kBandLists; ++i) positions[i] = bandLists_[i]->currentIndex();
    const ColoursToValueResult r = ColoursToValue(BandsOf(format_), positions);
    if (r.check != ColoursCheck::Ok) {
        messages_.show(MessageText(r.check), HasErrorTitle(r.check) ? kErrorTitle : kit::kAppTitle);
        return;
    }
    valueBox_->setText(kit::qs(r.valueText));  // clears the tolerance label
    toleranceLabel_->setText(kit::qs(r.toleranceText));
    coefficientLabel_->setText(kit::qs(r.coefficientText));
    rangeLabel_->setText(kit::qs(r.rangeText));
    seriesLabel_->setText(kit::qs(r.seriesText));
}

void ResistorsPage::paintBands() {
    const BandFormat bands = BandsOf(format_);
    const ValueToColoursResult r =
        ValueToColours(kit::textOf(valueBox_), bands, bandLists_[kCoefficientList]->currentIndex());
    if (r.check == ValueCheck::Empty) {
        kit::focus(valueBox_);
        messages_.show(MessageText(r.check), kErrorTitle);
        return;
    }
    // Only the rectangles show the answer; every list is left without a pick
    // but the coefficient's, which is an input here.
    const int body = BodyCode(bands);
    for (int i = 0; i < kBandLists; ++i) {
        if (i == kCoefficientList) continue;
        bandLists_[i]->setCurrentIndex(-1);
        paint(i, body);
    }
    valueBox_->setText(kit::qs(r.cleaned));
    if (r.check == ValueCheck::OutOfRange) {
        kit::reportFault(messages_, valueBox_, MessageText(r.check));
        return;
    }
    // A band the format lacks keeps its colour for the format that shows it again.
    for (int i = 0; i < kBandLists; ++i)
        if (HasList(bands, i)) paint(i, r.fills[i]);
    seriesLabel_->setText(kit::qs(r.seriesText));
    showPairs(r.ohms);
}

void ResistorsPage::readMarking() {
    const MarkingReadResult r = ReadMarking(kit::textOf(markingBox_));
    if (r.check != MarkingCheck::Ok) {
        // Only the box is selected: the value and the chip still show the last good reading.
        kit::selectAll(markingBox_);
        messages_.show(r.message, HasErrorTitle(r.check) ? kErrorTitle : kit::kAppTitle);
        return;
    }
    valueBox_->setText(kit::qs(r.valueText));  // clears the readouts
    toleranceLabel_->setText(kit::qs(r.toleranceText));
    rangeLabel_->setText(kit::qs(r.rangeText));
    seriesLabel_->setText(kit::qs(r.seriesText));
    otherReadingLabel_->setText(kit::qs(r.otherReadingText));
    chipMarking_->setText(kit::qs(r.marking));
}

void ResistorsPage::writeMarkings() {
    const MarkingWriteResult r = MarkingsFor(kit::textOf(valueBox_));
    if (r.check == MarkingWriteCheck::Empty) {
        kit::focus(valueBox_);
        messages_.show(r.message, kErrorTitle);
        return;
    }
    valueBox_->setText(kit::qs(r.cleaned));  // clears the readouts and the markings
    seriesLabel_->setText(kit::qs(r.seriesText));
    if (r.check != MarkingWriteCheck::Ok) {
        chipMarking_->clear();
        kit::reportFault(messages_, valueBox_, r.message);
        return;
    }
    markingsLabel_->setText(kit::qs(r.markingsText));
    chipMarking_->setText(kit::qs(r.chipText));
    // A zero-ohm link is no value to make from two parts.
    if (r.ohms > 0) showPairs(r.ohms);
}

void ResistorsPage::showPairs(double target) {
    const PairReadout pairs = PairsFor(target, static_cast<Series>(pairSeriesList_->currentIndex()));
    seriesPairLabel_->setText(kit::qs(pairs.series));
    parallelPairLabel_->setText(kit::qs(pairs.parallel));
    // Spoken as words: a screen reader has no name for the parallel sign.
    parallelPairLabel_->setAccessibleDescription(kit::qs(pairs.parallelSpoken));
    pairTarget_ = target;
}

void ResistorsPage::pairSeriesPicked() {
    if (pairTarget_) showPairs(*pairTarget_);
}

}  // namespace ohm
