#include "pages/divider/divider_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "pages/divider/divider_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace ohm {
namespace {

// Where the network's pieces sit along the chain (twips within the frame).
constexpr int kResLeft[5] = {990, 2040, 3060, 4080, 5130};
constexpr int kValueLeft[5] = {750, 1800, 2820, 3840, 4890};
constexpr int kWireFrom[10] = {990, 1770, 2040, 2820, 3060, 3840, 4080, 4860, 5130, 5910};
constexpr int kWireTo[10] = {720, 1500, 1770, 2550, 2790, 3570, 3810, 4590, 4860, 5640};
constexpr int kTapX[4] = {1770, 2820, 3840, 4860};
constexpr int kTapBoxLeft[4] = {1440, 2490, 3510, 4530};
constexpr int kTapNumLeft[4] = {1530, 2580, 3600, 4620};
constexpr int kWireY = 2190;
// The tap boxes, their numbers and two lines of ranges under each, above the button.
constexpr int kTapLineBottom = 2460;
constexpr int kTapBoxTop = 2490;
constexpr int kTapNumTop = 2760;
constexpr int kRangeTop[2] = {2985, 3180};  // worst case, 95% of builds
constexpr int kRangeWidth = 990;
// The Vs2 box and its caption sit just right of the last resistor.
constexpr int kVs2Left[4] = {2850, 3900, 4950, 6000};
constexpr int kVs2CaptionLeft[4] = {2760, 3810, 4860, 5910};

// A resistor body asked to take more than 0.25 W: a warm orange, far from
// the paper of the others on a light palette and on a dark one.
const QColor kOverRatedFill(0xF0, 0x80, 0x20);

// The series options: two columns of three rows.
constexpr int kSeriesLeft[2] = {2850, 3600};
constexpr int kSeriesTop[3] = {510, 780, 1050};

// Wire 2k leads into resistor k and wire 2k + 1 out of it.
const char* const kWireNames[10] = {"wireIntoR1", "wireOutOfR1", "wireIntoR2", "wireOutOfR2", "wireIntoR3",
                                    "wireOutOfR3", "wireIntoR4", "wireOutOfR4", "wireIntoR5", "wireOutOfR5"};

// "tapBox1" for index 0: one of a numbered row, counted from 1 as the page counts them.
QByteArray numbered(const char* base, int index) {
    return QByteArray(base) + QByteArray::number(index + 1);
}

}  // namespace

