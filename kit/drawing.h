// Drawn shapes in twips: pictures, filled rectangles and straight lines,
// painted by one layer that covers a frame and lies under its controls.
// Each shape is a named QObject, so tests find it with findChild and read
// its twip geometry, fill and visibility.
//
// Lines, outlines and line-art pictures are drawn in ink, the text colour of
// the palette in force, and drawn bodies are filled with paper, the colour of
// a text box: black on white on a light desktop, light on dark on a dark one.
// Colours that mean something (a resistor's bands) are kept as they are.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

#include "kit/kit.h"

#include <QSvgRenderer>

namespace kit {

class Drawing;

// What a shape is painted in: nothing, a colour of its own, or the palette's
// ink or paper.
class Tint {
public:
    constexpr Tint() = default;
    Tint(QColor c) : kind_(c.isValid() ? Kind::Own : Kind::None), colour_(c) {}
    Tint(Qt::GlobalColor c) : Tint(QColor(c)) {}
    static constexpr Tint ink() { return Tint(Kind::Ink); }
    static constexpr Tint paper() { return Tint(Kind::Paper); }

    bool isNone() const { return kind_ == Kind::None; }
    // The colour under this palette; invalid for nothing.
    QColor in(const QPalette& palette) const;

private:
    enum class Kind { None, Own, Ink, Paper };
    constexpr explicit Tint(Kind k) : kind_(k) {}
    Kind kind_ = Kind::None;
    QColor colour_;
};

inline constexpr Tint kInk = Tint::ink();
inline constexpr Tint kPaper = Tint::paper();

// A palette is dark when its text is lighter than its window.
bool isDark(const QPalette& palette);

// Under a dark application palette, gives `w` a light palette and fills it,
// so a picture with a light ground of its own (a graph) sits on a light card
// with dark lines and labels; under a light palette `w` is left as it is.
// Follows later changes of the application palette.
void lightCard(QWidget* w);

class Shape : public QObject {
    Q_OBJECT
public:
    bool isVisible() const { return visible_; }
    void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

protected:
    explicit Shape(Drawing* owner);
    void changed();
    Drawing* owner_;

private:
    bool visible_ = true;
    friend class Drawing;
};

// A straight line between two twip points.
class Line : public Shape {
    Q_OBJECT
public:
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setPoints(int x1, int y1, int x2, int y2);
    void setX(int x1, int x2) { setPoints(x1, y1_, x2, y2_); }
    void setY1(int y1) { setPoints(x1_, y1, x2_, y2_); }
    // The colour it is painted in now (ink unless given one of its own).
    QColor colour() const;
    void setColour(Tint c);

private:
    explicit Line(Drawing* owner) : Shape(owner) {}
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Tint colour_ = kInk;
    friend class Drawing;
};

// A rectangle with a fill colour and an optional outline.
class Rect : public Shape {
    Q_OBJECT
public:
    TwipRect rect() const { return rect_; }
    void setRect(TwipRect r);
    // The colours it is painted in now; invalid for none.
    QColor fill() const;
    void setFill(Tint c);
    bool filled() const { return !fill_.isNone(); }
    QColor outline() const;
    void setOutline(Tint c);

private:
    explicit Rect(Drawing* owner) : Shape(owner) {}
    TwipRect rect_;
    Tint fill_;
    Tint outline_;
    friend class Drawing;
};

// A vector picture from the compiled-in assets, scaled to its twip rectangle.
// A picture drawn in black and white alone is line art (a circuit): its black
// is drawn in ink and its white in paper. Any other colour in it marks a
// picture whose colours mean something, and all of them are kept.
class Picture : public Shape {
    Q_OBJECT
public:
    TwipRect rect() const { return rect_; }
    QString source() const { return source_; }
    bool isValid() const;
    bool isLineArt() const;

private:
    explicit Picture(Drawing* owner) : Shape(owner) {}
    const QByteArray& svg() const;
    QSvgRenderer* renderer() const;
    TwipRect rect_;
    QString source_;
    // Read and parsed on first use: most pictures sit on hidden pages at
    // start-up. Parsed again when ink or paper change.
    mutable QByteArray svg_;
    mutable bool read_ = false;
    mutable bool lineArt_ = false;
    mutable std::unique_ptr<QSvgRenderer> renderer_;
    mutable QColor renderedInk_, renderedPaper_;
    friend class Drawing;
};

// The layer that paints a frame's shapes: pictures first, then rectangles,
// then lines, each in the order they were added. It covers its whole parent,
// lets the mouse through and stays below the parent's controls.
class Drawing : public QWidget {
    Q_OBJECT
public:
    explicit Drawing(QWidget* parent);

    Line* addLine(const char* name, int x1, int y1, int x2, int y2);
    Rect* addRect(const char* name, TwipRect r, Tint fill, Tint outline = Tint());
    Picture* addPicture(const char* name, TwipRect r, const QString& resource);

    QColor ink() const { return palette().color(QPalette::WindowText); }
    QColor paper() const { return palette().color(QPalette::Base); }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::vector<Picture*> pictures_;
    std::vector<Rect*> rects_;
    std::vector<Line*> lines_;
};

}  // namespace kit
