// The "Potential Dividers" page.
#pragma once

#include "shell/page.h"

namespace ohm {

class DividerPage : public Page {
    Q_OBJECT
public:
    DividerPage(QWidget* window, kit::Messages& messages, WindowVars& vars);
    void startUp() override;
    void focusOnShow() override;
};

}  // namespace ohm
