// The look shared by the program, its tests and its screenshots.
#pragma once

class QApplication;

namespace ohm {

// One style and one small sans-serif face, so captions fit the controls laid
// out in twips on any machine, whatever its desktop theme.
void applyAppearance(QApplication& app);

}  // namespace ohm
