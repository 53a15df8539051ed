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

// Resistor bodies are boxes outlined like the drawn symbol on a schematic:
// white with a black outline on a light desktop.
constexpr kit::Tint kBodyFill = kit::kPaper;
constexpr kit::Tint kBodyOutline = kit::kInk;

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
    : Page(window, messages, "timer555Page", QStringLiteral("555 Monostable/Astable ")) {
    buildMonostable();
    buildAstable();
    setTabOrder();
}

void Timer555Page::buildMonostable() {
    MonostableGroup& m = monostable_;
    m.frame = kit::frame(frame(), "monostableGroup", {0, 180, 3255, 3705}, QString());
    m.frame->setAccessibleName(QStringLiteral("555 monostable"));
    auto* draw = new kit::Drawing(m.frame);
    QWidget* g = m.frame;

    makeBold(kit::label(g, "monostableTitle", {180, 210, 2625, 255}, QStringLiteral("555 MONOSTABLE")));
    kit::label(g, "monostableModeCaption", {150, 540, 1335, 225}, QStringLiteral("Timing mode:"));
    m.fixedOption = kit::option(g, "monostableFixedOption", {390, 840, 1035, 225}, QStringLiteral("Fixed"),
                                QStringLiteral("Monostable fixed duration"));
    m.rangeOption = kit::option(g, "monostableRangeOption", {390, 1080, 1035, 225}, QStringLiteral("Range"),
                                QStringLiteral("Monostable duration range"));
    QLabel* durationCaption =
        kit::label(g, "monostableDurationCaption", {150, 1470, 1065, 255}, QStringLiteral("Pulse duration:"));
    setPixelSize(durationCaption, 9);
    m.minCaption = kit::label(g, "monostableMinCaption", {90, 1770, 315, 225}, QStringLiteral("Min"));
    m.maxCaption = kit::label(g, "monostableMaxCaption", {60, 2070, 315, 225}, QStringLiteral("Max"));
    m.duration = kit::textBox(g, "monostableDurationBox", {420, 1740, 735, 285}, QString(),
                              QStringLiteral("Pulse duration, milliseconds"), 7);
    m.maxDuration = kit::textBox(g, "monostableMaxDurationBox", {420, 2040, 735, 285}, QString(),
                                 QStringLiteral("Maximum pulse duration, milliseconds"), 7);
    kit::label(g, "monostableDurationUnit", {1200, 1800, 225, 225}, QStringLiteral("ms"));
    m.maxUnitCaption = kit::label(g, "monostableMaxDurationUnit", {1200, 2070, 225, 225}, QStringLiteral("ms"));
    m.formula = kit::label(g, "monostableFormula", {90, 2490, 1395, 495}, QString());
    setPixelSize(m.formula, 9);  // as the astable's formula, which needs it
    m.capacitor = kit::textBox(g, "monostableCapacitorBox", {2220, 2190, 405, 315}, QString(),
                               QStringLiteral("Monostable timing capacitor"), 3);
    m.capacitorUnit = kit::list(g, "monostableCapacitorUnitList", {2610, 2190, 555, 315},
                                QStringLiteral("Monostable capacitor unit"));
    makeNarrowList(m.capacitorUnit);
    m.calculate = kit::button(g, "monostableCalculateButton", {150, 3150, 1275, 375}, QStringLiteral("Calculate"),
                              QStringLiteral("Calculate monostable"));
    auto* note = kit::label(g, "monostableTriggerNote", {1530, 3150, 1605, 405},
                            QStringLiteral("Note: Trigger pulse must not exceed output pulse."));
    note->setWordWrap(true);
    setPixelSize(note, 8);  // small type

    QLabel* r1Symbol = kit::label(g, "monostableR1Symbol", {1500, 810, 285, 225}, QStringLiteral("R1"));
    m.vr1Symbol = kit::label(g, "monostableVr1Symbol", {1470, 1500, 315, 225}, QStringLiteral("VR1"));
    QLabel* capacitorSymbol = kit::label(g, "monostableCapacitorSymbol", {1560, 2220, 195, 225}, QStringLiteral("C"));
    for (QLabel* l : {r1Symbol, m.vr1Symbol, capacitorSymbol}) makeDrawingLabel(l);
    m.r1Value = valueLabel(g, "monostableR1Value", {2220, 840, 705, 195}, QStringLiteral("Monostable R1 value"));
    m.vr1Value = valueLabel(g, "monostableVr1Value", {2220, 1500, 705, 195}, QStringLiteral("Monostable VR1 value"));

    // What a screen reader says each box or list is for: the caption beside
    // it; the unit list has none, so its own name is spoken.
    durationCaption->setBuddy(m.duration);
    m.maxCaption->setBuddy(m.maxDuration);
    capacitorSymbol->setBuddy(m.capacitor);

    // The timing chain R1, (VR1), C on the vertical x = 1950.
    draw->addLine("monostableSupplyLead", 1950, 480, 1950, 690);
    m.r1Body = draw->addRect("monostableR1Body", Body(1860, 690), kBodyFill, kBodyOutline);
    draw->addLine("monostableR1ToVr1", 1950, 1140, 1950, 1350);
    m.vr1Body = draw->addRect("monostableVr1Body", Body(1860, 1350), kBodyFill, kBodyOutline);
    m.vr1Wiper = draw->addLine("monostableVr1Wiper", 2100, 1290, 1770, 1860);
    m.leadToCapacitor = draw->addLine("monostableLeadToCapacitor", 1950, 1350, 1950, 2280);
    draw->addLine("monostableCapacitorTopPlate", 1830, 2280, 2070, 2280);
    draw->addLine("monostableCapacitorBottomPlate", 1830, 2370, 2070, 2370);
    draw->addLine("monostableGroundLead", 1950, 2370, 1950, 2580);

    for (QLineEdit* box : {m.duration, m.maxDuration, m.capacitor}) kit::enterPresses(box, m.calculate);
    connect(m.fixedOption, &kit::OptionButton::selected, this, [this] { showMonostableRange(false); });
    connect(m.rangeOption, &kit::OptionButton::selected, this, [this] { showMonostableRange(true); });
    connect(m.calculate, &QPushButton::clicked, this, &Timer555Page::calculateMonostable);
}

