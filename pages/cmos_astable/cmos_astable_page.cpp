#include "pages/cmos_astable/cmos_astable_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "pages/cmos_astable/cmos_astable_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace ohm {
namespace {

// Where the value labels stand in each layout: the fixed resistor of circuit
// 1 sits higher in the range picture, and circuit 2's fixed resistor shifts
// left to make room for its pot.
constexpr int kR1TopFixed = 1140;
constexpr int kR1TopRange = 900;
constexpr int kR2LeftFixed = 4710;
constexpr int kR2LeftRange = 4350;
constexpr int kCapLabelWidth = 600;

const QString kFreqName = QStringLiteral("Frequency, hertz");
const QString kMinFreqName = QStringLiteral("Minimum frequency, hertz");

}  // namespace

CmosAstablePage::CmosAstablePage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "cmosAstablePage", QStringLiteral("CMOS Astables")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    inverters_.fixedPicture = d->addPicture("cmosAstableInvertersFixedPicture", {360, 600, 2820, 1650},
                                            QStringLiteral(":/assets/cmos_astable_inverters_fixed.svg"));
    inverters_.rangePicture = d->addPicture("cmosAstableInvertersRangePicture", {360, 600, 2820, 1650},
                                            QStringLiteral(":/assets/cmos_astable_inverters_range.svg"));
    schmitt_.fixedPicture = d->addPicture("cmosAstableSchmittFixedPicture", {3990, 510, 2100, 1725},
                                          QStringLiteral(":/assets/cmos_astable_schmitt_fixed.svg"));
    schmitt_.rangePicture = d->addPicture("cmosAstableSchmittRangePicture", {3990, 510, 2100, 1725},
                                          QStringLiteral(":/assets/cmos_astable_schmitt_range.svg"));

    // Values on the pictures. Circuit 1's labels stand left of its vertical
    // resistor chain, so they hug it from the right; circuit 2's stand above
    // its horizontal resistors, centred on them.
    QLabel*& r1 = resistorValues_[kCmosR1Label];
    QLabel*& vr1 = resistorValues_[kCmosVR1Label];
    QLabel*& r2 = resistorValues_[kCmosR2Label];
    QLabel*& vr2 = resistorValues_[kCmosVR2Label];
    r1 = kit::label(f, "cmosAstableR1Value", {810, kR1TopFixed, 555, 225}, {}, QStringLiteral("R1 value"));
    vr1 = kit::label(f, "cmosAstableVr1Value", {810, 1410, 555, 225}, {}, QStringLiteral("VR1 value"));
    r2 = kit::label(f, "cmosAstableR2Value", {kR2LeftFixed, 300, 555, 225}, {}, QStringLiteral("R2 value"));
    vr2 = kit::label(f, "cmosAstableVr2Value", {5040, 300, 645, 225}, {}, QStringLiteral("VR2 value"));
    r1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    vr1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    vr2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // 600 twips wide, so a caption such as "0.47uF" is not cut off; both stand in free space.
    inverters_.capacitorCaption = kit::label(f, "cmosAstableInvertersCapacitor", {3090, 1140, kCapLabelWidth, 225}, {},
                                             QStringLiteral("Capacitor value, circuit 1"));
    schmitt_.capacitorCaption = kit::label(f, "cmosAstableSchmittCapacitor", {4380, 1740, kCapLabelWidth, 225}, {},
                                           QStringLiteral("Capacitor value, circuit 2"));
    for (QLabel* l : resistorValues_) kit::copyable(l);
    for (QLabel* l : {inverters_.capacitorCaption, schmitt_.capacitorCaption}) kit::copyable(l);

    kit::label(f, "cmosAstableModeCaption", {420, 2400, 1125, 255}, QStringLiteral("Astable mode:"));
    fixedOption_ = kit::option(f, "cmosAstableFixedOption", {510, 2700, 825, 225}, QStringLiteral("Fixed"),
                               QStringLiteral("Fixed frequency"));
    rangeOption_ = kit::option(f, "cmosAstableRangeOption", {510, 2940, 825, 225}, QStringLiteral("Range"),
                               QStringLiteral("Frequency range"));

    QLabel* frequencyCaption =
        kit::label(f, "cmosAstableFrequencyCaption", {1980, 2400, 855, 255}, QStringLiteral("Frequency:"));
    minCaption_ = kit::label(f, "cmosAstableMinCaption", {1590, 2700, 375, 225}, QStringLiteral("Min"));
    maxCaption_ = kit::label(f, "cmosAstableMaxCaption", {1650, 2970, 315, 225}, QStringLiteral("Max"));
    frequencyBox_ =
        kit::textBox(f, "cmosAstableFrequencyBox", {2010, 2670, 795, 255}, QStringLiteral("1000"), kFreqName);
    maxFrequencyBox_ = kit::textBox(f, "cmosAstableMaxFrequencyBox", {2010, 2940, 795, 255}, QString(),
                                    QStringLiteral("Maximum frequency, hertz"));
    kit::label(f, "cmosAstableFrequencyUnit", {2850, 2700, 255, 225}, QStringLiteral("Hz"));
    maxUnitCaption_ = kit::label(f, "cmosAstableMaxFrequencyUnit", {2850, 2970, 315, 255}, QStringLiteral("Hz"));

    QLabel* capacitorCaption =
        kit::label(f, "cmosAstableCapacitorCaption", {3450, 2400, 1095, 225}, QStringLiteral("Capacitor"));
    capacitorBox_ = kit::textBox(f, "cmosAstableCapacitorBox", {3600, 2670, 375, 315}, QStringLiteral("10"),
                                 QStringLiteral("Capacitor value"), 3);
    capacitorUnitList_ =
        kit::list(f, "cmosAstableCapacitorUnitList", {3960, 2670, 570, 315}, QStringLiteral("Capacitor unit"));

    QLabel* supplyCaption =
        kit::label(f, "cmosAstableSupplyCaption", {4860, 2400, 1275, 255}, QStringLiteral("Supply Voltage"));
    supplyBox_ = kit::textBox(f, "cmosAstableSupplyBox", {5190, 2670, 300, 315}, QString(),
                              QStringLiteral("Supply voltage, volts"));
    supplyBox_->setReadOnly(true);  // only the spin button sets the supply
    supplySpin_ =
        kit::spin(f, "cmosAstableSupplySpin", {5490, 2670, 255, 315}, QStringLiteral("Supply voltage up-down"));
    supplySpin_->setWrap(false);
    supplySpin_->setRange(3, 15);
    supplySpin_->setValue(5);
    supplySpin_->setBuddy(supplyBox_);

    calculateButton_ = kit::button(f, "cmosAstableCalculateButton", {1770, 3360, 3165, 345},
                                   QStringLiteral("Calculate Values"), QStringLiteral("Calculate values"));

    // What a screen reader says each box or list is for: the caption above
    // or beside it ("Min" is only shown in range mode, when the box's own name
    // says minimum). "Capacitor" stands over both the box and its unit list;
    // the box takes it, and the list is spoken by its own name.
    frequencyCaption->setBuddy(frequencyBox_);
    maxCaption_->setBuddy(maxFrequencyBox_);
    capacitorCaption->setBuddy(capacitorBox_);
    supplyCaption->setBuddy(supplyBox_);

    // The narrow boxes were laid out for a smaller face: drop the inner
    // margins so "15" and "100" are not clipped.
    for (QLineEdit* e : {capacitorBox_, supplyBox_}) e->setTextMargins(0, 0, 0, 0);

    QWidget* const order[] = {fixedOption_,       rangeOption_, frequencyBox_, maxFrequencyBox_, capacitorBox_,
                              capacitorUnitList_, supplyBox_,   supplySpin_,   calculateButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* e : {frequencyBox_, maxFrequencyBox_, capacitorBox_, supplyBox_})
        kit::enterPresses(e, calculateButton_);

    connect(calculateButton_, &QPushButton::clicked, this, &CmosAstablePage::calculate);
    connect(fixedOption_, &kit::OptionButton::selected, this, [this] { showRangeControls(false); });
    connect(rangeOption_, &kit::OptionButton::selected, this, [this] { showRangeControls(true); });
    connect(capacitorBox_, &QLineEdit::textChanged, this, &CmosAstablePage::updateCapacitorCaptions);
    connect(capacitorUnitList_, &QComboBox::currentIndexChanged, this, &CmosAstablePage::updateCapacitorCaptions);
}