DividerPage::DividerPage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "dividerFrame", QStringLiteral("Potential Divider Calculations")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    instructions_ = kit::label(f, "instructionsLabel", {150, 540, 2595, 765}, QString(),
                               QStringLiteral("Instructions"));
    instructions_->setWordWrap(true);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    kit::label(f, "seriesHeading", {2970, 240, 1155, 195}, QStringLiteral("Resistor Series"));
    // Two columns under the heading: Ideal, E12, E24, then E48, E96, E192.
    seriesOptions_[0] = {kit::option(f, "idealOption", {kSeriesLeft[0], kSeriesTop[0], 720, 225},
                                     QStringLiteral("Ideal"), QStringLiteral("Ideal resistor values")),
                         std::nullopt};
    const Series fitted[] = {Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};
    for (int i = 1; i < 6; ++i) {
        const QString name = kit::qs(NameOf(fitted[i - 1]));
        const QByteArray objectName = name.toLower().toLatin1() + "Option";
        seriesOptions_[i] = {kit::option(f, objectName.constData(), {kSeriesLeft[i / 3], kSeriesTop[i % 3], 720, 225},
                                         name, name + QStringLiteral(" series")),
                             fitted[i - 1]};
    }

    QLabel* tapCountCaption = kit::label(f, "tapCountCaption", {4470, 600, 1125, 225}, QStringLiteral("Voltage Taps"));
    tapCountBox_ = kit::textBox(f, "tapCountBox", {5640, 570, 300, 315}, QStringLiteral("1"),
                                QStringLiteral("Number of voltage taps"));
    tapCountBox_->setReadOnly(true);
    tapCountCaption->setBuddy(tapCountBox_);
    tapCountSpin_ = kit::spin(f, "tapCountSpin", {5910, 570, 255, 315}, QStringLiteral("Voltage tap count"));
    tapCountSpin_->setRange(1, 4);
    tapCountSpin_->setWrap(false);
    tapCountSpin_->setBuddy(tapCountBox_);

    // A list is spoken by the caption beside it, not by a name of its own.
    QLabel* currentCaption = kit::label(f, "currentCaption", {4410, 960, 1185, 225}, QStringLiteral("Divider Current"));
    currentList_ = kit::list(f, "currentList", {5640, 930, 945, 315}, QString());
    currentCaption->setBuddy(currentList_);

    d->addLine("networkSeparator", 150, 1380, 6540, 1380);
    kit::label(f, "networkHeading", {150, 1470, 1800, 255}, QStringLiteral("Resistor Network"));

    // What the chain shown costs, on the heading's line. The captions keep names of their own, so
    // they are not spoken as the readouts they label.
    QLabel* tapErrorCaption = kit::label(f, "tapErrorCaption", {2130, 1470, 1320, 255},
                                         QStringLiteral("Largest tap error"), QStringLiteral("Largest tap error"));
    tapErrorValue_ = kit::label(f, "tapErrorValue", {3450, 1470, 1005, 255}, QString(),
                                QStringLiteral("Largest tap error value"));
    QLabel* currentCostCaption = kit::label(f, "chainCurrentCaption", {4470, 1470, 1080, 255},
                                            QStringLiteral("Chain current"), QStringLiteral("Chain current"));
    currentValue_ = kit::label(f, "chainCurrentValue", {5580, 1470, 960, 255}, QString(),
                               QStringLiteral("Chain current value"));
    tapErrorCaption->setBuddy(tapErrorValue_);
    currentCostCaption->setBuddy(currentValue_);
    for (QLabel* value : {tapErrorValue_, currentValue_}) kit::copyable(value);

    QLabel* vs1Caption = kit::label(f, "vs1Caption", {90, 1800, 675, 225}, QStringLiteral("Vs1"));
    vs2Caption_ = kit::label(f, "vs2Caption", {kVs2CaptionLeft[0], 1800, 675, 225}, QStringLiteral("Vs2"));
    vs1Box_ = kit::textBox(f, "vs1Box", {90, 2070, 615, 255}, QString(),
                           QStringLiteral("Vs1, first supply voltage"), 6);
    vs2Box_ = kit::textBox(f, "vs2Box", {kVs2Left[0], 2040, 615, 285}, QString(),
                           QStringLiteral("Vs2, second supply voltage"), 6);
    vs1Caption->setBuddy(vs1Box_);
    vs2Caption_->setBuddy(vs2Box_);

    for (int i = 0; i < 5; ++i) {
        valueLabels_[i] = kit::label(f, numbered("resistorValue", i).constData(), {kValueLeft[i], 1800, 1005, 255},
                                     QString(), QStringLiteral("R%1 value").arg(i + 1));  // captioned at start-up
        valueLabels_[i]->setAlignment(Qt::AlignCenter);
        kit::copyable(valueLabels_[i]);
        resistorBodies_[i] = d->addRect(numbered("resistorBody", i).constData(), {kResLeft[i], 2100, 525, 195},
                                        kit::kPaper, kit::kInk);
    }
    for (int i = 0; i < 10; ++i)
        wires_[i] = d->addLine(kWireNames[i], kWireFrom[i], kWireY, kWireTo[i], kWireY);
    for (int i = 0; i < 4; ++i) {
        tapLines_[i] = d->addLine(numbered("tapLine", i).constData(), kTapX[i], kWireY, kTapX[i], kTapLineBottom);
        tapBoxes_[i] = kit::textBox(f, numbered("tapBox", i).constData(), {kTapBoxLeft[i], kTapBoxTop, 675, 255},
                                    QString(), QStringLiteral("Tap %1 voltage").arg(i + 1), 6);
        tapNumbers_[i] = kit::label(f, numbered("tapNumber", i).constData(), {kTapNumLeft[i], kTapNumTop, 525, 225},
                                    QStringLiteral("#%1").arg(i + 1));
        tapNumbers_[i]->setAlignment(Qt::AlignCenter);
        tapNumbers_[i]->setBuddy(tapBoxes_[i]);
        const int left = kTapX[i] - kRangeWidth / 2;
        worstRanges_[i] = kit::label(f, numbered("tapWorstRange", i).constData(), {left, kRangeTop[0], kRangeWidth, 195},
                                     QString(), QStringLiteral("Tap %1 worst case").arg(i + 1));
        buildRanges_[i] = kit::label(f, numbered("tapBuildsRange", i).constData(), {left, kRangeTop[1], kRangeWidth, 195},
                                     QString(), QStringLiteral("Tap %1, 95% of builds").arg(i + 1));
        for (QLabel* range : {worstRanges_[i], buildRanges_[i]}) {
            range->setAlignment(Qt::AlignCenter);
            kit::smallType(range);
            kit::copyable(range);
        }
    }
    // The rows' captions, left of the first tap.
    QLabel* worstCaption = kit::label(f, "worstCaseCaption", {90, kRangeTop[0], 1170, 195},
                                      QStringLiteral("Worst case"), QStringLiteral("Worst case"));
    QLabel* buildsCaption = kit::label(f, "buildsCaption", {90, kRangeTop[1], 1170, 195},
                                       QStringLiteral("95% of builds"), QStringLiteral("95% of builds"));
    for (QLabel* c : {worstCaption, buildsCaption}) kit::smallType(c);
    worstCaption->setBuddy(worstRanges_[0]);
    buildsCaption->setBuddy(buildRanges_[0]);

    bestFitBox_ = kit::checkBox(f, "bestFitBox", {150, 3465, 1200, 225}, QStringLiteral("Best fit"),
                                QStringLiteral("Best fit of the whole chain"));
    calculateButton_ = kit::button(f, "calculateResistanceButton", {1410, 3390, 2880, 375},
                                   QStringLiteral("Calculate Resistance Values"),
                                   QStringLiteral("Calculate resistance values"));
    // Beside the button, in the column of the lists above.
    QLabel* toleranceCaption = kit::label(f, "toleranceCaption", {4410, 3465, 1185, 225}, QStringLiteral("Tolerance"));
    toleranceList_ = kit::list(f, "toleranceList", {5640, 3420, 945, 315}, QString());
    toleranceCaption->setBuddy(toleranceList_);

    // Keyboard: the series column by column, tap count, current, the boxes row by row, best fit, the button.
    QWidget* order[] = {seriesOptions_[0].option, seriesOptions_[1].option, seriesOptions_[2].option,
                        seriesOptions_[3].option, seriesOptions_[4].option, seriesOptions_[5].option,
                        tapCountBox_,             tapCountSpin_,            currentList_,
                        vs1Box_,                  vs2Box_,                  tapBoxes_[0],
                        tapBoxes_[1],             tapBoxes_[2],             tapBoxes_[3],
                        bestFitBox_,              calculateButton_,         toleranceList_};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    for (QLineEdit* box : {vs1Box_, vs2Box_}) kit::enterPresses(box, calculateButton_);
    for (QLineEdit* box : tapBoxes_) kit::enterPresses(box, calculateButton_);

    connect(tapCountBox_, &QLineEdit::textChanged, this, &DividerPage::showTapCount);
    connect(tapCountSpin_, &kit::SpinButton::changed, this, &DividerPage::resetValueLabels);
    connect(currentList_, &QComboBox::currentIndexChanged, this, &DividerPage::resetValueLabels);
    for (const SeriesOption& choice : seriesOptions_)
        connect(choice.option, &kit::OptionButton::selected, this, [this, choice] { chooseSeries(choice.series); });
    connect(bestFitBox_, &QCheckBox::toggled, this, &DividerPage::restoreRequestedTaps);
    connect(calculateButton_, &QPushButton::clicked, this, &DividerPage::calculate);
    connect(toleranceList_, &QComboBox::currentIndexChanged, this, &DividerPage::rangeChain);
}

