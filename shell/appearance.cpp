#include "shell/appearance.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QWidget>

#include "kit/kit.h"

namespace ohm {
namespace {

// Fusion with tighter tabs: the six page captions share 463 pixels.
class OhmStyle : public QProxyStyle {
    Q_OBJECT
public:
    OhmStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Puts our face and style back whenever something else replaces them. The
// replacement is undone from the event loop, after the theme has finished,
// so the two never fight inside one call.
class AppearanceKeeper : public QObject {
public:
    explicit AppearanceKeeper(QApplication* app) : QObject(app) { app->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        // A new application face or style reaches the application and every
        // widget as a change event; one queued check serves them all.
        const bool change = e->type() == QEvent::ApplicationFontChange || e->type() == QEvent::StyleChange;
        if (change && !pending_ && !(ours() && QApplication::font() == windowFont())) {
            pending_ = true;
            QMetaObject::invokeMethod(this, &AppearanceKeeper::restore, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool ours() {
        const QStyle* s = QApplication::style();
        // A style sheet wraps the style in force without replacing it.
        return qobject_cast<const OhmStyle*>(s) != nullptr || s->inherits("QStyleSheetStyle");
    }
    void restore() {
        pending_ = false;
        if (!ours()) QApplication::setStyle(new OhmStyle);
        if (QApplication::font() != windowFont()) QApplication::setFont(windowFont());
    }
    bool pending_ = false;
};

}  // namespace

QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    // Every attribute counts as set: a theme's bold, italic or stretch is not
    // mixed into it.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void applyAppearance(QApplication& app) {
    app.setStyle(new OhmStyle);
    app.setFont(windowFont());
    // Numbers always use the full stop, whatever the regional settings.
    QLocale::setDefault(QLocale::c());
    new AppearanceKeeper(&app);
}

}  // namespace ohm

#include "appearance.moc"
