// Every page in every mode it has: each caption fits its control in the
// window's own font, and what is drawn reads against its ground.
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include "tests/support/caption_fit.h"
#include "tests/support/drawn_contrast.h"
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

// The check itself, against where the style paints a caption: at the
// narrowest width the check accepts, the caption lies inside the area the
// style paints it in (an option's indicator and spacing, a button's frame
// left out); one pixel narrower, the check names it.
TEST(EveryPageInEveryMode, TheCaptionCheckAcceptsOnlyWhatTheStylePaintsWhole) {
    struct Row {
        const char* name;
        QAccessible::Role role;
        const char* spoken;
        QStyle::SubElement paintedIn;  // for a label, its contents rectangle
    };
    const Row rows[] = {
        {"label", QAccessible::StaticText, "Tolerance", QStyle::SE_CustomBase},
        {"push button", QAccessible::Button, "Calculate colours from the value", QStyle::SE_PushButtonContents},
        {"option", QAccessible::RadioButton, "5-band format", QStyle::SE_RadioButtonContents},
    };
    const QString caption = QStringLiteral("Wide caption");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        uitest::Window w;
        w.form().show();
        QWidget* control = w.find(row.role, row.spoken);
        ASSERT_NE(control, nullptr);
        control->setProperty("text", caption);
        control->resize(300, control->height());
        auto fits = [&](int width) {
            control->resize(width, control->height());
            return uitest::captionMisfits(&w.form()).empty();
        };
        ASSERT_TRUE(fits(control->width()));
        int width = control->width();
        while (width > 1 && fits(width - 1)) --width;
        fits(width);
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = caption;
        const QRect painted = row.paintedIn == QStyle::SE_CustomBase
                                  ? control->contentsRect()
                                  : control->style()->subElementRect(row.paintedIn, &option, control);
        const int needed = QFontMetrics(control->font()).horizontalAdvance(caption);
        EXPECT_GE(painted.width(), needed);
        const std::vector<uitest::Misfit> misfits = (fits(width - 1), uitest::captionMisfits(&w.form()));
        ASSERT_EQ(misfits.size(), 1U);
        EXPECT_EQ(misfits[0].caption, "Wide caption");
        EXPECT_EQ(misfits[0].needed, needed);
    }
}

}  // namespace
