// The "Resistors" page: five band lists and the band rectangles painted over
// a resistor picture, in the 4-band or 5-band format; "Calculate Value" reads
// the bands, "Calculate Colours" paints the bands of a typed value.
#pragma once

#include <array>

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
class OptionButton;
class Picture;
class Rect;
}  // namespace kit

namespace ohm {

class ResistorsPage : public Page {
    Q_OBJECT
public:
    ResistorsPage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    // Handlers, named after control and event.
    void Combo1_Click(int index);
    void Res4Band_Click();
    void Res5Band_Click();
    void TxtResult_Change();
    void CmdCalcResValue_Click();
    void CmdCalcResColor_Click();

private:
    // 4 or 5: whether the third band is a digit or the multiplier.
    int bandCount_ = 4;

    void paint(int band, int code);
    void paintUnchosenBands();

    QLabel* Label52_ = nullptr;
    QLabel* Label4_ = nullptr;
    kit::OptionButton* Res4Band_ = nullptr;
    kit::OptionButton* Res5Band_ = nullptr;
    std::array<QLabel*, 5> Label1_{};
    std::array<QComboBox*, 5> Combo1_{};
    std::array<kit::Rect*, 5> Shape1_{};
    kit::Picture* ImgRes4_ = nullptr;
    kit::Picture* ImgRes5_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* TxtResult_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* LblTolerance_ = nullptr;
    QPushButton* CmdCalcResValue_ = nullptr;
    QPushButton* CmdCalcResColor_ = nullptr;
};

}  // namespace ohm