void DividerPage::startUp() {
    showNetwork(1);  // the spin button starts at one tap
    vs1Box_->setText(QStringLiteral("10v"));
    vs2Box_->setText(QStringLiteral("0v"));
    tapBoxes_[0]->setText(QStringLiteral("5v"));
    for (int i = 1; i < 4; ++i) tapBoxes_[i]->clear();
    resetValueLabels();
    for (const std::string_view current : kDividerCurrents) currentList_->addItem(kit::qs(current));
    currentList_->setCurrentIndex(2);  // 100uA
    toleranceList_->clear();
    for (const std::string_view tolerance : kDividerTolerances) toleranceList_->addItem(kit::qs(tolerance));
    toleranceList_->setCurrentIndex(kDividerStartTolerance);
    instructions_->setText(QStringLiteral(
        "Enter voltages required, to find closest preferred values select appropriate series."));
    seriesOptions_[0].option->select();
}

void DividerPage::chooseSeries(std::optional<Series> series) {
    series_ = series;
    restoreRequestedTaps();
}

void DividerPage::focusOnShow() { kit::focusBeforeLast(tapBoxes_[0]); }

void DividerPage::showNetwork(int n) {
    // n taps: resistors 0..n, wires 0..2n+1, taps 0..n-1; the n = 1 shape always shows.
    for (int i = 0; i < 5; ++i) {
        resistorBodies_[i]->setVisible(i <= n);
        valueLabels_[i]->setVisible(i <= n);
    }
    for (int i = 0; i < 10; ++i) wires_[i]->setVisible(i <= 2 * n + 1);
    for (int i = 0; i < 4; ++i) {
        tapLines_[i]->setVisible(i < n);
        tapBoxes_[i]->setVisible(i < n);  // hiding keeps the text for when it shows again
        tapNumbers_[i]->setVisible(i < n);
        worstRanges_[i]->setVisible(i < n);
        buildRanges_[i]->setVisible(i < n);
    }
    kit::setTwipLeft(vs2Box_, kVs2Left[n - 1]);
    kit::setTwipLeft(vs2Caption_, kVs2CaptionLeft[n - 1]);
}

