#include "kit/drawing.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QSvgRenderer>

namespace kit {
namespace {
QRectF pixels(TwipRect r) {
    return {r.left / double(kTwipsPerPixel), r.top / double(kTwipsPerPixel),
            r.width / double(kTwipsPerPixel), r.height / double(kTwipsPerPixel)};
}
QPointF pixels(int x, int y) { return {x / double(kTwipsPerPixel), y / double(kTwipsPerPixel)}; }

// Every colour a picture's elements are given, as attribute="value".
const QRegularExpression& colourAttribute() {
    static const QRegularExpression re(
        QStringLiteral(R"re(\b(fill|stroke|stop-color|color)\s*=\s*"([^"]*)")re"));
    return re;
}

bool isBlack(const QString& v) {
    return v.compare(QLatin1String("#000"), Qt::CaseInsensitive) == 0 ||
           v.compare(QLatin1String("#000000"), Qt::CaseInsensitive) == 0;
}
bool isWhite(const QString& v) {
    return v.compare(QLatin1String("#fff"), Qt::CaseInsensitive) == 0 ||
           v.compare(QLatin1String("#ffffff"), Qt::CaseInsensitive) == 0;
}

// Black and white alone, with nothing half-transparent or styled that could
// hide another colour.
bool lineArt(const QString& svg) {
    if (svg.contains(QLatin1String("opacity")) || svg.contains(QLatin1String("style=")) ||
        svg.contains(QLatin1String("<stop")))
        return false;
    auto it = colourAttribute().globalMatch(svg);
    while (it.hasNext()) {
        const QString v = it.next().captured(2);
        if (v != QLatin1String("none") && !isBlack(v) && !isWhite(v)) return false;
    }
    return true;
}

QByteArray inInkAndPaper(const QString& svg, const QColor& ink, const QColor& paper) {
    QString out;
    qsizetype done = 0;
    auto it = colourAttribute().globalMatch(svg);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString v = m.captured(2);
        if (!isBlack(v) && !isWhite(v)) continue;
        out += QStringView(svg).mid(done, m.capturedStart(2) - done);
        out += (isBlack(v) ? ink : paper).name();
        done = m.capturedEnd(2);
    }
    out += QStringView(svg).mid(done);
    return out.toUtf8();
}

// Follows the application palette: a light card while it is dark.
class Card : public QObject {
public:
    explicit Card(QWidget* w) : QObject(w), card_(w) {
        // The application hears of a new palette; a widget with a palette of
        // its own may not.
        qApp->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == qApp && e->type() == QEvent::ApplicationPaletteChange) follow();
        return false;
    }

private:
    void follow() {
        const bool dark = isDark(QApplication::palette());
        if (dark == shown_) return;
        shown_ = dark;
        // The style's own palette is a light one that goes with its controls.
        card_->setPalette(dark ? QApplication::style()->standardPalette() : QPalette());
        card_->setAutoFillBackground(dark);
    }
    QWidget* card_;
    bool shown_ = false;
};

}  // namespace

QColor Tint::in(const QPalette& palette) const {
    switch (kind_) {
        case Kind::None: return {};
        case Kind::Own: return colour_;
        case Kind::Ink: return palette.color(QPalette::WindowText);
        case Kind::Paper: return palette.color(QPalette::Base);
    }
    return {};
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

void lightCard(QWidget* w) { new Card(w); }

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

QColor Line::colour() const { return colour_.in(owner_->palette()); }

void Line::setColour(Tint c) {
    colour_ = c;
    changed();
}

void Rect::setRect(TwipRect r) {
    rect_ = r;
    changed();
}

QColor Rect::fill() const { return fill_.in(owner_->palette()); }
QColor Rect::outline() const { return outline_.in(owner_->palette()); }

void Rect::setFill(Tint c) {
    fill_ = c;
    changed();
}

void Rect::setOutline(Tint c) {
    outline_ = c;
    changed();
}

const QByteArray& Picture::svg() const {
    if (!read_) {
        read_ = true;
        QFile file(source_);
        if (file.open(QIODevice::ReadOnly)) svg_ = file.readAll();
        lineArt_ = lineArt(QString::fromUtf8(svg_));
    }
    return svg_;
}

bool Picture::isLineArt() const {
    svg();
    return lineArt_;
}

QSvgRenderer* Picture::renderer() const {
    const QByteArray& source = svg();
    const QColor ink = lineArt_ ? owner_->ink() : QColor(Qt::black);
    const QColor paper = lineArt_ ? owner_->paper() : QColor(Qt::white);
    if (!renderer_ || ink != renderedInk_ || paper != renderedPaper_) {
        renderedInk_ = ink;
        renderedPaper_ = paper;
        // Black ink on white paper is the picture as drawn.
        const bool asDrawn = ink == QColor(Qt::black) && paper == QColor(Qt::white);
        renderer_ = std::make_unique<QSvgRenderer>(asDrawn ? source : inInkAndPaper(QString::fromUtf8(source), ink, paper));
    }
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

Rect* Drawing::addRect(const char* name, TwipRect r, Tint fill, Tint outline) {
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
        if (r->filled()) painter.fillRect(area, r->fill());
        if (!r->outline_.isNone()) {
            painter.setPen(QPen(r->outline(), 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

    for (Line* l : lines_) {
        if (!l->isVisible()) continue;
        const bool straight = l->x1_ == l->x2_ || l->y1_ == l->y2_;
        painter.setRenderHint(QPainter::Antialiasing, !straight);
        QPen pen(l->colour(), 1.0);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        // Half a pixel in, so a one-pixel line covers exactly one pixel row or column.
        const QPointF half(0.5, 0.5);
        painter.drawLine(pixels(l->x1_, l->y1_) + half, pixels(l->x2_, l->y2_) + half);
    }
}

}  // namespace kit
