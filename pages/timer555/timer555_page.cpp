#include "pages/timer555/timer555_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

#include "pages/timer555/timer555_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace ohm {
namespace {

// Resistor bodies are white boxes with a black outline, like the drawn
// symbol on a schematic.
const QColor kBodyFill = Qt::white;
const QColor kBodyOutline = Qt::black;

// The rectangle of a drawn resistor body, 195 x 465 twips.
kit::TwipRect Body(int left, int top) { return {left, top, 195, 465}; }

void makeBold(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
}

void setPixelSize(QWidget* w, int pixels) {
    QFont f = w->font();
    f.setPixelSize(pixels);
    w->setFont(f);
}

// Labels of the drawing are narrow; a slightly smaller face keeps "VR1"
// inside its box.
void makeDrawingLabel(QLabel* l) { setPixelSize(l, 9); }

// The unit lists are only 555 twips wide: a narrower arrow and a smaller
// face keep "nF" and "uF" readable beside it.
void makeNarrowList(QComboBox* c) {
    setPixelSize(c, 9);
    kit::narrowList(c);
}

QLabel* valueLabel(QWidget* parent, const char* name, kit::TwipRect r, const QString& spoken) {
    QLabel* l = kit::label(parent, name, r, QString(), spoken);
    makeDrawingLabel(l);
    kit::copyable(l);
    return l;
}

Timer555Mode modeOf(const kit::OptionButton* range) {
    return range->isChecked() ? Timer555Mode::Range : Timer555Mode::Fixed;
}

void reportWith(kit::Messages& messages, QLineEdit* box, const std::string& prompt, QLabel* emptied) {
    if (emptied != nullptr)
        kit::reportFault(messages, box, prompt, {emptied});
    else
        kit::reportFault(messages, box, prompt, {});
}

}  // namespace

Timer555Page::Timer555Page(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "Frm555", QStringLiteral("555 Monostable/Astable ")) {
    buildMonostable();
    buildAstable();
    setTabOrder();
}

