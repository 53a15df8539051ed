// The "CMOS Astables" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class CmosAstablePage : public Page {
    Q_OBJECT
public:
    CmosAstablePage(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
