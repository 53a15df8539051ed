// Controls Qt lacks in the form the pages need: option buttons whose click
// handler runs for program selections too, and spin (up-down) buttons with an
// integer position, range and wrap-around.
#pragma once

#include <QRadioButton>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kit {

// Marks a label whose text is a computed result (see kit::copyable).
inline constexpr const char* kResultLabelProperty = "kitResultLabel";
// Lets screen readers use our spin buttons and read the values labels show.
void installAccessibility();

// An option button. `selected` is emitted once whenever it becomes the chosen
// one, by mouse, keyboard, a screen reader's action or the program; and also
// when the person clicks it or the program calls select() while it already
// was the chosen one, so start-up runs the same handler a click does.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    void select();

signals:
    void selected();

protected:
    void nextCheckState() override;

private:
    bool clickChangedState_ = false;
};

// A spin button: two arrows that step an integer position by one between a
// minimum and a maximum, either stopping at the ends or wrapping round.
// Every change of position, by the arrows, the keyboard or the program,
// emits `changed`. A bound text box, when set, is written with the position.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    bool wraps() const { return wrap_; }

    void setRange(int minimum, int maximum);
    void setWrap(bool wrap) { wrap_ = wrap; }
    // Moves to `v` (clamped to the range); emits `changed` when it moves.
    void setValue(int v);
    void setBuddy(QLineEdit* box);

    void stepUp();
    void stepDown();

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

signals:
    void changed(int value);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void step(int delta);
    int value_ = 0;
    int min_ = 0;
    int max_ = 10;
    bool wrap_ = false;
    QLineEdit* buddy_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace kit
