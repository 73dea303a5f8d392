#include "dateentry/calendar_popup_menu.h"
#include "dateentry/dp_datetime_picker.h"
#include "dateentry/dropdown_watcher.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "platform/regional_qt.h"
#include "support/recorded_messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vz {
namespace {

TDateTime day(int y, int m, int d) {
    return encodeDateTime(y, m, d, 0, 0, 0, 0);
}

// A small form as the edit dialog has it: the date field between two buttons, OK the default.
class DateForm : public ::testing::Test {
protected:
    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)}; // a Wednesday
    ScopedClock useClock{clock};
    QDialog form;
    QPushButton* before = new QPushButton(QStringLiteral("Before"), &form);
    TdpDBDateTimePicker* edDate = new TdpDBDateTimePicker(&form);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &form);
    QSignalSpy accepted{&form, &QDialog::accepted};
    QSignalSpy rejected{&form, &QDialog::rejected};

    void SetUp() override {
        processSettings() = usDefaults();
        form.resize(320, 300);
        before->setGeometry(10, 10, 80, 24);
        edDate->setGeometry(104, 56, 129, 24);
        ok->setGeometry(10, 250, 80, 24);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
        edDate->setEpoch(1950);
        edDate->setDate(clock.now());
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edDate->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edDate->hasFocus());
    }

    QString shown() const { return edDate->QLineEdit::text(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(edDate, k, mods); }
    void typeText(const char* text) { QTest::keyClicks(edDate, QString::fromLatin1(text)); }
    TdpPopupCalendar* calendar() const { return edDate->calendar(); }
    QPoint cellCentre(int index) const {
        const CalRect r = dayCell(calendar()->calendarLayout(), index);
        return {r.x + r.w / 2, r.y + r.h / 2};
    }
    QPoint centreOf(const CalRect& r) const { return {r.x + r.w / 2, r.y + r.h / 2}; }
    void openCalendar() {
        key(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(edDate->isDroppedDown());
    }

    using RecordedMessages = vz::test::RecordedMessages;
};

TEST_F(DateForm, TypingSteppingAndEmptying) {
    EXPECT_EQ(shown(), "4/16/97");
    EXPECT_EQ(edDate->selectedText(), "4/16/97"); // focus entry selects all
    typeText("12");
    EXPECT_EQ(shown(), "12/16/97");
    EXPECT_EQ(edDate->selectedText(), "16");
    key(Qt::Key_Up);
    EXPECT_EQ(shown(), "12/17/97");
    key(Qt::Key_Right);
    typeText("0");
    typeText("3");
    EXPECT_EQ(edDate->date(), day(2003, 12, 17));
    EXPECT_TRUE(edDate->isModified());

    key(Qt::Key_Home, Qt::ShiftModifier);
    key(Qt::Key_Backspace);
    EXPECT_EQ(edDate->text(), "");
    EXPECT_EQ(edDate->date(), 0);
    key(Qt::Key_Escape); // the dialog's cancel path: back to the value on entry
    EXPECT_EQ(shown(), "4/16/97");
}

TEST_F(DateForm, ClickSelectsTheElementUnderTheMouse) {
    const QFontMetrics fm = edDate->fontMetrics();
    // Somewhere over the "16".
    const int x = 4 + fm.horizontalAdvance(QStringLiteral("4/1"));
    QTest::mouseClick(edDate, Qt::LeftButton, {}, QPoint(x, edDate->height() / 2));
    EXPECT_EQ(edDate->selectedText(), "16");
    QTest::mouseDClick(edDate, Qt::LeftButton, {}, QPoint(x, edDate->height() / 2));
    EXPECT_EQ(edDate->selectedText(), "4/16/97");
}

TEST_F(DateForm, EnterWithAPendingDigitReadsTheCompletedDate) {
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    typeText("9");
    EXPECT_EQ(shown(), "4/16/9");
    key(Qt::Key_Return); // reaches the default button
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(edDate->text(), "4/16/09");
}

TEST_F(DateForm, AltDownOpensBelowTheFieldAndArrowsMoveTheDateAtOnce) {
    QSignalSpy dropped(edDate, &TdpDBDateTimePicker::droppedDown);
    openCalendar();
    EXPECT_EQ(dropped.count(), 1);
    const QPoint fieldTop = edDate->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(calendar()->geometry().top(), fieldTop.y() + edDate->height() - 1);
    EXPECT_EQ(calendar()->geometry().left(), fieldTop.x() + 1);
    EXPECT_GE(calendar()->width(), calendar()->minReqSize().width());
    EXPECT_TRUE(edDate->hasFocus()); // the calendar never takes the focus
    EXPECT_TRUE(dropDownWatcherInstalled());

    key(Qt::Key_Right);
    EXPECT_EQ(shown(), "4/17/97");
    key(Qt::Key_Down);
    EXPECT_EQ(shown(), "4/24/97");
    key(Qt::Key_PageDown);
    EXPECT_EQ(shown(), "5/24/97");
    typeText("7"); // the field's own keys do nothing while open
    EXPECT_EQ(shown(), "5/24/97");

    key(Qt::Key_Return);
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(accepted.count(), 0); // the Enter closed the calendar only
    EXPECT_EQ(shown(), "5/24/97");
    EXPECT_FALSE(dropDownWatcherInstalled());
}

TEST_F(DateForm, EscapeRestoresTheDateTheCalendarOpenedWith) {
    key(Qt::Key_Up); // 5/16/97
    openCalendar();
    key(Qt::Key_PageDown);
    key(Qt::Key_Left);
    EXPECT_EQ(shown(), "6/15/97");
    key(Qt::Key_Escape);
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(shown(), "5/16/97");
}

TEST_F(DateForm, EmptyFieldOpensOnToday) {
    key(Qt::Key_Home, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(shown(), "");
    // Shift+Home and Shift+End select, they fill nothing in.
    key(Qt::Key_End, Qt::ShiftModifier);
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(edDate->value(), 0);
    openCalendar();
    EXPECT_EQ(shown(), "4/16/97");
    key(Qt::Key_Escape); // back to empty
    EXPECT_EQ(shown(), "");
}

// Two grabs a blink apart: alike while no caret is drawn, different while one blinks.
bool caretBlinks(QWidget* field) {
    const QImage before = field->grab().toImage();
    QTest::qWait(QApplication::cursorFlashTime() / 2 + 100);
    return field->grab().toImage() != before;
}

TEST_F(DateForm, TheCaretShowsOnlyBehindPendingDigitsOrInAnEmptyField) {
    // Focus entry with text: the selection shows where the keys go, no caret.
    EXPECT_FALSE(edDate->caretShown());
    EXPECT_FALSE(caretBlinks(edDate));
    typeText("1");
    EXPECT_TRUE(edDate->caretShown());
    EXPECT_TRUE(caretBlinks(edDate)); // the grabs can tell a caret
    key(Qt::Key_Right);               // the digit is taken
    EXPECT_FALSE(edDate->caretShown());
    key(Qt::Key_Home, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(shown(), "");
    EXPECT_TRUE(edDate->caretShown());
    // Dropped down, the calendar has the keys.
    openCalendar();
    EXPECT_FALSE(edDate->caretShown());
    EXPECT_FALSE(caretBlinks(edDate));
    key(Qt::Key_Escape);
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "");
    EXPECT_TRUE(edDate->caretShown());
}

TEST_F(DateForm, ClicksOnTheCalendar) {
    openCalendar();
    // The day-of-week header does nothing.
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().header));
    EXPECT_TRUE(edDate->isDroppedDown());
    // The first cell is a trailing day of March (1 April 1997 is a Tuesday, Sunday first).
    QTest::mouseClick(calendar(), Qt::LeftButton, {}, cellCentre(0));
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "3/30/97");
    EXPECT_TRUE(edDate->isModified());

    openCalendar();
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().todayLine));
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "4/16/97");

    openCalendar();
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().nextButton));
    EXPECT_TRUE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "5/16/97");
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().prevButton));
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().prevButton));
    EXPECT_EQ(shown(), "3/16/97");
}

