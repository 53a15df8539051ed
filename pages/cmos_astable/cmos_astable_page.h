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

    void calculate();
    // Fixed: one frequency and fixed resistors; range: a minimum and a
    // maximum, with a pot in series with each resistor.
    void showRangeControls(bool range);
    void updateCapacitorCaptions();

private:
    // One circuit's picture in each mode.
    struct Circuit {
        kit::Picture* fixedPicture = nullptr;
        kit::Picture* rangePicture = nullptr;
        QLabel* capacitorCaption = nullptr;
    };
    Circuit inverters_;
    Circuit schmitt_;

    // Indexed as the calculation hands them back: R1, VR1, R2, VR2.
    std::array<QLabel*, 4> resistorValues_{};

    kit::OptionButton* fixedOption_ = nullptr;
    kit::OptionButton* rangeOption_ = nullptr;
    QLabel* minCaption_ = nullptr;
    QLabel* maxCaption_ = nullptr;
    QLabel* maxUnitCaption_ = nullptr;
    QLineEdit* frequencyBox_ = nullptr;  // the minimum in range mode
    QLineEdit* maxFrequencyBox_ = nullptr;
    QLineEdit* capacitorBox_ = nullptr;
    QComboBox* capacitorUnitList_ = nullptr;
    QLineEdit* supplyBox_ = nullptr;
    kit::SpinButton* supplySpin_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
};

}  // namespace ohm
