// The "Capacitors" page: a capacitor discharging through a resistor and one
// charging through it, the voltage each shows a chosen time after the push-
// button, and a marker on the graph of both curves. Every change of a text or
// unit recomputes at once; four spin buttons step the inputs through
// preferred values and carry over into the next unit.
#pragma once

#include "pages/capacitors/capacitors_calc.h"
#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kit {
class Drawing;
class Line;
class Picture;
class SpinButton;
}  // namespace kit

namespace ohm {

class CapacitorsPage : public Page {
    Q_OBJECT
public:
    CapacitorsPage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

private:
    void buildCircuits();
    void buildGraph();
    void buildInputs();
    void connectHandlers();

    // Reads the inputs, moves the marker and time label, returns the outcome.
    CapDisplay CapVoltage();
    // Refreshes both output voltages (and through CapVoltage the graph).
    void UpdateCapOutput();

    void TXTTimingSupply_Change();
    void TXTTimingTime_Change();
    void TXTTimingCap_Change();
    void TXTTimingRes_Change();
    void CBOTimingTimeMult_Click();
    void CBOTimingCapMult_Click();
    void CBOTimingResMult_Click();
    void UPDTimingSupply_Change();
    void UPDTimingTime_Change();
    void UPDTimingCap_Change();
    void UPDTimingRes_Change();

    QLineEdit* TXTTimingSupply_ = nullptr;
    QLineEdit* TXTTimingTime_ = nullptr;
    QLineEdit* TXTTimingCap_ = nullptr;
    QLineEdit* TXTTimingRes_ = nullptr;
    QComboBox* CBOTimingTimeMult_ = nullptr;
    QComboBox* CBOTimingCapMult_ = nullptr;
    QComboBox* CBOTimingResMult_ = nullptr;
    kit::SpinButton* UPDTimingSupply_ = nullptr;
    kit::SpinButton* UPDTimingTime_ = nullptr;
    kit::SpinButton* UPDTimingCap_ = nullptr;
    kit::SpinButton* UPDTimingRes_ = nullptr;

    QLabel* LBLCapVout1_ = nullptr;
    QLabel* LBLCapVout2_ = nullptr;
    QLabel* LBLCapVs1_ = nullptr;
    QLabel* LBLCapVs2_ = nullptr;

    QGroupBox* FrmGraph_ = nullptr;
    kit::Drawing* graphDrawing_ = nullptr;
    kit::Line* LINCapVolt_ = nullptr;
    QLabel* LBLCapVolt_ = nullptr;
};

}  // namespace ohm
