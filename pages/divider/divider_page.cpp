#include "pages/divider/divider_page.h"

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
constexpr int kTapLineBottom = 2640;
// The Vs2 box and its caption sit just right of the last resistor.
constexpr int kVs2Left[4] = {2850, 3900, 4950, 6000};
constexpr int kVs2CaptionLeft[4] = {2760, 3810, 4860, 5910};

const char* const kCurrents[] = {"1uA", "10uA", "100uA", "1mA", "10mA", "100mA"};

QString indexed(const char* base, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(i);
}
QByteArray nameOf(const char* base, int i) { return indexed(base, i).toLatin1(); }

}  // namespace

DividerPage::DividerPage(QWidget* window, kit::Messages& messages)
    : Page(window, messages, "FrmPotDiv", QStringLiteral("Potential Divider Calculations")) {
    QGroupBox* f = frame();
    kit::Drawing* d = drawing();

    Label22_ = kit::label(f, "Label22", {150, 540, 2595, 765}, QString(), QStringLiteral("Instructions"));
    Label22_->setWordWrap(true);
    Label22_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    kit::label(f, "Label6", {2970, 240, 1155, 195}, QStringLiteral("Resistor Series"));
    OPTResIdeal_ = kit::option(f, "OPTResIdeal", {3210, 510, 795, 225}, QStringLiteral("Ideal"),
                               QStringLiteral("Ideal resistor values"));
    OPTRes12_ = kit::option(f, "OPTRes12", {3210, 780, 675, 225}, QStringLiteral("E12"),
                            QStringLiteral("E12 series"));
    OPTRes24_ = kit::option(f, "OPTRes24", {3210, 1050, 675, 225}, QStringLiteral("E24"),
                            QStringLiteral("E24 series"));

    kit::label(f, "Label5", {4470, 600, 1125, 225}, QStringLiteral("Voltage Taps"));
    TXTVoltTaps_ = kit::textBox(f, "TXTVoltTaps", {5640, 570, 300, 315}, QStringLiteral("1"),
                                QStringLiteral("Number of voltage taps"));
    TXTVoltTaps_->setReadOnly(true);
    UPDVoltTaps_ = kit::spin(f, "UPDVoltTaps", {5910, 570, 255, 315},
                             QStringLiteral("Change the number of voltage taps"));
    UPDVoltTaps_->setRange(1, 4);
    UPDVoltTaps_->setWrap(false);
    UPDVoltTaps_->setBuddy(TXTVoltTaps_);

    kit::label(f, "LBLPCurrent", {4410, 960, 1185, 225}, QStringLiteral("Divider Current"));
    CBODivCurrent_ = kit::list(f, "CBODivCurrent", {5640, 930, 945, 315}, QStringLiteral("Divider current"));

    d->addLine("Line1", 150, 1380, 6540, 1380);
    kit::label(f, "Label8", {150, 1470, 2265, 255}, QStringLiteral("Resistor Network"));

    Label7_[0] = kit::label(f, "Label7(0)", {90, 1800, 675, 225}, QStringLiteral("Vs1"));
    Label7_[1] = kit::label(f, "Label7(1)", {kVs2CaptionLeft[0], 1800, 675, 225}, QStringLiteral("Vs2"));
    TxtPSupply_[0] = kit::textBox(f, "TxtPSupply(0)", {90, 2070, 615, 255}, QString(),
                                  QStringLiteral("Vs1, first supply voltage"), 6);
    TxtPSupply_[1] = kit::textBox(f, "TxtPSupply(1)", {kVs2Left[0], 2040, 615, 285}, QString(),
                                  QStringLiteral("Vs2, second supply voltage"), 6);

    for (int i = 0; i < 5; ++i) {
        LBLPRes_[i] = kit::label(f, nameOf("LBLPRes", i).constData(), {kValueLeft[i], 1800, 1005, 255},
                                 QStringLiteral("R%1").arg(i + 1), QStringLiteral("R%1 value").arg(i + 1));
        LBLPRes_[i]->setAlignment(Qt::AlignCenter);
        kit::copyable(LBLPRes_[i]);
        SHPResSym_[i] = d->addRect(nameOf("SHPResSym", i).constData(), {kResLeft[i], 2100, 525, 195},
                                   Qt::white, Qt::black);
    }
    for (int i = 0; i < 10; ++i)
        LinCon_[i] = d->addLine(nameOf("LinCon", i).constData(), kWireFrom[i], kWireY, kWireTo[i], kWireY);
    for (int i = 0; i < 4; ++i) {
        LINTap_[i] = d->addLine(nameOf("LINTap", i).constData(), kTapX[i], kWireY, kTapX[i], kTapLineBottom);
        TXTVoltTap_[i] = kit::textBox(f, nameOf("TXTVoltTap", i).constData(), {kTapBoxLeft[i], 2670, 675, 255},
                                      QString(), QStringLiteral("Tap %1 voltage").arg(i + 1), 6);
        LBLTapNum_[i] = kit::label(f, nameOf("LBLTapNum", i).constData(), {kTapNumLeft[i], 2940, 525, 225},
                                   QStringLiteral("#%1").arg(i + 1));
        LBLTapNum_[i]->setAlignment(Qt::AlignCenter);
    }

    CMDCalcPRes_ = kit::button(f, "CMDCalcPRes", {1410, 3390, 3825, 375},
                               QStringLiteral("Calculate Resistance Values"),
                               QStringLiteral("Calculate resistance values"));

    // Keyboard: series, tap count, current, then the boxes row by row, then the button.
    QWidget* order[] = {OPTResIdeal_,    OPTRes12_,       OPTRes24_,       TXTVoltTaps_,
                        UPDVoltTaps_,    CBODivCurrent_,  TxtPSupply_[0],  TxtPSupply_[1],
                        TXTVoltTap_[0],  TXTVoltTap_[1],  TXTVoltTap_[2],  TXTVoltTap_[3],
                        CMDCalcPRes_};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    for (QLineEdit* box : TxtPSupply_) kit::enterPresses(box, CMDCalcPRes_);
    for (QLineEdit* box : TXTVoltTap_) kit::enterPresses(box, CMDCalcPRes_);

    connect(TXTVoltTaps_, &QLineEdit::textChanged, this, &DividerPage::TXTVoltTaps_Change);
    connect(UPDVoltTaps_, &kit::SpinButton::changed, this, &DividerPage::UPDVoltTaps_Change);
    connect(CBODivCurrent_, &QComboBox::currentIndexChanged, this, &DividerPage::CBODivCurrent_Click);
    connect(OPTResIdeal_, &kit::OptionButton::selected, this, &DividerPage::OPTResIdeal_Click);
    connect(OPTRes12_, &kit::OptionButton::selected, this, &DividerPage::OPTRes12_Click);
    connect(OPTRes24_, &kit::OptionButton::selected, this, &DividerPage::OPTRes24_Click);
    connect(CMDCalcPRes_, &QPushButton::clicked, this, &DividerPage::CMDCalcPRes_Click);
}