void CmosAstablePage::startUp() {
    fixedOption_->select();
    {
        // Filling the list is not a pick; only the choice of "nF" below is.
        const QSignalBlocker quiet(capacitorUnitList_);
        capacitorUnitList_->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
        capacitorUnitList_->setCurrentIndex(-1);
    }
    capacitorUnitList_->setCurrentIndex(1);
    for (QLabel* l : resistorValues_) l->clear();
}

void CmosAstablePage::focusOnShow() { kit::focus(frequencyBox_); }

void CmosAstablePage::showRangeControls(bool range) {
    minCaption_->setVisible(range);
    maxCaption_->setVisible(range);
    maxUnitCaption_->setVisible(range);
    inverters_.fixedPicture->setVisible(!range);
    inverters_.rangePicture->setVisible(range);
    schmitt_.fixedPicture->setVisible(!range);
    schmitt_.rangePicture->setVisible(range);
    resistorValues_[kCmosVR1Label]->setVisible(range);
    resistorValues_[kCmosVR2Label]->setVisible(range);
    maxFrequencyBox_->setVisible(range);
    kit::setTwipTop(resistorValues_[kCmosR1Label], range ? kR1TopRange : kR1TopFixed);
    kit::setTwipLeft(resistorValues_[kCmosR2Label], range ? kR2LeftRange : kR2LeftFixed);
    for (QLabel* l : resistorValues_) l->clear();
    frequencyBox_->setAccessibleName(range ? kMinFreqName : kFreqName);
}

