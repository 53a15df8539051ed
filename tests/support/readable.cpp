#include "tests/support/readable.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

#include "kit/drawing.h"
#include "kit/kit.h"

namespace uitest {
namespace {

std::string named(const QWidget* w) {
    return w->objectName().isEmpty() ? std::string(w->metaObject()->className()) : w->objectName().toStdString();
}

// A button's caption as shown: "&&" is an ampersand, a single "&" marks the
// shortcut letter and takes no room.
QString shown(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

void measureLines(std::vector<Misfit>& out, const QWidget* w, const QString& text, int room) {
    const QFontMetrics metrics(w->font());
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const int needed = metrics.horizontalAdvance(line);
        if (needed > room) out.push_back({named(w), line.toStdString(), needed, room});
    }
}

void measureLabel(std::vector<Misfit>& out, const QLabel* l) {
    if (l->text().isEmpty()) return;
    const int room = l->contentsRect().width() - 2 * l->margin() - std::max(l->indent(), 0);
    if (!l->wordWrap()) {
        measureLines(out, l, l->text(), room);
        return;
    }
    // Wrapped text fits when every word fits a line and the lines fit the height.
    measureLines(out, l, l->text().split(QLatin1Char(' ')).join(QLatin1Char('\n')), room);
    const QFontMetrics metrics(l->font());
    const int height = metrics.boundingRect(QRect(0, 0, room, INT_MAX), Qt::TextWordWrap, l->text()).height();
    if (height > l->contentsRect().height())
        out.push_back({named(l), l->text().toStdString() + " (lines too tall)", height, l->contentsRect().height()});
}

int styleRoom(const QAbstractButton* b) {
    const QStyle* s = b->style();
    const int width = b->contentsRect().width();
    if (qobject_cast<const QRadioButton*>(b) != nullptr)
        return width - s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) -
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
    if (qobject_cast<const QCheckBox*>(b) != nullptr)
        return width - s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) -
               s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    return width - s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) -
           2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
}

void measureTabs(std::vector<Misfit>& out, const QTabBar* bar) {
    const QFontMetrics metrics(bar->font());
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = shown(bar->tabText(i));
        // Only the part of a tab inside the strip can be read.
        const QRect tab = bar->tabRect(i).intersected(bar->rect());
        const int room = tab.width() - space;
        const int needed = metrics.horizontalAdvance(text);
        if (needed > room) out.push_back({named(bar) + " tab", text.toStdString(), needed, room});
    }
}

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

std::vector<Misfit> captionMisfits(QWidget* window) {
    std::vector<Misfit> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            measureLabel(out, l);
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            measureTabs(out, bar);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const bool captioned = qobject_cast<QPushButton*>(b) || qobject_cast<QRadioButton*>(b) ||
                                   qobject_cast<QCheckBox*>(b);
            if (captioned && !b->text().isEmpty()) measureLines(out, b, shown(b->text()), styleRoom(b));
        }
    }
    return out;
}

std::string describe(const std::vector<Misfit>& misfits) {
    std::string text;
    for (const Misfit& m : misfits)
        text += m.control + " \"" + m.caption + "\": " + std::to_string(m.needed) + " px in " +
                std::to_string(m.room) + " px\n";
    return text;
}

std::vector<FaintDrawing> faintDrawings(QWidget* window, double floor) {
    // What is drawn, and the window rendered without any of it: the ground.
    struct Drawn {
        std::string what;
        QColor colour;
        const QWidget* on;
        QRect area;
        QColor own = {};  // the ground of a label that fills its own background
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
        drawn.push_back({l->objectName().toStdString(), l->palette().color(l->foregroundRole()), l, l->contentsRect(),
                         l->autoFillBackground() ? l->palette().color(l->backgroundRole()) : QColor()});
        labels.push_back(l);
    }
    for (kit::Shape* s : shapes) s->hide();
    for (QLabel* l : labels) l->hide();
    const QImage ground = window->grab().toImage();
    for (kit::Shape* s : shapes) s->show();
    for (QLabel* l : labels) l->show();

    std::vector<FaintDrawing> out;
    for (const Drawn& d : drawn) {
        const QColor g = d.own.isValid() ? d.own : commonest(ground, window, d.on, d.area);
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
