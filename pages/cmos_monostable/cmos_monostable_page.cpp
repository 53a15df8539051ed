#include "pages/cmos_monostable/cmos_monostable_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace ohm {
namespace {

// The fixed resistor's label sits beside the resistor body, which moves up
// in the Range pictures to make room for the variable resistor.
constexpr int kR1TopFixed = 1590;
constexpr int kR1TopRange = 1350;
constexpr int kR2TopFixed = 870;
constexpr int kR2TopRange = 660;

QLabel* valueLabel(QWidget* parent, const char* name, kit::TwipRect r, const QString& speech) {
    QLabel* l = kit::label(parent, name, r, QString(), speech);
    kit::copyable(l);
    return l;
}

}  // namespace

CmosMonostablePage::CmosMonostablePage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "FrmMono", QStringLiteral("CMOS Monostables")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    IMGNANDMono1_ = d->addPicture("IMGNANDMono1", {210, 450, 2910, 1860}, QStringLiteral(":/assets/cmos_mono_nand_fixed.svg"));
    IMGNANDMono2_ = d->addPicture("IMGNANDMono2", {210, 450, 2910, 1860}, QStringLiteral(":/assets/cmos_mono_nand_range.svg"));
    IMGNORMono1_ = d->addPicture("IMGNORMono1", {3480, 420, 2910, 1860}, QStringLiteral(":/assets/cmos_mono_nor_fixed.svg"));
    IMGNORMono2_ = d->addPicture("IMGNORMono2", {3480, 420, 2910, 1860}, QStringLiteral(":/assets/cmos_mono_nor_range.svg"));

    kit::label(f, "Label42", {60, 1110, 585, 225}, QStringLiteral("Trigger"));
    kit::label(f, "Label41", {3300, 1380, 585, 225}, QStringLiteral("Trigger"));
    kit::label(f, "Label40", {1500, 2160, 225, 225}, QStringLiteral("0v"));
    kit::label(f, "LBLSupply", {4770, 360, 255, 225}, QStringLiteral("+v"));

    LBLMonoC1_ = kit::label(f, "LBLMonoC1", {1290, 1170, 465, 225}, QStringLiteral("C1"),
                            QStringLiteral("C1 value, NAND circuit"));
    LBLMonoC2_ = kit::label(f, "LBLMonoC2", {4560, 1380, 465, 225}, QStringLiteral("C1"),
                            QStringLiteral("C1 value, NOR circuit"));
    for (QLabel* c : {LBLMonoC1_, LBLMonoC2_}) {
        c->setAlignment(Qt::AlignCenter);
        kit::copyable(c);
    }
    LBLMonoR1_ = valueLabel(f, "LBLMonoR1", {2100, kR1TopFixed, 495, 255}, QStringLiteral("R1 value, NAND circuit"));
    LBLMonoR2_ = valueLabel(f, "LBLMonoR2", {5370, kR2TopFixed, 495, 255}, QStringLiteral("R1 value, NOR circuit"));
    LBLMonoVR1_ = valueLabel(f, "LBLMonoVR1", {2100, 1830, 495, 255}, QStringLiteral("VR1 value, NAND circuit"));
    LBLMonoVR2_ = valueLabel(f, "LBLMonoVR2", {5370, 1140, 495, 255}, QStringLiteral("VR1 value, NOR circuit"));

    kit::label(f, "Label32", {240, 2400, 1065, 255}, QStringLiteral("Timing Mode:"));
    OPTMonoFixed_ = kit::option(f, "OPTMonoFixed", {450, 2700, 1035, 255}, QStringLiteral("Fixed"),
                                QStringLiteral("Fixed timing mode"));
    OPTMonoRange_ = kit::option(f, "OPTMonoRange", {450, 2970, 1035, 255}, QStringLiteral("Range"),
                                QStringLiteral("Range timing mode"));
    OPTMonoFixed_->setChecked(true);  // the design-time choice; no handler runs for it

    kit::label(f, "Label33", {2220, 2400, 1125, 255}, QStringLiteral("Pulse Duration"));
    Label34_ = kit::label(f, "Label34", {1920, 2700, 315, 255}, QStringLiteral("Min"));
    Label35_ = kit::label(f, "Label35", {1950, 3000, 285, 255}, QStringLiteral("Max"));
    // "Max" is wider than its 19-pixel label at the page's 10-pixel face.
    QFont small = Label35_->font();
    small.setPixelSize(9);
    for (QLabel* l : {Label34_, Label35_}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFont(small);
    }
    TXTMonoFixed_ = kit::textBox(f, "TXTMonoFixed", {2310, 2670, 855, 255}, QStringLiteral("10"),
                                 QStringLiteral("Pulse duration, milliseconds"));
    TXTMonoRange_ = kit::textBox(f, "TXTMonoRange", {2310, 2970, 855, 285}, QStringLiteral("100"),
                                 QStringLiteral("Maximum pulse duration, milliseconds"));
    kit::label(f, "Label36", {3210, 2700, 225, 255}, QStringLiteral("ms"));
    Label37_ = kit::label(f, "Label37", {3210, 3000, 225, 255}, QStringLiteral("ms"));

    kit::label(f, "Label38", {4140, 2400, 795, 255}, QStringLiteral("Capacitor"));
    TXTMonoCap_ = kit::textBox(f, "TXTMonoCap", {4080, 2670, 375, 315}, QStringLiteral("100"),
                               QStringLiteral("Capacitor value"), 3);
    CBOMonoMult_ = kit::list(f, "CBOMonoMult", {4440, 2670, 555, 315}, QStringLiteral("Capacitor unit"), true);
    // A typed unit stays as typed: no completion that would turn it into an entry.
    CBOMonoMult_->setCompleter(nullptr);
    CBOMonoMult_->setEditText(QStringLiteral("Combo2"));

    CMDCalcMono_ = kit::button(f, "CMDCalcMono", {1980, 3360, 2535, 375}, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the timing resistor"));

    connect(OPTMonoFixed_, &kit::OptionButton::selected, this, &CmosMonostablePage::OPTMonoFixed_Click);
    connect(OPTMonoRange_, &kit::OptionButton::selected, this, &CmosMonostablePage::OPTMonoRange_Click);
    connect(TXTMonoCap_, &QLineEdit::textChanged, this, &CmosMonostablePage::TXTMonoCap_Change);
    connect(CBOMonoMult_, &QComboBox::currentIndexChanged, this, &CmosMonostablePage::CBOMonoMult_Click);
    connect(CMDCalcMono_, &QPushButton::clicked, this, &CmosMonostablePage::CMDCalcMono_Click);
    for (QLineEdit* box : {TXTMonoFixed_, TXTMonoRange_, TXTMonoCap_}) kit::enterPresses(box, CMDCalcMono_);
    kit::enterPresses(CBOMonoMult_->lineEdit(), CMDCalcMono_);

    // Mode, the duration column, the capacitor, then the button.
    QWidget::setTabOrder(OPTMonoFixed_, OPTMonoRange_);
    QWidget::setTabOrder(OPTMonoRange_, TXTMonoFixed_);
    QWidget::setTabOrder(TXTMonoFixed_, TXTMonoRange_);
    QWidget::setTabOrder(TXTMonoRange_, TXTMonoCap_);
    QWidget::setTabOrder(TXTMonoCap_, CBOMonoMult_);
    QWidget::setTabOrder(CBOMonoMult_, CMDCalcMono_);
}