void Timer555Page::buildMonostable() {
    frame1_ = kit::frame(frame(), "Frame1", {0, 180, 3255, 3705}, QString());
    frame1_->setAccessibleName(QStringLiteral("555 monostable"));
    auto* draw = new kit::Drawing(frame1_);
    QWidget* g = frame1_;

    makeBold(kit::label(g, "Label27", {180, 210, 2625, 255}, QStringLiteral("555 MONOSTABLE")));
    kit::label(g, "Label23", {150, 540, 1335, 225}, QStringLiteral("Timing mode:"));
    OPT555MonoFixed_ = kit::option(g, "OPT555MonoFixed", {390, 840, 1035, 225}, QStringLiteral("Fixed"),
                                   QStringLiteral("Monostable fixed duration"));
    OPT555MonoRange_ = kit::option(g, "OPT555MonoRange", {390, 1080, 1035, 225}, QStringLiteral("Range"),
                                   QStringLiteral("Monostable duration range"));
    setPixelSize(kit::label(g, "Label24", {150, 1470, 1065, 255}, QStringLiteral("Pulse duration:")), 9);
    Label12_[2] = kit::label(g, "Label12(2)", {90, 1770, 315, 225}, QStringLiteral("Min"));
    Label12_[3] = kit::label(g, "Label12(3)", {60, 2070, 315, 225}, QStringLiteral("Max"));
    TXT555Dur_[0] = kit::textBox(g, "TXT555Dur(0)", {420, 1740, 735, 285}, QString(),
                                 QStringLiteral("Pulse duration, milliseconds"), 7);
    TXT555Dur_[1] = kit::textBox(g, "TXT555Dur(1)", {420, 2040, 735, 285}, QString(),
                                 QStringLiteral("Maximum pulse duration, milliseconds"), 7);
    kit::label(g, "Label25", {1200, 1800, 225, 225}, QStringLiteral("ms"));
    Label26_ = kit::label(g, "Label26", {1200, 2070, 225, 225}, QStringLiteral("ms"));
    Label29_ = kit::label(g, "Label29", {90, 2490, 1395, 495}, QString());
    setPixelSize(Label29_, 9);  // as the astable's formula, which needs it
    TXT555MCap_ = kit::textBox(g, "TXT555MCap", {2220, 2190, 405, 315}, QString(),
                               QStringLiteral("Monostable timing capacitor"), 3);
    CBO555Mult_ = kit::list(g, "CBO555Mult", {2610, 2190, 555, 315},
                            QStringLiteral("Monostable capacitor unit"));
    makeNarrowList(CBO555Mult_);
    CMDCalc555Mono_ = kit::button(g, "CMDCalc555Mono", {150, 3150, 1275, 375}, QStringLiteral("Calculate"),
                                  QStringLiteral("Calculate monostable"));
    auto* note = kit::label(g, "Label31", {1530, 3150, 1605, 405},
                            QStringLiteral("Note: Trigger pulse must not exceed output pulse."));
    note->setWordWrap(true);
    setPixelSize(note, 8);  // small type

    LBLR_[4] = kit::label(g, "LBLR(4)", {1500, 810, 285, 225}, QStringLiteral("R1"));
    LBLR_[5] = kit::label(g, "LBLR(5)", {1470, 1500, 315, 225}, QStringLiteral("VR1"));
    LBLR_[6] = kit::label(g, "LBLR(6)", {1560, 2220, 195, 225}, QStringLiteral("C"));
    for (int i = 4; i <= 6; ++i) makeDrawingLabel(LBLR_[i]);
    LBLRVal_[3] = valueLabel(g, "LBLRVal(3)", {2220, 840, 705, 195}, QStringLiteral("Monostable R1 value"));
    LBLRVal_[4] = valueLabel(g, "LBLRVal(4)", {2220, 1500, 705, 195}, QStringLiteral("Monostable VR1 value"));

    // The timing chain R1, (VR1), C on the vertical x = 1950.
    Line2_[0] = draw->addLine("Line2(0)", 1950, 480, 1950, 690);
    SHPMonoRes_[0] = draw->addRect("SHPMonoRes(0)", Body(1860, 690), kBodyFill, kBodyOutline);
    Line2_[1] = draw->addLine("Line2(1)", 1950, 1140, 1950, 1350);
    SHPMonoRes_[1] = draw->addRect("SHPMonoRes(1)", Body(1860, 1350), kBodyFill, kBodyOutline);
    Line3_[6] = draw->addLine("Line3(6)", 2100, 1290, 1770, 1860);
    Line2_[2] = draw->addLine("Line2(2)", 1950, 1350, 1950, 2280);
    Line2_[3] = draw->addLine("Line2(3)", 1830, 2280, 2070, 2280);
    Line2_[4] = draw->addLine("Line2(4)", 1830, 2370, 2070, 2370);
    Line2_[5] = draw->addLine("Line2(5)", 1950, 2370, 1950, 2580);

    for (QLineEdit* box : {TXT555Dur_[0], TXT555Dur_[1], TXT555MCap_})
        kit::enterPresses(box, CMDCalc555Mono_);
    connect(OPT555MonoFixed_, &kit::OptionButton::selected, this, &Timer555Page::OPT555MonoFixed_Click);
    connect(OPT555MonoRange_, &kit::OptionButton::selected, this, &Timer555Page::OPT555MonoRange_Click);
    connect(CMDCalc555Mono_, &QPushButton::clicked, this, &Timer555Page::CMDCalc555Mono_Click);
}