void DividerPage::startUp() {
    showNetwork(1);  // the spin button starts at one tap
    TxtPSupply_[0]->setText(QStringLiteral("10v"));
    TxtPSupply_[1]->setText(QStringLiteral("0v"));
    TXTVoltTap_[0]->setText(QStringLiteral("5v"));
    for (int i = 1; i < 4; ++i) TXTVoltTap_[i]->clear();
    resetValueLabels();
    for (const char* c : kCurrents) CBODivCurrent_->addItem(QString::fromLatin1(c));
    CBODivCurrent_->setCurrentIndex(2);  // 100uA
    Label22_->setText(QStringLiteral(
        "Enter voltages required, to find closest preferred values select appropriate series."));
    OPTResIdeal_->select();
}

void DividerPage::focusOnShow() { kit::focusBeforeLast(TXTVoltTap_[0]); }

void DividerPage::showNetwork(int n) {
    // n taps: resistors 0..n, wires 0..2n+1, taps 0..n-1; the n = 1 shape always shows.
    for (int i = 0; i < 5; ++i) {
        SHPResSym_[i]->setVisible(i <= n);
        LBLPRes_[i]->setVisible(i <= n);
    }
    for (int i = 0; i < 10; ++i) LinCon_[i]->setVisible(i <= 2 * n + 1);
    for (int i = 0; i < 4; ++i) {
        LINTap_[i]->setVisible(i < n);
        TXTVoltTap_[i]->setVisible(i < n);  // hiding keeps the text for when it shows again
        LBLTapNum_[i]->setVisible(i < n);
    }
    kit::setTwipLeft(TxtPSupply_[1], kVs2Left[n - 1]);
    kit::setTwipLeft(Label7_[1], kVs2CaptionLeft[n - 1]);
}

