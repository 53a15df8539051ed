// Can the window be read? Two checks every page in every mode goes through.
//
// Captions: a caption fits when its width in the control's own font (the
// font's horizontalAdvance) is no more than the room the control gives it:
// its contents rectangle less what the style keeps for itself (an option's
// indicator and the spacing after it, a push button's margin and frame, a
// tab's spacing). Labels, push buttons, option and check buttons and the tabs
// of every tab strip are measured, where visible.
//
// Drawings: the colour each drawn line, outline and line-art picture is
// painted in, and each label's text colour, is compared with the colour
// covering most of its place in the window rendered with nothing drawn and no
// labels. The measure is the contrast ratio of two colours' relative
// luminances, (L1 + 0.05) / (L2 + 0.05), as WCAG defines it; 3:1 is its floor
// for graphics and large text.
#pragma once

#include <QColor>

#include <string>
#include <vector>

class QWidget;

namespace uitest {

struct Misfit {
    std::string control;  // object name
    std::string caption;
    int needed = 0;  // pixels
    int room = 0;
};

std::vector<Misfit> captionMisfits(QWidget* window);

struct FaintDrawing {
    std::string what;  // shape or label name
    QColor colour;
    QColor ground;
    double ratio = 0;
};

// Everything visible in `window` drawn at less than `floor` against its ground.
std::vector<FaintDrawing> faintDrawings(QWidget* window, double floor = 3.0);

// One line each, for a failure message.
std::string describe(const std::vector<Misfit>& misfits);
std::string describe(const std::vector<FaintDrawing>& faint);

}  // namespace uitest
