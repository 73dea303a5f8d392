#include "app/main_window.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "platform/clipboard.h"
#include "store/event_store.h"
#include "support/recorded_messages.h"
#include "widgets/raised_label.h"
#include "widgets/splitter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace vz {
namespace {

// 16 April 1997 12:00:00, a Wednesday, with the worked example's settings.
RegionalSettings exampleSettings() {
    RegionalSettings rs;
    rs.shortDateFormat = "mm-dd-yy";
    rs.dateSeparator = "-";
    rs.longTimeFormat = "hh:nn:ss";
    return rs;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        processSettings() = exampleSettings();
        test::RecordedMessages::current().entries.clear();
        test::RecordedMessages::current().confirmAnswer = true;
    }
    void TearDown() override { processSettings() = usDefaults(); }

    void writeStore(const std::string& text) {
        std::ofstream(dir.filePath("zadud2.ini").toStdString(), std::ios::binary) << text;
    }
    std::string readStore() {
        QFile f(dir.filePath("zadud2.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    template <class T> T* child(TfrmMain& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
    QString caption(TfrmMain& w, const char* name) {
        return child<TRaisedLabel>(w, name)->caption();
    }
    QStringList& messages() { return test::RecordedMessages::current().entries; }

    QTemporaryDir dir;
    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)};
    ScopedClock useClock{clock};
};

const std::string BirthdayStore = "[Entry1]\r\nDesc=Birthday\r\nDate=35582\r\nTime=09:00 AM\r\n"
                                  "[Entry2]\r\nDesc=Holiday\r\nDate=35600\r\nTime=12:00 PM\r\n"
                                  "[Lastone]\r\nTop=1\r\nLast=1\r\n";

TEST_F(MainWindowTest, StartsEmptyWithoutAStore) {
    TfrmMain w(dir.path());
    w.show();
    EXPECT_EQ(w.windowTitle(), "Vizevavoz 98");
    EXPECT_EQ(w.statusText(), "It is now Wednesday 04-16-1997 at 12:00:00");
    EXPECT_EQ(caption(w, "lblName"), "");
    EXPECT_EQ(caption(w, "lblDays"), "");
    EXPECT_TRUE(w.timerRunning());
    w.scrollClick(false);
    EXPECT_EQ(w.currentRow(), 1);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(child<QPushButton>(w, "btAdd")->toolTip(), "Add new item");
}

TEST_F(MainWindowTest, ShowsTheStoredEventsAndTicks) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    EXPECT_EQ(w.eventGrid().cells.cell(1, 1), "06-01-1997");
    EXPECT_EQ(caption(w, "lblName"), "Birthday");
    EXPECT_EQ(caption(w, "lblAll"), "1 month 14 days 21 hours ");
    EXPECT_EQ(caption(w, "lblHour"), "1,101 hours (734 waking hours)");
    EXPECT_EQ(w.eventGrid().cells.cell(3, 1), "Sun");
    EXPECT_EQ(w.eventGrid().cells.cell(4, 1), "1 mo 14 dys 21 hrs ");
    // The followers stand against the labels they complete.
    auto* all = child<TRaisedLabel>(w, "lblAll");
    EXPECT_EQ(child<TRaisedLabel>(w, "lblAll2")->x(), all->x() + all->width() + 1);
    auto* secs = child<TRaisedLabel>(w, "lblSecs");
    EXPECT_EQ(child<TRaisedLabel>(w, "lblSecs2")->x(), secs->x() + secs->width());

    clock.advanceSeconds(1);
    w.Timer1Timer();
    EXPECT_EQ(caption(w, "lblAll2"), "59");
    EXPECT_EQ(w.statusText(), "It is now Wednesday 04-16-1997 at 12:00:01");
}

