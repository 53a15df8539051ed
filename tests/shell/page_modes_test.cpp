// Every page in every mode it has: each caption fits its control in the
// window's own font, and what is drawn reads against its ground.
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/readable.h"
#include "tests/support/ui_driver.h"
#include "tools/page_modes.h"

namespace {

TEST(EveryPageInEveryMode, CaptionsFitAndDrawingsRead) {
    for (const uitest::PageMode& mode : uitest::pageModes()) {
        SCOPED_TRACE(mode.title());
        uitest::Window w;
        w.form().show();
        ASSERT_EQ(uitest::reach(&w.form(), mode), "");
        EXPECT_EQ(w.lastMessage(), "");  // the row reached its results without a complaint
        EXPECT_EQ(uitest::describe(uitest::captionMisfits(&w.form())), "");
        EXPECT_EQ(uitest::describe(uitest::faintDrawings(&w.form())), "");
    }
}

// The check itself: at the narrowest width it accepts, a caption lies inside the area the style paints it
// in (an option's indicator and spacing, a button's frame left out); one pixel narrower, it is named.
TEST(EveryPageInEveryMode, TheCaptionCheckAcceptsOnlyWhatTheStylePaintsWhole) {
    const std::tuple<QAccessible::Role, const char*, QStyle::SubElement> rows[] = {
        {QAccessible::StaticText, "Tolerance", QStyle::SE_CustomBase},  // a label: its contents rectangle
        {QAccessible::Button, "Calculate colours from the value", QStyle::SE_PushButtonContents},
        {QAccessible::RadioButton, "5-band format", QStyle::SE_RadioButtonContents},
    };
    const QString caption = QStringLiteral("Wide caption");
    for (const auto& [role, spoken, paintedIn] : rows) {
        SCOPED_TRACE(spoken);
        uitest::Window w;
        w.form().show();
        QWidget* control = w.find(role, spoken);
        ASSERT_NE(control, nullptr);
        control->setProperty("text", caption);
        const auto misfits = [&](int width) {
            control->resize(width, control->height());
            return uitest::captionMisfits(&w.form());
        };
        ASSERT_TRUE(misfits(300).empty());
        int width = 300;
        while (width > 1 && misfits(width - 1).empty()) --width;
        const std::vector<uitest::Misfit> narrower = misfits(width - 1);
        misfits(width);
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = caption;
        const int painted = paintedIn == QStyle::SE_CustomBase
                                ? control->contentsRect().width()
                                : control->style()->subElementRect(paintedIn, &option, control).width();
        const int needed = QFontMetrics(control->font()).horizontalAdvance(caption);
        EXPECT_GE(painted, needed);
        ASSERT_EQ(narrower.size(), 1U);
        EXPECT_EQ(narrower[0].caption + " " + std::to_string(narrower[0].needed), "Wide caption " + std::to_string(needed));
    }
}

}  // namespace
