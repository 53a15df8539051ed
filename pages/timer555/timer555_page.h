// The "555 Timer" page: a monostable designer (left) and an astable designer
// (right), each drawing its timing chain with lines and rectangles and
// writing the values beside it; or, from the parts typed beside the drawn
// resistors, what the circuit does.
#pragma once

#include <optional>
#include <vector>

#include "pages/page.h"
#include "pages/timer555/timer555_calc.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kit {
class Line;
class OptionButton;
class Shape;
}  // namespace kit

namespace ohm {

struct Timer555GroupPlan;

class Timer555Page : public Page {
    Q_OBJECT
public:
    // How a group works: designing for one value, or for a range trimmed by
    // a pot; or working out what the parts at hand do.
    enum class Mode { Fixed, Range, FromParts };
    // Which circuit a group designs.
    enum class Circuit { Monostable, Astable };

    Timer555Page(QWidget* window, kit::Messages& messages);
    void startUp() override;
    void focusOnShow() override;

    void calculateMonostable();
    void calculateAstable();

private:
    // One designer: the monostable (pulse t = 1.1 R C: R1 alone, or R1 and
    // the pot VR1 for a range) or the astable (f = 1.44 / ((R1 + 2 R2) C):
    // R1 fixed at 1K, R2, and the pot VR1 for a range).
    struct Group {
        const Timer555GroupPlan* plan = nullptr;
        Mode mode = Mode::Fixed;
        QGroupBox* frame = nullptr;
        kit::OptionButton* fixedOption = nullptr;
        kit::OptionButton* rangeOption = nullptr;
        kit::OptionButton* partsOption = nullptr;
        QLineEdit* input = nullptr;  // the pulse duration or frequency; the minimum in range mode
        QLineEdit* maxInput = nullptr;
        QLabel* formula = nullptr;
        QLineEdit* capacitor = nullptr;
        QComboBox* capacitorUnit = nullptr;
        QPushButton* calculate = nullptr;
        // The values beside the drawn resistors; r2Value only in the astable.
        QLabel* r1Value = nullptr;
        QLabel* r2Value = nullptr;
        QLabel* vr1Value = nullptr;
        // What only Range mode shows: the maximum box and its captions, the
        // pot VR1 with its wiper and value.
        std::vector<QWidget*> rangeControls;
        std::vector<kit::Shape*> rangeShapes;
        // What the designers show and working from parts does not: the
        // duration or frequency box and its unit, the value labels of the
        // fixed resistors (the boxes below take their place).
        std::vector<QWidget*> designControls;
        // Working from parts: the resistor boxes (r2Box only in the
        // astable), the results in the order they are written, and their
        // captions.
        QLineEdit* r1Box = nullptr;
        QLineEdit* r2Box = nullptr;
        std::vector<QLabel*> results;
        std::vector<QWidget*> partsControls;
        // The tolerances of the parts, the ranges of the results, and the
        // parts they were worked out for (none while no range shows).
        QComboBox* resistorTolerance = nullptr;
        QComboBox* capacitorTolerance = nullptr;
        std::vector<QLabel*> ranges;
        std::optional<Timer555Parts> shownParts;
        kit::Line* leadToCapacitor = nullptr;  // from the foot of the last fixed resistor, or of VR1
    };

    void build(Group& g, const Timer555GroupPlan& plan);
    void startUp(Group& g);
    void setMode(Group& g, Mode mode);
    void showControlsFor(Group& g);
    void setTabOrder();
    void calculateFromParts(Group& g);
    template <typename Check>
    void report(Group& g, const Timer555Failure<Check>& failure);
    void showRanges(Group& g, const std::optional<PartsRanges>& ranges);
    void rangeParts(Group& g);

    Group monostable_;
    Group astable_;
};

}  // namespace ohm
