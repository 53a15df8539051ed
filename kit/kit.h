// Our thin layer over Qt: the pages were laid out in twips (1/1440 inch,
// 15 to a logical pixel), so every control is placed from a twip rectangle
// and keeps that rectangle for tests to read back exactly.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kit {

class OptionButton;
class SpinButton;

inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

// Logical pixels for a twip length (rounded to the nearest pixel).
int px(int twips);

// Places a widget at a twip rectangle within its parent and remembers it.
void place(QWidget* w, TwipRect r);
TwipRect twipRect(const QWidget* w);
void setTwipLeft(QWidget* w, int left);
void setTwipTop(QWidget* w, int top);
void setTwipWidth(QWidget* w, int width);

// Factories: each makes a child of `parent` with its objectName, twip
// geometry and the name a screen reader speaks.
QGroupBox* frame(QWidget* parent, const char* name, TwipRect r, const QString& caption);
QLabel* label(QWidget* parent, const char* name, TwipRect r, const QString& caption,
              const QString& accessibleName = {});
QLineEdit* textBox(QWidget* parent, const char* name, TwipRect r, const QString& text,
                   const QString& accessibleName, int maxLength = 0);
QPushButton* button(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                    const QString& accessibleName = {});
// A drop-down list; pick-only unless `editable`.
QComboBox* list(QWidget* parent, const char* name, TwipRect r, const QString& accessibleName,
                bool editable = false);
OptionButton* option(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                     const QString& accessibleName = {});
SpinButton* spin(QWidget* parent, const char* name, TwipRect r, const QString& accessibleName);
QCheckBox* checkBox(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                    const QString& accessibleName = {});

// Select-all as the pages expect it: the whole text selected with the caret
// at the start, then the keyboard focus on the box.
void selectAll(QLineEdit* box);
// Focus without selecting anything.
void focus(QWidget* w);
// Focus with the caret before the last character (at the start when empty).
void focusBeforeLast(QLineEdit* box);

// A unit list too narrow for the usual drop-down arrow gets a slimmer one.
inline constexpr const char* kNarrowListProperty = "kitNarrowList";
void narrowList(QComboBox* list);

// Enter in `box` presses `button` (the page's or group's calculate button).
void enterPresses(QLineEdit* box, QAbstractButton* button);
// A result label whose text can be selected with the mouse and copied.
void copyable(QLabel* l);
// The smaller face (9 pixels) of labels packed tight, such as the lines of
// ranges under the divider's taps.
void smallType(QWidget* w);

// Colours from "&HBBGGRR" colour numbers (blue in the high byte).
QColor colourFromBgr(double number);

// UTF-8 bridges between controls and the calculation core.
std::string utf8(const QString& s);
QString qs(std::string_view s);

// The text of a label, box or list as the core wants it.
std::string textOf(const QLabel* l);
std::string textOf(const QLineEdit* e);

// The application title shown on every message box without a title of its own.
inline constexpr const char* kAppTitle = "Ohmbench";

}  // namespace kit
