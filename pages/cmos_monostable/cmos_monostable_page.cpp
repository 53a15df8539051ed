#include "pages/cmos_monostable/cmos_monostable_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
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
constexpr int kNandR1TopFixed = 1590;
constexpr int kNandR1TopRange = 1350;
constexpr int kNorR1TopFixed = 870;
constexpr int kNorR1TopRange = 660;

QLabel* valueLabel(QWidget* parent, const char* name, kit::TwipRect r, const QString& speech) {
    QLabel* l = kit::label(parent, name, r, QString(), speech);
    kit::copyable(l);
    return l;
}

}  // namespace

CmosMonostablePage::CmosMonostablePage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "cmosMonostableFrame", QStringLiteral("CMOS Monostables")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    nand_.fixedPicture = d->addPicture("nandFixedPicture", {210, 450, 2910, 1860},
                                       QStringLiteral(":/assets/cmos_mono_nand_fixed.svg"));
    nand_.rangePicture = d->addPicture("nandRangePicture", {210, 450, 2910, 1860},
                                       QStringLiteral(":/assets/cmos_mono_nand_range.svg"));
    nor_.fixedPicture = d->addPicture("norFixedPicture", {3480, 420, 2910, 1860},
                                      QStringLiteral(":/assets/cmos_mono_nor_fixed.svg"));
    nor_.rangePicture = d->addPicture("norRangePicture", {3480, 420, 2910, 1860},
                                      QStringLiteral(":/assets/cmos_mono_nor_range.svg"));

    kit::label(f, "nandTrigger", {60, 1110, 585, 225}, QStringLiteral("Trigger"));
    kit::label(f, "norTrigger", {3300, 1380, 585, 225}, QStringLiteral("Trigger"));
    kit::label(f, "nandGroundRail", {1500, 2160, 225, 225}, QStringLiteral("0v"));
    kit::label(f, "norSupplyRail", {4770, 360, 255, 225}, QStringLiteral("+v"));

    nand_.capacitorValue = kit::label(f, "nandCapacitorValue", {1290, 1170, 465, 225}, QStringLiteral("C1"),
                                      QStringLiteral("C1 value, NAND circuit"));
    nor_.capacitorValue = kit::label(f, "norCapacitorValue", {4560, 1380, 465, 225}, QStringLiteral("C1"),
                                     QStringLiteral("C1 value, NOR circuit"));
    for (QLabel* c : {nand_.capacitorValue, nor_.capacitorValue}) {
        c->setAlignment(Qt::AlignCenter);
        kit::copyable(c);
    }
    nand_.r1Value = valueLabel(f, "nandR1Value", {2100, kNandR1TopFixed, 495, 255},
                               QStringLiteral("R1 value, NAND circuit"));
    nor_.r1Value = valueLabel(f, "norR1Value", {5370, kNorR1TopFixed, 495, 255},
                              QStringLiteral("R1 value, NOR circuit"));
    nand_.vr1Value = valueLabel(f, "nandVr1Value", {2100, 1830, 495, 255}, QStringLiteral("VR1 value, NAND circuit"));
    nor_.vr1Value = valueLabel(f, "norVr1Value", {5370, 1140, 495, 255}, QStringLiteral("VR1 value, NOR circuit"));

    kit::label(f, "modeCaption", {240, 2400, 1065, 255}, QStringLiteral("Timing Mode:"));
    fixedOption_ = kit::option(f, "fixedOption", {450, 2700, 1035, 255}, QStringLiteral("Fixed"),
                               QStringLiteral("Fixed timing mode"));
    rangeOption_ = kit::option(f, "rangeOption", {450, 2970, 1035, 255}, QStringLiteral("Range"),
                               QStringLiteral("Range timing mode"));
    fixedOption_->setChecked(true);  // the choice the window opens with; no handler runs for it

    QLabel* durationCaption =
        kit::label(f, "durationCaption", {2220, 2400, 1125, 255}, QStringLiteral("Pulse Duration"));
    minCaption_ = kit::label(f, "minCaption", {1920, 2700, 315, 255}, QStringLiteral("Min"));
    maxCaption_ = kit::label(f, "maxCaption", {1950, 3000, 285, 255}, QStringLiteral("Max"));
    // "Max" is wider than its 19-pixel label at the page's 10-pixel face.
    QFont small = maxCaption_->font();
    small.setPixelSize(9);
    for (QLabel* l : {minCaption_, maxCaption_}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFont(small);
    }
    durationBox_ = kit::textBox(f, "durationBox", {2310, 2670, 855, 255}, QStringLiteral("10"),
                                QStringLiteral("Pulse duration, milliseconds"));
    maxDurationBox_ = kit::textBox(f, "maxDurationBox", {2310, 2970, 855, 285}, QStringLiteral("100"),
                                   QStringLiteral("Maximum pulse duration, milliseconds"));
    durationCaption->setBuddy(durationBox_);
    minCaption_->setBuddy(durationBox_);
    maxCaption_->setBuddy(maxDurationBox_);
    kit::label(f, "durationUnit", {3210, 2700, 225, 255}, QStringLiteral("ms"));
    maxDurationUnit_ = kit::label(f, "maxDurationUnit", {3210, 3000, 225, 255}, QStringLiteral("ms"));

    QLabel* capacitorCaption = kit::label(f, "capacitorCaption", {4140, 2400, 795, 255}, QStringLiteral("Capacitor"));
    capacitorBox_ = kit::textBox(f, "capacitorBox", {4080, 2670, 375, 315}, QStringLiteral("100"),
                                 QStringLiteral("Capacitor value"), 3);
    capacitorCaption->setBuddy(capacitorBox_);
    // No caption stands beside the unit list: it and the text field inside
    // it (what the keyboard reaches) are spoken by the name kit gives both.
    unitList_ = kit::list(f, "unitList", {4440, 2670, 555, 315}, QStringLiteral("Capacitor unit"), true);
    // A typed unit stays as typed: no completion that would turn it into an entry.
    unitList_->setCompleter(nullptr);

    calculateButton_ = kit::button(f, "calculateTimingResistorButton", {1980, 3360, 2535, 375},
                                   QStringLiteral("Calculate"), QStringLiteral("Calculate the timing resistor"));

    connect(fixedOption_, &kit::OptionButton::selected, this, [this] { showLayout(MonoMode::Fixed); });
    connect(rangeOption_, &kit::OptionButton::selected, this, [this] { showLayout(MonoMode::Range); });
    connect(capacitorBox_, &QLineEdit::textChanged, this, &CmosMonostablePage::showCapacitor);
    connect(unitList_, &QComboBox::currentIndexChanged, this, &CmosMonostablePage::showCapacitor);
    connect(calculateButton_, &QPushButton::clicked, this, &CmosMonostablePage::calculate);
    for (QLineEdit* box : {durationBox_, maxDurationBox_, capacitorBox_}) kit::enterPresses(box, calculateButton_);
    unitList_->lineEdit()->installEventFilter(this);

    // Mode, the duration column, the capacitor, then the button.
    QWidget::setTabOrder(fixedOption_, rangeOption_);
    QWidget::setTabOrder(rangeOption_, durationBox_);
    QWidget::setTabOrder(durationBox_, maxDurationBox_);
    QWidget::setTabOrder(maxDurationBox_, capacitorBox_);
    QWidget::setTabOrder(capacitorBox_, unitList_);
    QWidget::setTabOrder(unitList_, calculateButton_);
}

