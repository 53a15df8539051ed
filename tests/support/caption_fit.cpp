#include "tests/support/caption_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>

#include <climits>

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

}  // namespace uitest