void DividerPage::resetValueLabels() {
    for (int i = 0; i < 5; ++i) {
        valueLabels_[i]->setText(QStringLiteral("R%1").arg(i + 1));
        valueLabels_[i]->setToolTip(QString());
        valueLabels_[i]->setAccessibleDescription(QString());
        resistorBodies_[i]->setFill(kit::kPaper);
    }
    tapErrorValue_->clear();
    currentValue_->clear();
    shownChain_.reset();
    showTapRanges({});
}

void DividerPage::showTapRanges(const std::vector<TapRange>& ranges) {
    for (size_t i = 0; i < 4; ++i) {
        const bool shown = i < ranges.size();
        worstRanges_[i]->setText(shown ? kit::qs(ranges[i].worstText) : QString());
        buildRanges_[i]->setText(shown ? kit::qs(ranges[i].buildsText) : QString());
        tapBoxes_[i]->setAccessibleDescription(shown ? kit::qs(ranges[i].description) : QString());
    }
}

void DividerPage::rangeChain() {
    if (!shownChain_) return;
    showTapRanges(DividerTapRanges(shownChain_->vs1, shownChain_->vs2, shownChain_->resistors,
                                   toleranceList_->currentIndex()));
}

void DividerPage::showTapCount() {
    const QString t = tapCountBox_->text();
    if (t.size() != 1 || t[0] < QLatin1Char('1') || t[0] > QLatin1Char('4')) return;
    showNetwork(t[0].unicode() - u'0');
}

void DividerPage::restoreRequestedTaps() {
    // After a fitted calculation the tap boxes show what the fitted chain
    // gives; a new series puts the voltages asked for back, except into a box
    // the person has typed over since.
    const int n = tapCountSpin_->value();
    for (int i = 0; i < n && i < 4; ++i) {
        const std::string& saved = savedTapText_[static_cast<size_t>(i)];
        if (saved.empty()) continue;
        if (!hasLeft_[i] || tapBoxes_[i]->text() != leftByCalc_[i]) continue;
        tapBoxes_[i]->setText(kit::qs(saved));
        leftByCalc_[i] = tapBoxes_[i]->text();
    }
    resetValueLabels();
}

