// Is what we draw readable? The colour each drawn line, outline and line-art
// picture is painted in, and each label's text colour, is compared with the
// colour covering most of its place in the window rendered with nothing drawn
// and no labels. The measure is the contrast ratio of two colours'
// relative luminances, (L1 + 0.05) / (L2 + 0.05), as WCAG defines it; 3:1 is
// its floor for graphics and large text.
#pragma once

#include <QColor>

#include <string>
#include <vector>

class QWidget;

namespace uitest {

struct FaintDrawing {
    std::string what;  // shape or label name
    QColor colour;
    QColor ground;
    double ratio = 0;
};

// Everything visible in `window` drawn at less than `floor` against its ground.
std::vector<FaintDrawing> faintDrawings(QWidget* window, double floor = 3.0);

std::string describe(const std::vector<FaintDrawing>& faint);

}  // namespace uitest
