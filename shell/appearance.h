// The look shared by the program, its tests and its screenshots.
#pragma once

class QApplication;
class QFont;

namespace ohm {

// One style and one small sans-serif face, so captions fit the controls laid
// out in twips on any machine, whatever its desktop theme. A platform theme
// that later replaces the application's face or style (at start-up or when the
// desktop's settings change) gets ours back; colours stay the desktop's.
void applyAppearance(QApplication& app);

// The window's own face, every attribute of it fixed, so nothing a platform
// theme sets for the application or for a kind of widget reaches the window.
QFont windowFont();

}  // namespace ohm
