// The "Resistors" page: band lists and the band rectangles painted over a
// resistor picture, in the 4-, 5- or 6-band format; "Calculate Value" reads
// the bands, "Calculate Colours" paints the bands of a typed value. In the SMD
// format a drawn chip and a marking box take their place.
#pragma once

#include <array>
#include <optional>

#include "pages/page.h"
#include "pages/resistors/resistors_calc.h"

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
    // The page's formats: the three band formats in the order of BandFormat,
    // and SMD markings printed on a chip.
    enum class Format { FourBands, FiveBands, SixBands, Smd };
    static constexpr int kFormats = 4;
    static bool HasBands(Format format) { return format != Format::Smd; }
    static BandFormat BandsOf(Format format) { return static_cast<BandFormat>(format); }

    void bandPicked(int band);
    // Shows the lists, captions, bands and picture of a format; safe to run
    // again for the format in force.
    void showFormat(Format format);
    void valueEdited();
    void calculateValue();
    void calculateColours();
    void readBands();
    void paintBands();

    void paint(int band, int code);
    void paintUnchosenBands(BandFormat format);
    void readMarking();
    void writeMarkings();
    // The best pairs of the chosen series for a value the page has just
    // turned into parts; remembered so another series can work it out again.
    void showPairs(double target);
    void pairSeriesPicked();

    Format format_ = Format::FourBands;

    std::array<kit::OptionButton*, kFormats> formatOptions_{};
    std::array<kit::Picture*, kBandFormats> pictures_{};
    // One list, caption and rectangle per band list; a format hides those it
    // has no band for.
    std::array<QLabel*, kBandLists> bandCaptions_{};
    std::array<QComboBox*, kBandLists> bandLists_{};
    std::array<kit::Rect*, kBandLists> bandRects_{};
    // The SMD format: a chip drawn in place of the banded body, the marking
    // to read, and the markings written for a typed value.
    std::array<kit::Rect*, 3> chipShapes_{};
    QLabel* chipMarking_ = nullptr;
    QLabel* markingCaption_ = nullptr;
    QLineEdit* markingBox_ = nullptr;
    QLabel* markingsCaption_ = nullptr;
    QLabel* markingsLabel_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    QLabel* toleranceLabel_ = nullptr;
    QLabel* coefficientLabel_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLabel* seriesLabel_ = nullptr;
    QLabel* otherReadingLabel_ = nullptr;
    QLabel* seriesPairLabel_ = nullptr;
    QLabel* parallelPairLabel_ = nullptr;
    QComboBox* pairSeriesList_ = nullptr;
    std::optional<double> pairTarget_;
    QPushButton* calculateValueButton_ = nullptr;
    QPushButton* calculateColoursButton_ = nullptr;
};

}  // namespace ohm
