// Is what we draw readable? Each drawn line, outline and line-art picture,
// and each label's text, is compared with the ground behind it: the window
// rendered without it (lines, outlines and labels taken away; for a picture,
// every drawn shape). The measure is the contrast ratio of two colours'
// relative luminances, (L1 + 0.05) / (L2 + 0.05), as WCAG defines it; 3:1 is
// its floor for graphics and large text.
#pragma once

#include <QColor>

#include <string>
#include <vector>

class QWidget;

namespace uitest {

double contrastRatio(const QColor& a, const QColor& b);

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