void Timer555Page::buildAstable() {
    AstableGroup& a = astable_;
    a.frame = kit::frame(frame(), "astableGroup", {3240, 180, 3435, 3705}, QString());
    a.frame->setAccessibleName(QStringLiteral("555 astable"));
    auto* draw = new kit::Drawing(a.frame);
    QWidget* g = a.frame;

    makeBold(kit::label(g, "astableTitle", {150, 210, 2625, 255}, QStringLiteral("555 ASTABLE")));
    kit::label(g, "astableModeCaption", {150, 570, 1335, 225}, QStringLiteral("Astable mode:"));
    a.fixedOption = kit::option(g, "astableFixedOption", {360, 840, 1095, 225}, QStringLiteral("Fixed"),
                                QStringLiteral("Astable fixed frequency"));
    a.rangeOption = kit::option(g, "astableRangeOption", {360, 1080, 1035, 225}, QStringLiteral("Range"),
                                QStringLiteral("Astable frequency range"));
    QLabel* frequencyCaption =
        kit::label(g, "astableFrequencyCaption", {150, 1470, 855, 285}, QStringLiteral("Frequency:"));
    a.minCaption = kit::label(g, "astableMinCaption", {150, 1770, 315, 225}, QStringLiteral("Min"));
    a.maxCaption = kit::label(g, "astableMaxCaption", {120, 2070, 315, 225}, QStringLiteral("Max"));
    a.frequency =
        kit::textBox(g, "astableFrequencyBox", {480, 1740, 735, 285}, QString(), QStringLiteral("Frequency, hertz"), 7);
    a.maxFrequency = kit::textBox(g, "astableMaxFrequencyBox", {480, 2040, 735, 285}, QString(),
                                  QStringLiteral("Maximum frequency, hertz"), 7);
    kit::label(g, "astableFrequencyUnit", {1230, 1770, 255, 255}, QStringLiteral("Hz"));
    a.maxUnitCaption = kit::label(g, "astableMaxFrequencyUnit", {1230, 2070, 255, 255}, QStringLiteral("Hz"));
    a.formula = kit::label(g, "astableFormula", {30, 2490, 1665, 495}, QString());
    setPixelSize(a.formula, 9);  // the formula line is long for its box
    a.capacitor = kit::textBox(g, "astableCapacitorBox", {2400, 3060, 405, 315}, QString(),
                               QStringLiteral("Astable timing capacitor"), 3);
    a.capacitorUnit =
        kit::list(g, "astableCapacitorUnitList", {2790, 3060, 555, 315}, QStringLiteral("Astable capacitor unit"));
    makeNarrowList(a.capacitorUnit);
    a.calculate = kit::button(g, "astableCalculateButton", {150, 3150, 1275, 375}, QStringLiteral("Calculate"),
                              QStringLiteral("Calculate astable"));

    QLabel* r1Symbol = kit::label(g, "astableR1Symbol", {1770, 810, 285, 225}, QStringLiteral("R1"));
    QLabel* r2Symbol = kit::label(g, "astableR2Symbol", {1740, 1770, 285, 225}, QStringLiteral("R2"));
    a.vr1Symbol = kit::label(g, "astableVr1Symbol", {1740, 2370, 285, 225}, QStringLiteral("VR1"));
    QLabel* capacitorSymbol = kit::label(g, "astableCapacitorSymbol", {1770, 3090, 195, 225}, QStringLiteral("C"));
    for (QLabel* l : {r1Symbol, r2Symbol, a.vr1Symbol, capacitorSymbol}) makeDrawingLabel(l);
    a.r1Value = valueLabel(g, "astableR1Value", {2430, 810, 555, 195}, QStringLiteral("Astable R1 value"));
    a.r2Value = valueLabel(g, "astableR2Value", {2430, 1770, 705, 195}, QStringLiteral("Astable R2 value"));
    a.vr1Value = valueLabel(g, "astableVr1Value", {2430, 2370, 645, 195}, QStringLiteral("Astable VR1 value"));

    frequencyCaption->setBuddy(a.frequency);
    a.maxCaption->setBuddy(a.maxFrequency);
    capacitorSymbol->setBuddy(a.capacitor);

    // The timing chain R1, R2, (VR1), C on the vertical x = 2190.
    draw->addLine("astableSupplyLead", 2190, 480, 2190, 690);
    draw->addRect("astableR1Body", Body(2100, 690), kBodyFill, kBodyOutline);
    draw->addLine("astableR1ToR2", 2190, 1140, 2190, 1620);
    draw->addRect("astableR2Body", Body(2100, 1620), kBodyFill, kBodyOutline);
    a.r2ToVr1 = draw->addLine("astableR2ToVr1", 2190, 2070, 2190, 2220);
    a.vr1Body = draw->addRect("astableVr1Body", Body(2100, 2220), kBodyFill, kBodyOutline);
    a.vr1Wiper = draw->addLine("astableVr1Wiper", 2340, 2190, 2010, 2760);
    a.leadToCapacitor = draw->addLine("astableLeadToCapacitor", 2190, 2070, 2190, 3150);
    draw->addLine("astableCapacitorTopPlate", 2070, 3150, 2310, 3150);
    draw->addLine("astableCapacitorBottomPlate", 2070, 3240, 2310, 3240);
    draw->addLine("astableGroundLead", 2190, 3240, 2190, 3450);

    for (QLineEdit* box : {a.frequency, a.maxFrequency, a.capacitor}) kit::enterPresses(box, a.calculate);
    connect(a.fixedOption, &kit::OptionButton::selected, this, [this] { showAstableRange(false); });
    connect(a.rangeOption, &kit::OptionButton::selected, this, [this] { showAstableRange(true); });
    connect(a.calculate, &QPushButton::clicked, this, &Timer555Page::calculateAstable);
}

