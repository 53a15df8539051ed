#include "kit/drawing.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace kit {
namespace {
QRectF pixels(TwipRect r) {
    return {r.left / double(kTwipsPerPixel), r.top / double(kTwipsPerPixel),
            r.width / double(kTwipsPerPixel), r.height / double(kTwipsPerPixel)};
}
QPointF pixels(int x, int y) { return {x / double(kTwipsPerPixel), y / double(kTwipsPerPixel)}; }
}  // namespace

Shape::Shape(Drawing* owner) : QObject(owner), owner_(owner) {}

void Shape::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void Shape::changed() { owner_->update(); }

void Line::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    changed();
}

void Line::setColour(QColor c) {
    colour_ = c;
    changed();
}

void Rect::setRect(TwipRect r) {
    rect_ = r;
    changed();
}

void Rect::setFill(QColor c) {
    fill_ = c;
    changed();
}

void Rect::setOutline(QColor c) {
    outline_ = c;
    changed();
}

QSvgRenderer* Picture::renderer() const {
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(source_);
    return renderer_.get();
}

bool Picture::isValid() const { return renderer()->isValid(); }

Drawing::Drawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("drawing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    lower();
}

bool Drawing::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && e->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

Line* Drawing::addLine(const char* name, int x1, int y1, int x2, int y2) {
    auto* l = new Line(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setPoints(x1, y1, x2, y2);
    lines_.push_back(l);
    return l;
}

Rect* Drawing::addRect(const char* name, TwipRect r, QColor fill, QColor outline) {
    auto* s = new Rect(this);
    s->setObjectName(QString::fromLatin1(name));
    s->rect_ = r;
    s->fill_ = fill;
    s->outline_ = outline;
    rects_.push_back(s);
    update();
    return s;
}

Picture* Drawing::addPicture(const char* name, TwipRect r, const QString& resource) {
    auto* p = new Picture(this);
    p->setObjectName(QString::fromLatin1(name));
    p->rect_ = r;
    p->source_ = resource;
    pictures_.push_back(p);
    update();
    return p;
}

void Drawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (Picture* p : pictures_)
        if (p->isVisible() && p->isValid()) p->renderer()->render(&painter, pixels(p->rect_));

    for (Rect* r : rects_) {
        if (!r->isVisible()) continue;
        const QRectF area = pixels(r->rect_);
        if (r->fill_.isValid()) painter.fillRect(area, r->fill_);
        if (r->outline_.isValid()) {
            painter.setPen(QPen(r->outline_, 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

    for (Line* l : lines_) {
        if (!l->isVisible()) continue;
        const bool straight = l->x1_ == l->x2_ || l->y1_ == l->y2_;
        painter.setRenderHint(QPainter::Antialiasing, !straight);
        QPen pen(l->colour_, 1.0);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        // Half a pixel in, so a one-pixel line covers exactly one pixel row or column.
        const QPointF half(0.5, 0.5);
        painter.drawLine(pixels(l->x1_, l->y1_) + half, pixels(l->x2_, l->y2_) + half);
    }
}

}  // namespace kit
