#include "pages/cmos_monostable/cmos_monostable_page.h"

namespace ohm {

CmosMonostablePage::CmosMonostablePage(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "FrmMono", QStringLiteral("CMOS Monostables")) {}

void CmosMonostablePage::startUp() {}

void CmosMonostablePage::focusOnShow() {}

}  // namespace ohm
