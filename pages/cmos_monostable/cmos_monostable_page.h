// The "CMOS Monostables" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class CmosMonostablePage : public Page {
    Q_OBJECT
public:
    CmosMonostablePage(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