TEST_F(MainWindowTest, CopyHoldsItsMessageForThreeTicks) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "btCopy"), Qt::LeftButton);
    EXPECT_EQ(clipboardText(), "It is now Wednesday 04-16-1997 at 12:00:00\r\n"
                               "Event: Birthday\r\n"
                               "Scheduled For 06-01-1997  09:00 AM\r\n"
                               "1 month 14 days 21 hours 0 seconds or \r\n"
                               "6 weekends or \r\n"
                               "46 days or \r\n"
                               "1,101 hours (734 waking hours) or \r\n"
                               "66,060 minutes or \r\n"
                               "3,963,600 seconds\r\n");
    EXPECT_EQ(w.statusText(), "Date was copied to the clipboard");
    // A click on the display copies too; a second copy reports the message itself.
    QTest::mouseClick(w.findChild<TVzSplitter*>()->section1(), Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_TRUE(clipboardText().startsWith("Date was copied to the clipboard\r\n"));
    for (int tick = 0; tick < 3; ++tick) {
        w.Timer1Timer();
        EXPECT_EQ(w.statusText(), "Date was copied to the clipboard");
    }
    w.Timer1Timer();
    EXPECT_TRUE(w.statusText().startsWith("It is now"));
}

TEST_F(MainWindowTest, SpinButtonStopsAtBothEnds) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    w.scrollClick(true);
    EXPECT_EQ(w.currentRow(), 1);
    w.scrollClick(false);
    EXPECT_EQ(w.currentRow(), 2);
    EXPECT_EQ(caption(w, "lblName"), "Holiday");
    w.scrollClick(false);
    EXPECT_EQ(w.currentRow(), 2);
}

TEST_F(MainWindowTest, DeleteAsksAndMovesTheLaterRowsUp) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    test::RecordedMessages::current().confirmAnswer = false;
    w.btDeleteClick();
    EXPECT_EQ(messages().last(), "confirm: Really delete Birthday?");
    EXPECT_EQ(w.eventGrid().cells.cell(0, 1), "Birthday");
    test::RecordedMessages::current().confirmAnswer = true;
    w.btDeleteClick();
    EXPECT_EQ(w.eventGrid().cells.cell(0, 1), "Holiday");
    EXPECT_EQ(w.eventGrid().cells.cell(0, 2), "");
    w.setCurrentRow(2);
    w.btDeleteClick();
    EXPECT_EQ(messages().last(), "error: Nothing to delete");
    w.btEditClick();
    EXPECT_EQ(messages().last(), "error: Nothing to edit");
}

TEST_F(MainWindowTest, AnUnreadableRowIsReportedOnceAndTheOthersKeepTicking) {
    writeStore(BirthdayStore + "[Entry3]\r\nDesc=Broken\r\nDate=35600\r\nTime=25:00\r\n");
    TfrmMain w(dir.path());
    w.show();
    EXPECT_EQ(messages().count(), 1);
    EXPECT_EQ(messages().first(), "general: '25:00' is not a valid time");
    clock.advanceSeconds(1);
    w.Timer1Timer();
    EXPECT_EQ(messages().count(), 1);
    EXPECT_EQ(w.eventGrid().cells.cell(4, 1), "1 mo 14 dys 20 hrs 59 mins 59 secs");
    EXPECT_EQ(w.eventGrid().cells.cell(4, 3), "");

    // Selecting it stops the timer with the selected event's message.
    w.setCurrentRow(3);
    w.Timer1Timer();
    EXPECT_FALSE(w.timerRunning());
    EXPECT_EQ(messages().last(), "error: Invalid time");
    // Resizing while stopped does not start it.
    w.resize(w.width() + 40, w.height());
    EXPECT_FALSE(w.timerRunning());
}

