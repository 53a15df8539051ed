#include "shell/page.h"

#include <QGroupBox>

#include "shell/kit/drawing.h"
#include "shell/kit/kit.h"

namespace ohm {

Page::Page(QWidget* window, kit::Messages& messages, WindowVars& vars, const char* frameName,
           const QString& caption)
    : QObject(window), messages_(messages), vars_(vars) {
    frame_ = kit::frame(window, frameName, {240, 930, 6675, 3885}, caption);
    drawing_ = new kit::Drawing(frame_);
}

Page::~Page() = default;

}  // namespace ohm
