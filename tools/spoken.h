// Finds controls the way assistive technology does: by role and by the name
// a screen reader speaks. The screenshot scenes, the handler benchmarks and
// the widget tests all reach controls this way, never by internal names.
#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QWidget;

namespace uitest {

// What a screen reader says a control is called: its accessible name, else
// the text of the caption it is labelled by, else the name Qt gives it.
QString spokenName(QWidget* w);

// Every widget under `root` with this role and spoken name.
std::vector<QWidget*> findSpoken(QWidget* root, QAccessible::Role role, const QString& name);

// The one such widget on the page that is showing (controls of hidden pages
// share names with their twins elsewhere); null when none or several.
QWidget* findOnShownPage(QWidget* window, QAccessible::Role role, const QString& name);

}  // namespace uitest