// One unreadable selected event must not leave the others' Day and When blank.
TEST_F(MainWindowTest, AnUnreadableSelectedRowLeavesTheOthersRefreshed) {
    writeStore("[Entry1]\r\nDesc=Anniversary\r\nDate=35600\r\nTime=25:00\r\n"
               "[Entry2]\r\nDesc=Birthday\r\nDate=35582\r\nTime=09:00 AM\r\n"
               "[Entry3]\r\nDesc=Holiday\r\nDate=35600\r\nTime=12:00 PM\r\n"
               "[Lastone]\r\nTop=1\r\nLast=1\r\n");
    TfrmMain w(dir.path());
    w.show();
    ASSERT_EQ(w.currentRow(), 1);
    EXPECT_TRUE(messages().contains("error: Invalid time"));
    EXPECT_EQ(w.eventGrid().cells.cell(0, 1), "Anniversary");
    EXPECT_EQ(w.eventGrid().cells.cell(4, 1), "");
    EXPECT_EQ(w.eventGrid().cells.cell(0, 2), "Birthday");
    EXPECT_EQ(w.eventGrid().cells.cell(3, 2), "Sun");
    EXPECT_EQ(w.eventGrid().cells.cell(4, 2), "1 mo 14 dys 21 hrs ");
    EXPECT_EQ(w.eventGrid().cells.cell(3, 3), "Thu");
}

TEST_F(MainWindowTest, ResizingKeepsTheTimerAndGivesTheWhenColumnTheRest) {
    TfrmMain w(dir.path());
    w.show();
    w.resize(700, w.height());
    EXPECT_TRUE(w.timerRunning());
    auto* grid = w.findChild<QTableView*>(QStringLiteral("grid"));
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(4), 708 - 391);
    EXPECT_EQ(child<QPushButton>(w, "btClose")->x(), 708 - 68 - 20);
    EXPECT_EQ(w.minimumWidth(), 235 + 1 + 4 - 8);
}

// Narrow windows included: no minimum column size may widen the When column past the rest.
TEST_F(MainWindowTest, TheWhenColumnTakesTheRestAtEveryWidth) {
    TfrmMain w(dir.path());
    w.show();
    auto* header = w.findChild<QTableView*>(QStringLiteral("grid"))->horizontalHeader();
    for (const int outer : {900, 500, 420, 410, 400, 395, 392, 391}) {
        w.resize(outer - 8, w.height());
        EXPECT_EQ(header->sectionSize(4), outer - 391) << outer;
    }
    w.resize(w.minimumWidth(), w.height());
    EXPECT_EQ(header->sectionSize(4), 0);
    EXPECT_EQ(header->sectionSize(0), 180);
}

// Tab, Shift+Tab and Ctrl+Tab leave the list for the buttons around it and leave the
// selected event where it was; Ctrl+C in the list copies what the display shows.
TEST_F(MainWindowTest, TheKeyboardLeavesTheListAndCopiesTheReport) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* grid = w.findChild<QTableView*>(QStringLiteral("grid"));
    auto* btAdd = child<QPushButton>(w, "btAdd");
    auto* btClose = child<QPushButton>(w, "btClose");

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QWidget* lands;
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::NoModifier, btAdd},
        {Qt::Key_Backtab, Qt::ShiftModifier, btClose},
        {Qt::Key_Tab, Qt::ControlModifier, btAdd},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, btClose},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, btClose},
    };
    for (const Step& step : steps) {
        w.setCurrentRow(1);
        grid->setFocus();
        ASSERT_TRUE(grid->hasFocus());
        QTest::keyClick(grid, step.key, step.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), step.lands)
            << step.key << " " << step.modifiers.toInt();
        EXPECT_EQ(w.currentRow(), 1);
    }
    // The buttons follow one another in their designed order.
    QStringList order;
    for (QWidget* at = btAdd; order.size() < 6; at = at->nextInFocusChain())
        if (qobject_cast<QPushButton*>(at))
            order << at->objectName();
    EXPECT_EQ(order, QStringList({"btAdd", "btEdit", "btDelete", "btCopy", "btAbout", "btClose"}));
    btClose->setFocus();
    QTest::keyClick(btClose, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(w.currentRow(), 1);

    copyToClipboard(QStringLiteral("before"));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboardText().startsWith("It is now Wednesday 04-16-1997 at 12:00:00\r\n"
                                           "Event: Birthday\r\n"))
        << clipboardText().toStdString();
    EXPECT_EQ(w.statusText(), "Date was copied to the clipboard");
    w.Timer1Timer();
    EXPECT_EQ(w.statusText(), "Date was copied to the clipboard");
}

