#include "app/accessibility.h"
#include "app/main_window.h"
#include "dateentry/dp_datetime_picker.h"
#include "dateentry/dp_month_calendar.h"
#include "engine/clock.h"
#include "engine/datetime.h"
#include "engine/report.h"
#include "events/edit_dialog.h"
#include "platform/accessibility_events.h"
#include "support/recorded_messages.h"
#include "timeentry/picture_field.h"
#include "timeentry/simple_field.h"
#include "timeentry/spin_fourway.h"
#include "timeentry/time_popup.h"
#include "widgets/raised_label.h"
#include "widgets/splitter.h"

#include <QAccessible>
#include <QLabel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vz {
namespace {

struct Recorded {
    QAccessible::Event type;
    QObject* object;
    int position = -1;
    QString removed, inserted;
    QString name; // of what the event is about, as it was then
};

std::vector<Recorded>& recorded() {
    static std::vector<Recorded> events;
    return events;
}

void record(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    Recorded r{event->type(),
               event->object(),
               -1,
               {},
               {},
               about ? about->text(QAccessible::Name) : QString()};
    switch (event->type()) {
    case QAccessible::TextInserted: {
        auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
        r.position = e->changePosition();
        r.inserted = e->textInserted();
        break;
    }
    case QAccessible::TextRemoved: {
        auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
        r.position = e->changePosition();
        r.removed = e->textRemoved();
        break;
    }
    case QAccessible::TextUpdated: {
        auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
        r.position = e->changePosition();
        r.removed = e->textRemoved();
        r.inserted = e->textInserted();
        break;
    }
    case QAccessible::TextCaretMoved:
        r.position = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
        break;
    default:
        break;
    }
    recorded().push_back(r);
}

// Plays the text events recorded for one object onto the text it had before them.
QString replay(QString text, const QObject* object) {
    for (const Recorded& r : recorded()) {
        if (r.object != object || r.position < 0)
            continue;
        if (r.type == QAccessible::TextInserted || r.type == QAccessible::TextRemoved ||
            r.type == QAccessible::TextUpdated) {
            EXPECT_EQ(text.mid(r.position, r.removed.size()), r.removed);
            text.replace(r.position, r.removed.size(), r.inserted);
        }
    }
    return text;
}

std::vector<int> carets(const QObject* object) {
    std::vector<int> out;
    for (const Recorded& r : recorded())
        if (r.object == object && r.type == QAccessible::TextCaretMoved)
            out.push_back(r.position);
    return out;
}

QAccessibleInterface* iface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        installAccessibility();
        recorded().clear();
    }
    void TearDown() override { processSettings() = usDefaults(); }

    // The edit dialog, shown and active, with an event in it.
    std::unique_ptr<TfrmEdit> editDialog() {
        auto dialog = std::make_unique<TfrmEdit>(nullptr);
        dialog->edName->setText(QStringLiteral("Birthday"));
        dialog->edDate->setDate(encodeDateTime(2027, 3, 1, 0, 0, 0, 0));
        dialog->edTime->setText(QStringLiteral("09:00 AM"));
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)};
    ScopedClock useClock{clock};

private:
    AccessibilityTap m_tap{record};
};

TEST_F(Accessibility, EditDialogNamesEveryControlAndReadsTheFields) {
    auto dialog = editDialog();
    struct Expected {
        QObject* object;
        QAccessible::Role role;
        QString name, text;
    };
    const Expected controls[] = {
        {dialog->edName, QAccessible::EditableText, "Description", "Birthday"},
        {dialog->edDate, QAccessible::EditableText, "Date:", "3/1/27"},
        {dialog->edTime, QAccessible::EditableText, "Time:", "09:00 AM"},
        {dialog->VzFourWaySpinner2, QAccessible::SpinBox, "Time", {}},
        {dialog->SpeedButton2, QAccessible::Button, "Popup time", {}},
        {dialog->edDate->button(), QAccessible::Button, "Calendar", {}},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.name.toStdString());
        QAccessibleInterface* a = iface(c.object);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), c.role);
        EXPECT_EQ(a->text(QAccessible::Name), c.name);
        if (!c.text.isNull()) {
            ASSERT_NE(a->textInterface(), nullptr);
            EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), c.text);
            EXPECT_EQ(a->text(QAccessible::Value), c.text);
        }
    }
    QAccessibleInterface* spin = iface(dialog->VzFourWaySpinner2);
    ASSERT_EQ(spin->childCount(), 4);
    QStringList arrows;
    for (int i = 0; i < spin->childCount(); ++i) {
        arrows << spin->child(i)->text(QAccessible::Name);
        EXPECT_EQ(spin->indexOfChild(spin->child(i)), i);
        EXPECT_EQ(spin->child(i)->parent(), spin);
    }
    EXPECT_EQ(arrows, QStringList({"Up", "Down", "Left", "Right"}));
}

