#include "tests/support/drawn_contrast.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <map>

#include "kit/drawing.h"
#include "kit/kit.h"

namespace uitest {
namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// A rendering of the window and the way from a widget's pixels into it.
struct Render {
    QImage image;
    QWidget* window;
    QColor at(const QWidget* w, QPointF p) const {
        const QPoint inWindow = w->mapTo(window, QPoint(int(std::floor(p.x())), int(std::floor(p.y()))));
        const QPoint px = (QPointF(inWindow) * image.devicePixelRatio()).toPoint();
        return image.rect().contains(px) ? image.pixelColor(px) : QColor();
    }
    // The colour covering most of a widget's rectangle.
    QColor commonest(const QWidget* w, QRect r) const {
        std::map<QRgb, int> counts;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (const QColor c = at(w, QPointF(x, y)); c.isValid()) ++counts[c.rgb()];
        if (counts.empty()) return {};
        return QColor::fromRgb(
            std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
                ->first);
    }
};

Render render(QWidget* window) { return {window->grab().toImage(), window}; }

double px(int twips) { return twips / double(kit::kTwipsPerPixel); }

// The worst ratio of `colour` against the ground at the pixels of a straight
// run from one twip point to another.
void checkRun(std::vector<FaintDrawing>& out, const std::string& what, const kit::Drawing* d, const Render& ground,
              QColor colour, QPointF from, QPointF to, double floor) {
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())))));
    FaintDrawing worst{what, colour, {}, 1e9};
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = from + (to - from) * (double(i) / steps) + QPointF(0.5, 0.5);
        const QColor g = ground.at(d, p);
        if (!g.isValid()) continue;
        const double r = contrastRatio(colour, g);
        if (r < worst.ratio) worst = {what, colour, g, r};
    }
    if (worst.ratio < floor) out.push_back(worst);
}

template <typename T>
std::vector<T*> shown(const kit::Drawing* d) {
    std::vector<T*> all;
    for (T* s : d->findChildren<T*>(Qt::FindDirectChildrenOnly))
        if (s->isVisible()) all.push_back(s);
    return all;
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<FaintDrawing> faintDrawings(QWidget* window, double floor) {
    std::vector<FaintDrawing> out;
    std::vector<kit::Drawing*> drawings;
    for (kit::Drawing* d : window->findChildren<kit::Drawing*>())
        if (d->isVisibleTo(window)) drawings.push_back(d);
    std::vector<QLabel*> labels;
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisibleTo(window) && !l->text().isEmpty()) labels.push_back(l);

    // The ground under lines, outlines and labels: pictures stay.
    for (QLabel* l : labels) l->hide();
    std::vector<kit::Shape*> hidden;
    for (kit::Drawing* d : drawings) {
        for (kit::Line* s : shown<kit::Line>(d)) hidden.push_back(s);
        for (kit::Rect* s : shown<kit::Rect>(d)) hidden.push_back(s);
    }
    for (kit::Shape* s : hidden) s->hide();
    const Render underShapes = render(window);
    // The ground under pictures: nothing drawn at all.
    std::vector<kit::Picture*> pictures;
    for (kit::Drawing* d : drawings)
        for (kit::Picture* p : shown<kit::Picture>(d)) pictures.push_back(p);
    for (kit::Picture* p : pictures) p->hide();
    const Render underPictures = render(window);
    for (kit::Picture* p : pictures) p->show();
    for (kit::Shape* s : hidden) s->show();
    for (QLabel* l : labels) l->show();

    for (kit::Drawing* d : drawings) {
        for (kit::Line* l : shown<kit::Line>(d))
            checkRun(out, l->objectName().toStdString(), d, underShapes, l->colour(), {px(l->x1()), px(l->y1())},
                     {px(l->x2()), px(l->y2())}, floor);
        for (kit::Rect* r : shown<kit::Rect>(d)) {
            if (!r->outline().isValid()) continue;
            const QRectF a(px(r->rect().left), px(r->rect().top), px(r->rect().width) - 1, px(r->rect().height) - 1);
            const std::string what = r->objectName().toStdString() + " outline";
            for (auto [from, to] : {std::pair{a.topLeft(), a.topRight()}, {a.topRight(), a.bottomRight()},
                                    {a.bottomRight(), a.bottomLeft()}, {a.bottomLeft(), a.topLeft()}})
                checkRun(out, what, d, underShapes, r->outline(), from, to, floor);
        }
        for (kit::Picture* p : shown<kit::Picture>(d)) {
            if (!p->isLineArt()) continue;  // its colours are its own
            const QRect area(int(px(p->rect().left)), int(px(p->rect().top)), int(px(p->rect().width)),
                             int(px(p->rect().height)));
            const QColor ground = underPictures.commonest(d, area);
            const double r = contrastRatio(d->ink(), ground);
            if (r < floor) out.push_back({p->objectName().toStdString(), d->ink(), ground, r});
        }
    }
    for (QLabel* l : labels) {
        const QColor text = l->palette().color(l->foregroundRole());
        const QColor ground = underShapes.commonest(l, l->contentsRect());
        const double r = contrastRatio(text, ground);
        if (r < floor) out.push_back({l->objectName().toStdString(), text, ground, r});
    }
    return out;
}

std::string describe(const std::vector<FaintDrawing>& faint) {
    std::string text;
    for (const FaintDrawing& f : faint) {
        char ratio[16];
        std::snprintf(ratio, sizeof ratio, "%.2f", f.ratio);
        text += f.what + ": " + f.colour.name().toStdString() + " on " + f.ground.name().toStdString() + ", " +
                ratio + ":1\n";
    }
    return text;
}

}  // namespace uitest
