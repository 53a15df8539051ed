#include "pages/page.h"

#include <QGroupBox>

#include "kit/drawing.h"
#include "kit/kit.h"

namespace ohm {

Page::Page(QWidget* window, kit::Messages& messages, const char* frameName, const QString& caption)
    : QObject(window), messages_(messages) {
    frame_ = kit::frame(window, frameName, {240, 930, 6675, 3885}, caption);
    drawing_ = new kit::Drawing(frame_);
}

Page::~Page() = default;

}  // namespace ohm
