#include "pages/capacitors/capacitors_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "kit/drawing.h"
#include "kit/messages.h"
#include "pages/capacitors/cap_marking_calc.h"
#include "kit/kit.h"
#include "kit/widgets.h"
#include "values/series.h"

namespace ohm {
namespace {

// Places of the circuit pictures (twips in the page frame) and of the graph
// frame; the labels sit on the pictures' terminals.
constexpr kit::TwipRect kDischargeCircuit{450, 720, 960, 1890};
constexpr kit::TwipRect kChargeCircuit{1830, 720, 1110, 1890};
constexpr kit::TwipRect kGraphFrame{3480, 240, 3105, 2415};
// In the graph frame: the picture, the marker's fixed height, the time label.
constexpr kit::TwipRect kGraphPicture{160, 270, 2850, 1695};
constexpr int kMarkerTop = 180;
constexpr int kMarkerBottom = 2100;
constexpr int kTimeLabelTop = 2040;
constexpr int kTimeLabelHeight = 195;

constexpr int kCaptionTop = 2940;
constexpr int kBoxTop = 3150;
constexpr int kBoxHeight = 315;
// The marking's row under the inputs, and the RC readouts over the circuits.
constexpr int kMarkingTop = 3525;
constexpr int kMarkingTextTop = 3570;
constexpr int kRcTop = 270;

template <std::size_t N>
void fill(QComboBox* list, const std::array<std::string_view, N>& entries) {
    // Filling must not pick an entry: the page reads "no unit" until start-up
    // selects one, and that selection is what refreshes the outputs.
    const QSignalBlocker quiet(list);
    list->clear();
    for (std::string_view e : entries) list->addItem(kit::qs(e));
    list->setCurrentIndex(-1);
}

}  // namespace

CapacitorsPage::CapacitorsPage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "capacitorsPage", QStringLiteral("Capacitor Timings ")) {
    buildCircuits();
    buildGraph();
    buildInputs();
    connectHandlers();
}

void CapacitorsPage::buildCircuits() {
    QWidget* f = frame();
    drawing()->addPicture("dischargeCircuitPicture", kDischargeCircuit,
                          QStringLiteral(":/assets/capacitor_discharge.svg"));
    drawing()->addPicture("chargeCircuitPicture", kChargeCircuit, QStringLiteral(":/assets/capacitor_charge.svg"));

    // Supply labels over the top terminals, "0v" under the bottom ones.
    dischargeSupplyLabel_ = kit::label(f, "dischargeSupplyLabel", {510, 510, 480, 195}, QStringLiteral("10v"),
                                       QStringLiteral("Supply, discharging circuit"));
    chargeSupplyLabel_ = kit::label(f, "chargeSupplyLabel", {1940, 510, 480, 195}, QStringLiteral("10v"),
                                    QStringLiteral("Supply, charging circuit"));
    auto* dischargeZero = kit::label(f, "dischargeZeroLabel", {600, 2625, 300, 195}, QStringLiteral("0v"),
                                     QStringLiteral("Zero volt rail, discharging circuit"));
    auto* chargeZero = kit::label(f, "chargeZeroLabel", {2030, 2625, 300, 195}, QStringLiteral("0v"),
                                  QStringLiteral("Zero volt rail, charging circuit"));
    for (QLabel* l : {dischargeSupplyLabel_, chargeSupplyLabel_, dischargeZero, chargeZero})
        l->setAlignment(Qt::AlignCenter);

    // Outputs beside the output terminals.
    dischargeVoltageLabel_ = kit::label(f, "dischargeVoltageLabel", {1305, 1380, 690, 195}, QString(),
                                        QStringLiteral("Discharging capacitor voltage"));
    chargeVoltageLabel_ = kit::label(f, "chargeVoltageLabel", {2785, 1820, 690, 195}, QString(),
                                     QStringLiteral("Charging capacitor voltage"));
    kit::copyable(dischargeVoltageLabel_);
    kit::copyable(chargeVoltageLabel_);

    // What R and C make together, over both circuits.
    kit::label(f, "timeConstantCaption", {180, kRcTop, 660, 225}, QStringLiteral("T = RC:"));
    timeConstantLabel_ = kit::label(f, "timeConstantLabel", {855, kRcTop, 825, 225}, QString(),
                                    QStringLiteral("Time constant"));
    kit::label(f, "cutOffCaption", {1710, kRcTop, 600, 225}, QStringLiteral("Cut-off:"));
    cutOffLabel_ = kit::label(f, "cutOffLabel", {2310, kRcTop, 1110, 225}, QString(),
                              QStringLiteral("Cut-off frequency"));
    kit::copyable(timeConstantLabel_);
    kit::copyable(cutOffLabel_);

    kit::label(f, "formulaLabel", {3480, 2685, 3105, 255},
               QStringLiteral("Formula:                       V = Vo Exp(-t/T)"),
               QStringLiteral("Formula: V equals Vo times e to the minus t over T"));
}

