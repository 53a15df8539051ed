// Does every caption fit its control? A caption fits when its width in the
// control's own font (the font's horizontalAdvance) is no more than the room
// the control gives it: its contents rectangle less what the style keeps for
// itself (an option's indicator and the spacing after it, a push button's
// margin and frame, a tab's spacing). Labels, push buttons, option and check
// buttons and the tabs of every tab strip are measured, where visible.
#pragma once

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

// One line per misfit, for a failure message.
std::string describe(const std::vector<Misfit>& misfits);

}  // namespace uitest
