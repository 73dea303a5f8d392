#include "engine/clock.h"
#include "platform/fonts.h"
#include "support/recorded_messages.h"
#include "timeentry/picture_field.h"
#include "timeentry/time_popup.h"
#include "widgets/effectpaint.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace vz {
namespace {

class TimePopupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }
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

TEST_F(TimePopupTest, DoubleClickOnTheUpperMarkerDoesNothing) {
    TfrmTimePopup popup(nullptr);
    popup.settime(encodeDateTime(2026, 1, 1, 9, 0, 0, 0));
    popup.show();
    const int column = popup.bar()->pointerColumn();
    QTest::mouseDClick(popup.bar(), Qt::LeftButton, {}, QPoint(column, 2));
    EXPECT_EQ(popup.result(), 0);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.timeField()->text(), "09:00 AM");
    // Beside the marker the bar still takes the double click.
    QTest::mouseDClick(popup.bar(), Qt::LeftButton, {}, QPoint(column + 40, 2));
    EXPECT_EQ(popup.result(), QDialog::Accepted);
}

TEST_F(TimePopupTest, OpensCentredOnTheScreenInTheSystemFont) {
    QWidget owner;
    owner.setGeometry(0, 0, 300, 200);
    owner.show();
    TfrmTimePopup popup(&owner);
    popup.settime(0.0);
    popup.show();
    // Within the window frame's margins of the screen's centre, not over the owner.
    const QPoint offCentre =
        popup.geometry().center() - owner.screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offCentre.x()), 4);
    EXPECT_LE(std::abs(offCentre.y()), 4);
    EXPECT_EQ(popup.font(), designFont(QStringLiteral("System"), -13));
    // Resolved through the program's font mapping to the same face as the other dialog fonts.
    EXPECT_EQ(QFontInfo(popup.font()).family(),
              QFontInfo(designFont(QStringLiteral("MS Sans Serif"), -13)).family());
    EXPECT_EQ(QFontInfo(popup.font()).pixelSize(), 13);
}

class InvalidTimeInPopup : public TimePopupTest {
protected:
    QStringList& messages() { return test::RecordedMessages::current().entries; }

    // An open popup whose field holds an unfinished time and has the focus.
    void withUnfinishedTime(const std::function<void(TfrmTimePopup&)>& act) {
        messages().clear();
        TfrmTimePopup popup(nullptr);
        popup.settime(encodeDateTime(2026, 1, 1, 9, 0, 0, 0));
        popup.show();
        QApplication::setActiveWindow(&popup);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&popup));
        popup.timeField()->setText(QStringLiteral("1_:__ PM"));
        popup.timeField()->setFocus();
        ASSERT_TRUE(popup.timeField()->hasFocus());
        act(popup);
    }
    static QPushButton* button(TfrmTimePopup& popup, const char* caption) {
        for (QPushButton* b : popup.findChildren<QPushButton*>())
            if (b->text() == QLatin1String(caption))
                return b;
        return nullptr;
    }
};

TEST_F(InvalidTimeInPopup, OkAndEnterRefuseIt) {
    const std::vector<std::pair<const char*, std::function<void(TfrmTimePopup&)>>> ways{
        {"Enter",
         [](TfrmTimePopup& p) {
             QTest::keyClick(p.timeField(), Qt::Key_Return);
         }},
        {"OK",
         [](TfrmTimePopup& p) {
             QTest::mouseClick(button(p, "OK"), Qt::LeftButton);
         }},
    };
    for (const auto& [name, way] : ways) {
        withUnfinishedTime([&, name = name, way = way](TfrmTimePopup& popup) {
            way(popup);
            QTest::qWait(50); // a report the controller posts
            EXPECT_EQ(popup.result(), 0) << name;
            EXPECT_TRUE(popup.isVisible()) << name;
            ASSERT_FALSE(messages().isEmpty()) << name;
            EXPECT_EQ(messages().last(), "error: Value is not a valid time") << name;
            EXPECT_TRUE(popup.timeField()->hasFocus()) << name;
        });
    }
}

TEST_F(InvalidTimeInPopup, CancelAndEscapeLeaveWithoutAMessage) {
    const std::vector<std::pair<const char*, std::function<void(TfrmTimePopup&)>>> ways{
        {"Esc",
         [](TfrmTimePopup& p) {
             QTest::keyClick(p.timeField(), Qt::Key_Escape);
         }},
        {"Cancel",
         [](TfrmTimePopup& p) {
             QTest::mouseClick(button(p, "Cancel"), Qt::LeftButton);
         }},
        {"close box",
         [](TfrmTimePopup& p) {
             p.close();
         }},
    };
    for (const auto& [name, way] : ways) {
        withUnfinishedTime([&, name = name, way = way](TfrmTimePopup& popup) {
            way(popup);
            QTest::qWait(50);
            EXPECT_EQ(popup.result(), QDialog::Rejected) << name;
            EXPECT_FALSE(popup.isVisible()) << name;
            EXPECT_TRUE(messages().isEmpty()) << name << ": " << messages().join('|').toStdString();
        });
    }
}

} // namespace
} // namespace vz
