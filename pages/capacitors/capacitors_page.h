// The "Capacitors" page: a capacitor discharging through a resistor and one
// charging through it, the voltage each shows a chosen time after the push-
// button, and a marker on the graph of both curves. Every change of a text or
// unit recomputes at once; four spin buttons step the inputs through
// preferred values and carry over into the next unit.
#pragma once

#include "pages/capacitors/capacitors_calc.h"
#include "pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kit {
class Line;
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

    // Reads the inputs, moves the time marker and its label, returns the outcome.
    CapDisplay markTime();
    // Both output voltages, and through markTime the graph.
    void refresh();

    // The codes for the capacitance, and the marking's readout emptied
    // unless the marking itself is being written.
    void capacitanceChanged();
    void supplyChanged();
    void readMarking();

    void stepSupply();
    void stepTime();
    void stepCapacitance();
    void stepResistance();

    QLineEdit* supplyBox_ = nullptr;
    QLineEdit* timeBox_ = nullptr;
    QLineEdit* capacitanceBox_ = nullptr;
    QLineEdit* resistanceBox_ = nullptr;
    QComboBox* timeUnitList_ = nullptr;
    QComboBox* capacitanceUnitList_ = nullptr;
    QComboBox* resistanceUnitList_ = nullptr;
    kit::SpinButton* supplySpin_ = nullptr;
    kit::SpinButton* timeSpin_ = nullptr;
    kit::SpinButton* capacitanceSpin_ = nullptr;
    kit::SpinButton* resistanceSpin_ = nullptr;

    QLabel* dischargeVoltageLabel_ = nullptr;
    QLabel* chargeVoltageLabel_ = nullptr;
    QLabel* dischargeSupplyLabel_ = nullptr;
    QLabel* chargeSupplyLabel_ = nullptr;

    QLineEdit* markingBox_ = nullptr;
    QLabel* markingReadout_ = nullptr;
    QLabel* codesLabel_ = nullptr;
    QLabel* timeConstantLabel_ = nullptr;
    QLabel* cutOffLabel_ = nullptr;
    bool writingMarking_ = false;

    kit::Line* timeMarker_ = nullptr;
    QLabel* timeMarkerLabel_ = nullptr;
};

}  // namespace ohm