TEST_F(Accessibility, TypingIsReportedAsEditsThatReplayIntoTheText) {
    auto dialog = editDialog();
    TVzSimpleField* field = dialog->edName;
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    recorded().clear();

    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, " party");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "Birthday part");
    EXPECT_EQ(replay("Birthday", field), field->text());
    // Entering selected everything with the caret already at the end: End only collapses the
    // selection.
    const std::vector<int> expectedCarets{9, 10, 11, 12, 13, 14, 13};
    EXPECT_EQ(carets(field), expectedCarets);
    QAccessibleTextInterface* text = iface(field)->textInterface();
    EXPECT_EQ(text->cursorPosition(), 13);
    EXPECT_EQ(text->selectionCount(), 0);

    // Typing over a selection is one replacement.
    recorded().clear();
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 13));
    QTest::keyClicks(field, "X");
    EXPECT_EQ(field->text(), "X");
    EXPECT_EQ(replay("Birthday part", field), "X");
    EXPECT_TRUE(std::any_of(recorded().begin(), recorded().end(), [](const Recorded& r) {
        return r.type == QAccessible::TextUpdated && r.removed == "Birthday part";
    }));
}

TEST_F(Accessibility, SteppingTheTimeIsReportedAsAReplacement) {
    auto dialog = editDialog();
    TVzPictureField* field = dialog->edTime;
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(field, Qt::Key_Home);
    recorded().clear();
    // Through the spin button's Up arrow, as a reader presses it.
    QAccessibleInterface* up = iface(dialog->VzFourWaySpinner2)->child(0);
    ASSERT_NE(up->actionInterface(), nullptr);
    up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(field->text(), "10:00 AM");
    EXPECT_EQ(replay("09:00 AM", field), "10:00 AM");
}

TEST_F(Accessibility, EditingThroughTheReaderObeysTheFieldsRules) {
    auto dialog = editDialog();
    QAccessibleEditableTextInterface* time = iface(dialog->edTime)->editableTextInterface();
    ASSERT_NE(time, nullptr);
    // Letters have no place in the time's mask; digits replace digits.
    time->insertText(0, QStringLiteral("ab"));
    EXPECT_EQ(dialog->edTime->text(), "09:00 AM");
    time->replaceText(0, 2, QStringLiteral("11"));
    EXPECT_EQ(dialog->edTime->text(), "11:00 AM");

    // The description keeps its length limit of 40.
    QAccessibleEditableTextInterface* name = iface(dialog->edName)->editableTextInterface();
    name->insertText(8, QString(50, QLatin1Char('x')));
    EXPECT_EQ(dialog->edName->text().size(), 40);
    name->deleteText(8, 40);
    EXPECT_EQ(dialog->edName->text(), "Birthday");

    dialog->edName->setReadOnly(true);
    EXPECT_EQ(iface(dialog->edName)->editableTextInterface(), nullptr);
    EXPECT_TRUE(iface(dialog->edName)->state().readOnly);
}