// Left group before right; in each, mode, then the inputs top to bottom,
// then the button.
void Timer555Page::setTabOrder() {
    const MonostableGroup& m = monostable_;
    const AstableGroup& a = astable_;
    QWidget* const order[] = {m.fixedOption,   m.rangeOption, m.duration,      m.maxDuration, m.capacitor,
                              m.capacitorUnit, m.calculate,   a.fixedOption,   a.rangeOption, a.frequency,
                              a.maxFrequency,  a.capacitor,   a.capacitorUnit, a.calculate};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Timer555Page::startUp() {
    AstableGroup& a = astable_;
    a.fixedOption->select();
    a.frequency->clear();
    a.maxFrequency->clear();
    a.vr1Value->clear();
    a.capacitor->setText(QStringLiteral("10"));
    a.capacitorUnit->clear();
    a.capacitorUnit->addItems({QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")});
    a.capacitorUnit->setCurrentIndex(kAstableNanofarads);
    a.formula->setText(QStringLiteral("Frequency\nf = 1.44 / (R1 + 2R2) C"));

    MonostableGroup& m = monostable_;
    m.fixedOption->select();
    m.duration->clear();
    m.maxDuration->clear();
    m.r1Value->clear();
    m.vr1Value->clear();
    m.capacitorUnit->clear();
    m.capacitorUnit->addItems({QStringLiteral("nF"), QStringLiteral("uF")});
    m.capacitorUnit->setCurrentIndex(kMonoNanofarads);
    m.capacitor->setText(QStringLiteral("10"));
    m.formula->setText(QStringLiteral("Pulse time\nt = 1.1CR secs"));
}

void Timer555Page::focusOnShow() { kit::focus(monostable_.duration); }

// ---- monostable -----------------------------------------------------------------

// The values stay: the fixed resistor R1 is the same in both layouts.
void Timer555Page::showMonostableRange(bool range) {
    MonostableGroup& m = monostable_;
    for (QWidget* w : std::initializer_list<QWidget*>{m.maxDuration, m.vr1Symbol, m.vr1Value, m.maxUnitCaption,
                                                      m.minCaption, m.maxCaption})
        w->setVisible(range);
    m.vr1Body->setVisible(range);
    m.vr1Wiper->setVisible(range);
    m.leadToCapacitor->setY1(range ? 1800 : 1350);  // from the foot of VR1, or straight on from R1
}

void Timer555Page::calculateMonostable() {
    MonostableGroup& m = monostable_;
    const Monostable555Outcome out =
        CalcMonostable555(kit::textOf(m.duration), kit::textOf(m.maxDuration), kit::textOf(m.capacitor),
                          m.capacitorUnit->currentIndex(), modeOf(m.rangeOption));

    if (out.durText) m.duration->setText(kit::qs(*out.durText));
    if (out.capText) m.capacitor->setText(kit::qs(*out.capText));
    if (out.r1Text) m.r1Value->setText(kit::qs(*out.r1Text));
    if (out.maxDurText) m.maxDuration->setText(kit::qs(*out.maxDurText));
    if (out.vr1Text) m.vr1Value->setText(kit::qs(*out.vr1Text));

    if (!out.failed) return;
    QLineEdit* box = m.capacitor;
    QLabel* emptied = nullptr;
    switch (*out.failed) {
        case Monostable555Check::Dur: box = m.duration; break;
        case Monostable555Check::MaxDur:
        case Monostable555Check::Order: box = m.maxDuration; break;
        case Monostable555Check::CapZero:
        case Monostable555Check::R1Low:
        case Monostable555Check::R1High: emptied = m.r1Value; break;
        case Monostable555Check::VR1Low:
        case Monostable555Check::VR1High: emptied = m.vr1Value; break;
    }
    reportWith(messages_, box, out.prompt, emptied);
}

// ---- astable ------------------------------------------------------------------

// Either way the design in view no longer fits: its values are emptied.
void Timer555Page::showAstableRange(bool range) {
    AstableGroup& a = astable_;
    for (QWidget* w : std::initializer_list<QWidget*>{a.vr1Symbol, a.vr1Value, a.maxFrequency, a.maxUnitCaption,
                                                      a.minCaption, a.maxCaption})
        w->setVisible(range);
    a.r2ToVr1->setVisible(range);
    a.vr1Wiper->setVisible(range);
    a.vr1Body->setVisible(range);
    a.leadToCapacitor->setY1(range ? 2670 : 2070);  // from the foot of VR1, or of R2
    a.r1Value->clear();
    a.r2Value->clear();
    if (range) a.vr1Value->clear();
}

void Timer555Page::calculateAstable() {
    AstableGroup& a = astable_;
    const Astable555Outcome out =
        CalcAstable555(kit::textOf(a.capacitor), a.capacitorUnit->currentIndex(), kit::textOf(a.frequency),
                       kit::textOf(a.maxFrequency), modeOf(a.rangeOption));

    if (out.freqText) a.frequency->setText(kit::qs(*out.freqText));
    if (out.r2Text) a.r2Value->setText(kit::qs(*out.r2Text));
    if (out.vr1Text) a.vr1Value->setText(kit::qs(*out.vr1Text));

    if (out.failed) {
        QLineEdit* box = a.capacitor;
        QLabel* emptied = nullptr;
        switch (*out.failed) {
            case Astable555Check::Freq: box = a.frequency; break;
            case Astable555Check::MaxFreq:
            case Astable555Check::Order: box = a.maxFrequency; break;
            case Astable555Check::CapZero:
            case Astable555Check::R2Low:
            case Astable555Check::R2High: emptied = a.r2Value; break;
            case Astable555Check::VR1Low:
            case Astable555Check::VR1High: emptied = a.vr1Value; break;
        }
        reportWith(messages_, box, out.prompt, emptied);
        return;
    }
    if (out.r1Text) a.r1Value->setText(kit::qs(*out.r1Text));
}

}  // namespace ohm
