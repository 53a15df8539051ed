// The "555 Timer" page: a monostable designer (group Frame1, left) and an
// astable designer (group frmAstable, right), each drawing its timing chain
// with lines and rectangles and writing the values beside it.
#pragma once

#include <array>

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
class Drawing;
class Line;
class OptionButton;
class Rect;
}  // namespace kit

namespace ohm {

class Timer555Page : public Page {
    Q_OBJECT
public:
    Timer555Page(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    // Astable group.
    void CMDCalcFreq_Click();
    void OPT555Fixed_Click();
    void OPT555Range_Click();
    // Monostable group.
    void CMDCalc555Mono_Click();
    void OPT555MonoFixed_Click();
    void OPT555MonoRange_Click();

private:
    void buildMonostable();
    void buildAstable();
    void setTabOrder();

    QGroupBox* frame1_ = nullptr;      // monostable
    QGroupBox* frmAstable_ = nullptr;  // astable

    // Control arrays shared by the two groups: the low elements are the
    // astable's, the high ones the monostable's.
    std::array<QLabel*, 7> LBLR_{};
    std::array<QLabel*, 5> LBLRVal_{};
    std::array<QLabel*, 4> Label12_{};
    std::array<kit::Line*, 7> Line3_{};

    // Astable.
    kit::OptionButton* OPT555Fixed_ = nullptr;
    kit::OptionButton* OPT555Range_ = nullptr;
    std::array<QLineEdit*, 2> TXTFreq_{};
    QLabel* Label9_ = nullptr;
    QLabel* Label30_ = nullptr;
    QLineEdit* TXTAstCap_ = nullptr;
    QComboBox* CBOAstCapMult_ = nullptr;
    QPushButton* CMDCalcFreq_ = nullptr;
    std::array<kit::Rect*, 3> SHPAstRes_{};
    std::array<kit::Line*, 2> Line4_{};

    // Monostable.
    kit::OptionButton* OPT555MonoFixed_ = nullptr;
    kit::OptionButton* OPT555MonoRange_ = nullptr;
    std::array<QLineEdit*, 2> TXT555Dur_{};
    QLabel* Label26_ = nullptr;
    QLabel* Label29_ = nullptr;
    QLineEdit* TXT555MCap_ = nullptr;
    QComboBox* CBO555Mult_ = nullptr;
    QPushButton* CMDCalc555Mono_ = nullptr;
    std::array<kit::Rect*, 2> SHPMonoRes_{};
    std::array<kit::Line*, 6> Line2_{};
};

}  // namespace ohm
