#include "dateentry/dp_datetime_picker.h"
#include "dateentry/dropdown_watcher.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "platform/regional_qt.h"
#include "platform/window_system.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace vz {
namespace {

// The date field where the compositor places windows: the calendar is a real pop-up of the
// field's window, its menus nest on it, and the window system closes it.
class PopupCalendar : public ::testing::Test {
protected:
    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)};
    ScopedClock useClock{clock};
    QDialog form;
    TdpDBDateTimePicker* edDate = nullptr;

    void SetUp() override {
        overrideCompositorPlacesWindows(true);
        processSettings() = usDefaults();
        edDate = new TdpDBDateTimePicker(&form);
        form.resize(320, 300);
        edDate->setGeometry(104, 56, 129, 24);
        edDate->setEpoch(1950);
        edDate->setDate(clock.now());
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edDate->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edDate, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(edDate->isDroppedDown());
    }
    void TearDown() override {
        edDate->CloseUp(true);
        overrideCompositorPlacesWindows(std::nullopt);
    }
    QString shown() const { return edDate->QLineEdit::text(); }
    TdpPopupCalendar* calendar() const { return edDate->calendar(); }
};

TEST_F(PopupCalendar, IsAPopupOfTheFieldsWindowWithItsMenusOnIt) {
    EXPECT_EQ(calendar()->windowType(), Qt::Popup);
    EXPECT_EQ(QApplication::activePopupWidget(), calendar());
    ASSERT_NE(calendar()->windowHandle(), nullptr);
    EXPECT_EQ(calendar()->windowHandle()->transientParent(), form.windowHandle());
    EXPECT_EQ(calendar()->monthMenuWidget()->parentWidget(), calendar());
    EXPECT_EQ(calendar()->yearMenuWidget()->parentWidget(), calendar());
    EXPECT_FALSE(dropDownWatcherInstalled()); // the window system closes a pop-up itself
}

TEST_F(PopupCalendar, TheKeysItReceivesAreTheFields) {
    // Keys go to the active pop-up; they act as they do on the field.
    QTest::keyClick(calendar(), Qt::Key_Right);
    EXPECT_EQ(shown(), "4/17/97");
    QTest::keyClick(calendar(), Qt::Key_PageDown);
    EXPECT_EQ(shown(), "5/17/97");
    QTest::keyClick(calendar(), Qt::Key_Escape);
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "4/16/97");
}

TEST_F(PopupCalendar, ClosedByTheWindowSystemItKeepsTheDate) {
    QSignalSpy closed(edDate, &TdpDBDateTimePicker::closedUp);
    QTest::keyClick(calendar(), Qt::Key_Right);
    calendar()->close(); // a click on another window, or the window deactivated
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(shown(), "4/17/97");
}

TEST_F(PopupCalendar, APressOutsideClosesItAndOnlyOneOnTheButtonIsSpent) {
    const auto pressAt = [this](QPoint global) {
        QTest::mousePress(calendar(), Qt::LeftButton, {}, calendar()->mapFromGlobal(global));
    };
    pressAt(edDate->button()->mapToGlobal(edDate->button()->rect().center()));
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_TRUE(calendar()->testAttribute(Qt::WA_NoMouseReplay)); // it would open it again

    edDate->DropDown();
    ASSERT_TRUE(edDate->isDroppedDown());
    pressAt(form.mapToGlobal(QPoint(10, 250)));
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_FALSE(calendar()->testAttribute(Qt::WA_NoMouseReplay)); // passed on to what is there
}

} // namespace
} // namespace vz
