// The "CMOS Astables" page: two CMOS oscillators designed at once, the
// two-inverter circuit and the Schmitt-inverter circuit, with the computed
// resistors written onto their pictures.
#pragma once

#include <array>

#include "pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
class OptionButton;
class Picture;
class SpinButton;
}  // namespace kit

namespace ohm {

class CmosAstablePage : public Page {
    Q_OBJECT
public:
    CmosAstablePage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    void CMDCalcCMOS_Click();
    void OPTCMOSFixed_Click();
    void OPTCMOSRange_Click();
    void TXTCMOSCap_Change();
    void CBOCMOSMult_Click();

private:
    void UpdateCapCaption();
    void ShowRangeControls(bool range);

    std::array<kit::Picture*, 4> CMOSDia_{};
    std::array<QLabel*, 4> LBLCMOSR_{};
    std::array<QLabel*, 2> LBLCMOSCap_{};
    QLabel* Label14_ = nullptr;
    kit::OptionButton* OPTCMOSFixed_ = nullptr;
    kit::OptionButton* OPTCMOSRange_ = nullptr;
    QLabel* Label15_ = nullptr;
    QLabel* Label16_ = nullptr;
    QLabel* Label17_ = nullptr;
    std::array<QLineEdit*, 2> TXTCMOSFreq_{};
    QLabel* Label18_ = nullptr;
    QLabel* Label19_ = nullptr;
    QLabel* Label20_ = nullptr;
    QLineEdit* TXTCMOSCap_ = nullptr;
    QComboBox* CBOCMOSMult_ = nullptr;
    QLabel* Label21_ = nullptr;
    QLineEdit* TXTCMOSVolts_ = nullptr;
    kit::SpinButton* UPDCMOSVolt_ = nullptr;
    QPushButton* CMDCalcCMOS_ = nullptr;
};

}  // namespace ohm
