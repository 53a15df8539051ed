// Drives the real window the way a person does: type into boxes, pick list
// entries, click buttons and tabs; messages go to a recorder.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/form1.h"
#include "shell/kit/drawing.h"
#include "shell/kit/kit.h"
#include "shell/kit/messages.h"
#include "shell/kit/widgets.h"

namespace uitest {

class Window {
public:
    Window();
    ~Window();

    ohm::Form1& form() { return *form_; }
    kit::RecordingMessages messages;

    // Every control by its name; a missing one fails the test.
    template <typename T>
    T* get(const char* name) const {
        T* w = form_->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) ADD_FAILURE() << "no control named " << name;
        return w;
    }
    QLineEdit* box(const char* name) const { return get<QLineEdit>(name); }
    QLabel* label(const char* name) const { return get<QLabel>(name); }
    QComboBox* list(const char* name) const { return get<QComboBox>(name); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    kit::OptionButton* option(const char* name) const { return get<kit::OptionButton>(name); }
    kit::SpinButton* spin(const char* name) const { return get<kit::SpinButton>(name); }
    kit::Line* line(const char* name) const { return get<kit::Line>(name); }
    kit::Rect* rect(const char* name) const { return get<kit::Rect>(name); }
    kit::Picture* picture(const char* name) const { return get<kit::Picture>(name); }

    std::string caption(const char* labelName) const;
    std::string text(const char* boxName) const;

    // Clicks the tab with this caption.
    void showTab(const char* caption);
    // The control with the keyboard focus (offscreen windows are never active).
    QWidget* focused() const { return form_->focusWidget(); }

    // The texts of the messages shown so far, and forgetting them.
    std::string lastMessage() const;
    void clearMessages() { messages.shown.clear(); }

private:
    std::unique_ptr<ohm::Form1> form_;
};

// Select the whole text and type over it, key by key.
void type(QLineEdit* box, const QString& text);
// Pick entry `index` of a list as a person would with the mouse.
void pick(QComboBox* list, int index);
// Click a push button or option button.
void click(QAbstractButton* button);

// True when the box has the focus with its whole text selected, caret at 0.
::testing::AssertionResult selectedWithFocus(const Window& w, QLineEdit* box);

}  // namespace uitest