TEST_F(DateForm, AClickOutsideClosesKeepingTheDate) {
    openCalendar();
    key(Qt::Key_Right);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(20, 150));
    QCoreApplication::processEvents(); // the posted close request
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_EQ(shown(), "4/17/97");
    EXPECT_TRUE(edDate->hasFocus());
}

TEST_F(DateForm, TheButtonTogglesTheCalendarAndFocusLossClosesIt) {
    before->setFocus();
    ASSERT_FALSE(edDate->hasFocus());
    QTest::mouseClick(edDate->button(), Qt::LeftButton);
    EXPECT_TRUE(edDate->hasFocus());
    EXPECT_TRUE(edDate->isDroppedDown());
    EXPECT_FALSE(edDate->selectedText() == "4/16/97"); // not all selected by a button press
    QTest::mouseClick(edDate->button(), Qt::LeftButton);
    EXPECT_FALSE(edDate->isDroppedDown());

    openCalendar();
    key(Qt::Key_Tab);
    EXPECT_FALSE(edDate->isDroppedDown());
    EXPECT_FALSE(edDate->hasFocus());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(edDate->calendar(), nullptr); // a fresh calendar for each focus period
}

// The menus run their own loop: act on them from inside it.
template <class Action> void whileMenuIsUp(Action action) {
    QTimer::singleShot(0, [action] {
        auto* menu = dynamic_cast<TCalendarPopupMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        action(menu);
    });
}

