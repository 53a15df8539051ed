#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "kit/kit.h"
#include "kit/widgets.h"

namespace {

// Pages switch modes in the option's handler, so every way of choosing an
// option must run it exactly once, and re-choosing the chosen one runs it too.
TEST(OptionButton, EveryWayOfChoosingRunsTheHandlerOnce) {
    QWidget group;
    kit::OptionButton* fixed = kit::option(&group, "fixed", {0, 0, 1200, 225}, "Fixed", "Fixed mode");
    kit::OptionButton* range = kit::option(&group, "range", {0, 300, 1200, 225}, "Range", "Range mode");
    int fixedRuns = 0, rangeRuns = 0;
    QObject::connect(fixed, &kit::OptionButton::selected, [&] { ++fixedRuns; });
    QObject::connect(range, &kit::OptionButton::selected, [&] { ++rangeRuns; });
    group.show();

    auto toggleAction = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    const std::function<void()> ways[] = {
        [&] { fixed->select(); },                                  // the program
        [&] { QTest::mouseClick(range, Qt::LeftButton); },         // the mouse
        [&] { toggleAction(fixed); },                              // a screen reader
        [&] { QTest::mouseClick(fixed, Qt::LeftButton); },         // already chosen: runs again
        [&] { range->select(); },
        [&] { range->select(); },                                  // already chosen: runs again
    };
    const std::pair<int, int> after[] = {{1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}};
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        ways[i]();
        EXPECT_EQ(std::make_pair(fixedRuns, rangeRuns), after[i]) << "step " << i;
    }
    EXPECT_TRUE(range->isChecked() && !fixed->isChecked());
}

}  // namespace
