#include "engine/clock.h"
#include "timeentry/picture_field.h"
#include "timeentry/time_popup.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vz {
namespace {

class TimePopupTest : public ::testing::Test {
protected:
    FixedClock clock{encodeDateTime(2026, 12, 8, 14, 37, 20, 0)};
    ScopedClock useClock{clock};
};

QPoint barPoint(int column) {
    return {column, 20};
}

TEST_F(TimePopupTest, OpensAtTheGivenTimeOrNow) {
    TfrmTimePopup popup(nullptr);
    popup.settime(0.0);
    popup.show();
    EXPECT_EQ(popup.windowTitle(), "Time Entry");
    EXPECT_EQ(popup.size(), QSize(512, 125));
    EXPECT_EQ(popup.timeField()->text(), "02:37 PM");
    EXPECT_EQ(popup.bar()->pointerColumn(), TimetoX(14, 37));
    EXPECT_EQ(popup.nowCaption(), "It is now 2:37 PM");

    TfrmTimePopup midnight(nullptr);
    midnight.settime(46000.0); // a date at 00:00
    EXPECT_EQ(midnight.timeField()->text(), "12:00 AM");
}

TEST_F(TimePopupTest, PressingAndDraggingTheBarSetsTheSnappedTime) {
    TfrmTimePopup popup(nullptr);
    popup.settime(0.0);
    popup.show();
    QTest::mousePress(popup.bar(), Qt::LeftButton, {}, barPoint(28));
    EXPECT_EQ(popup.timeField()->text(), "01:00 AM");
    EXPECT_EQ(popup.bar()->pointerColumn(), 28);
    QTest::mouseMove(popup.bar(), barPoint(386));
    QMouseEvent drag(QEvent::MouseMove, QPointF(386, 20), QPointF(386, 20), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup.bar(), &drag);
    EXPECT_EQ(popup.timeField()->text(), "06:55 PM");
    // Beyond the right end the pointer and the time stay at the last accepted column.
    QMouseEvent beyond(QEvent::MouseMove, QPointF(490, 20), QPointF(490, 20), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup.bar(), &beyond);
    EXPECT_EQ(popup.bar()->pointerColumn(), 386);
    EXPECT_EQ(popup.timeField()->text(), "06:55 PM");
    QTest::mouseRelease(popup.bar(), Qt::LeftButton, {}, barPoint(490));
    QTest::mousePress(popup.bar(), Qt::LeftButton, {}, barPoint(5));
    EXPECT_EQ(popup.timeField()->text(), "06:55 PM");
    QTest::mouseRelease(popup.bar(), Qt::LeftButton, {}, barPoint(5));
    EXPECT_NEAR(popup.returnedTime(), (18 * 60 + 55) / 1440.0, 1e-9);
}

TEST_F(TimePopupTest, KeysStepTheTimeBeforeTheFieldSeesThem) {
    TfrmTimePopup popup(nullptr);
    popup.settime(encodeDateTime(2026, 1, 1, 23, 59, 0, 0));
    popup.show();
    QWidget* field = popup.timeField();
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(popup.timeField()->text(), "11:59 PM");
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(popup.timeField()->text(), "11:58 PM");
    QTest::keyClick(field, Qt::Key_PageDown);
    EXPECT_EQ(popup.timeField()->text(), "10:58 PM");
    EXPECT_EQ(popup.bar()->pointerColumn(), TimetoX(22, 58));
    QTest::keyClick(field, Qt::Key_Home);
    EXPECT_EQ(popup.timeField()->text(), "02:37 PM");
}

TEST_F(TimePopupTest, DoubleClickOnTheBarIsOk) {
    TfrmTimePopup popup(nullptr);
    popup.settime(0.0);
    popup.show();
    QTest::mouseDClick(popup.bar(), Qt::LeftButton, {}, barPoint(247));
    EXPECT_EQ(popup.result(), QDialog::Accepted);
    EXPECT_EQ(popup.timeField()->text(), "12:00 PM");
}

} // namespace
} // namespace vz
