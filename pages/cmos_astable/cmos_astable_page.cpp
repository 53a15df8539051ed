#include "pages/cmos_astable/cmos_astable_page.h"

namespace ohm {

CmosAstablePage::CmosAstablePage(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "FrmCMOS", QStringLiteral("CMOS Astables")) {}

void CmosAstablePage::startUp() {}

void CmosAstablePage::focusOnShow() {}

}  // namespace ohm
