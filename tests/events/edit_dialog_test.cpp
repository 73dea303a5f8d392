#include "events/edit_dialog.h"

#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "widgets/effectpaint.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace vz {
namespace {

class EditDialogTest : public ::testing::Test {
protected:
    FixedClock clock{encodeDateTime(2026, 12, 8, 14, 37, 0, 0)};
    ScopedClock useClock{clock};
};

TEST_F(EditDialogTest, OpensCentredOnTheScreenNotOverItsOwner) {
    QWidget owner;
    owner.setGeometry(0, 0, 300, 200);
    owner.show();
    TfrmEdit dialog(&owner);
    dialog.show();
    // Within the window frame's margins of the screen's centre.
    const QPoint offCentre =
        dialog.geometry().center() - owner.screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offCentre.x()), 4);
    EXPECT_LE(std::abs(offCentre.y()), 4);
}

TEST_F(EditDialogTest, TheCalendarDropsDownInItsOwnSmallerFontAtItsMinimumSize) {
    TfrmEdit dialog(nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.edDate->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.edDate, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(dialog.edDate->isDroppedDown());
    const TdpPopupCalendar* calendar = dialog.edDate->calendar();
    EXPECT_EQ(calendar->font(), designFont(QStringLiteral("MS Sans Serif"), -11));
    EXPECT_EQ(calendar->size(), calendar->minReqSize());
    // Smaller than it would be in the dialog's 13-pixel font.
    EXPECT_LT(calendar->fontMetrics().height(), dialog.fontMetrics().height());
    QTest::keyClick(dialog.edDate, Qt::Key_Escape);
    EXPECT_FALSE(dialog.edDate->isDroppedDown());
}

} // namespace
} // namespace vz
