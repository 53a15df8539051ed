// The "Potential Dividers" page: rail and tap voltages typed onto a drawn
// resistor chain, the tap count, the chain current and the resistor series;
// "Calculate Resistance Values" writes a value over each resistor.
#pragma once

#include <QString>

#include <array>
#include <string>

#include "pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
class Line;
class OptionButton;
class Rect;
class SpinButton;
}  // namespace kit

namespace ohm {

class DividerPage : public Page {
    Q_OBJECT
public:
    DividerPage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    // Handlers, named after control and event.
    void TXTVoltTaps_Change();
    void UPDVoltTaps_Change();
    void CBODivCurrent_Click();
    void OPTResIdeal_Click();
    void OPTRes12_Click();
    void OPTRes24_Click();
    void CMDCalcPRes_Click();

private:
    // The taps as typed before the last fit to a series, so they come back
    // when the series is changed and the fitted texts are still untouched.
    std::array<std::string, 6> savedTapText_;

    void showNetwork(int taps);
    void resetValueLabels();
    void restoreRequestedTaps();

    QLabel* Label22_ = nullptr;
    kit::OptionButton* OPTResIdeal_ = nullptr;
    kit::OptionButton* OPTRes12_ = nullptr;
    kit::OptionButton* OPTRes24_ = nullptr;
    QLineEdit* TXTVoltTaps_ = nullptr;
    kit::SpinButton* UPDVoltTaps_ = nullptr;
    QComboBox* CBODivCurrent_ = nullptr;
    std::array<QLabel*, 2> Label7_{};
    std::array<QLineEdit*, 2> TxtPSupply_{};
    std::array<QLabel*, 5> LBLPRes_{};
    std::array<kit::Rect*, 5> SHPResSym_{};
    std::array<kit::Line*, 10> LinCon_{};
    std::array<kit::Line*, 4> LINTap_{};
    std::array<QLineEdit*, 4> TXTVoltTap_{};
    std::array<QLabel*, 4> LBLTapNum_{};
    QPushButton* CMDCalcPRes_ = nullptr;

    // What the last successful calculation left in each tap box. A series
    // click puts the requested voltage back only where the box still shows
    // this, so a tap typed since is never overwritten.
    std::array<QString, 4> leftByCalc_{};
    std::array<bool, 4> hasLeft_{};
};

}  // namespace ohm
