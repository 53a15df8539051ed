#include "shell/appearance.h"

#include <QApplication>
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
public:
    OhmStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

void applyAppearance(QApplication& app) {
    app.setStyle(new OhmStyle);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    app.setFont(font);
    // Numbers always use the full stop, whatever the regional settings.
    QLocale::setDefault(QLocale::c());
}

}  // namespace ohm
