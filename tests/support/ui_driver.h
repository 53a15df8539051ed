// Drives the real window the way a person does: type into boxes, pick list
// entries, click buttons and tabs; messages go to a recorder.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/main_window.h"
#include "kit/drawing.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "kit/widgets.h"
#include "tools/recording_messages.h"

namespace uitest {

class Window {
public:
    Window();
    ~Window();

    ohm::MainWindow& form() { return *form_; }
    RecordingMessages messages;

    // Every control by its role and the name a screen reader speaks ("Tap 1
    // voltage"), on the page showing when the name recurs on other pages; a
    // missing or ambiguous one fails the test.
    QWidget* find(QAccessible::Role role, const char* name) const;
    QLineEdit* box(const char* name) const { return as<QLineEdit>(find(QAccessible::EditableText, name)); }
    QLabel* label(const char* name) const { return as<QLabel>(find(QAccessible::StaticText, name)); }
    QComboBox* list(const char* name) const { return as<QComboBox>(find(QAccessible::ComboBox, name)); }
    QPushButton* button(const char* name) const { return as<QPushButton>(find(QAccessible::Button, name)); }
    kit::OptionButton* option(const char* name) const {
        return as<kit::OptionButton>(find(QAccessible::RadioButton, name));
    }
    kit::SpinButton* spin(const char* name) const { return as<kit::SpinButton>(find(QAccessible::SpinBox, name)); }
    QGroupBox* group(const char* name) const { return as<QGroupBox>(find(QAccessible::Grouping, name)); }

    // Drawn shapes are pictures, not controls: a screen reader never meets
    // them, so tests reach them by their internal name.
    template <typename T>
    T* shape(const char* name) const {
        T* s = form_->findChild<T*>(QString::fromLatin1(name));
        if (s == nullptr) ADD_FAILURE() << "no shape named " << name;
        return s;
    }
    kit::Line* line(const char* name) const { return shape<kit::Line>(name); }
    kit::Rect* rect(const char* name) const { return shape<kit::Rect>(name); }
    kit::Picture* picture(const char* name) const { return shape<kit::Picture>(name); }

    std::string caption(const char* labelName) const;  // by spoken name
    std::string text(const char* boxName) const;

    // Clicks the tab with this caption.
    void showTab(const char* caption);
    // The control with the keyboard focus (offscreen windows are never active).
    QWidget* focused() const { return form_->focusWidget(); }

    // The texts of the messages shown so far, and forgetting them.
    std::string lastMessage() const;
    void clearMessages() { messages.shown.clear(); }

private:
    template <typename T>
    static T* as(QWidget* w) {
        T* t = qobject_cast<T*>(w);
        if (w != nullptr && t == nullptr) ADD_FAILURE() << "control of an unexpected kind";
        return t;
    }
    std::unique_ptr<ohm::MainWindow> form_;
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
