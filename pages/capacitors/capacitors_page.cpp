#include "pages/capacitors/capacitors_page.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "kit/drawing.h"
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

constexpr int kCaptionTop = 3030;
constexpr int kBoxTop = 3240;
constexpr int kBoxHeight = 315;

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
    : Page(window, messages, "FrmCapacitor", QStringLiteral("Capacitor Timings ")) {
    buildCircuits();
    buildGraph();
    buildInputs();
    connectHandlers();
}

void CapacitorsPage::buildCircuits() {
    QWidget* f = frame();
    drawing()->addPicture("Image2", kDischargeCircuit, QStringLiteral(":/assets/capacitor_discharge.svg"));
    drawing()->addPicture("Image3", kChargeCircuit, QStringLiteral(":/assets/capacitor_charge.svg"));

    // Supply labels over the top terminals, "0v" under the bottom ones.
    LBLCapVs1_ = kit::label(f, "LBLCapVs1", {510, 510, 480, 195}, QStringLiteral("10v"),
                            QStringLiteral("Supply, discharging circuit"));
    LBLCapVs2_ = kit::label(f, "LBLCapVs2", {1940, 510, 480, 195}, QStringLiteral("10v"),
                            QStringLiteral("Supply, charging circuit"));
    auto* zero1 = kit::label(f, "Label48", {600, 2625, 300, 195}, QStringLiteral("0v"),
                             QStringLiteral("Zero volt rail, discharging circuit"));
    auto* zero2 = kit::label(f, "Label49", {2030, 2625, 300, 195}, QStringLiteral("0v"),
                             QStringLiteral("Zero volt rail, charging circuit"));
    for (QLabel* l : {LBLCapVs1_, LBLCapVs2_, zero1, zero2}) l->setAlignment(Qt::AlignCenter);

    // Outputs beside the output terminals.
    LBLCapVout1_ = kit::label(f, "LBLCapVout1", {1305, 1380, 690, 195}, QString(),
                              QStringLiteral("Discharging capacitor voltage"));
    LBLCapVout2_ = kit::label(f, "LBLCapVout2", {2785, 1820, 690, 195}, QString(),
                              QStringLiteral("Charging capacitor voltage"));
    kit::copyable(LBLCapVout1_);
    kit::copyable(LBLCapVout2_);

    kit::label(f, "Label51", {3480, 2685, 3105, 255},
               QStringLiteral("Formula:                       V = Vo Exp(-t/T)"),
               QStringLiteral("Formula: V equals Vo times e to the minus t over T"));
}

void CapacitorsPage::buildGraph() {
    FrmGraph_ = kit::frame(frame(), "FrmGraph", kGraphFrame, QString());
    FrmGraph_->setAccessibleName(QStringLiteral("Graph of discharge and charge"));
    graphDrawing_ = new kit::Drawing(FrmGraph_);
    graphDrawing_->addPicture("Image1", kGraphPicture, QStringLiteral(":/assets/capacitor_graph.svg"));
    LINCapVolt_ = graphDrawing_->addLine("LINCapVolt", kGraphStartX, kMarkerTop, kGraphStartX,
                                         kMarkerBottom);
    LBLCapVolt_ = kit::label(FrmGraph_, "LBLCapVolt",
                             {kGraphStartX - 210, kTimeLabelTop, kTimeLabelWidth, kTimeLabelHeight},
                             QStringLiteral("Time"), QStringLiteral("Time marked on the graph"));
    LBLCapVolt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label is only 465 (645 with ">>") twips wide: a narrower face keeps
    // "100ms" and "990ms>>" whole.
    QFont narrow = LBLCapVolt_->font();
    narrow.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    narrow.setPixelSize(9);
    LBLCapVolt_->setFont(narrow);
}