void CmosMonostablePage::startUp() {
    minCaption_->hide();
    maxCaption_->hide();
    maxDurationUnit_->hide();

    {
        // Filling makes "pF" current on the way; only the pick of "nF" counts.
        const QSignalBlocker quiet(unitList_);
        unitList_->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
        unitList_->setCurrentIndex(-1);
    }
    unitList_->setCurrentIndex(1);  // runs showCapacitor: '100nF' on both drawings

    showLayout(MonoMode::Fixed);

    for (const Circuit* c : {&nand_, &nor_}) {
        c->r1Value->setText(QStringLiteral("R1"));
        c->vr1Value->setText(QStringLiteral("VR1"));
    }
}

void CmosMonostablePage::focusOnShow() { kit::focus(durationBox_); }

void CmosMonostablePage::showLayout(MonoMode mode) {
    const bool range = mode == MonoMode::Range;
    for (const Circuit* c : {&nand_, &nor_}) {
        c->fixedPicture->setVisible(!range);
        c->rangePicture->setVisible(range);
        c->vr1Value->setVisible(range);
    }
    for (QWidget* w : {static_cast<QWidget*>(maxDurationBox_), static_cast<QWidget*>(minCaption_),
                       static_cast<QWidget*>(maxCaption_), static_cast<QWidget*>(maxDurationUnit_)})
        w->setVisible(range);
    kit::setTwipTop(nand_.r1Value, range ? kNandR1TopRange : kNandR1TopFixed);
    kit::setTwipTop(nor_.r1Value, range ? kNorR1TopRange : kNorR1TopFixed);
    durationBox_->setAccessibleName(range ? QStringLiteral("Minimum pulse duration, milliseconds")
                                          : QStringLiteral("Pulse duration, milliseconds"));
}

