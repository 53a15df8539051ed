#include "tests/support/ui_driver.h"

#include <QTest>

#include "tools/page_modes.h"
#include "tools/spoken.h"

namespace uitest {

Window::Window() : form_(std::make_unique<ohm::MainWindow>(messages)) {}

Window::~Window() = default;

QWidget* Window::find(QAccessible::Role role, const char* name) const {
    const QString spoken = QString::fromUtf8(name);
    if (QWidget* w = findOnShownPage(form_.get(), role, spoken)) return w;
    const std::vector<QWidget*> all = findSpoken(form_.get(), role, spoken);
    if (all.size() == 1) return all.front();
    ADD_FAILURE() << all.size() << " controls of role " << role << " named \"" << name << '"';
    return nullptr;
}

std::string Window::caption(const char* labelName) const {
    QLabel* l = label(labelName);
    return l ? l->text().toStdString() : std::string("<missing>");
}

std::string Window::text(const char* boxName) const {
    QLineEdit* e = box(boxName);
    return e ? e->text().toStdString() : std::string("<missing>");
}

void Window::showTab(const char* caption) {
    if (!uitest::showTab(form_.get(), QString::fromLatin1(caption))) ADD_FAILURE() << "no tab " << caption;
}

std::string Window::lastMessage() const {
    return messages.shown.empty() ? std::string() : messages.shown.back().text;
}

void type(QLineEdit* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
    QTest::keyClicks(box, text);
}

void pick(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

::testing::AssertionResult selectedWithFocus(const Window& w, QLineEdit* box) {
    if (box == nullptr) return ::testing::AssertionFailure() << "no box";
    if (w.focused() != box)
        return ::testing::AssertionFailure()
               << "focus is on " << (w.focused() ? spokenName(w.focused()).toStdString() : "nothing")
               << ", not " << spokenName(box).toStdString();
    if (box->selectedText() != box->text() || box->cursorPosition() != 0)
        return ::testing::AssertionFailure()
               << spokenName(box).toStdString() << " selection '" << box->selectedText().toStdString()
               << "' caret " << box->cursorPosition();
    return ::testing::AssertionSuccess();
}

}  // namespace uitest
