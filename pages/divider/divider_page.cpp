#include "pages/divider/divider_page.h"

namespace ohm {

DividerPage::DividerPage(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "FrmPotDiv", QStringLiteral("Potential Divider Calculations")) {}

void DividerPage::startUp() {}

void DividerPage::focusOnShow() {}

}  // namespace ohm
