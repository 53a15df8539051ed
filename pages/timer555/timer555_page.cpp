#include "pages/timer555/timer555_page.h"

namespace ohm {

Timer555Page::Timer555Page(QWidget* window, kit::Messages& messages, WindowVars& vars)
    : Page(window, messages, vars, "Frm555", QStringLiteral("555 Monostable/Astable ")) {}

void Timer555Page::startUp() {}

void Timer555Page::focusOnShow() {}

}  // namespace ohm