void CmosAstablePage::updateCapacitorCaptions() {
    const QString caption =
        kit::qs(CmosAstableCapCaption(kit::textOf(capacitorBox_), capacitorUnitList_->currentIndex()));
    inverters_.capacitorCaption->setText(caption);
    schmitt_.capacitorCaption->setText(inverters_.capacitorCaption->text());
}

void CmosAstablePage::calculate() {
    const std::string freq = kit::textOf(frequencyBox_);
    const std::string maxFreq = kit::textOf(maxFrequencyBox_);
    const std::string cap = kit::textOf(capacitorBox_);
    const std::string volts = kit::textOf(supplyBox_);
    const CmosAstableOutcome out =
        CalcCmosAstable({freq, maxFreq, cap, capacitorUnitList_->currentIndex(), volts,
                         rangeOption_->isChecked() ? CmosAstableMode::Range : CmosAstableMode::Fixed});

    // In the order the steps run: the capacitor rewrite (which runs the
    // caption update when the text changes), the maximum's rewrite, the
    // values, then the first failed check.
    if (out.capText) capacitorBox_->setText(kit::qs(*out.capText));
    if (out.maxFreqText) maxFrequencyBox_->setText(kit::qs(*out.maxFreqText));
    for (const auto& [index, text] : out.written) resistorValues_[static_cast<size_t>(index)]->setText(kit::qs(text));
    if (!out.failure) return;

    report(
        *out.failure,
        [this](CmosAstableBox box) {
            return box == CmosAstableBox::Freq0   ? frequencyBox_
                   : box == CmosAstableBox::Freq1 ? maxFrequencyBox_
                                                  : capacitorBox_;
        },
        [this](int index) { return std::vector<QLabel*>{resistorValues_[static_cast<size_t>(index)]}; });
}

}  // namespace ohm
