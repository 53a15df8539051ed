#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "kit/kit.h"

namespace {

std::string said(QWidget* w, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(w)->text(what).toStdString();
}

// A screen reader names a box by the caption it is labelled by, so a caption
// that is a symbol or a terse word speaks its box's full name; it still shows,
// and describes itself by, its own text.
TEST(Caption, SpeaksTheNameOfTheBoxItLabels) {
    QWidget page;
    QLineEdit* capacitor = kit::textBox(&page, "capacitor", {}, {}, "Astable timing capacitor");
    QComboBox* unit = kit::list(&page, "unit", {}, "Time unit");
    QLineEdit* unnamed = kit::textBox(&page, "unnamed", {}, {}, {});
    const struct {
        QLabel* caption;
        QWidget* box;
        const char* name;
    } rows[] = {
        {kit::label(&page, "symbol", {}, "C"), capacitor, "Astable timing capacitor"},
        {kit::label(&page, "terse", {}, "Time"), unit, "Time unit"},
        {kit::label(&page, "named", {}, "Max", "Maximum"), capacitor, "Maximum"},  // a name of its own stays
        {kit::label(&page, "boxUnnamed", {}, "#1"), unnamed, "#1"},
        {kit::label(&page, "result", {}, "4K7"), nullptr, "4K7"},
    };
    for (const auto& row : rows) {
        row.caption->setBuddy(row.box);
        EXPECT_EQ(said(row.caption, QAccessible::Name), row.name);
        EXPECT_EQ(said(row.caption, QAccessible::Description), row.caption->text().toStdString());
    }
    // A mode that renames the box renames what its caption says.
    capacitor->setAccessibleName("Minimum frequency, hertz");
    EXPECT_EQ(said(rows[0].caption, QAccessible::Name), "Minimum frequency, hertz");
    // The box is still labelled by its caption.
    const auto labels = QAccessible::queryAccessibleInterface(capacitor)->relations(QAccessible::Label);
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [&](const auto& r) { return r.first->object() == rows[0].caption; }));
}

}  // namespace
