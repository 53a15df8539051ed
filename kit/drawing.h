// Drawn shapes in twips: pictures, filled rectangles and straight lines,
// painted by one layer that covers a frame and lies under its controls.
// Each shape is a named QObject, so tests find it with findChild and read
// its twip geometry, fill and visibility.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

#include "kit/kit.h"

#include <QSvgRenderer>

namespace kit {

class Drawing;

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
    QColor colour() const { return colour_; }
    void setColour(QColor c);

private:
    explicit Line(Drawing* owner) : Shape(owner) {}
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor colour_ = Qt::black;
    friend class Drawing;
};

// A rectangle with a fill colour and an optional outline.
class Rect : public Shape {
    Q_OBJECT
public:
    TwipRect rect() const { return rect_; }
    void setRect(TwipRect r);
    QColor fill() const { return fill_; }
    void setFill(QColor c);
    bool filled() const { return fill_.isValid(); }
    QColor outline() const { return outline_; }
    void setOutline(QColor c);

private:
    explicit Rect(Drawing* owner) : Shape(owner) {}
    TwipRect rect_;
    QColor fill_;
    QColor outline_;
    friend class Drawing;
};

// A vector picture from the compiled-in assets, scaled to its twip rectangle.
class Picture : public Shape {
    Q_OBJECT
public:
    TwipRect rect() const { return rect_; }
    QString source() const { return source_; }
    bool isValid() const;

private:
    explicit Picture(Drawing* owner) : Shape(owner) {}
    QSvgRenderer* renderer() const;
    TwipRect rect_;
    QString source_;
    // Parsed on first use: most pictures sit on hidden pages at start-up.
    mutable std::unique_ptr<QSvgRenderer> renderer_;
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
    Rect* addRect(const char* name, TwipRect r, QColor fill, QColor outline = QColor());
    Picture* addPicture(const char* name, TwipRect r, const QString& resource);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::vector<Picture*> pictures_;
    std::vector<Rect*> rects_;
    std::vector<Line*> lines_;
};

}  // namespace kit
