#include "pages/capacitors/capacitors_page.h"

namespace ohm {

CapacitorsPage::CapacitorsPage(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "FrmCapacitor", QStringLiteral("Capacitor Timings ")) {}

void CapacitorsPage::startUp() {}

void CapacitorsPage::focusOnShow() {}

}  // namespace ohm
