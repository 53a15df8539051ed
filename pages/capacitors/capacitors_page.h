// The "Capacitors" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class CapacitorsPage : public Page {
    Q_OBJECT
public:
    CapacitorsPage(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