int indexOf(const TCalendarPopupMenu* menu, const char* caption) {
    const auto& items = menu->items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].caption == caption)
            return static_cast<int>(i);
    return -1;
}

TEST_F(DateForm, TitleMenusChooseMonthAndYear) {
    openCalendar();
    const CalendarLayout l = calendar()->calendarLayout();
    whileMenuIsUp([](TCalendarPopupMenu* menu) {
        ASSERT_EQ(menu->items().size(), 12u);
        EXPECT_TRUE(menu->items()[3].checked); // April
        // With a check mark, not the round bullet of exclusive choices.
        const QStyleOptionMenuItem april = calendarMenuItemOption(menu, menu->items()[3], false);
        EXPECT_TRUE(april.checked);
        EXPECT_EQ(april.checkType, QStyleOptionMenuItem::NonExclusive);
        EXPECT_EQ(calendarMenuItemOption(menu, menu->items()[4], false).checkType,
                  QStyleOptionMenuItem::NotCheckable); // no empty boxes beside the others
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->itemRect(indexOf(menu, "June")).center());
    });
    QTest::mouseClick(calendar(), Qt::LeftButton, {}, centreOf(l.titleMonth));
    EXPECT_EQ(shown(), "6/16/97");
    EXPECT_TRUE(edDate->isDroppedDown());

    whileMenuIsUp([](TCalendarPopupMenu* menu) {
        ASSERT_EQ(menu->items().size(), 20u);
        EXPECT_TRUE(menu->items()[7].checked); // 1997
        // Two columns of ten.
        EXPECT_EQ(menu->itemRect(10).top(), menu->itemRect(0).top());
        EXPECT_GT(menu->itemRect(10).left(), menu->itemRect(9).left());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->itemRect(indexOf(menu, "2000")).center());
    });
    QTest::mouseClick(calendar(), Qt::LeftButton, {},
                      centreOf(calendar()->calendarLayout().titleYear));
    EXPECT_EQ(shown(), "6/16/00");
}

TEST_F(DateForm, ASecondClickOnTheTitleOnlyClosesItsMenu) {
    openCalendar();
    const QPoint title = calendar()->mapToGlobal(centreOf(calendar()->calendarLayout().titleMonth));
    int shownMenus = 0;
    whileMenuIsUp([&shownMenus, title](TCalendarPopupMenu* menu) {
        ++shownMenus;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->mapFromGlobal(title));
    });
    QTest::mouseClick(calendar(), Qt::LeftButton, {}, calendar()->mapFromGlobal(title));
    QCoreApplication::processEvents();
    EXPECT_EQ(shownMenus, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(edDate->isDroppedDown()); // a click in a menu never closes the calendar
    EXPECT_EQ(shown(), "4/16/97");
}