void DividerPage::calculate() {
    DividerInput in;
    in.taps = tapCountSpin_->value();
    in.vs1 = kit::textOf(vs1Box_);
    in.vs2 = kit::textOf(vs2Box_);
    for (int i = 0; i < in.taps && i < 4; ++i) {
        in.tap[static_cast<size_t>(i)] = kit::textOf(tapBoxes_[i]);
        if (i < askedTaps_ && tapBoxes_[i]->text() == writtenTapText_[i]) in.asked[i] = askedTapText_[i];
    }
    in.tolerance = toleranceList_->currentIndex();
    in.current = currentList_->currentIndex();
    in.series = series_;
    in.bestFit = bestFitBox_->isChecked();

    const DividerResult r = CalcDivider(in);

    // Boxes checked before a fault keep their rewritten text.
    if (r.vs1Text) vs1Box_->setText(kit::qs(*r.vs1Text));
    if (r.vs2Text) vs2Box_->setText(kit::qs(*r.vs2Text));
    for (size_t i = 0; i < r.tapText.size() && i < 4; ++i) tapBoxes_[i]->setText(kit::qs(r.tapText[i]));

    if (r.failure) {
        shownChain_.reset();
        showTapRanges({});
        report(
            *r.failure,
            [this](DividerBox box) {
                if (box == DividerBox::Vs1) return vs1Box_;
                if (box == DividerBox::Vs2) return vs2Box_;
                return tapBoxes_[static_cast<size_t>(std::clamp(static_cast<int>(box) - static_cast<int>(DividerBox::Tap1), 0, 3))];
            },
            [](DividerLabel) { return std::vector<QLabel*>(); });
        return;
    }

    for (size_t i = 0; i < r.savedTapText.size() && i < savedTapText_.size(); ++i)
        savedTapText_[i] = r.savedTapText[i];
    for (size_t i = 0; i < r.fittedTapText.size() && i < 4; ++i) tapBoxes_[i]->setText(kit::qs(r.fittedTapText[i]));
    for (size_t i = 0; i < r.savedTapText.size() && i < 4; ++i) {
        leftByCalc_[i] = tapBoxes_[i]->text();
        hasLeft_[i] = true;
    }
    askedTaps_ = std::min(in.taps, 4);
    for (int i = 0; i < askedTaps_; ++i) {
        if (in.asked[i].empty()) askedTapText_[i] = in.tap[i];
        else askedTapText_[i] = in.asked[i];
        writtenTapText_[i] = tapBoxes_[i]->text();
    }

    if (r.noChainMessage) messages_.show(*r.noChainMessage, kit::kAppTitle);

    for (size_t j = 0; j < r.captions.size() && j < 5; ++j) {
        for (const DividerRangeMessage& m : r.rangeMessages)
            if (m.resistor == static_cast<int>(j)) messages_.show(m.message, kit::kAppTitle);
        valueLabels_[j]->setText(kit::qs(r.captions[j]));
    }

    shownChain_ = ShownChain{r.vs1, r.vs2, r.resistors};
    showTapRanges(r.tapRanges);

    if (!r.cost) return;
    tapErrorValue_->setText(kit::qs(r.cost->largestTapErrorText));
    currentValue_->setText(kit::qs(r.cost->currentText));
    for (size_t j = 0; j < r.cost->power.size() && j < 5; ++j) {
        const ResistorPower& power = r.cost->power[j];
        valueLabels_[j]->setToolTip(kit::qs(power.description));
        valueLabels_[j]->setAccessibleDescription(kit::qs(power.description));
        // Over a quarter watt the body glows: a common small resistor would run too hot.
        resistorBodies_[j]->setFill(power.overRating ? kit::Tint(kOverRatedFill) : kit::kPaper);
    }
}

}  // namespace ohm