TEST_F(Accessibility, OffsetsCountAsQStringDoesBeyondTheBasicPlane) {
    auto dialog = editDialog();
    const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + "b";
    dialog->edName->setText(text);
    QAccessibleTextInterface* a = iface(dialog->edName)->textInterface();
    EXPECT_EQ(a->characterCount(), 4);
    EXPECT_EQ(a->text(1, 3), QString::fromUcs4(U"\U0001F600"));
    a->setCursorPosition(3);
    EXPECT_EQ(a->cursorPosition(), 3);
    EXPECT_EQ(dialog->edName->caretPosition(), 2);
    a->setSelection(0, 0, 4);
    EXPECT_EQ(dialog->edName->selEnd(), 3);
}

TEST_F(Accessibility, TheDisplayReadsAsItsReportsLines) {
    QStandardPaths::setTestModeEnabled(true);
    RegionalSettings rs;
    rs.shortDateFormat = "mm-dd-yy";
    rs.dateSeparator = "-";
    rs.longTimeFormat = "hh:nn:ss";
    processSettings() = rs;
    QTemporaryDir dir;
    std::ofstream(dir.filePath("zadud2.ini").toStdString(), std::ios::binary)
        << "[Entry1]\r\nDesc=Birthday\r\nDate=35582\r\nTime=09:00 AM\r\n"
           "[Lastone]\r\nTop=1\r\nLast=1\r\n";
    TfrmMain w(dir.path());
    w.show();

    auto* pane = w.findChild<TVzSplitter*>("Split")->section1();
    QAccessibleInterface* a = iface(pane);
    auto lines = [&] {
        QStringList out;
        for (int i = 0; i < a->childCount(); ++i)
            if (a->child(i)->role() == QAccessible::StaticText)
                out << a->child(i)->textInterface()->text(0, -1);
        return out;
    };
    const QStringList expected = {
        "Event: Birthday",  "1 month 14 days 21 hours 0 seconds or", "6 weekends or",
        "46 days or",       "1,101 hours (734 waking hours) or",     "66,060 minutes or",
        "3,963,600 seconds"};
    EXPECT_EQ(lines(), expected);
    // The labels drawn after a line's first one are part of its text, not objects of their own.
    for (const char* follower : {"lblAll2", "lblAll3", "lblSecs2", "lblSecs3"})
        EXPECT_EQ(a->indexOfChild(iface(w.findChild<TRaisedLabel*>(follower))), -1) << follower;
    // Pointing at a follower finds its line.
    auto* secs2 = w.findChild<TRaisedLabel*>("lblSecs2");
    const QPoint onSecs2 = secs2->mapToGlobal(secs2->rect().center());
    EXPECT_EQ(a->childAt(onSecs2.x(), onSecs2.y()), iface(w.findChild<TRaisedLabel*>("lblSecs")));

    // Fetched when asked, so the line follows the tick without being announced.
    clock.advanceSeconds(1);
    w.Timer1Timer();
    EXPECT_EQ(lines()[6], "3,963,599 seconds");
}

TEST_F(Accessibility, TheTimeBarIsASliderOverTheMinutesOfTheDay) {
    TfrmTimePopup popup(nullptr);
    popup.settime(encodeDateTime(2026, 1, 1, 9, 0, 0, 0));
    popup.show();
    QAccessibleInterface* bar = iface(popup.bar());
    EXPECT_EQ(bar->role(), QAccessible::Slider);
    EXPECT_EQ(bar->text(QAccessible::Name), "Click to select time");
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 9 * 60);
    EXPECT_EQ(bar->text(QAccessible::Description), "9:00 AM");
    EXPECT_EQ(iface(popup.timeField())->text(QAccessible::Name), "Time");

    recorded().clear();
    bar->valueInterface()->setCurrentValue(19 * 60);
    EXPECT_EQ(popup.timeField()->text(), "07:00 PM");
    EXPECT_EQ(bar->text(QAccessible::Description), "7:00 PM");
    EXPECT_TRUE(std::any_of(recorded().begin(), recorded().end(), [&](const Recorded& r) {
        return r.type == QAccessible::ValueChanged && r.object == popup.bar();
    }));
}