TEST_F(MainWindowTest, ASavedDividerIsClampedToTheDesignedSize) {
    writeStore(BirthdayStore + "[Split]\r\nPos=390\r\n");
    TfrmMain w(dir.path());
    w.show();
    EXPECT_EQ(w.findChild<TVzSplitter*>()->Position(), 375);
}

TEST_F(MainWindowTest, ClosingSavesTheStore) {
    writeStore(BirthdayStore);
    {
        TfrmMain w(dir.path());
        w.show();
        w.setCurrentRow(2);
        w.close();
    }
    const std::string store = readStore();
    EXPECT_NE(store.find("[Entry26]\r\nDesc=\r\nDate=0\r\nTime=\r\n"), std::string::npos);
    EXPECT_NE(store.find("Last=2"), std::string::npos);
}

TEST_F(MainWindowTest, ClosingWithAStoreThatCannotBeWrittenKeepsTheWindowOnceThenEnds) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    w.btDeleteClick();
    // The store's name taken by a folder: no save can replace it, whoever runs the test.
    const QString store = dir.filePath("zadud2.ini");
    QFile::remove(store);
    ASSERT_TRUE(QDir().mkdir(store));
    const QString refusal = "general: Unable to write to " + QDir::toNativeSeparators(store);

    w.close();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages().last(), refusal);
    EXPECT_EQ(w.eventGrid().cells.cell(0, 1), "Holiday");

    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(messages().size(), 3);
    EXPECT_EQ(messages().last(), refusal);
}

TEST_F(MainWindowTest, ASaveBetweenTwoClosesStartsTheCountAgain) {
    TfrmMain w(dir.path());
    w.show();
    const QString store = dir.filePath("zadud2.ini");
    ASSERT_TRUE(QDir().mkdir(store));
    w.close();
    ASSERT_TRUE(w.isVisible());
    // The folder is mended and a save goes through: the next failure refuses again.
    ASSERT_TRUE(QDir().rmdir(store));
    w.writeGrid();
    ASSERT_TRUE(QFile::remove(store));
    ASSERT_TRUE(QDir().mkdir(store));
    w.close();
    EXPECT_TRUE(w.isVisible());
    QDir().rmdir(store);
    w.close();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, ASessionSaveKeepsTheStoreAndTheWindow) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    w.btDeleteClick();
    w.saveForSession();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(readStore().find("Birthday"), std::string::npos);
    EXPECT_NE(readStore().find("Desc=Holiday"), std::string::npos);
}

TEST_F(MainWindowTest, EndingBeforeTheListIsLoadedLeavesTheStoreAlone) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.saveForSession();
    EXPECT_EQ(readStore(), BirthdayStore);
}

TEST_F(MainWindowTest, EventsWrittenByAnotherProgramSurviveOurNextSave) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    w.btDeleteClick(); // Birthday, not saved yet
    writeStore(BirthdayStore + "[Entry3]\r\nDesc=Anniversary\r\nDate=35590\r\nTime=08:00 PM\r\n");
    w.close();
    const std::string store = readStore();
    EXPECT_NE(store.find("Desc=Anniversary\r\nDate=35590\r\nTime=08:00 PM"), std::string::npos);
    EXPECT_NE(store.find("Desc=Holiday"), std::string::npos);
    EXPECT_EQ(store.find("Birthday"), std::string::npos);
    // Shown too, in its sorted place.
    EXPECT_EQ(w.eventGrid().cells.cell(DescriptionCol, 1), "Anniversary");
    EXPECT_EQ(w.eventGrid().cells.cell(DescriptionCol, 2), "Holiday");
}

// A hand-made store of `count` events, E101 on, all on the same day.
std::string storeOf(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "[Entry" + std::to_string(n) + "]\r\nDesc=E" + std::to_string(100 + n) +
                "\r\nDate=35582\r\nTime=09:00 AM\r\n";
    return text + "[Lastone]\r\nTop=1\r\nLast=1\r\n";
}

