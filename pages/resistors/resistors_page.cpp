#include "pages/resistors/resistors_page.h"

namespace ohm {

ResistorsPage::ResistorsPage(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "FrmResCon", QStringLiteral("Resistor Conversion")) {}

void ResistorsPage::startUp() {}

void ResistorsPage::focusOnShow() {}

}  // namespace ohm
