// The "Resistors" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class ResistorsPage : public Page {
    Q_OBJECT
public:
    ResistorsPage(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