void CmosMonostablePage::startUp() {
    Label34_->hide();
    Label35_->hide();
    Label37_->hide();

    {
        // Filling makes "pF" current on the way; only the pick of "nF" counts.
        const QSignalBlocker quiet(CBOMonoMult_);
        CBOMonoMult_->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
        CBOMonoMult_->setCurrentIndex(-1);
    }
    CBOMonoMult_->setCurrentIndex(1);  // runs CBOMonoMult_Click: '100nF' on both drawings

    showLayout(MonoMode::Fixed);

    LBLMonoR1_->setText(QStringLiteral("R1"));
    LBLMonoR2_->setText(QStringLiteral("R1"));
    LBLMonoVR1_->setText(QStringLiteral("VR1"));
    LBLMonoVR2_->setText(QStringLiteral("VR1"));
}

void CmosMonostablePage::focusOnShow() { kit::focus(TXTMonoFixed_); }

void CmosMonostablePage::OPTMonoFixed_Click() { showLayout(MonoMode::Fixed); }

void CmosMonostablePage::OPTMonoRange_Click() { showLayout(MonoMode::Range); }

void CmosMonostablePage::showLayout(MonoMode mode) {
    const bool range = mode == MonoMode::Range;
    IMGNANDMono1_->setVisible(!range);
    IMGNORMono1_->setVisible(!range);
    IMGNANDMono2_->setVisible(range);
    IMGNORMono2_->setVisible(range);
    for (QWidget* w : {static_cast<QWidget*>(TXTMonoRange_), static_cast<QWidget*>(Label34_),
                       static_cast<QWidget*>(Label35_), static_cast<QWidget*>(Label37_),
                       static_cast<QWidget*>(LBLMonoVR1_), static_cast<QWidget*>(LBLMonoVR2_)})
        w->setVisible(range);
    kit::setTwipTop(LBLMonoR1_, range ? kR1TopRange : kR1TopFixed);
    kit::setTwipTop(LBLMonoR2_, range ? kR2TopRange : kR2TopFixed);
    TXTMonoFixed_->setAccessibleName(range ? QStringLiteral("Minimum pulse duration, milliseconds")
                                           : QStringLiteral("Pulse duration, milliseconds"));
}

