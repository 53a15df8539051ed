#include "kit/widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kit {
namespace {

// What a screen reader calls a label without a name of its own: a caption
// takes the name of the box it labels (its buddy), any other label what it
// shows.
QString captionedName(const QLabel* caption) {
    const QWidget* box = caption->buddy();
    if (box != nullptr && !box->accessibleName().isEmpty()) return box->accessibleName();
    return caption->text();
}

// Screen readers see a spin button as a spin box with a value, not as two
// anonymous arrows.
class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinButtonAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(spin()->value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return spin()->value(); }
    void setCurrentValue(const QVariant& v) override { spin()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return spin()->maximum(); }
    QVariant minimumValue() const override { return spin()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
};

// A label keeps its spoken name ("R2 value") and offers what it shows as
// text, so a screen reader can read a result and not only its name.
//
// A caption (a label with a buddy) is spoken in place of its box: screen
// readers name a box by the caption it is labelled by before the box's own
// name. Captions are often a symbol from the drawing ("C", "#1"), a terse
// word ("Vsupply", "Max") or carry a colon ("VALUE:   "), so a caption is
// named after its box ("Astable timing capacitor", "Tap 1 voltage"); what it
// shows stays its text and its description.
class ResultLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        // A description the page gives (a resistor's power) says more than the text again.
        if (t == QAccessible::Description && !widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        if (t == QAccessible::Value || t == QAccessible::Description) return shown();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return captionedName(static_cast<QLabel*>(widget()));
        return QAccessibleWidget::text(t);
    }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

QAccessibleInterface* KitFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("kit::SpinButton")) return new SpinButtonAccessible(static_cast<QWidget*>(object));
    // Every label: an interface may be made (and cached) while the label is
    // still being set up, so it must not depend on how the page marks it.
    if (className == QLatin1String("QLabel"))
        return new ResultLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(KitFactory), true);
    (void)installed;
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    // Becoming checked covers every way in, the accessible "Toggle" action
    // included, which checks the button without a click.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked) return;
        // Tab enters a group at the option that takes Tab focus; Qt hands it
        // to the option last focused, so one chosen without the focus (by
        // its accessible action or by the program) takes it over here.
        for (auto* other : parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (other->autoExclusive() && other != this) other->setFocusPolicy(Qt::FocusPolicy(other->focusPolicy() & ~Qt::TabFocus));
        setFocusPolicy(Qt::FocusPolicy(focusPolicy() | Qt::TabFocus));
        emit selected();
    });
    // A click on the option already chosen changes nothing, yet runs the handler.
    connect(this, &QAbstractButton::clicked, this, [this](bool checked) {
        // Qt steps the state only when the click changes it; then toggled
        // has already run the handler.
        if (checked && !clickChangedState_) emit selected();
        clickChangedState_ = false;
    });
}

void OptionButton::nextCheckState() {
    clickChangedState_ = true;
    QRadioButton::nextCheckState();
}

void OptionButton::select() {
    if (isChecked())
        emit selected();
    else
        setChecked(true);
}

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    installAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_->setFocusPolicy(Qt::NoFocus);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setAccessibleName(QStringLiteral("Up"));
    down_->setAccessibleName(QStringLiteral("Down"));
    connect(up_, &QToolButton::clicked, this, &SpinButton::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::stepDown);
}

void SpinButton::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    if (value_ < min_ || value_ > max_) setValue(value_);
}

void SpinButton::setValue(int v) {
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    if (v == value_) return;
    value_ = v;
    if (buddy_ != nullptr) buddy_->setText(QString::number(value_));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value_);
        QAccessible::updateAccessibility(&event);
    }
    emit changed(value_);
}

void SpinButton::setBuddy(QLineEdit* box) {
    buddy_ = box;
    if (buddy_ != nullptr) buddy_->setText(QString::number(value_));
}

void SpinButton::stepUp() { step(1); }
void SpinButton::stepDown() { step(-1); }

void SpinButton::step(int delta) {
    int next = value_ + delta;
    if (next > max_) {
        if (!wrap_) return;
        next = min_;
    } else if (next < min_) {
        if (!wrap_) return;
        next = max_;
    }
    setValue(next);
}

void SpinButton::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right:
            stepUp();
            return;
        case Qt::Key_Down:
        case Qt::Key_Left:
            stepDown();
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

void SpinButton::resizeEvent(QResizeEvent*) {
    const int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

}  // namespace kit