int CmosMonostablePage::unitIndex() const {
    // A typed unit text selects no entry, even while an entry stays current.
    const int i = unitList_->currentIndex();
    if (i < 0 || unitList_->currentText() != unitList_->itemText(i)) return -1;
    return i;
}

void CmosMonostablePage::showCapacitor() {
    nand_.capacitorValue->setText(kit::qs(MonoCapCaption(kit::textOf(capacitorBox_), unitIndex())));
    nor_.capacitorValue->setText(nand_.capacitorValue->text());
}

bool CmosMonostablePage::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the unit's own text takes the entry it names, then calculates once. Left to the list,
    // the key reaches the text twice (the list hands it back), so a calculation on each would run
    // first with the old unit and show two messages.
    if (watched == unitList_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int named = unitList_->findText(unitList_->currentText());
            if (named >= 0) unitList_->setCurrentIndex(named);
            calculateButton_->click();
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

void CmosMonostablePage::calculate() {
    const std::string duration = kit::textOf(durationBox_);
    const std::string maxDuration = kit::textOf(maxDurationBox_);
    const std::string capacitor = kit::textOf(capacitorBox_);
    const MonoOutcome out = CalcCmosMonostable({duration, maxDuration, capacitor, unitIndex(),
                                                rangeOption_->isChecked() ? MonoMode::Range : MonoMode::Fixed});

    // The writes in the order the calculation made them.
    if (out.fixedText) durationBox_->setText(kit::qs(*out.fixedText));
    if (out.capText) capacitorBox_->setText(kit::qs(*out.capText));  // refreshes both C1 captions
    if (out.r1Text) {
        nand_.r1Value->setText(kit::qs(*out.r1Text));
        nor_.r1Value->setText(kit::qs(*out.r1Text));
    }
    if (out.rangeText) maxDurationBox_->setText(kit::qs(*out.rangeText));
    if (out.vr1Text) {
        nand_.vr1Value->setText(kit::qs(*out.vr1Text));
        nor_.vr1Value->setText(kit::qs(*out.vr1Text));
    }
    if (out.ok()) return;

    report(
        *out.failure,
        [this](MonoBox box) {
            return box == MonoBox::Duration      ? durationBox_
                   : box == MonoBox::MaxDuration ? maxDurationBox_
                                                 : capacitorBox_;
        },
        [this](MonoLabel label) {
            return label == MonoLabel::R1 ? std::vector<QLabel*>{nand_.r1Value, nor_.r1Value}
                                          : std::vector<QLabel*>{nand_.vr1Value, nor_.vr1Value};
        });
}

}  // namespace ohm