void CapacitorsPage::buildInputs() {
    QWidget* f = frame();
    // Left to right: supply, time, capacitance, resistance; each a caption
    // over its box, spin button and (but the supply) unit list.
    kit::label(f, "Label47", {240, kCaptionTop, 825, 195}, QStringLiteral("Vsupply"));
    TXTTimingSupply_ = kit::textBox(f, "TXTTimingSupply", {240, kBoxTop, 570, kBoxHeight},
                                    QStringLiteral("10"), QStringLiteral("Supply voltage, volts"));
    UPDTimingSupply_ = kit::spin(f, "UPDTimingSupply", {810, kBoxTop, 255, kBoxHeight},
                                 QStringLiteral("Supply voltage step"));

    kit::label(f, "Label46", {1365, kCaptionTop, 1515, 195}, QStringLiteral("Time"));
    TXTTimingTime_ = kit::textBox(f, "TXTTimingTime", {1365, kBoxTop, 570, kBoxHeight},
                                  QStringLiteral("10"), QStringLiteral("Time after switching"));
    UPDTimingTime_ = kit::spin(f, "UPDTimingTime", {1935, kBoxTop, 255, kBoxHeight},
                               QStringLiteral("Time step"));
    CBOTimingTimeMult_ = kit::list(f, "CBOTimingTimeMult", {2250, kBoxTop, 630, kBoxHeight},
                                   QStringLiteral("Time unit"));

    kit::label(f, "Label45", {3180, kCaptionTop, 1515, 195}, QStringLiteral("Capacitor"));
    TXTTimingCap_ = kit::textBox(f, "TXTTimingCap", {3180, kBoxTop, 570, kBoxHeight},
                                 QStringLiteral("10"), QStringLiteral("Capacitance"));
    UPDTimingCap_ = kit::spin(f, "UPDTimingCap", {3750, kBoxTop, 255, kBoxHeight},
                              QStringLiteral("Capacitance step"));
    CBOTimingCapMult_ = kit::list(f, "CBOTimingCapMult", {4065, kBoxTop, 630, kBoxHeight},
                                  QStringLiteral("Capacitance unit"));

    kit::label(f, "Label44", {4995, kCaptionTop, 1515, 195}, QStringLiteral("Resistor"));
    TXTTimingRes_ = kit::textBox(f, "TXTTimingRes", {4995, kBoxTop, 570, kBoxHeight},
                                 QStringLiteral("1"), QStringLiteral("Resistance"));
    UPDTimingRes_ = kit::spin(f, "UPDTimingRes", {5565, kBoxTop, 255, kBoxHeight},
                              QStringLiteral("Resistance step"));
    CBOTimingResMult_ = kit::list(f, "CBOTimingResMult", {5880, kBoxTop, 630, kBoxHeight},
                                  QStringLiteral("Resistance unit"));

    // Positions as the page opens, set before any handler listens. The
    // capacitance button is left at 0: start-up moves it to "10".
    UPDTimingSupply_->setRange(1, 150);
    UPDTimingSupply_->setWrap(false);
    UPDTimingSupply_->setValue(100);
    UPDTimingTime_->setRange(10, 279);
    UPDTimingTime_->setWrap(true);
    UPDTimingTime_->setValue(100);
    UPDTimingCap_->setRange(0, 17);
    UPDTimingCap_->setWrap(true);
    UPDTimingRes_->setRange(0, 71);
    UPDTimingRes_->setWrap(true);
    UPDTimingRes_->setValue(0);

    QWidget* order[] = {TXTTimingSupply_, UPDTimingSupply_, TXTTimingTime_,    UPDTimingTime_,
                        CBOTimingTimeMult_, TXTTimingCap_,  UPDTimingCap_,     CBOTimingCapMult_,
                        TXTTimingRes_,    UPDTimingRes_,    CBOTimingResMult_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void CapacitorsPage::connectHandlers() {
    connect(TXTTimingSupply_, &QLineEdit::textChanged, this, &CapacitorsPage::TXTTimingSupply_Change);
    connect(TXTTimingTime_, &QLineEdit::textChanged, this, &CapacitorsPage::TXTTimingTime_Change);
    connect(TXTTimingCap_, &QLineEdit::textChanged, this, &CapacitorsPage::TXTTimingCap_Change);
    connect(TXTTimingRes_, &QLineEdit::textChanged, this, &CapacitorsPage::TXTTimingRes_Change);
    connect(CBOTimingTimeMult_, &QComboBox::currentIndexChanged, this,
            &CapacitorsPage::CBOTimingTimeMult_Click);
    connect(CBOTimingCapMult_, &QComboBox::currentIndexChanged, this,
            &CapacitorsPage::CBOTimingCapMult_Click);
    connect(CBOTimingResMult_, &QComboBox::currentIndexChanged, this,
            &CapacitorsPage::CBOTimingResMult_Click);
    connect(UPDTimingSupply_, &kit::SpinButton::changed, this, &CapacitorsPage::UPDTimingSupply_Change);
    connect(UPDTimingTime_, &kit::SpinButton::changed, this, &CapacitorsPage::UPDTimingTime_Change);
    connect(UPDTimingCap_, &kit::SpinButton::changed, this, &CapacitorsPage::UPDTimingCap_Change);
    connect(UPDTimingRes_, &kit::SpinButton::changed, this, &CapacitorsPage::UPDTimingRes_Change);
}

void CapacitorsPage::startUp() {
    UPDTimingCap_->setValue(6);  // "10" again, through its handler
    fill(CBOTimingResMult_, kResUnits);
    CBOTimingResMult_->setCurrentIndex(1);  // "K"
    fill(CBOTimingCapMult_, kCapUnits);
    CBOTimingCapMult_->setCurrentIndex(2);  // "uF"
    fill(CBOTimingTimeMult_, kTimeUnits);
    CBOTimingTimeMult_->setCurrentIndex(2);  // "ms": the window's last start-up step
}

void CapacitorsPage::focusOnShow() { kit::focus(TXTTimingTime_); }

CapDisplay CapacitorsPage::CapVoltage() {
    const std::string supply = kit::textOf(TXTTimingSupply_);
    const std::string time = kit::textOf(TXTTimingTime_);
    const std::string cap = kit::textOf(TXTTimingCap_);
    const std::string res = kit::textOf(TXTTimingRes_);
    const std::string caption = kit::textOf(LBLCapVolt_);
    const CapDisplay d = ohm::CapVoltage({supply, time, CBOTimingTimeMult_->currentIndex(), cap,
                                          CBOTimingCapMult_->currentIndex(), res,
                                          CBOTimingResMult_->currentIndex(), caption});
    LBLCapVolt_->setText(kit::qs(d.timeCaption));
    LINCapVolt_->setX(d.markerX, d.markerX);
    kit::place(LBLCapVolt_, {d.timeLeft, kTimeLabelTop, d.timeWidth, kTimeLabelHeight});
    LBLCapVolt_->setAlignment((d.timeAlign == LabelAlign::Right ? Qt::AlignRight : Qt::AlignLeft) |
                              Qt::AlignVCenter);
    return d;
}

void CapacitorsPage::UpdateCapOutput() {
    const CapDisplay d = CapVoltage();
    LBLCapVout1_->setText(kit::qs(d.vout1));
    LBLCapVout2_->setText(kit::qs(d.vout2));
}

void CapacitorsPage::TXTTimingSupply_Change() { UpdateCapOutput(); }
void CapacitorsPage::TXTTimingTime_Change() { UpdateCapOutput(); }
void CapacitorsPage::TXTTimingCap_Change() { UpdateCapOutput(); }
void CapacitorsPage::TXTTimingRes_Change() { UpdateCapOutput(); }
void CapacitorsPage::CBOTimingTimeMult_Click() { UpdateCapOutput(); }
void CapacitorsPage::CBOTimingCapMult_Click() { UpdateCapOutput(); }
void CapacitorsPage::CBOTimingResMult_Click() { UpdateCapOutput(); }

void CapacitorsPage::UPDTimingSupply_Change() {
    const QString text = kit::qs(SupplyStepText(UPDTimingSupply_->value()));
    TXTTimingSupply_->setText(text);
    LBLCapVs1_->setText(text + QStringLiteral("v"));
    LBLCapVs2_->setText(LBLCapVs1_->text());
}

void CapacitorsPage::UPDTimingTime_Change() {
    const std::string next = TimeStepText(UPDTimingTime_->value());
    // The unit first, so 1 ms stepped down passes through 1 us to 990 us.
    const int unit = TimeStepUnit(next, kit::textOf(TXTTimingTime_), CBOTimingTimeMult_->currentIndex());
    if (unit != CBOTimingTimeMult_->currentIndex()) CBOTimingTimeMult_->setCurrentIndex(unit);
    TXTTimingTime_->setText(kit::qs(next));
}

void CapacitorsPage::UPDTimingCap_Change() {
    const SeriesStep step = StepSeries(kE6ThreeDecades, UPDTimingCap_->value(),
                                       kit::textOf(TXTTimingCap_), CBOTimingCapMult_->currentIndex(),
                                       static_cast<int>(kCapUnits.size()) - 1);
    if (step.unit != CBOTimingCapMult_->currentIndex()) CBOTimingCapMult_->setCurrentIndex(step.unit);
    TXTTimingCap_->setText(kit::qs(step.text));
}

void CapacitorsPage::UPDTimingRes_Change() {
    const SeriesStep step = StepSeries(kE24ThreeDecades, UPDTimingRes_->value(),
                                       kit::textOf(TXTTimingRes_), CBOTimingResMult_->currentIndex(),
                                       static_cast<int>(kResUnits.size()) - 1);
    if (step.unit != CBOTimingResMult_->currentIndex()) CBOTimingResMult_->setCurrentIndex(step.unit);
    TXTTimingRes_->setText(kit::qs(step.text));
}

}  // namespace ohm
