// The "Resistors" page: five band lists and the band rectangles painted over
// a resistor picture, in the 4-band or 5-band format; "Calculate Value" reads
// the bands, "Calculate Colours" paints the bands of a typed value.
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
class Rect;
}  // namespace kit

namespace ohm {

class ResistorsPage : public Page {
    Q_OBJECT
public:
    ResistorsPage(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

private:
    void bandPicked(int band);
    void showFourBands();
    void showFiveBands();
    void valueEdited();
    void calculateValue();
    void calculateColours();

    void paint(int band, int code);
    void paintUnchosenBands();

    // 4 or 5: whether the third band is a digit or the multiplier.
    int bandCount_ = 4;

    kit::OptionButton* fourBandsOption_ = nullptr;
    kit::OptionButton* fiveBandsOption_ = nullptr;
    // Band 3 is the multiplier of the 5-band format, hidden in the 4-band
    // one; band 4 is the tolerance in both.
    std::array<QLabel*, 5> bandCaptions_{};
    std::array<QComboBox*, 5> bandLists_{};
    std::array<kit::Rect*, 5> bandRects_{};
    kit::Picture* fourBandPicture_ = nullptr;
    kit::Picture* fiveBandPicture_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    QLabel* toleranceLabel_ = nullptr;
    QPushButton* calculateValueButton_ = nullptr;
    QPushButton* calculateColoursButton_ = nullptr;
};

}  // namespace ohm