TEST_F(DateForm, KeysPastTheLimitsReportTheLimitAndKeepTheCalendarOpenOnItsDate) {
    const struct {
        TDateTime from;
        Qt::Key key;
        const char* shown;
        const char* message;
    } cases[] = {
        {day(9999, 12, 29), Qt::Key_Down, "12/29/99", "general: Date exceeds maximum of 12/31/99"},
        {day(9999, 12, 15), Qt::Key_PageDown, "12/15/99",
         "general: Date exceeds maximum of 12/31/99"},
        {day(1900, 1, 3), Qt::Key_Up, "1/3/00", "general: Date is less than minimum of 12/31/99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        edDate->setDate(c.from);
        edDate->setFocus();
        openCalendar();
        key(c.key);
        EXPECT_EQ(shown(), c.shown);
        EXPECT_TRUE(edDate->isDroppedDown());
        EXPECT_EQ(calendar()->curSel(), static_cast<std::int64_t>(c.from));
        ASSERT_EQ(RecordedMessages::current().entries.size(), 1u);
        EXPECT_EQ(RecordedMessages::current().entries.back(), c.message);
        RecordedMessages::current().entries.clear();
        // Escape still returns to the date the calendar opened on.
        key(Qt::Key_Left);
        key(Qt::Key_Escape);
        EXPECT_EQ(shown(), c.shown);
    }
}

// Grabs of the field and the open calendar, for looking at; written when VZ_SHOT_DIR is set.
class DateShots : public DateForm {
protected:
    void shoot(const char* name) {
        const QImage field = edDate->grab().toImage();
        EXPECT_FALSE(field.isNull());
        openCalendar();
        const QImage cal = calendar()->grab().toImage();
        EXPECT_FALSE(cal.isNull());
        // The title band is in the highlight colour; the month's background is white.
        const CalendarLayout l = calendar()->calendarLayout();
        EXPECT_EQ(QColor(cal.pixel(l.title.x + 2, l.title.y + 2)),
                  calendar()->CalColors().TitleBackColor);
        EXPECT_EQ(QColor(cal.pixel(l.grid.x + 1, l.grid.y + 1)), QColor(Qt::white));
        const QString dir = qEnvironmentVariable("VZ_SHOT_DIR");
        if (!dir.isEmpty()) {
            field.save(QDir(dir).filePath(QStringLiteral("%1-field.png").arg(name)));
            cal.save(QDir(dir).filePath(QStringLiteral("%1-calendar.png").arg(name)));
        }
    }
};

TEST_F(DateShots, EnglishUnitedStates) {
    shoot("en_US");
}

TEST_F(DateForm, GermanMonthNamesPasteToTheirYear) {
    processSettings() = regionalSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    fix2000(processSettings());
    edDate->clearFocus();
    edDate->setFocus(Qt::TabFocusReason);
    const struct {
        const char* pasted;
        const char* shown;
    } cases[] = {
        {"24.Dez.1999", "24.12.1999"},
        {"5.Okt.2004", "05.10.2004"},
        {"3.Mai.2004", "03.05.2004"},
        {"24.Dez1999", "03.05.2004"}, // not read whole: the value stays
    };
    for (const auto& c : cases) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        key(Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(shown(), QString::fromUtf8(c.shown)) << c.pasted;
    }
    processSettings() = usDefaults();
}

TEST_F(DateShots, German) {
    processSettings() = regionalSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    fix2000(processSettings());
    edDate->clearFocus();
    edDate->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown(), "16.04.1997");
    // Monday is the first column.
    openCalendar();
    EXPECT_EQ(calendar()->firstDayOfWeek(), 0);
    key(Qt::Key_Escape);
    shoot("de_DE");
    processSettings() = usDefaults();
}

} // namespace
} // namespace vz