void CapacitorsPage::buildGraph() {
    QGroupBox* graph = kit::frame(frame(), "graphFrame", kGraphFrame, QString());
    graph->setAccessibleName(QStringLiteral("Graph of discharge and charge"));
    // The graph's curves keep their colours, so on a dark desktop it stays on
    // light ground, marker and time label dark on it.
    kit::lightCard(graph);
    auto* graphDrawing = new kit::Drawing(graph);
    graphDrawing->addPicture("graphPicture", kGraphPicture, QStringLiteral(":/assets/capacitor_graph.svg"));
    timeMarker_ = graphDrawing->addLine("timeMarker", kGraphStartX, kMarkerTop, kGraphStartX, kMarkerBottom);
    timeMarkerLabel_ = kit::label(graph, "timeMarkerLabel",
                                  {kGraphStartX - 210, kTimeLabelTop, kTimeLabelWidth, kTimeLabelHeight},
                                  QStringLiteral("Time"), QStringLiteral("Time marked on the graph"));
    timeMarkerLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label is only 465 (645 with ">>") twips wide: a narrower face keeps
    // "100ms" and "990ms>>" whole.
    QFont narrow = timeMarkerLabel_->font();
    narrow.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    narrow.setPixelSize(9);
    timeMarkerLabel_->setFont(narrow);
}