int CmosMonostablePage::unitIndex() const {
    // A typed unit text selects no entry, even while an entry stays current.
    const int i = CBOMonoMult_->currentIndex();
    if (i < 0 || CBOMonoMult_->currentText() != CBOMonoMult_->itemText(i)) return -1;
    return i;
}

void CmosMonostablePage::TXTMonoCap_Change() {
    LBLMonoC1_->setText(kit::qs(MonoCapCaption(kit::textOf(TXTMonoCap_), unitIndex())));
    LBLMonoC2_->setText(LBLMonoC1_->text());
}

void CmosMonostablePage::CBOMonoMult_Click() { TXTMonoCap_Change(); }

QLineEdit* CmosMonostablePage::boxOf(MonoCheck check) const {
    switch (check) {
        case MonoCheck::Dur: return TXTMonoFixed_;
        case MonoCheck::MaxDur:
        case MonoCheck::Order: return TXTMonoRange_;
        default: return TXTMonoCap_;
    }
}

void CmosMonostablePage::CMDCalcMono_Click() {
    const std::string fixed = kit::textOf(TXTMonoFixed_);
    const std::string range = kit::textOf(TXTMonoRange_);
    const std::string cap = kit::textOf(TXTMonoCap_);
    const MonoOutcome out = CalcCmosMonostable(
        {fixed, range, cap, unitIndex(), OPTMonoRange_->isChecked() ? MonoMode::Range : MonoMode::Fixed});

    // The writes in the order the calculation made them.
    if (out.fixedText) TXTMonoFixed_->setText(kit::qs(*out.fixedText));
    if (out.capText) TXTMonoCap_->setText(kit::qs(*out.capText));  // refreshes C1 and C2
    if (out.r1Text) {
        LBLMonoR1_->setText(kit::qs(*out.r1Text));
        LBLMonoR2_->setText(kit::qs(*out.r1Text));
    }
    if (out.rangeText) TXTMonoRange_->setText(kit::qs(*out.rangeText));
    if (out.vr1Text) {
        LBLMonoVR1_->setText(kit::qs(*out.vr1Text));
        LBLMonoVR2_->setText(kit::qs(*out.vr1Text));
    }
    if (out.ok()) return;

    switch (out.failed) {
        case MonoCheck::CapZero:
        case MonoCheck::R1Low:
        case MonoCheck::R1High:
            kit::reportFault(messages_, boxOf(out.failed), out.prompt, {LBLMonoR1_, LBLMonoR2_});
            break;
        case MonoCheck::VR1Low:
        case MonoCheck::VR1High:
            kit::reportFault(messages_, boxOf(out.failed), out.prompt, {LBLMonoVR1_, LBLMonoVR2_});
            break;
        default: kit::reportFault(messages_, boxOf(out.failed), out.prompt); break;
    }
}

}  // namespace ohm
