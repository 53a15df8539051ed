#include "tests/support/drawn_contrast.h"

#include <QImage>
#include <QLabel>

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

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour covering most of a rectangle of `w` in the rendered `window`.
QColor commonest(const QImage& image, QWidget* window, const QWidget* w, QRect r) {
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QPoint p = (QPointF(w->mapTo(window, QPoint(x, y))) * image.devicePixelRatio()).toPoint();
            if (image.rect().contains(p)) ++counts[image.pixel(p)];
        }
    if (counts.empty()) return {};
    return QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
}

QRect pixels(int left, int top, int right, int bottom) {
    const auto px = [](int twips) { return int(std::floor(twips / double(kit::kTwipsPerPixel))); };
    return QRect(QPoint(px(std::min(left, right)), px(std::min(top, bottom))),
                 QPoint(px(std::max(left, right)), px(std::max(top, bottom))));
}

}  // namespace

std::vector<FaintDrawing> faintDrawings(QWidget* window, double floor) {
    // What is drawn, and the window rendered without any of it: the ground.
    struct Drawn {
        std::string what;
        QColor colour;
        const QWidget* on;
        QRect area;
    };
    std::vector<Drawn> drawn;
    std::vector<kit::Shape*> shapes;
    std::vector<QLabel*> labels;
    for (kit::Drawing* d : window->findChildren<kit::Drawing*>()) {
        if (!d->isVisibleTo(window)) continue;
        for (kit::Shape* s : d->findChildren<kit::Shape*>(Qt::FindDirectChildrenOnly)) {
            if (!s->isVisible()) continue;
            const std::string name = s->objectName().toStdString();
            if (auto* l = qobject_cast<kit::Line*>(s))
                drawn.push_back({name, l->colour(), d, pixels(l->x1(), l->y1(), l->x2(), l->y2())});
            else if (auto* r = qobject_cast<kit::Rect*>(s); r && r->outline().isValid())
                drawn.push_back({name + " outline", r->outline(), d,
                                 pixels(r->rect().left, r->rect().top, r->rect().left + r->rect().width - 1,
                                        r->rect().top + r->rect().height - 1)});
            else if (auto* p = qobject_cast<kit::Picture*>(s); p && p->isLineArt())  // others keep their colours
                drawn.push_back({name, d->ink(), d,
                                 pixels(p->rect().left, p->rect().top, p->rect().left + p->rect().width - 1,
                                        p->rect().top + p->rect().height - 1)});
            shapes.push_back(s);
        }
    }
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->text().isEmpty()) continue;
        drawn.push_back({l->objectName().toStdString(), l->palette().color(l->foregroundRole()), l, l->contentsRect()});
        labels.push_back(l);
    }
    for (kit::Shape* s : shapes) s->hide();
    for (QLabel* l : labels) l->hide();
    const QImage ground = window->grab().toImage();
    for (kit::Shape* s : shapes) s->show();
    for (QLabel* l : labels) l->show();

    std::vector<FaintDrawing> out;
    for (const Drawn& d : drawn) {
        const QColor g = commonest(ground, window, d.on, d.area);
        if (const double r = contrastRatio(d.colour, g); g.isValid() && r < floor) out.push_back({d.what, d.colour, g, r});
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
