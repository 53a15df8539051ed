// The "555 Timer" page: a monostable designer (left) and an astable designer
// (right), each drawing its timing chain with lines and rectangles and
// writing the values beside it.
#pragma once

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {
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

    void calculateMonostable();
    void showMonostableRange(bool range);
    void calculateAstable();
    void showAstableRange(bool range);

private:
    // Pulse t = 1.1 R C: R1 alone, or R1 and the pot VR1 for a range.
    struct MonostableGroup {
        QGroupBox* frame = nullptr;
        kit::OptionButton* fixedOption = nullptr;
        kit::OptionButton* rangeOption = nullptr;
        QLineEdit* duration = nullptr;  // the minimum in range mode
        QLineEdit* maxDuration = nullptr;
        QLabel* minCaption = nullptr;
        QLabel* maxCaption = nullptr;
        QLabel* maxUnitCaption = nullptr;
        QLabel* formula = nullptr;
        QLineEdit* capacitor = nullptr;
        QComboBox* capacitorUnit = nullptr;
        QPushButton* calculate = nullptr;
        // The drawing: R1, VR1 with its wiper arrow, then the capacitor.
        QLabel* vr1Symbol = nullptr;
        QLabel* r1Value = nullptr;
        QLabel* vr1Value = nullptr;
        kit::Rect* r1Body = nullptr;
        kit::Rect* vr1Body = nullptr;
        kit::Line* vr1Wiper = nullptr;
        kit::Line* leadToCapacitor = nullptr;  // from the foot of R1 or VR1
    };

    // Frequency f = 1.44 / ((R1 + 2 R2) C): R1 fixed at 1K, R2, and the pot
    // VR1 for a range.
    struct AstableGroup {
        QGroupBox* frame = nullptr;
        kit::OptionButton* fixedOption = nullptr;
        kit::OptionButton* rangeOption = nullptr;
        QLineEdit* frequency = nullptr;  // the minimum in range mode
        QLineEdit* maxFrequency = nullptr;
        QLabel* minCaption = nullptr;
        QLabel* maxCaption = nullptr;
        QLabel* maxUnitCaption = nullptr;
        QLabel* formula = nullptr;
        QLineEdit* capacitor = nullptr;
        QComboBox* capacitorUnit = nullptr;
        QPushButton* calculate = nullptr;
        // The drawing: R1, R2, VR1 with its wiper arrow, then the capacitor.
        QLabel* vr1Symbol = nullptr;
        QLabel* r1Value = nullptr;
        QLabel* r2Value = nullptr;
        QLabel* vr1Value = nullptr;
        kit::Rect* vr1Body = nullptr;
        kit::Line* r2ToVr1 = nullptr;
        kit::Line* vr1Wiper = nullptr;
        kit::Line* leadToCapacitor = nullptr;  // from the foot of R2 or VR1
    };

    void buildMonostable();
    void buildAstable();
    void setTabOrder();

    MonostableGroup monostable_;
    AstableGroup astable_;
};

}  // namespace ohm
