#include "kit/kit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVariant>

#include <cmath>

#include "kit/widgets.h"

namespace kit {
namespace {
constexpr const char* kTwipProperty = "twipRect";

template <typename W>
W* named(W* w, const char* name, TwipRect r, const QString& accessibleName) {
    // Before the first control exists: an interface Qt makes for a label is
    // kept for its lifetime, so ours must be in place from the start.
    installAccessibility();
    w->setObjectName(QString::fromLatin1(name));
    if (!accessibleName.isEmpty()) w->setAccessibleName(accessibleName);
    place(w, r);
    return w;
}
}  // namespace

int px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

void place(QWidget* w, TwipRect r) {
    w->setProperty(kTwipProperty, QRect(r.left, r.top, r.width, r.height));
    w->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

TwipRect twipRect(const QWidget* w) {
    const QRect r = w->property(kTwipProperty).toRect();
    return {r.x(), r.y(), r.width(), r.height()};
}

void setTwipLeft(QWidget* w, int left) {
    TwipRect r = twipRect(w);
    r.left = left;
    place(w, r);
}

void setTwipTop(QWidget* w, int top) {
    TwipRect r = twipRect(w);
    r.top = top;
    place(w, r);
}

void setTwipWidth(QWidget* w, int width) {
    TwipRect r = twipRect(w);
    r.width = width;
    place(w, r);
}

QGroupBox* frame(QWidget* parent, const char* name, TwipRect r, const QString& caption) {
    return named(new QGroupBox(caption, parent), name, r, caption.trimmed());
}

QLabel* label(QWidget* parent, const char* name, TwipRect r, const QString& caption,
              const QString& accessibleName) {
    auto* l = named(new QLabel(caption, parent), name, r, accessibleName);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit* textBox(QWidget* parent, const char* name, TwipRect r, const QString& text,
                   const QString& accessibleName, int maxLength) {
    auto* e = named(new QLineEdit(parent), name, r, accessibleName);
    if (maxLength > 0) e->setMaxLength(maxLength);
    e->setText(text);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                    const QString& accessibleName) {
    auto* b = named(new QPushButton(caption, parent), name, r, accessibleName);
    b->setAutoDefault(false);
    return b;
}

QComboBox* list(QWidget* parent, const char* name, TwipRect r, const QString& accessibleName,
                bool editable) {
    auto* c = named(new QComboBox(parent), name, r, accessibleName);
    // On Linux a list's accessible name is its current entry; what it is for
    // reaches a screen reader through its caption (a buddy label) or, where
    // none stands beside it, this description.
    c->setAccessibleDescription(accessibleName);
    c->setEditable(editable);
    if (editable) {
        c->setInsertPolicy(QComboBox::NoInsert);
        c->lineEdit()->setAccessibleName(accessibleName);
    }
    return c;
}

OptionButton* option(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                     const QString& accessibleName) {
    auto* o = named(new OptionButton(parent), name, r, accessibleName);
    o->setText(caption);
    return o;
}

SpinButton* spin(QWidget* parent, const char* name, TwipRect r, const QString& accessibleName) {
    auto* s = named(new SpinButton(parent), name, r, accessibleName);
    s->upArrow()->setAccessibleName(QStringLiteral("Increase ") + accessibleName);
    s->downArrow()->setAccessibleName(QStringLiteral("Decrease ") + accessibleName);
    return s;
}

QCheckBox* checkBox(QWidget* parent, const char* name, TwipRect r, const QString& caption,
                    const QString& accessibleName) {
    return named(new QCheckBox(caption, parent), name, r, accessibleName);
}

void selectAll(QLineEdit* box) {
    const int n = static_cast<int>(box->text().size());
    box->setSelection(n, -n);  // selection runs back to 0, leaving the caret at the start
    box->setFocus(Qt::OtherFocusReason);
}

void focus(QWidget* w) { w->setFocus(Qt::OtherFocusReason); }

void focusBeforeLast(QLineEdit* box) {
    const int n = static_cast<int>(box->text().size());
    box->setFocus(Qt::OtherFocusReason);
    box->deselect();
    box->setCursorPosition(n > 0 ? n - 1 : 0);
}

void enterPresses(QLineEdit* box, QAbstractButton* button) {
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] { button->click(); });
}

void narrowList(QComboBox* list) {
    list->setProperty(kNarrowListProperty, true);
    // Nothing in the application style reads the property: without this the
    // list keeps Fusion's wide arrow and "nF" is squeezed against it.
    list->setStyleSheet(QStringLiteral("QComboBox { padding-left: 3px; } QComboBox::drop-down { width: 13px; }"));
}

void copyable(QLabel* l) {
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setProperty(kResultLabelProperty, true);
}

void smallType(QWidget* w) {
    QFont f = w->font();
    f.setPixelSize(9);
    w->setFont(f);
}


QColor colourFromBgr(double number) {
    const auto v = static_cast<unsigned long>(number < 0 ? 0 : (number > 0xFFFFFF ? 0xFFFFFF : number));
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

std::string utf8(const QString& s) { return s.toStdString(); }

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string textOf(const QLabel* l) { return utf8(l->text()); }
std::string textOf(const QLineEdit* e) { return utf8(e->text()); }

}  // namespace kit
