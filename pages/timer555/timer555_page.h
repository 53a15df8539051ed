// The "555 Timer" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class Timer555Page : public Page {
    Q_OBJECT
public:
    Timer555Page(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