TEST_F(Accessibility, TheCalendarFocusesADayOfItsOwnOnEachMove) {
    TdpMonthCalendar calendar;
    calendar.setDate(encodeDateTime(2027, 3, 1, 0, 0, 0, 0));
    calendar.show();
    QAccessibleInterface* a = iface(&calendar);
    EXPECT_EQ(a->text(QAccessible::Name), "March 2027");
    ASSERT_EQ(a->childCount(), 42);
    EXPECT_EQ(a->focusChild()->text(QAccessible::Name), "Monday, March 1, 2027");

    const struct {
        Qt::Key key;
        const char* month;
        const char* day;
    } moves[] = {
        {Qt::Key_Left, "February 2027", "Sunday, February 28, 2027"},
        {Qt::Key_Down, "March 2027", "Sunday, March 7, 2027"},
        {Qt::Key_PageDown, "April 2027", "Wednesday, April 7, 2027"},
    };
    QAccessibleInterface* previous = a->focusChild();
    for (const auto& m : moves) {
        SCOPED_TRACE(m.day);
        recorded().clear();
        QTest::keyClick(&calendar, m.key);
        EXPECT_EQ(a->text(QAccessible::Name), m.month);
        QAccessibleInterface* day = a->focusChild();
        ASSERT_NE(day, nullptr);
        EXPECT_NE(day, previous); // a reader hears a move only from one object to another
        EXPECT_EQ(day->text(QAccessible::Name), m.day);
        EXPECT_EQ(day->parent(), a);
        EXPECT_EQ(a->child(a->indexOfChild(day)), day);
        EXPECT_TRUE(day->state().focused && day->state().selected);
        EXPECT_FALSE(previous->state().focused);
        // The focus moves to the day and it is selected; the calendar is renamed.
        std::vector<std::pair<QAccessible::Event, QString>> told;
        for (const Recorded& r : recorded())
            if (r.type == QAccessible::Focus || r.type == QAccessible::Selection)
                told.emplace_back(r.type, r.name);
        EXPECT_EQ(told, (std::vector<std::pair<QAccessible::Event, QString>>{
                            {QAccessible::Focus, m.day}, {QAccessible::Selection, m.day}}));
        previous = day;
    }
}

TEST_F(Accessibility, TheOpenCalendarIsFoundFromTheDateField) {
    auto dialog = editDialog();
    dialog->edDate->setFocus();
    QAccessibleInterface* button = iface(dialog->edDate->button());
    EXPECT_EQ(button->childCount(), 0);
    EXPECT_TRUE(button->state().collapsed);
    recorded().clear();
    QTest::keyClick(dialog->edDate, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(dialog->edDate->isDroppedDown());
    ASSERT_EQ(button->childCount(), 1);
    QAccessibleInterface* calendar = button->child(0);
    EXPECT_EQ(calendar, iface(dialog->edDate->calendar()));
    EXPECT_EQ(calendar->parent(), button);
    EXPECT_TRUE(button->state().expanded);
    // Dropping down announces the focused day; closing gives the focus back to the field.
    EXPECT_TRUE(std::any_of(recorded().begin(), recorded().end(), [](const Recorded& r) {
        return r.type == QAccessible::Focus && r.name == "Monday, March 1, 2027";
    }));
    QTest::keyClick(dialog->edDate, Qt::Key_Escape);
    EXPECT_EQ(button->childCount(), 0);
    EXPECT_EQ(recorded().back().type, QAccessible::Focus);
    EXPECT_EQ(recorded().back().object, dialog->edDate);
}

TEST_F(Accessibility, TheListIsNamedAndTheClockLineReadsTheTimeWhenAsked) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    TfrmMain w(dir.path());
    w.show();
    EXPECT_EQ(iface(w.findChild<QTableView*>("grid"))->text(QAccessible::Name), "Events");

    QAccessibleInterface* clockLine = iface(w.findChild<QLabel*>("StatusBar1"));
    w.Timer1Timer();
    EXPECT_EQ(clockLine->text(QAccessible::Name), w.statusText());
    clock.advanceSeconds(1);
    recorded().clear();
    w.Timer1Timer();
    EXPECT_EQ(clockLine->text(QAccessible::Name), w.statusText());
    EXPECT_TRUE(w.statusText().contains("12:00:01")) << w.statusText().toStdString();
}

} // namespace
} // namespace vz
