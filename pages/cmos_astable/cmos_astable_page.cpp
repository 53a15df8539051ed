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
    : Page(window, messages, "FrmCMOS", QStringLiteral("CMOS Astables")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    CMOSDia_[0] = d->addPicture("CMOSDia(0)", {360, 600, 2820, 1650}, QStringLiteral(":/assets/cmos_astable_inverters_fixed.svg"));
    CMOSDia_[1] = d->addPicture("CMOSDia(1)", {360, 600, 2820, 1650}, QStringLiteral(":/assets/cmos_astable_inverters_range.svg"));
    CMOSDia_[2] = d->addPicture("CMOSDia(2)", {3990, 510, 2100, 1725}, QStringLiteral(":/assets/cmos_astable_schmitt_fixed.svg"));
    CMOSDia_[3] = d->addPicture("CMOSDia(3)", {3990, 510, 2100, 1725}, QStringLiteral(":/assets/cmos_astable_schmitt_range.svg"));

    // Values on the pictures. Circuit 1's labels stand left of its vertical
    // resistor chain, so they hug it from the right; circuit 2's stand above
    // its horizontal resistors, centred on them.
    LBLCMOSR_[0] = kit::label(f, "LBLCMOSR(0)", {810, kR1TopFixed, 555, 225}, {}, QStringLiteral("R1 value"));
    LBLCMOSR_[1] = kit::label(f, "LBLCMOSR(1)", {810, 1410, 555, 225}, {}, QStringLiteral("VR1 value"));
    LBLCMOSR_[2] = kit::label(f, "LBLCMOSR(2)", {kR2LeftFixed, 300, 555, 225}, {}, QStringLiteral("R2 value"));
    LBLCMOSR_[3] = kit::label(f, "LBLCMOSR(3)", {5040, 300, 645, 225}, {}, QStringLiteral("VR2 value"));
    LBLCMOSR_[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LBLCMOSR_[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LBLCMOSR_[2]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    LBLCMOSR_[3]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // 600 twips wide, so a caption such as "0.47uF" is not cut off; both stand in free space.
    LBLCMOSCap_[0] = kit::label(f, "LBLCMOSCap(0)", {3090, 1140, kCapLabelWidth, 225}, {},
                                QStringLiteral("Capacitor value, circuit 1"));
    LBLCMOSCap_[1] = kit::label(f, "LBLCMOSCap(1)", {4380, 1740, kCapLabelWidth, 225}, {},
                                QStringLiteral("Capacitor value, circuit 2"));
    for (QLabel* l : LBLCMOSR_) kit::copyable(l);
    for (QLabel* l : LBLCMOSCap_) kit::copyable(l);

    Label14_ = kit::label(f, "Label14", {420, 2400, 1125, 255}, QStringLiteral("Astable mode:"));
    OPTCMOSFixed_ = kit::option(f, "OPTCMOSFixed", {510, 2700, 825, 225}, QStringLiteral("Fixed"),
                                QStringLiteral("Fixed frequency"));
    OPTCMOSRange_ = kit::option(f, "OPTCMOSRange", {510, 2940, 825, 225}, QStringLiteral("Range"),
                                QStringLiteral("Frequency range"));

    Label15_ = kit::label(f, "Label15", {1980, 2400, 855, 255}, QStringLiteral("Frequency:"));
    Label16_ = kit::label(f, "Label16", {1590, 2700, 375, 225}, QStringLiteral("Min"));
    Label17_ = kit::label(f, "Label17", {1650, 2970, 315, 225}, QStringLiteral("Max"));
    TXTCMOSFreq_[0] = kit::textBox(f, "TXTCMOSFreq(0)", {2010, 2670, 795, 255}, QStringLiteral("1000"), kFreqName);
    TXTCMOSFreq_[1] = kit::textBox(f, "TXTCMOSFreq(1)", {2010, 2940, 795, 255}, QString(),
                                   QStringLiteral("Maximum frequency, hertz"));
    Label18_ = kit::label(f, "Label18", {2850, 2700, 255, 225}, QStringLiteral("Hz"));
    Label19_ = kit::label(f, "Label19", {2850, 2970, 315, 255}, QStringLiteral("Hz"));

    Label20_ = kit::label(f, "Label20", {3450, 2400, 1095, 225}, QStringLiteral("Capacitor"));
    TXTCMOSCap_ = kit::textBox(f, "TXTCMOSCap", {3600, 2670, 375, 315}, QStringLiteral("10"),
                               QStringLiteral("Capacitor value"), 3);
    CBOCMOSMult_ = kit::list(f, "CBOCMOSMult", {3960, 2670, 570, 315}, QStringLiteral("Capacitor unit"));

    Label21_ = kit::label(f, "Label21", {4860, 2400, 1275, 255}, QStringLiteral("Supply Voltage"));
    TXTCMOSVolts_ = kit::textBox(f, "TXTCMOSVolts", {5190, 2670, 300, 315}, QString(),
                                 QStringLiteral("Supply voltage, volts"));
    TXTCMOSVolts_->setReadOnly(true);  // only the spin button sets the supply
    UPDCMOSVolt_ = kit::spin(f, "UPDCMOSVolt", {5490, 2670, 255, 315}, QStringLiteral("Supply voltage up-down"));
    UPDCMOSVolt_->setWrap(false);
    UPDCMOSVolt_->setRange(3, 15);
    UPDCMOSVolt_->setValue(5);
    UPDCMOSVolt_->setBuddy(TXTCMOSVolts_);

    CMDCalcCMOS_ = kit::button(f, "CMDCalcCMOS", {1770, 3360, 3165, 345}, QStringLiteral("Calculate Values"),
                               QStringLiteral("Calculate values"));

    // The narrow boxes were laid out for a smaller face: drop the inner
    // margins so "15" and "100" are not clipped.
    for (QLineEdit* e : {TXTCMOSCap_, TXTCMOSVolts_}) e->setTextMargins(0, 0, 0, 0);

    QWidget::setTabOrder(OPTCMOSFixed_, OPTCMOSRange_);
    QWidget::setTabOrder(OPTCMOSRange_, TXTCMOSFreq_[0]);
    QWidget::setTabOrder(TXTCMOSFreq_[0], TXTCMOSFreq_[1]);
    QWidget::setTabOrder(TXTCMOSFreq_[1], TXTCMOSCap_);
    QWidget::setTabOrder(TXTCMOSCap_, CBOCMOSMult_);
    QWidget::setTabOrder(CBOCMOSMult_, TXTCMOSVolts_);
    QWidget::setTabOrder(TXTCMOSVolts_, UPDCMOSVolt_);
    QWidget::setTabOrder(UPDCMOSVolt_, CMDCalcCMOS_);

    for (QLineEdit* e : {TXTCMOSFreq_[0], TXTCMOSFreq_[1], TXTCMOSCap_, TXTCMOSVolts_})
        kit::enterPresses(e, CMDCalcCMOS_);

    connect(CMDCalcCMOS_, &QPushButton::clicked, this, &CmosAstablePage::CMDCalcCMOS_Click);
    connect(OPTCMOSFixed_, &kit::OptionButton::selected, this, &CmosAstablePage::OPTCMOSFixed_Click);
    connect(OPTCMOSRange_, &kit::OptionButton::selected, this, &CmosAstablePage::OPTCMOSRange_Click);
    connect(TXTCMOSCap_, &QLineEdit::textChanged, this, &CmosAstablePage::TXTCMOSCap_Change);
    connect(CBOCMOSMult_, &QComboBox::currentIndexChanged, this, &CmosAstablePage::CBOCMOSMult_Click);
}

void CmosAstablePage::startUp() {
    OPTCMOSFixed_->select();
    {
        // Filling the list is not a pick; only the choice of "nF" below is.
        const QSignalBlocker quiet(CBOCMOSMult_);
        CBOCMOSMult_->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
        CBOCMOSMult_->setCurrentIndex(-1);
    }
    CBOCMOSMult_->setCurrentIndex(1);
    for (QLabel* l : LBLCMOSR_) l->clear();
}

void CmosAstablePage::focusOnShow() { kit::focus(TXTCMOSFreq_[0]); }

void CmosAstablePage::ShowRangeControls(bool range) {
    Label16_->setVisible(range);
    Label17_->setVisible(range);
    Label19_->setVisible(range);
    CMOSDia_[0]->setVisible(!range);
    CMOSDia_[1]->setVisible(range);
    CMOSDia_[2]->setVisible(!range);
    CMOSDia_[3]->setVisible(range);
    LBLCMOSR_[1]->setVisible(range);
    LBLCMOSR_[3]->setVisible(range);
    TXTCMOSFreq_[1]->setVisible(range);
    kit::setTwipTop(LBLCMOSR_[0], range ? kR1TopRange : kR1TopFixed);
    kit::setTwipLeft(LBLCMOSR_[2], range ? kR2LeftRange : kR2LeftFixed);
    for (QLabel* l : LBLCMOSR_) l->clear();
    TXTCMOSFreq_[0]->setAccessibleName(range ? kMinFreqName : kFreqName);
}

void CmosAstablePage::OPTCMOSFixed_Click() { ShowRangeControls(false); }

void CmosAstablePage::OPTCMOSRange_Click() { ShowRangeControls(true); }

void CmosAstablePage::UpdateCapCaption() {
    const QString caption = kit::qs(CmosAstableCapCaption(kit::textOf(TXTCMOSCap_), CBOCMOSMult_->currentIndex()));
    LBLCMOSCap_[0]->setText(caption);
    LBLCMOSCap_[1]->setText(LBLCMOSCap_[0]->text());
}

void CmosAstablePage::TXTCMOSCap_Change() { UpdateCapCaption(); }

void CmosAstablePage::CBOCMOSMult_Click() { UpdateCapCaption(); }

void CmosAstablePage::CMDCalcCMOS_Click() {
    const std::string freq = kit::textOf(TXTCMOSFreq_[0]);
    const std::string maxFreq = kit::textOf(TXTCMOSFreq_[1]);
    const std::string cap = kit::textOf(TXTCMOSCap_);
    const std::string volts = kit::textOf(TXTCMOSVolts_);
    const CmosAstableOutcome out = CalcCmosAstable(
        {freq, maxFreq, cap, CBOCMOSMult_->currentIndex(), volts,
         OPTCMOSRange_->isChecked() ? CmosAstableMode::Range : CmosAstableMode::Fixed});

    // In the order the steps run: the capacitor rewrite (which runs the
    // caption update when the text changes), the maximum's rewrite, the
    // values, then the first failed check.
    if (out.capText) TXTCMOSCap_->setText(kit::qs(*out.capText));
    if (out.maxFreqText) TXTCMOSFreq_[1]->setText(kit::qs(*out.maxFreqText));
    for (const auto& [index, text] : out.written) LBLCMOSR_[static_cast<size_t>(index)]->setText(kit::qs(text));
    if (!out.failure) return;

    for (int index : out.failure->emptied) LBLCMOSR_[static_cast<size_t>(index)]->clear();
    QLineEdit* box = TXTCMOSCap_;
    if (out.failure->box == CmosAstableBox::Freq0) box = TXTCMOSFreq_[0];
    if (out.failure->box == CmosAstableBox::Freq1) box = TXTCMOSFreq_[1];
    kit::reportFault(messages_, box, out.failure->prompt);
}

}  // namespace ohm
