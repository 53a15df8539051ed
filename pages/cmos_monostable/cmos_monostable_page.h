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

    void OPTMonoFixed_Click();
    void OPTMonoRange_Click();
    void TXTMonoCap_Change();
    void CBOMonoMult_Click();
    void CMDCalcMono_Click();

    // The unit list's position as the calculation sees it: -1 once the
    // person has typed a unit text that is not the picked entry's.
    int unitIndex() const;

private:
    void showLayout(MonoMode mode);
    QLineEdit* boxOf(MonoCheck check) const;

    kit::Picture* IMGNANDMono1_;
    kit::Picture* IMGNANDMono2_;
    kit::Picture* IMGNORMono1_;
    kit::Picture* IMGNORMono2_;
    QLabel* LBLMonoC1_;
    QLabel* LBLMonoC2_;
    QLabel* LBLMonoR1_;
    QLabel* LBLMonoR2_;
    QLabel* LBLMonoVR1_;
    QLabel* LBLMonoVR2_;
    QLabel* Label34_;
    QLabel* Label35_;
    QLabel* Label37_;
    kit::OptionButton* OPTMonoFixed_;
    kit::OptionButton* OPTMonoRange_;
    QLineEdit* TXTMonoFixed_;
    QLineEdit* TXTMonoRange_;
    QLineEdit* TXTMonoCap_;
    QComboBox* CBOMonoMult_;
    QPushButton* CMDCalcMono_;
};

}  // namespace ohm