TEST_F(MainWindowTest, EventsBeyondTheListAreToldOnceAndShownAsRowsFreeUp) {
    writeStore(storeOf(27));
    TfrmMain w(dir.path());
    w.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().last().startsWith(
        "information: The event list shows 25 events. 2 more events are kept in "))
        << messages().last().toStdString();
    EXPECT_EQ(w.eventGrid().cells.cell(DescriptionCol, 25), "E125");

    // A delete frees a row: the first kept event comes in, in its sorted place.
    w.setCurrentRow(1);
    w.btDeleteClick();
    EXPECT_EQ(w.eventGrid().cells.cell(DescriptionCol, 1), "E102");
    EXPECT_EQ(w.eventGrid().cells.cell(DescriptionCol, 25), "E126");
    w.saveForSession();
    EXPECT_EQ(messages().size(), 2); // the confirmation; nothing new to tell
    const std::string saved = readStore();
    EXPECT_NE(saved.find("[Entry26]\r\nDesc=\r\nDate=0\r\nTime=\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Entry27]\r\nDesc=E127\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("[Entry28]"), std::string::npos);

    // Another program adds two more: kept too, and told.
    writeStore(saved + "[Entry28]\r\nDesc=New1\r\nDate=35582\r\nTime=09:00 AM\r\n"
                       "[Entry29]\r\nDesc=New2\r\nDate=35582\r\nTime=09:00 AM\r\n");
    w.saveForSession();
    EXPECT_EQ(w.eventGrid().kept.rowCount(), 3);
    EXPECT_TRUE(messages().last().contains("3 more events are kept"))
        << messages().last().toStdString();
    EXPECT_NE(readStore().find("[Entry29]\r\nDesc=New2\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, TickingDoesNotGrowMemory) {
    writeStore(BirthdayStore);
    TfrmMain w(dir.path());
    w.show();
    auto residentKb = [] {
        std::ifstream status("/proc/self/status");
        std::string key;
        long value = 0;
        while (status >> key)
            if (key == "VmRSS:") {
                status >> value;
                break;
            }
        return value;
    };
    for (int i = 0; i < 1000; ++i) {
        clock.advanceSeconds(1);
        w.Timer1Timer();
    }
    const long before = residentKb();
    for (int i = 0; i < 10000; ++i) {
        clock.advanceSeconds(1);
        w.Timer1Timer();
    }
    EXPECT_LT(residentKb() - before, 512);
}

// A tick repaints only what changed, down to the seconds at the end of a When cell; what it
// leaves on screen must be what a repaint of the whole window draws.
TEST_F(MainWindowTest, WhatTheTicksLeaveOnScreenIsWhatAWholeRepaintDraws) {
    std::string store;
    for (int i = 0; i < 12; ++i) // long and short When texts, some cut off by the column
        store += "[Entry" + std::to_string(i + 1) + "]\r\nDesc=Event " + std::to_string(i) +
                 "\r\nDate=" + std::to_string(32874 + 523 * i + (i % 3) * 40) +
                 "\r\nTime=09:15 PM\r\n";
    writeStore(store + "[Lastone]\r\nTop=1\r\nLast=2\r\n");
    TfrmMain w(dir.path());
    w.show();
    auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    };
    auto onScreen = [&w] {
        return w.screen()->grabWindow(w.winId()).toImage();
    };
    for (const int width : {w.width(), w.width() + 140}) {
        SCOPED_TRACE(width);
        w.resize(width, 620);
        settle();
        for (int tick = 0; tick < 75; ++tick) { // across a minute, seconds one by one
            clock.advanceSeconds(1);
            w.Timer1Timer();
            settle();
        }
        const QImage ticked = onScreen();
        for (QWidget* child : w.findChildren<QWidget*>())
            child->update();
        settle();
        EXPECT_TRUE(onScreen() == ticked);
    }
}

} // namespace
} // namespace vz
