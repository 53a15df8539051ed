#include "tools/spoken.h"

#include <QLabel>
#include <QWidget>

namespace uitest {

namespace {
QString captionOf(QAccessibleInterface* a) {
    for (const auto& [other, relation] : a->relations(QAccessible::Label)) {
        if (auto* caption = qobject_cast<QLabel*>(other->object())) return caption->text();
    }
    return {};
}
}  // namespace

QString spokenName(QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (a == nullptr) return {};
    const QString caption = captionOf(a);
    return caption.isEmpty() ? a->text(QAccessible::Name) : caption;
}

std::vector<QWidget*> findSpoken(QWidget* root, QAccessible::Role role, const QString& name) {
    std::vector<QWidget*> found;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (a == nullptr || a->role() != role) continue;
        // A control answers to its own name and to the caption it is labelled
        // by; a caption, spoken by its box's name, to what it shows as well.
        const auto* caption = qobject_cast<QLabel*>(w);
        if (w->accessibleName() == name || captionOf(a) == name || a->text(QAccessible::Name) == name ||
            (caption != nullptr && caption->buddy() != nullptr && caption->text() == name))
            found.push_back(w);
    }
    return found;
}

QWidget* findOnShownPage(QWidget* window, QAccessible::Role role, const QString& name) {
    std::vector<QWidget*> onShown;
    for (QWidget* w : findSpoken(window, role, name)) {
        // The page frame is the ancestor placed straight on the window.
        QWidget* page = w;
        while (page->parentWidget() != nullptr && page->parentWidget() != window) page = page->parentWidget();
        if (!page->isHidden()) onShown.push_back(w);
    }
    return onShown.size() == 1 ? onShown.front() : nullptr;
}

}  // namespace uitest