void Timer555Page::buildAstable() {
    frmAstable_ = kit::frame(frame(), "frmAstable", {3240, 180, 3435, 3705}, QString());
    frmAstable_->setAccessibleName(QStringLiteral("555 astable"));
    auto* draw = new kit::Drawing(frmAstable_);
    QWidget* g = frmAstable_;

    makeBold(kit::label(g, "Label28", {150, 210, 2625, 255}, QStringLiteral("555 ASTABLE")));
    kit::label(g, "Label13", {150, 570, 1335, 225}, QStringLiteral("Astable mode:"));
    OPT555Fixed_ = kit::option(g, "OPT555Fixed", {360, 840, 1095, 225}, QStringLiteral("Fixed"),
                               QStringLiteral("Astable fixed frequency"));
    OPT555Range_ = kit::option(g, "OPT555Range", {360, 1080, 1035, 225}, QStringLiteral("Range"),
                               QStringLiteral("Astable frequency range"));
    kit::label(g, "Label10", {150, 1470, 855, 285}, QStringLiteral("Frequency:"));
    Label12_[0] = kit::label(g, "Label12(0)", {150, 1770, 315, 225}, QStringLiteral("Min"));
    Label12_[1] = kit::label(g, "Label12(1)", {120, 2070, 315, 225}, QStringLiteral("Max"));
    TXTFreq_[0] = kit::textBox(g, "TXTFreq(0)", {480, 1740, 735, 285}, QString(),
                               QStringLiteral("Frequency, hertz"), 7);
    TXTFreq_[1] = kit::textBox(g, "TXTFreq(1)", {480, 2040, 735, 285}, QString(),
                               QStringLiteral("Maximum frequency, hertz"), 7);
    kit::label(g, "Label11", {1230, 1770, 255, 255}, QStringLiteral("Hz"));
    Label9_ = kit::label(g, "Label9", {1230, 2070, 255, 255}, QStringLiteral("Hz"));
    Label30_ = kit::label(g, "Label30", {30, 2490, 1665, 495}, QString());
    setPixelSize(Label30_, 9);  // the formula line is long for its box
    TXTAstCap_ = kit::textBox(g, "TXTAstCap", {2400, 3060, 405, 315}, QString(),
                              QStringLiteral("Astable timing capacitor"), 3);
    CBOAstCapMult_ = kit::list(g, "CBOAstCapMult", {2790, 3060, 555, 315},
                               QStringLiteral("Astable capacitor unit"));
    makeNarrowList(CBOAstCapMult_);
    CMDCalcFreq_ = kit::button(g, "CMDCalcFreq", {150, 3150, 1275, 375}, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate astable"));

    LBLR_[0] = kit::label(g, "LBLR(0)", {1770, 810, 285, 225}, QStringLiteral("R1"));
    LBLR_[1] = kit::label(g, "LBLR(1)", {1740, 1770, 285, 225}, QStringLiteral("R2"));
    LBLR_[2] = kit::label(g, "LBLR(2)", {1740, 2370, 285, 225}, QStringLiteral("VR1"));
    LBLR_[3] = kit::label(g, "LBLR(3)", {1770, 3090, 195, 225}, QStringLiteral("C"));
    for (int i = 0; i <= 3; ++i) makeDrawingLabel(LBLR_[i]);
    LBLRVal_[0] = valueLabel(g, "LBLRVal(0)", {2430, 810, 555, 195}, QStringLiteral("Astable R1 value"));
    LBLRVal_[1] = valueLabel(g, "LBLRVal(1)", {2430, 1770, 705, 195}, QStringLiteral("Astable R2 value"));
    LBLRVal_[2] = valueLabel(g, "LBLRVal(2)", {2430, 2370, 645, 195}, QStringLiteral("Astable VR1 value"));

    // The timing chain R1, R2, (VR1), C on the vertical x = 2190.
    Line3_[0] = draw->addLine("Line3(0)", 2190, 480, 2190, 690);
    SHPAstRes_[0] = draw->addRect("SHPAstRes(0)", Body(2100, 690), kBodyFill, kBodyOutline);
    Line3_[1] = draw->addLine("Line3(1)", 2190, 1140, 2190, 1620);
    SHPAstRes_[1] = draw->addRect("SHPAstRes(1)", Body(2100, 1620), kBodyFill, kBodyOutline);
    Line3_[2] = draw->addLine("Line3(2)", 2190, 2070, 2190, 2220);
    SHPAstRes_[2] = draw->addRect("SHPAstRes(2)", Body(2100, 2220), kBodyFill, kBodyOutline);
    Line3_[5] = draw->addLine("Line3(5)", 2340, 2190, 2010, 2760);
    Line3_[3] = draw->addLine("Line3(3)", 2190, 2070, 2190, 3150);
    Line4_[0] = draw->addLine("Line4(0)", 2070, 3150, 2310, 3150);
    Line4_[1] = draw->addLine("Line4(1)", 2070, 3240, 2310, 3240);
    Line3_[4] = draw->addLine("Line3(4)", 2190, 3240, 2190, 3450);

    for (QLineEdit* box : {TXTFreq_[0], TXTFreq_[1], TXTAstCap_}) kit::enterPresses(box, CMDCalcFreq_);
    connect(OPT555Fixed_, &kit::OptionButton::selected, this, &Timer555Page::OPT555Fixed_Click);
    connect(OPT555Range_, &kit::OptionButton::selected, this, &Timer555Page::OPT555Range_Click);
    connect(CMDCalcFreq_, &QPushButton::clicked, this, &Timer555Page::CMDCalcFreq_Click);
}

// Left group before right; in each, mode, then the inputs top to bottom,
// then the button.
void Timer555Page::setTabOrder() {
    QWidget* const order[] = {OPT555MonoFixed_, OPT555MonoRange_, TXT555Dur_[0], TXT555Dur_[1],
                              TXT555MCap_,      CBO555Mult_,      CMDCalc555Mono_,
                              OPT555Fixed_,     OPT555Range_,     TXTFreq_[0],   TXTFreq_[1],
                              TXTAstCap_,       CBOAstCapMult_,   CMDCalcFreq_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Timer555Page::startUp() {
    // Astable group, Fixed layout.
    OPT555Fixed_->select();
    TXTFreq_[0]->clear();
    TXTFreq_[1]->clear();
    for (QLabel* l : Label12_) l->hide();
    Line3_[3]->setY1(2070);
    for (QLabel* l : LBLRVal_) l->clear();
    TXTAstCap_->setText(QStringLiteral("10"));
    CBOAstCapMult_->clear();
    CBOAstCapMult_->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
    CBOAstCapMult_->setCurrentIndex(kAstableNanofarads);
    Label30_->setText(QStringLiteral("Frequency\nf = 1.44 / (R1 + 2R2) C"));

    // Monostable group, Fixed layout.
    OPT555MonoFixed_->select();
    TXT555Dur_[0]->clear();
    TXT555Dur_[1]->clear();
    CBO555Mult_->clear();
    CBO555Mult_->addItems({QStringLiteral("nF"), QStringLiteral("uF")});
    CBO555Mult_->setCurrentIndex(kMonoNanofarads);
    TXT555MCap_->setText(QStringLiteral("10"));
    Label29_->setText(QStringLiteral("Pulse time\nt = 1.1CR secs"));
}

void Timer555Page::focusOnShow() { kit::focus(TXT555Dur_[0]); }

// ---- astable ------------------------------------------------------------------

void Timer555Page::OPT555Fixed_Click() {
    LBLR_[2]->hide();
    LBLRVal_[2]->hide();
    Line3_[2]->hide();
    Line3_[5]->hide();
    SHPAstRes_[2]->hide();
    Line3_[3]->setY1(2070);  // from the foot of R2
    TXTFreq_[1]->hide();
    Label9_->hide();
    Label12_[0]->hide();
    Label12_[1]->hide();
    LBLRVal_[1]->clear();
    LBLRVal_[0]->clear();
}

void Timer555Page::OPT555Range_Click() {
    LBLR_[2]->show();
    LBLRVal_[2]->show();
    Line3_[2]->show();
    Line3_[5]->show();
    SHPAstRes_[2]->show();
    Line3_[3]->setY1(2670);  // from the foot of VR1
    TXTFreq_[1]->show();
    Label9_->show();
    Label12_[0]->show();
    Label12_[1]->show();
    LBLRVal_[0]->clear();
    LBLRVal_[1]->clear();
    LBLRVal_[2]->clear();
}

void Timer555Page::CMDCalcFreq_Click() {
    const Astable555Outcome out =
        CalcAstable555(kit::textOf(TXTAstCap_), CBOAstCapMult_->currentIndex(), kit::textOf(TXTFreq_[0]),
                       kit::textOf(TXTFreq_[1]), modeOf(OPT555Range_));

    if (out.freqText) TXTFreq_[0]->setText(kit::qs(*out.freqText));
    if (out.r2Text) LBLRVal_[1]->setText(kit::qs(*out.r2Text));
    if (out.vr1Text) LBLRVal_[2]->setText(kit::qs(*out.vr1Text));

    if (out.failed) {
        QLineEdit* box = TXTAstCap_;
        QLabel* emptied = nullptr;
        switch (*out.failed) {
            case Astable555Check::Freq: box = TXTFreq_[0]; break;
            case Astable555Check::MaxFreq:
            case Astable555Check::Order: box = TXTFreq_[1]; break;
            case Astable555Check::CapZero:
            case Astable555Check::R2Low:
            case Astable555Check::R2High: emptied = LBLRVal_[1]; break;
            case Astable555Check::VR1Low:
            case Astable555Check::VR1High: emptied = LBLRVal_[2]; break;
        }
        reportWith(messages_, box, out.prompt, emptied);
        return;
    }
    if (out.r1Text) LBLRVal_[0]->setText(kit::qs(*out.r1Text));
}

// ---- monostable -----------------------------------------------------------------

void Timer555Page::OPT555MonoFixed_Click() {
    TXT555Dur_[1]->hide();
    SHPMonoRes_[1]->hide();
    Line3_[6]->hide();
    LBLR_[5]->hide();
    LBLRVal_[4]->hide();
    Label26_->hide();
    Line2_[2]->setY1(1350);  // straight on from R1
    Label12_[2]->hide();
    Label12_[3]->hide();
}

void Timer555Page::OPT555MonoRange_Click() {
    TXT555Dur_[1]->show();
    SHPMonoRes_[1]->show();
    Line3_[6]->show();
    LBLR_[5]->show();
    LBLRVal_[4]->show();
    Label26_->show();
    Line2_[2]->setY1(1800);  // from the foot of VR1
    Label12_[2]->show();
    Label12_[3]->show();
}

void Timer555Page::CMDCalc555Mono_Click() {
    const Monostable555Outcome out =
        CalcMonostable555(kit::textOf(TXT555Dur_[0]), kit::textOf(TXT555Dur_[1]), kit::textOf(TXT555MCap_),
                          CBO555Mult_->currentIndex(), modeOf(OPT555MonoRange_));

    if (out.durText) TXT555Dur_[0]->setText(kit::qs(*out.durText));
    if (out.capText) TXT555MCap_->setText(kit::qs(*out.capText));
    if (out.r1Text) LBLRVal_[3]->setText(kit::qs(*out.r1Text));
    if (out.maxDurText) TXT555Dur_[1]->setText(kit::qs(*out.maxDurText));
    if (out.vr1Text) LBLRVal_[4]->setText(kit::qs(*out.vr1Text));

    if (!out.failed) return;
    QLineEdit* box = TXT555MCap_;
    QLabel* emptied = nullptr;
    switch (*out.failed) {
        case Monostable555Check::Dur: box = TXT555Dur_[0]; break;
        case Monostable555Check::MaxDur:
        case Monostable555Check::Order: box = TXT555Dur_[1]; break;
        case Monostable555Check::CapZero:
        case Monostable555Check::R1Low:
        case Monostable555Check::R1High: emptied = LBLRVal_[3]; break;
        case Monostable555Check::VR1Low:
        case Monostable555Check::VR1High: emptied = LBLRVal_[4]; break;
    }
    reportWith(messages_, box, out.prompt, emptied);
}

}  // namespace ohm