void DividerPage::resetValueLabels() {
    for (int i = 0; i < 5; ++i) LBLPRes_[i]->setText(QStringLiteral("R%1").arg(i + 1));
}

void DividerPage::TXTVoltTaps_Change() {
    const QString t = TXTVoltTaps_->text();
    if (t.size() != 1 || t[0] < QLatin1Char('1') || t[0] > QLatin1Char('4')) return;
    showNetwork(t[0].unicode() - u'0');
}

void DividerPage::UPDVoltTaps_Change() { resetValueLabels(); }

void DividerPage::CBODivCurrent_Click() { resetValueLabels(); }

void DividerPage::OPTResIdeal_Click() { restoreRequestedTaps(); }
void DividerPage::OPTRes12_Click() { restoreRequestedTaps(); }
void DividerPage::OPTRes24_Click() { restoreRequestedTaps(); }

void DividerPage::restoreRequestedTaps() {
    // After a fitted calculation the tap boxes show what the fitted chain
    // gives; a new series puts the voltages asked for back, except into a box
    // the person has typed over since.
    const int n = UPDVoltTaps_->value();
    for (int i = 0; i < n && i < 4; ++i) {
        const std::string& saved = savedTapText_[static_cast<size_t>(i)];
        if (saved.empty()) continue;
        if (!hasLeft_[i] || TXTVoltTap_[i]->text() != leftByCalc_[i]) continue;
        TXTVoltTap_[i]->setText(kit::qs(saved));
        leftByCalc_[i] = TXTVoltTap_[i]->text();
    }
    resetValueLabels();
}

void DividerPage::CMDCalcPRes_Click() {
    DividerInput in;
    in.taps = UPDVoltTaps_->value();
    in.vs1 = kit::textOf(TxtPSupply_[0]);
    in.vs2 = kit::textOf(TxtPSupply_[1]);
    for (int i = 0; i < in.taps && i < 4; ++i) in.tap[static_cast<size_t>(i)] = kit::textOf(TXTVoltTap_[i]);
    in.current = CBODivCurrent_->currentIndex();
    in.series = OPTRes12_->isChecked()   ? DividerSeries::E12
                : OPTRes24_->isChecked() ? DividerSeries::E24
                                         : DividerSeries::Ideal;

    const DividerResult r = CalcDivider(in);

    // Boxes checked before a fault keep their rewritten text.
    if (r.vs1Text) TxtPSupply_[0]->setText(kit::qs(*r.vs1Text));
    if (r.vs2Text) TxtPSupply_[1]->setText(kit::qs(*r.vs2Text));
    for (size_t i = 0; i < r.tapText.size() && i < 4; ++i) TXTVoltTap_[i]->setText(kit::qs(r.tapText[i]));

    if (r.fault) {
        const DividerFault& f = *r.fault;
        QLineEdit* box = f.box == DividerBox::Vs1   ? TxtPSupply_[0]
                         : f.box == DividerBox::Vs2 ? TxtPSupply_[1]
                                                    : TXTVoltTap_[std::clamp(f.tap, 1, 4) - 1];
        if (f.select) {
            kit::reportFault(messages_, box, f.message);
        } else {
            kit::focus(box);
            messages_.show(f.message, kit::kAppTitle);
        }
        return;
    }

    for (size_t i = 0; i < r.savedTapText.size() && i < savedTapText_.size(); ++i)
        savedTapText_[i] = r.savedTapText[i];
    for (size_t i = 0; i < r.fittedTapText.size() && i < 4; ++i) TXTVoltTap_[i]->setText(kit::qs(r.fittedTapText[i]));
    for (size_t i = 0; i < r.savedTapText.size() && i < 4; ++i) {
        leftByCalc_[i] = TXTVoltTap_[i]->text();
        hasLeft_[i] = true;
    }

    for (size_t j = 0; j < r.captions.size() && j < 5; ++j) {
        for (const DividerRangeMessage& m : r.rangeMessages)
            if (m.resistor == static_cast<int>(j)) messages_.show(m.message, kit::kAppTitle);
        LBLPRes_[j]->setText(kit::qs(r.captions[j]));
    }
}

}  // namespace ohm
