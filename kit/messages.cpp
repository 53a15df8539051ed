#include "kit/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "kit/kit.h"

namespace kit {

void BoxMessages::show(const std::string& text, const std::string& title) {
    QString shown = qs(text);
    shown.replace(QChar(u'\r'), QChar(u'\n'));  // a carriage return is a line break on screen
    QMessageBox box(QMessageBox::NoIcon, qs(title), shown, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void reportFault(Messages& messages, QLineEdit* box, const std::string& text,
                 std::initializer_list<QLabel*> emptied) {
    for (QLabel* l : emptied) l->clear();
    if (box != nullptr) selectAll(box);
    messages.show(text, kAppTitle);
}

}  // namespace kit
