// The "Potential Dividers" page: rail and tap voltages typed onto a drawn
// resistor chain, the tap count, the chain current and the resistor series;
// "Calculate Resistance Values" writes a value over each resistor.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "pages/divider/divider_calc.h"
#include "values/series.h"

#include "pages/page.h"

class QCheckBox;
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

    // Redraws the chain for the tap count its box shows ("1" to "4").
    void showTapCount();
    // Puts "R1".."R5" back over the resistors, forgetting the last values
    // and what they cost.
    void resetValueLabels();
    // A series or the best fit was chosen: the asked-for taps come back, the values go.
    void restoreRequestedTaps();
    void calculate();
    // The tolerance was changed: the ranges of the chain on screen are worked out again.
    void rangeChain();

private:
    // The taps as typed before the last fit to a series, so they come back
    // when the series is changed and the fitted texts are still untouched.
    std::array<std::string, 6> savedTapText_;

    void showNetwork(int taps);
    void chooseSeries(std::optional<Series> series);
    void showTapRanges(const std::vector<TapRange>& ranges);

    // What the last successful calculation measured each tap against, and
    // what it left in the box: while the box still shows that, pressing
    // again measures against the same request.
    std::array<std::string, 4> askedTapText_{};
    std::array<QString, 4> writtenTapText_{};
    int askedTaps_ = 0;

    // The chain on screen, kept so a new tolerance can range it again.
    struct ShownChain {
        float vs1 = 0;
        float vs2 = 0;
        std::vector<float> resistors;
    };
    std::optional<ShownChain> shownChain_;

    // The series the resistors are fitted to; none: the ideal values.
    std::optional<Series> series_;

    QLabel* instructions_ = nullptr;
    // The series options, "Ideal" first, in two columns.
    struct SeriesOption {
        kit::OptionButton* option;
        std::optional<Series> series;
    };
    std::array<SeriesOption, 6> seriesOptions_{};
    QLineEdit* tapCountBox_ = nullptr;
    kit::SpinButton* tapCountSpin_ = nullptr;
    QComboBox* currentList_ = nullptr;
    QLabel* vs2Caption_ = nullptr;
    QLineEdit* vs1Box_ = nullptr;
    QLineEdit* vs2Box_ = nullptr;
    // The chain from Vs1 to Vs2: resistor k sits between tap k and tap k + 1;
    // wire 2k leads into resistor k and wire 2k + 1 out of it.
    std::array<QLabel*, 5> valueLabels_{};
    std::array<kit::Rect*, 5> resistorBodies_{};
    std::array<kit::Line*, 10> wires_{};
    std::array<kit::Line*, 4> tapLines_{};
    std::array<QLineEdit*, 4> tapBoxes_{};
    std::array<QLabel*, 4> tapNumbers_{};
    QCheckBox* bestFitBox_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    // What the chain shown costs.
    QLabel* tapErrorValue_ = nullptr;
    QLabel* currentValue_ = nullptr;
    // Where each tap may lie when built: the worst case and 95% of builds.
    std::array<QLabel*, 4> worstRanges_{};
    std::array<QLabel*, 4> buildRanges_{};
    QComboBox* toleranceList_ = nullptr;

    // What the last successful calculation left in each tap box. A series
    // click puts the requested voltage back only where the box still shows
    // this, so a tap typed since is never overwritten.
    std::array<QString, 4> leftByCalc_{};
    std::array<bool, 4> hasLeft_{};
};

}  // namespace ohm
