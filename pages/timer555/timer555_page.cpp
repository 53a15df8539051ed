#include "pages/timer555/timer555_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <initializer_list>
#include <iterator>
#include <tuple>
#include <vector>

#include "pages/timer555/timer555_calc.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"

namespace ohm {

// When a control or drawn shape of a group is on show.
enum class Shown { Always, RangeOnly, Designing, FromParts };

struct Timer555Text {
    const char* name;  // object name
    kit::TwipRect rect;
    const char* text;  // caption, or the name a screen reader speaks
    Shown shown = Shown::Always;
};

struct Timer555LinePlan {
    const char* name;
    int x1, y1, x2, y2;
    Shown shown = Shown::Always;
};

// Everything that tells the two designers apart: names, captions and twip
// places. Each group is built, started and switched from its plan.
struct Timer555GroupPlan {
    Timer555Page::Circuit circuit;
    Timer555Text frame;  // text: the group's spoken name
    Timer555Text title, modeCaption;
    Timer555Text fixedOption, rangeOption, partsOption;  // text: the spoken name
    Timer555Text inputCaption;
    int inputCaptionPixels;  // 0: the window's size
    Timer555Text minCaption, maxCaption;
    Timer555Text input, maxInput;  // text: the spoken name
    const char* minInputName;      // the first box's name in Range mode, beside "Min"
    int inputLength;
    Timer555Text unit, maxUnit;
    Timer555Text formula;
    int formulaPixels;
    Timer555Text capacitor, capacitorUnit, calculate;  // text: the spoken name
    const char* note;  // the monostable's trigger advice, or none
    Timer555Text noteRect;
    std::vector<Timer555Text> symbols;  // the component names in the drawing, the capacitor's last
    Timer555Text r1Value, r2Value, vr1Value;  // r2Value.name null: no R2
    Timer555Text r1Box, r2Box;                 // from parts, in the values' place; text: the spoken name
    std::vector<Timer555Text> resultCaptions;
    std::vector<Timer555Text> results;  // text: the spoken name
    // The tolerance lists of working from parts, their captions, and the ranges
    // of the results: each figure's worst case, then its 95% of builds, under
    // the captions of the two rows.
    Timer555Text resistorToleranceCaption, resistorTolerance;  // list text: the spoken name
    Timer555Text capacitorToleranceCaption, capacitorTolerance;
    std::vector<Timer555Text> rangeCaptions;
    std::vector<Timer555Text> ranges;  // text: the spoken name
    // The drawing: resistor bodies (top left corners), then lines.
    std::vector<Timer555Text> bodies;  // text unused
    std::vector<Timer555LinePlan> leads;  // down the chain to the last resistor
    Timer555LinePlan wiper;
    Timer555LinePlan leadToCapacitor;  // y1 in Fixed mode
    int leadToCapacitorRangeTop;
    std::vector<Timer555LinePlan> capacitorLines;  // the plates and the lead out
    // Switching mode empties the astable's values: the design in view no
    // longer fits. The monostable's R1 is the same in both layouts.
    bool switchEmptiesValues;
    QStringList units;
    int startUnit;
    const char* formulaText;
};

namespace {

// Resistor bodies are boxes outlined like the drawn symbol on a schematic:
// white with a black outline on a light desktop.
constexpr kit::Tint kBodyFill = kit::kPaper;
constexpr kit::Tint kBodyOutline = kit::kInk;

// The rectangle of a drawn resistor body, 195 x 465 twips.
kit::TwipRect Body(int left, int top) { return {left, top, 195, 465}; }

const Timer555GroupPlan kMonostablePlan{
    Timer555Page::Circuit::Monostable,
    {"monostableGroup", {0, 180, 3255, 3705}, "555 monostable"},
    {"monostableTitle", {180, 210, 2625, 255}, "555 MONOSTABLE"},
    {"monostableModeCaption", {150, 480, 1335, 225}, "Timing mode:"},
    {"monostableFixedOption", {390, 720, 1035, 225}, "Monostable fixed duration"},
    {"monostableRangeOption", {390, 960, 1035, 225}, "Monostable duration range"},
    {"monostablePartsOption", {390, 1200, 1200, 225}, "Monostable from parts"},
    {"monostableDurationCaption", {150, 1470, 1065, 255}, "Pulse duration:"},
    9,
    {"monostableMinCaption", {90, 1770, 315, 225}, "Min", Shown::RangeOnly},
    {"monostableMaxCaption", {60, 2070, 315, 225}, "Max", Shown::RangeOnly},
    {"monostableDurationBox", {420, 1740, 735, 285}, "Pulse duration, milliseconds", Shown::Designing},
    {"monostableMaxDurationBox", {420, 2040, 735, 285}, "Maximum pulse duration, milliseconds", Shown::RangeOnly},
    "Minimum pulse duration, milliseconds",
    7,
    {"monostableDurationUnit", {1200, 1800, 225, 225}, "ms", Shown::Designing},
    {"monostableMaxDurationUnit", {1200, 2070, 225, 225}, "ms", Shown::RangeOnly},
    {"monostableFormula", {90, 2490, 1395, 495}, nullptr, Shown::Designing},  // the ranges take its place
    9,  // as the astable's formula, which needs it
    {"monostableCapacitorBox", {2220, 2190, 405, 315}, "Monostable timing capacitor"},
    {"monostableCapacitorUnitList", {2610, 2190, 555, 315}, "Monostable capacitor unit"},
    {"monostableCalculateButton", {150, 3150, 1275, 375}, "Calculate monostable"},
    "Note: Trigger pulse must not exceed output pulse.",
    {"monostableTriggerNote", {1530, 3150, 1605, 405}, nullptr},
    {{"monostableR1Symbol", {1500, 810, 285, 225}, "R1"},
     {"monostableVr1Symbol", {1470, 1500, 315, 225}, "VR1", Shown::RangeOnly},
     {"monostableCapacitorSymbol", {1560, 2220, 195, 225}, "C"}},
    {"monostableR1Value", {2220, 840, 705, 195}, "Monostable R1 value", Shown::Designing},
    {nullptr, {}, nullptr},
    {"monostableVr1Value", {2220, 1500, 705, 195}, "Monostable VR1 value", Shown::RangeOnly},
    {"monostableR1Box", {2220, 780, 855, 285}, "Monostable R1", Shown::FromParts},
    {nullptr, {}, nullptr},
    {},
    {{"monostablePulseResult", {420, 1770, 1380, 225}, "Monostable pulse duration", Shown::FromParts}},
    {"monostableResistorToleranceCaption", {2220, 1110, 855, 195}, "Resistor", Shown::FromParts},
    {"monostableResistorToleranceList", {2220, 1305, 855, 285}, "Monostable resistor tolerance", Shown::FromParts},
    {"monostableCapacitorToleranceCaption", {2220, 2550, 855, 195}, "Capacitor", Shown::FromParts},
    {"monostableCapacitorToleranceList", {2220, 2745, 855, 285}, "Monostable capacitor tolerance", Shown::FromParts},
    {{"monostableWorstCaption", {150, 2490, 450, 225}, "Worst", Shown::FromParts},
     {"monostableBuildsCaption", {150, 2730, 450, 225}, "95%", Shown::FromParts}},
    {{"monostablePulseWorst", {600, 2490, 1290, 225}, "Monostable pulse, worst case", Shown::FromParts},
     {"monostablePulseBuilds", {600, 2730, 1290, 225}, "Monostable pulse, 95% of builds", Shown::FromParts}},
    // The timing chain R1, (VR1), C on the vertical x = 1950.
    {{"monostableR1Body", Body(1860, 690), nullptr},
     {"monostableVr1Body", Body(1860, 1350), nullptr, Shown::RangeOnly}},
    {{"monostableSupplyLead", 1950, 480, 1950, 690},
     {"monostableR1ToVr1", 1950, 1140, 1950, 1350}},
    {"monostableVr1Wiper", 2100, 1290, 1770, 1860, Shown::RangeOnly},
    {"monostableLeadToCapacitor", 1950, 1350, 1950, 2280},  // straight on from R1
    1800,                                                    // from the foot of VR1
    {{"monostableCapacitorTopPlate", 1830, 2280, 2070, 2280},
     {"monostableCapacitorBottomPlate", 1830, 2370, 2070, 2370},
     {"monostableGroundLead", 1950, 2370, 1950, 2580}},
    false,
    {QStringLiteral("nF"), QStringLiteral("uF")},
    kMonoNanofarads,
    "Pulse time\nt = 1.1CR secs",
};

const Timer555GroupPlan kAstablePlan{
    Timer555Page::Circuit::Astable,
    {"astableGroup", {3240, 180, 3435, 3705}, "555 astable"},
    {"astableTitle", {150, 210, 2625, 255}, "555 ASTABLE"},
    {"astableModeCaption", {150, 480, 1335, 225}, "Astable mode:"},
    {"astableFixedOption", {360, 720, 1095, 225}, "Astable fixed frequency"},
    {"astableRangeOption", {360, 960, 1035, 225}, "Astable frequency range"},
    {"astablePartsOption", {360, 1200, 1200, 225}, "Astable from parts"},
    {"astableFrequencyCaption", {150, 1470, 855, 285}, "Frequency:"},
    0,
    {"astableMinCaption", {150, 1770, 315, 225}, "Min", Shown::RangeOnly},
    {"astableMaxCaption", {120, 2070, 315, 225}, "Max", Shown::RangeOnly},
    {"astableFrequencyBox", {480, 1740, 735, 285}, "Frequency, hertz", Shown::Designing},
    {"astableMaxFrequencyBox", {480, 2040, 735, 285}, "Maximum frequency, hertz", Shown::RangeOnly},
    "Minimum frequency, hertz",
    7,
    {"astableFrequencyUnit", {1230, 1770, 255, 255}, "Hz", Shown::Designing},
    {"astableMaxFrequencyUnit", {1230, 2070, 255, 255}, "Hz", Shown::RangeOnly},
    {"astableFormula", {30, 2490, 1665, 495}, nullptr, Shown::Designing},  // the ranges take its place
    9,  // the formula line is long for its box
    {"astableCapacitorBox", {2400, 3060, 405, 315}, "Astable timing capacitor"},
    {"astableCapacitorUnitList", {2790, 3060, 555, 315}, "Astable capacitor unit"},
    {"astableCalculateButton", {150, 3150, 1275, 375}, "Calculate astable"},
    nullptr,
    {nullptr, {}, nullptr},
    {{"astableR1Symbol", {1770, 810, 285, 225}, "R1"},
     {"astableR2Symbol", {1740, 1770, 285, 225}, "R2"},
     {"astableVr1Symbol", {1740, 2370, 285, 225}, "VR1", Shown::RangeOnly},
     {"astableCapacitorSymbol", {1770, 3090, 195, 225}, "C"}},
    {"astableR1Value", {2430, 810, 555, 195}, "Astable R1 value", Shown::Designing},
    {"astableR2Value", {2430, 1770, 705, 195}, "Astable R2 value", Shown::Designing},
    {"astableVr1Value", {2430, 2370, 645, 195}, "Astable VR1 value", Shown::RangeOnly},
    {"astableR1Box", {2430, 765, 855, 285}, "Astable R1", Shown::FromParts},
    {"astableR2Box", {2430, 1725, 855, 285}, "Astable R2", Shown::FromParts},
    // The frequency beside its caption; the rest in the rows of the boxes.
    {{"astableDutyCaption", {150, 1770, 420, 225}, "Duty", Shown::FromParts},
     {"astableHighCaption", {150, 2010, 420, 225}, "High", Shown::FromParts},
     {"astableLowCaption", {150, 2250, 420, 225}, "Low", Shown::FromParts}},
    {{"astableFrequencyResult", {1050, 1500, 990, 225}, "Astable frequency", Shown::FromParts},
     {"astableDutyResult", {600, 1770, 1080, 225}, "Astable duty cycle", Shown::FromParts},
     {"astableHighResult", {600, 2010, 1080, 225}, "Astable time high", Shown::FromParts},
     {"astableLowResult", {600, 2250, 1080, 225}, "Astable time low", Shown::FromParts}},
    {"astableResistorToleranceCaption", {2430, 1080, 855, 195}, "Resistors", Shown::FromParts},
    {"astableResistorToleranceList", {2430, 1275, 855, 285}, "Astable resistor tolerance", Shown::FromParts},
    {"astableCapacitorToleranceCaption", {2430, 2025, 855, 195}, "Capacitor", Shown::FromParts},
    {"astableCapacitorToleranceList", {2430, 2205, 855, 285}, "Astable capacitor tolerance", Shown::FromParts},
    {{"astableWorstCaption", {150, 2490, 450, 225}, "Worst", Shown::FromParts},
     {"astableBuildsCaption", {150, 2730, 450, 225}, "95%", Shown::FromParts}},
    {{"astableFrequencyWorst", {600, 2490, 1470, 225}, "Astable frequency, worst case", Shown::FromParts},
     {"astableFrequencyBuilds", {600, 2730, 1470, 225}, "Astable frequency, 95% of builds", Shown::FromParts},
     {"astableDutyWorst", {2280, 2490, 1125, 225}, "Astable duty cycle, worst case", Shown::FromParts},
     {"astableDutyBuilds", {2280, 2730, 1125, 225}, "Astable duty cycle, 95% of builds", Shown::FromParts}},
    // The timing chain R1, R2, (VR1), C on the vertical x = 2190.
    {{"astableR1Body", Body(2100, 690), nullptr},
     {"astableR2Body", Body(2100, 1620), nullptr},
     {"astableVr1Body", Body(2100, 2220), nullptr, Shown::RangeOnly}},
    {{"astableSupplyLead", 2190, 480, 2190, 690},
     {"astableR1ToR2", 2190, 1140, 2190, 1620},
     {"astableR2ToVr1", 2190, 2070, 2190, 2220, Shown::RangeOnly}},
    {"astableVr1Wiper", 2340, 2190, 2010, 2760, Shown::RangeOnly},
    {"astableLeadToCapacitor", 2190, 2070, 2190, 3150},  // from the foot of R2
    2670,                                                 // from the foot of VR1
    {{"astableCapacitorTopPlate", 2070, 3150, 2310, 3150},
     {"astableCapacitorBottomPlate", 2070, 3240, 2310, 3240},
     {"astableGroundLead", 2190, 3240, 2190, 3450}},
    true,
    {QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("uF")},
    kAstableNanofarads,
    "Frequency\nf = 1.44 / (R1 + 2R2) C",
};

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

QString text(const char* t) { return QString::fromUtf8(t); }

QLabel* caption(QWidget* parent, const Timer555Text& t) { return kit::label(parent, t.name, t.rect, text(t.text)); }

QLabel* valueLabel(QWidget* parent, const Timer555Text& t) {
    QLabel* l = kit::label(parent, t.name, t.rect, QString(), text(t.text));
    makeDrawingLabel(l);
    kit::copyable(l);
    return l;
}

Timer555Mode designerMode(Timer555Page::Mode mode) {
    return mode == Timer555Page::Mode::Range ? Timer555Mode::Range : Timer555Mode::Fixed;
}

}  // namespace

Timer555Page::Timer555Page(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "timer555Page", QStringLiteral("555 Monostable/Astable ")) {
    build(monostable_, kMonostablePlan);
    build(astable_, kAstablePlan);
    setTabOrder();
}

void Timer555Page::build(Group& g, const Timer555GroupPlan& plan) {
    g.plan = &plan;
    g.frame = kit::frame(frame(), plan.frame.name, plan.frame.rect, QString());
    g.frame->setAccessibleName(text(plan.frame.text));
    auto* draw = new kit::Drawing(g.frame);
    QWidget* p = g.frame;
    // Each control joins the list of the modes it is shown in.
    auto sort = [&g](QWidget* w, const Timer555Text& t) {
        switch (t.shown) {
            case Shown::Always: break;
            case Shown::RangeOnly: g.rangeControls.push_back(w); break;
            case Shown::Designing: g.designControls.push_back(w); break;
            case Shown::FromParts: g.partsControls.push_back(w); break;
        }
        return w;
    };

    makeBold(caption(p, plan.title));
    caption(p, plan.modeCaption);
    g.fixedOption = kit::option(p, plan.fixedOption.name, plan.fixedOption.rect, QStringLiteral("Fixed"),
                                text(plan.fixedOption.text));
    g.rangeOption = kit::option(p, plan.rangeOption.name, plan.rangeOption.rect, QStringLiteral("Range"),
                                text(plan.rangeOption.text));
    g.partsOption = kit::option(p, plan.partsOption.name, plan.partsOption.rect, QStringLiteral("From parts"),
                                text(plan.partsOption.text));
    QLabel* inputCaption = caption(p, plan.inputCaption);
    if (plan.inputCaptionPixels > 0) setPixelSize(inputCaption, plan.inputCaptionPixels);
    sort(caption(p, plan.minCaption), plan.minCaption);
    auto* maxCaption = static_cast<QLabel*>(sort(caption(p, plan.maxCaption), plan.maxCaption));
    g.input = kit::textBox(p, plan.input.name, plan.input.rect, QString(), text(plan.input.text), plan.inputLength);
    sort(g.input, plan.input);
    g.maxInput = kit::textBox(p, plan.maxInput.name, plan.maxInput.rect, QString(), text(plan.maxInput.text),
                              plan.inputLength);
    sort(g.maxInput, plan.maxInput);
    sort(caption(p, plan.unit), plan.unit);
    sort(caption(p, plan.maxUnit), plan.maxUnit);
    g.formula = static_cast<QLabel*>(sort(kit::label(p, plan.formula.name, plan.formula.rect, QString()), plan.formula));
    setPixelSize(g.formula, plan.formulaPixels);
    g.capacitor = kit::textBox(p, plan.capacitor.name, plan.capacitor.rect, QString(), text(plan.capacitor.text), 3);
    g.capacitorUnit = kit::list(p, plan.capacitorUnit.name, plan.capacitorUnit.rect, text(plan.capacitorUnit.text));
    makeNarrowList(g.capacitorUnit);
    g.calculate = kit::button(p, plan.calculate.name, plan.calculate.rect, QStringLiteral("Calculate"),
                              text(plan.calculate.text));
    if (plan.note != nullptr) {
        QLabel* note = kit::label(p, plan.noteRect.name, plan.noteRect.rect, text(plan.note));
        note->setWordWrap(true);
        setPixelSize(note, 8);  // small type
    }

    std::vector<QLabel*> symbols;  // R1, the astable's R2, VR1, C
    for (const Timer555Text& s : plan.symbols) {
        symbols.push_back(caption(p, s));
        makeDrawingLabel(symbols.back());
        sort(symbols.back(), s);
    }
    QLabel* capacitorSymbol = symbols.back();
    g.r1Value = valueLabel(p, plan.r1Value);
    sort(g.r1Value, plan.r1Value);
    if (plan.r2Value.name != nullptr) g.r2Value = valueLabel(p, plan.r2Value);
    if (g.r2Value != nullptr) sort(g.r2Value, plan.r2Value);
    g.vr1Value = valueLabel(p, plan.vr1Value);
    sort(g.vr1Value, plan.vr1Value);

    // Working from parts: the values beside R1 and R2 become boxes (8
    // characters: "10000000"), and the results take the designer's inputs'
    // place.
    auto partBox = [&](const Timer555Text& t, QLabel* symbol) {
        QLineEdit* box = kit::textBox(p, t.name, t.rect, QString(), text(t.text), 8);
        sort(box, t);
        symbol->setBuddy(box);
        kit::enterPresses(box, g.calculate);
        return box;
    };
    g.r1Box = partBox(plan.r1Box, symbols[0]);
    if (plan.r2Box.name != nullptr) g.r2Box = partBox(plan.r2Box, symbols[1]);
    for (const Timer555Text& c : plan.resultCaptions) sort(caption(p, c), c);
    for (const Timer555Text& r : plan.results) {
        QLabel* result = kit::label(p, r.name, r.rect, QString(), text(r.text));
        kit::copyable(result);
        g.results.push_back(static_cast<QLabel*>(sort(result, r)));
    }

    auto toleranceList = [&](const Timer555Text& caption, const Timer555Text& t) {
        QComboBox* list = kit::list(p, t.name, t.rect, text(t.text));
        QLabel* c = static_cast<QLabel*>(sort(kit::label(p, caption.name, caption.rect, text(caption.text)), caption));
        makeDrawingLabel(c);
        c->setBuddy(list);
        sort(list, t);
        connect(list, &QComboBox::currentIndexChanged, this, [this, &g] { rangeParts(g); });
        return list;
    };
    g.resistorTolerance = toleranceList(plan.resistorToleranceCaption, plan.resistorTolerance);
    g.capacitorTolerance = toleranceList(plan.capacitorToleranceCaption, plan.capacitorTolerance);
    std::vector<QLabel*> rowCaptions;
    // Captions that label another label keep names of their own, so they are not spoken as what they label.
    for (const Timer555Text& c : plan.rangeCaptions)
        rowCaptions.push_back(
            static_cast<QLabel*>(sort(kit::label(p, c.name, c.rect, text(c.text), text(c.text)), c)));
    for (const Timer555Text& r : plan.ranges) {
        QLabel* range = kit::label(p, r.name, r.rect, QString(), text(r.text));
        kit::copyable(range);
        kit::smallType(range);
        g.ranges.push_back(static_cast<QLabel*>(sort(range, r)));
    }
    // Each row's caption names its first range; the others are spoken by their own names.
    for (std::size_t i = 0; i < rowCaptions.size() && i < g.ranges.size(); ++i) rowCaptions[i]->setBuddy(g.ranges[i]);

    // What a screen reader says each box or list is for: the caption beside
    // it; the unit list has none, so its own name is spoken.
    inputCaption->setBuddy(g.input);
    maxCaption->setBuddy(g.maxInput);
    capacitorSymbol->setBuddy(g.capacitor);

    auto addLine = [&g, draw](const Timer555LinePlan& l) {
        kit::Line* line = draw->addLine(l.name, l.x1, l.y1, l.x2, l.y2);
        if (l.shown == Shown::RangeOnly) g.rangeShapes.push_back(line);
        return line;
    };
    for (const Timer555Text& b : plan.bodies) {
        kit::Shape* body = draw->addRect(b.name, b.rect, kBodyFill, kBodyOutline);
        if (b.shown == Shown::RangeOnly) g.rangeShapes.push_back(body);
    }
    for (const Timer555LinePlan& l : plan.leads) addLine(l);
    addLine(plan.wiper);
    g.leadToCapacitor = addLine(plan.leadToCapacitor);
    for (const Timer555LinePlan& l : plan.capacitorLines) addLine(l);

    for (QLineEdit* box : {g.input, g.maxInput, g.capacitor}) kit::enterPresses(box, g.calculate);
    connect(g.fixedOption, &kit::OptionButton::selected, this, [this, &g] { setMode(g, Mode::Fixed); });
    connect(g.rangeOption, &kit::OptionButton::selected, this, [this, &g] { setMode(g, Mode::Range); });
    connect(g.partsOption, &kit::OptionButton::selected, this, [this, &g] { setMode(g, Mode::FromParts); });
    connect(g.calculate, &QPushButton::clicked, this, [this, &g] {
        if (g.mode == Mode::FromParts)
            calculateFromParts(g);
        else if (g.plan->circuit == Circuit::Astable)
            calculateAstable();
        else
            calculateMonostable();
    });
}

// Left group before right; in each, mode, then the inputs top to bottom
// (from parts: down the chain R1, R2, C, then the tolerances), then the button.
void Timer555Page::setTabOrder() {
    std::vector<QWidget*> order;
    for (const Group* g : {&monostable_, &astable_}) {
        order.insert(order.end(), {g->fixedOption, g->rangeOption, g->partsOption, g->input, g->maxInput, g->r1Box});
        if (g->r2Box != nullptr) order.push_back(g->r2Box);
        order.insert(order.end(),
                     {g->capacitor, g->capacitorUnit, g->resistorTolerance, g->capacitorTolerance, g->calculate});
    }
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Timer555Page::startUp() {
    startUp(astable_);
    startUp(monostable_);
}

void Timer555Page::startUp(Group& g) {
    const Timer555GroupPlan& plan = *g.plan;
    g.fixedOption->select();
    g.input->clear();
    g.maxInput->clear();
    for (QLabel* value : {g.r1Value, g.r2Value, g.vr1Value})
        if (value != nullptr) value->clear();
    g.capacitor->setText(QStringLiteral("10"));
    g.capacitorUnit->clear();
    g.capacitorUnit->addItems(plan.units);
    g.capacitorUnit->setCurrentIndex(plan.startUnit);
    g.formula->setText(text(plan.formulaText));
    for (auto [list, entries, start] : {std::tuple(g.resistorTolerance, kResistorTolerances.data(),
                                                   std::size(kResistorTolerances)),
                                        std::tuple(g.capacitorTolerance, kCapacitorTolerances.data(),
                                                   std::size(kCapacitorTolerances))}) {
        list->clear();
        for (std::size_t i = 0; i < start; ++i) list->addItem(kit::qs(entries[i]));
    }
    g.resistorTolerance->setCurrentIndex(kStartResistorTolerance);
    g.capacitorTolerance->setCurrentIndex(kStartCapacitorTolerance);
}

// The first box of the left group in its mode.
void Timer555Page::focusOnShow() {
    kit::focus(monostable_.mode == Mode::FromParts ? monostable_.r1Box : monostable_.input);
}

void Timer555Page::setMode(Group& g, Mode mode) {
    g.mode = mode;
    showControlsFor(g);
    // The capacitor may have changed since the last results: they go, the
    // typed parts stay.
    if (mode == Mode::FromParts) {
        for (QLabel* r : g.results) r->clear();
        showRanges(g, std::nullopt);
    }
    if (g.plan->switchEmptiesValues) {
        g.r1Value->clear();
        g.r2Value->clear();
        if (mode == Mode::Range) g.vr1Value->clear();
    }
}

// The controls the group's mode needs, and the lead to the capacitor from
// the foot of the chain in view.
void Timer555Page::showControlsFor(Group& g) {
    const bool range = g.mode == Mode::Range;
    const bool parts = g.mode == Mode::FromParts;
    for (QWidget* w : g.designControls) w->setVisible(!parts);
    for (QWidget* w : g.partsControls) w->setVisible(parts);
    for (QWidget* w : g.rangeControls) w->setVisible(range);
    for (kit::Shape* s : g.rangeShapes) s->setVisible(range);
    g.leadToCapacitor->setY1(range ? g.plan->leadToCapacitorRangeTop : g.plan->leadToCapacitor.y1);
    g.input->setAccessibleName(text(range ? g.plan->minInputName : g.plan->input.text));
}

// A failed check of either group, handed back through its own boxes and labels.
template <typename Check>
void Timer555Page::report(Group& g, const Timer555Failure<Check>& failure) {
    Page::report(
        failure,
        [&g](Timer555Box box) {
            switch (box) {
                case Timer555Box::Input: return g.input;
                case Timer555Box::MaxInput: return g.maxInput;
                case Timer555Box::R1: return g.r1Box;
                case Timer555Box::R2: return g.r2Box != nullptr ? g.r2Box : g.capacitor;
                case Timer555Box::Capacitor: break;
            }
            return g.capacitor;
        },
        [&g](Timer555Label label) {
            switch (label) {
                case Timer555Label::R1Value: return std::vector<QLabel*>{g.r1Value};
                case Timer555Label::R2Value:
                    return g.r2Value != nullptr ? std::vector<QLabel*>{g.r2Value} : std::vector<QLabel*>();
                case Timer555Label::VR1Value: return std::vector<QLabel*>{g.vr1Value};
                case Timer555Label::Results: break;
            }
            std::vector<QLabel*> results = g.results;
            results.insert(results.end(), g.ranges.begin(), g.ranges.end());
            return results;
        });
}

// The ranges of the parts on screen, or none.
void Timer555Page::showRanges(Group& g, const std::optional<PartsRanges>& ranges) {
    for (std::size_t i = 0; i < g.ranges.size(); ++i)
        g.ranges[i]->setText(ranges && i < ranges->texts.size() ? kit::qs(ranges->texts[i]) : QString());
    if (!ranges) g.shownParts.reset();
}

void Timer555Page::rangeParts(Group& g) {
    if (!g.shownParts) return;
    const int r = g.resistorTolerance->currentIndex(), c = g.capacitorTolerance->currentIndex();
    showRanges(g, g.plan->circuit == Circuit::Astable ? AstableRanges(*g.shownParts, r, c)
                                                      : MonostableRanges(*g.shownParts, r, c));
}

// Both groups alike: the boxes as read, then the results; at the first
// failed check every result is emptied and the box pointed at selected.
void Timer555Page::calculateFromParts(Group& g) {
    const bool astable = g.plan->circuit == Circuit::Astable;
    const int unit = g.capacitorUnit->currentIndex();
    const int r = g.resistorTolerance->currentIndex(), c = g.capacitorTolerance->currentIndex();
    const PartsOutcome out =
        astable ? AstableFromParts(kit::textOf(g.r1Box), kit::textOf(g.r2Box), kit::textOf(g.capacitor), unit, r, c)
                : MonostableFromParts(kit::textOf(g.r1Box), kit::textOf(g.capacitor), unit, r, c);

    if (out.r1Text) g.r1Box->setText(kit::qs(*out.r1Text));
    if (out.r2Text) g.r2Box->setText(kit::qs(*out.r2Text));
    if (out.capText) g.capacitor->setText(kit::qs(*out.capText));
    for (std::size_t i = 0; i < g.results.size() && i < out.results.size(); ++i)
        g.results[i]->setText(kit::qs(out.results[i]));

    if (out.failure) {
        g.shownParts.reset();
        report(g, *out.failure);
        return;
    }
    g.shownParts = out.parts;
    showRanges(g, out.ranges);
}

// ---- monostable -----------------------------------------------------------------

void Timer555Page::calculateMonostable() {
    Group& m = monostable_;
    const Monostable555Outcome out =
        CalcMonostable555(kit::textOf(m.input), kit::textOf(m.maxInput), kit::textOf(m.capacitor),
                          m.capacitorUnit->currentIndex(), designerMode(m.mode));

    if (out.durText) m.input->setText(kit::qs(*out.durText));
    if (out.capText) m.capacitor->setText(kit::qs(*out.capText));
    if (out.r1Text) m.r1Value->setText(kit::qs(*out.r1Text));
    if (out.maxDurText) m.maxInput->setText(kit::qs(*out.maxDurText));
    if (out.vr1Text) m.vr1Value->setText(kit::qs(*out.vr1Text));

    if (out.failure) report(m, *out.failure);
}

// ---- astable ------------------------------------------------------------------

void Timer555Page::calculateAstable() {
    Group& a = astable_;
    const Astable555Outcome out =
        CalcAstable555(kit::textOf(a.capacitor), a.capacitorUnit->currentIndex(), kit::textOf(a.input),
                       kit::textOf(a.maxInput), designerMode(a.mode));

    if (out.freqText) a.input->setText(kit::qs(*out.freqText));
    if (out.r2Text) a.r2Value->setText(kit::qs(*out.r2Text));
    if (out.vr1Text) a.vr1Value->setText(kit::qs(*out.vr1Text));

    if (out.failure) {
        report(a, *out.failure);
        return;
    }
    if (out.r1Text) a.r1Value->setText(kit::qs(*out.r1Text));
}

}  // namespace ohm
