// The "CMOS Monostables" page: the timing resistor of a two-gate monostable,
// drawn once with NAND gates and once with NOR gates.
#pragma once

#include "pages/cmos_monostable/cmos_monostable_calc.h"
#include "pages/page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
class OptionButton;
class Picture;
}  // namespace kit

namespace ohm {

class CmosMonostablePage : public Page {
    Q_OBJECT
public:
    CmosMonostablePage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    // Fixed mode: one duration and the fixed resistor; Range mode adds the
    // maximum duration and the variable resistor in series.
    void showLayout(MonoMode mode);
    // Writes the capacitor text and unit beside C1 in both drawings.
    void showCapacitor();
    void calculate();

    // The unit list's position as the calculation sees it: -1 once the
    // person has typed a unit text that is not the picked entry's.
    int unitIndex() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    // One drawing of the circuit: its pictures for both modes and the values
    // written onto it. The NAND and NOR drawings always show the same values.
    struct Circuit {
        kit::Picture* fixedPicture = nullptr;
        kit::Picture* rangePicture = nullptr;
        QLabel* capacitorValue = nullptr;
        QLabel* r1Value = nullptr;
        QLabel* vr1Value = nullptr;
    };
    Circuit nand_;
    Circuit nor_;

    kit::OptionButton* fixedOption_ = nullptr;
    kit::OptionButton* rangeOption_ = nullptr;
    QLabel* minCaption_ = nullptr;
    QLabel* maxCaption_ = nullptr;
    QLabel* maxDurationUnit_ = nullptr;
    QLineEdit* durationBox_ = nullptr;     // the duration, or the minimum in Range mode
    QLineEdit* maxDurationBox_ = nullptr;  // Range mode only
    QLineEdit* capacitorBox_ = nullptr;
    QComboBox* unitList_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
};

}  // namespace ohm
