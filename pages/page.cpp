#include "pages/page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"

namespace ohm {

Page::Page(QWidget* window, kit::Messages& messages, const char* frameName, const QString& caption)
    : QObject(window), messages_(messages) {
    frame_ = kit::frame(window, frameName, {240, 930, 6675, 3885}, caption);
    drawing_ = new kit::Drawing(frame_);
}

Page::~Page() = default;

void Page::report(QLineEdit* box, bool select, const std::vector<QLabel*>& emptied, const std::string& prompt) {
    for (QLabel* l : emptied) l->clear();
    if (select)
        kit::selectAll(box);
    else
        kit::focus(box);
    messages_.show(prompt, kit::kAppTitle);
}

}  // namespace ohm