void CapacitorsPage::buildInputs() {
    QWidget* f = frame();
    // Left to right: supply, time, capacitance, resistance; each a caption
    // over its box, spin button and (but the supply) unit list. The caption
    // labels the box; a unit list has no caption of its own, so it carries a
    // description as well, for screen readers that speak a list by its entry.
    QLabel* caption = kit::label(f, "supplyCaption", {240, kCaptionTop, 825, 195}, QStringLiteral("Vsupply"));
    supplyBox_ = kit::textBox(f, "supplyBox", {240, kBoxTop, 570, kBoxHeight}, QStringLiteral("10"),
                              QStringLiteral("Supply voltage, volts"));
    caption->setBuddy(supplyBox_);
    supplySpin_ = kit::spin(f, "supplySpin", {810, kBoxTop, 255, kBoxHeight}, QStringLiteral("Supply voltage step"));

    caption = kit::label(f, "timeCaption", {1365, kCaptionTop, 1515, 195}, QStringLiteral("Time"));
    timeBox_ = kit::textBox(f, "timeBox", {1365, kBoxTop, 570, kBoxHeight}, QStringLiteral("10"),
                            QStringLiteral("Time after switching"));
    caption->setBuddy(timeBox_);
    timeSpin_ = kit::spin(f, "timeSpin", {1935, kBoxTop, 255, kBoxHeight}, QStringLiteral("Time step"));
    timeUnitList_ = kit::list(f, "timeUnitList", {2250, kBoxTop, 630, kBoxHeight}, QStringLiteral("Time unit"));

    caption = kit::label(f, "capacitanceCaption", {3180, kCaptionTop, 1515, 195}, QStringLiteral("Capacitor"));
    capacitanceBox_ = kit::textBox(f, "capacitanceBox", {3180, kBoxTop, 570, kBoxHeight}, QStringLiteral("10"),
                                   QStringLiteral("Capacitance"));
    caption->setBuddy(capacitanceBox_);
    capacitanceSpin_ = kit::spin(f, "capacitanceSpin", {3750, kBoxTop, 255, kBoxHeight},
                                 QStringLiteral("Capacitance step"));
    capacitanceUnitList_ = kit::list(f, "capacitanceUnitList", {4065, kBoxTop, 630, kBoxHeight},
                                     QStringLiteral("Capacitance unit"));

    caption = kit::label(f, "resistanceCaption", {4995, kCaptionTop, 1515, 195}, QStringLiteral("Resistor"));
    resistanceBox_ = kit::textBox(f, "resistanceBox", {4995, kBoxTop, 570, kBoxHeight}, QStringLiteral("1"),
                                  QStringLiteral("Resistance"));
    caption->setBuddy(resistanceBox_);
    resistanceSpin_ = kit::spin(f, "resistanceSpin", {5565, kBoxTop, 255, kBoxHeight},
                                QStringLiteral("Resistance step"));
    resistanceUnitList_ = kit::list(f, "resistanceUnitList", {5880, kBoxTop, 630, kBoxHeight},
                                    QStringLiteral("Resistance unit"));

    // Positions as the page opens, set before any handler listens. The
    // capacitance button is left at 0: start-up moves it to "10".
    supplySpin_->setRange(1, 150);
    supplySpin_->setWrap(false);
    supplySpin_->setValue(100);
    timeSpin_->setRange(10, 279);
    timeSpin_->setWrap(true);
    timeSpin_->setValue(100);
    capacitanceSpin_->setRange(0, 17);
    capacitanceSpin_->setWrap(true);
    resistanceSpin_->setRange(0, 71);
    resistanceSpin_->setWrap(true);
    resistanceSpin_->setValue(0);

    // A row under the inputs: a capacitor's printed code, what it reads as,
    // and the codes that carry the capacitance in the box.
    caption = kit::label(f, "markingCaption", {240, kMarkingTextTop, 645, 225}, QStringLiteral("Marking:"));
    markingBox_ = kit::textBox(f, "markingBox", {915, kMarkingTop, 780, kBoxHeight}, QString(),
                               QStringLiteral("Capacitor marking"));
    caption->setBuddy(markingBox_);
    markingReadout_ = kit::label(f, "markingReadout", {1755, kMarkingTextTop, 3405, 225}, QString(),
                                 QStringLiteral("Marking reads as"));
    codesLabel_ = kit::label(f, "codesLabel", {5175, kMarkingTextTop, 1380, 225}, QString(),
                             QStringLiteral("Codes for the capacitance"));
    codesLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kit::copyable(markingReadout_);
    kit::copyable(codesLabel_);

    QWidget* order[] = {supplyBox_,      supplySpin_,         timeBox_,       timeSpin_,
                        timeUnitList_,   capacitanceBox_,     capacitanceSpin_, capacitanceUnitList_,
                        markingBox_,     resistanceBox_,      resistanceSpin_,  resistanceUnitList_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void CapacitorsPage::connectHandlers() {
    // Every text and unit recomputes at once; the spin buttons write a text.
    for (QLineEdit* box : {supplyBox_, timeBox_, capacitanceBox_, resistanceBox_})
        connect(box, &QLineEdit::textChanged, this, &CapacitorsPage::refresh);
    for (QComboBox* unit : {timeUnitList_, capacitanceUnitList_, resistanceUnitList_})
        connect(unit, &QComboBox::currentIndexChanged, this, &CapacitorsPage::refresh);
    connect(capacitanceBox_, &QLineEdit::textChanged, this, &CapacitorsPage::capacitanceChanged);
    connect(capacitanceUnitList_, &QComboBox::currentIndexChanged, this, &CapacitorsPage::capacitanceChanged);
    connect(supplyBox_, &QLineEdit::textChanged, this, &CapacitorsPage::supplyChanged);
    // Enter reads the marking; typing alone changes nothing.
    connect(markingBox_, &QLineEdit::returnPressed, this, &CapacitorsPage::readMarking);
    connect(supplySpin_, &kit::SpinButton::changed, this, &CapacitorsPage::stepSupply);
    connect(timeSpin_, &kit::SpinButton::changed, this, &CapacitorsPage::stepTime);
    connect(capacitanceSpin_, &kit::SpinButton::changed, this, &CapacitorsPage::stepCapacitance);
    connect(resistanceSpin_, &kit::SpinButton::changed, this, &CapacitorsPage::stepResistance);
}

void CapacitorsPage::startUp() {
    capacitanceSpin_->setValue(6);  // "10" again, through its handler
    fill(resistanceUnitList_, kResUnits);
    resistanceUnitList_->setCurrentIndex(1);  // "K"
    fill(capacitanceUnitList_, kCapUnits);
    capacitanceUnitList_->setCurrentIndex(2);  // "uF"
    fill(timeUnitList_, kTimeUnits);
    timeUnitList_->setCurrentIndex(2);  // "ms": the window's last start-up step
}

void CapacitorsPage::focusOnShow() { kit::focus(timeBox_); }

CapDisplay CapacitorsPage::markTime() {
    const std::string supply = kit::textOf(supplyBox_);
    const std::string time = kit::textOf(timeBox_);
    const std::string cap = kit::textOf(capacitanceBox_);
    const std::string res = kit::textOf(resistanceBox_);
    const std::string caption = kit::textOf(timeMarkerLabel_);
    const CapDisplay d = CapVoltage({supply, time, timeUnitList_->currentIndex(), cap,
                                     capacitanceUnitList_->currentIndex(), res, resistanceUnitList_->currentIndex(),
                                     caption});
    timeMarkerLabel_->setText(kit::qs(d.timeCaption));
    timeMarker_->setX(d.markerX, d.markerX);
    kit::place(timeMarkerLabel_, {d.timeLeft, kTimeLabelTop, d.timeWidth, kTimeLabelHeight});
    timeMarkerLabel_->setAlignment((d.timeAlign == LabelAlign::Right ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return d;
}

void CapacitorsPage::refresh() {
    const CapDisplay d = markTime();
    dischargeVoltageLabel_->setText(kit::qs(d.vout1));
    chargeVoltageLabel_->setText(kit::qs(d.vout2));
    const std::string cap = kit::textOf(capacitanceBox_);
    const std::string res = kit::textOf(resistanceBox_);
    const RcReadouts rc = RcTimes({{}, {}, -1, cap, capacitanceUnitList_->currentIndex(), res,
                                   resistanceUnitList_->currentIndex(), {}});
    timeConstantLabel_->setText(kit::qs(rc.timeConstant));
    cutOffLabel_->setText(kit::qs(rc.cutOff));
}

void CapacitorsPage::capacitanceChanged() {
    codesLabel_->setText(kit::qs(CodesForCapacitance(kit::textOf(capacitanceBox_),
                                                     capacitanceUnitList_->currentIndex()).text));
    if (!writingMarking_) markingReadout_->clear();
}

void CapacitorsPage::supplyChanged() {
    // Typed or stepped, the pictures show the supply the voltages are worked from.
    const QString text = kit::qs(SupplyLabelText(kit::textOf(supplyBox_)));
    dischargeSupplyLabel_->setText(text);
    chargeSupplyLabel_->setText(text);
}

void CapacitorsPage::readMarking() {
    const CapMarkingReading r = ReadCapMarking(kit::textOf(markingBox_));
    if (r.check != CapMarkingCheck::Ok) {
        kit::reportFault(messages_, markingBox_, r.message);
        return;
    }
    // The unit first, as the spin button does, then the number; both refresh the page.
    writingMarking_ = true;
    if (r.unit != capacitanceUnitList_->currentIndex()) capacitanceUnitList_->setCurrentIndex(r.unit);
    capacitanceBox_->setText(kit::qs(r.valueText));
    writingMarking_ = false;
    markingReadout_->setText(kit::qs(r.readout));
}

void CapacitorsPage::stepSupply() { supplyBox_->setText(kit::qs(SupplyStepText(supplySpin_->value()))); }

void CapacitorsPage::stepTime() {
    const std::string next = TimeStepText(timeSpin_->value());
    // The unit first, so 1 ms stepped down passes through 1 us to 990 us.
    const int unit = TimeStepUnit(next, kit::textOf(timeBox_), timeUnitList_->currentIndex());
    if (unit != timeUnitList_->currentIndex()) timeUnitList_->setCurrentIndex(unit);
    timeBox_->setText(kit::qs(next));
}

void CapacitorsPage::stepCapacitance() {
    const SeriesStep step = StepSeries(kE6ThreeDecades, capacitanceSpin_->value(), kit::textOf(capacitanceBox_),
                                       capacitanceUnitList_->currentIndex(), static_cast<int>(kCapUnits.size()) - 1);
    if (step.unit != capacitanceUnitList_->currentIndex()) capacitanceUnitList_->setCurrentIndex(step.unit);
    capacitanceBox_->setText(kit::qs(step.text));
}

void CapacitorsPage::stepResistance() {
    const SeriesStep step = StepSeries(kE24ThreeDecades, resistanceSpin_->value(), kit::textOf(resistanceBox_),
                                       resistanceUnitList_->currentIndex(), static_cast<int>(kResUnits.size()) - 1);
    if (step.unit != resistanceUnitList_->currentIndex()) resistanceUnitList_->setCurrentIndex(step.unit);
    resistanceBox_->setText(kit::qs(step.text));
}

}  // namespace ohm
