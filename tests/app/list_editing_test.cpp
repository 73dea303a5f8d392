#include "app/main_window.h"
#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "events/edit_dialog.h"
#include "platform/clipboard.h"
#include "support/recorded_messages.h"
#include "timeentry/picture_field.h"
#include "timeentry/simple_field.h"
#include "timeentry/time_popup.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace vz {
namespace {

// Acts on the modal dialog that the next exec() opens, once it is up.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

class ListEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        processSettings() = usDefaults();
        fix2000(processSettings());
        test::RecordedMessages::current().entries.clear();
    }
    void writeStore(const std::string& text) {
        std::ofstream(dir.filePath("zadud2.ini").toStdString(), std::ios::binary) << text;
    }
    std::string readStore() {
        QFile f(dir.filePath("zadud2.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    std::string cell(TfrmMain& w, int col, int row) { return w.eventGrid().cells.cell(col, row); }
    QStringList& messages() { return test::RecordedMessages::current().entries; }

    QTemporaryDir dir;
    FixedClock clock{encodeDateTime(2026, 12, 8, 14, 37, 0, 0)};
    ScopedClock useClock{clock};
};

std::string storeOf(std::initializer_list<const char*> descriptions) {
    std::string text;
    int n = 1;
    for (const char* d : descriptions) {
        text += "[Entry" + std::to_string(n++) + "]\r\nDesc=" + d +
                "\r\nDate=46000\r\nTime=09:00 AM\r\n";
    }
    return text;
}

TEST_F(ListEditingTest, TheEditDialogRefusesABlankDescriptionOrDate) {
    TfrmEdit dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Add/Edit description, date and time");
    EXPECT_EQ(dialog.size(), QSize(360, 361));
    EXPECT_EQ(dialog.edTime->text(), "02:37 PM");
    EXPECT_EQ(dialog.edDate->text(), "12/8/2026");
    EXPECT_EQ(dialog.Memo1->toPlainText().split('\n').size(), 10);

    dialog.edName->setText(QStringLiteral("   "));
    dialog.btOKClick();
    EXPECT_EQ(messages().last(), "error: The description cannot be blank.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.edName->text(), "");

    dialog.edName->setText(QStringLiteral("  Trip "));
    dialog.edDate->setText(QString());
    dialog.btOKClick();
    EXPECT_EQ(messages().last(), "error: The date cannot be blank.");
    EXPECT_EQ(dialog.edName->text(), "Trip");

    dialog.edDate->setDate(46000);
    dialog.edTime->setText(QStringLiteral("1_:__ PM"));
    dialog.btOKClick();
    EXPECT_EQ(messages().last(), "error: Value is not a valid time");
    EXPECT_EQ(dialog.result(), 0);

    dialog.edTime->setText(QStringLiteral("01:15 PM"));
    dialog.btOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ListEditingTest, ThePopupTimeIsTakenOnlyOnOk) {
    TfrmEdit dialog(nullptr);
    dialog.show();
    dialog.edTime->setText(QStringLiteral("09:00 AM"));
    whenModal([](QWidget* popup) { static_cast<QDialog*>(popup)->reject(); });
    dialog.SpeedButton2Click();
    EXPECT_EQ(dialog.edTime->text(), "09:00 AM");
    whenModal([](QWidget* popup) {
        auto* p = static_cast<TfrmTimePopup*>(popup);
        QTest::mousePress(p->bar(), Qt::LeftButton, {}, QPoint(387, 20));
        QTest::mouseRelease(p->bar(), Qt::LeftButton, {}, QPoint(387, 20));
        p->accept();
    });
    dialog.SpeedButton2Click();
    EXPECT_EQ(dialog.edTime->text(), "07:00 PM");
}

// The clock button takes no focus: the time field opens the time bar by Alt+Down or F4, and
// other modifiers leave those keys to the field.
TEST_F(ListEditingTest, TheTimeFieldOpensTheTimeBarFromTheKeyboard) {
    TfrmEdit dialog(nullptr);
    dialog.show();
    dialog.edTime->setText(QStringLiteral("09:00 AM"));
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    };
    const Press presses[] = {
        {Qt::Key_Down, Qt::AltModifier, true},
        {Qt::Key_F4, Qt::NoModifier, true},
        {Qt::Key_F4, Qt::AltModifier, false},
        {Qt::Key_Down, Qt::ControlModifier | Qt::AltModifier, false},
    };
    for (const Press& press : presses) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<TfrmTimePopup*>(QApplication::activeModalWidget());
            if (!popup)
                return;
            opened = true;
            popup->timeField()->setText(QStringLiteral("07:00 PM"));
            popup->accept();
        });
        dialog.edTime->setText(QStringLiteral("09:00 AM"));
        QTest::keyClick(dialog.edTime, press.key, press.modifiers);
        QCoreApplication::processEvents();
        EXPECT_EQ(opened, press.opens) << press.key << " " << press.modifiers.toInt();
        EXPECT_EQ(dialog.edTime->text(), press.opens ? "07:00 PM" : "09:00 AM")
            << press.key << " " << press.modifiers.toInt();
    }
    EXPECT_EQ(dialog.SpeedButton2->focusPolicy(), Qt::NoFocus);
}

TEST_F(ListEditingTest, AddSortsByDescriptionAndSaves) {
    writeStore(storeOf({"Banana", "cherry"}));
    TfrmMain w(dir.path());
    w.show();
    whenModal([](QWidget* modal) {
        auto* dialog = static_cast<TfrmEdit*>(modal);
        dialog->edName->setText(QStringLiteral("apple"));
        dialog->btOKClick();
    });
    w.btAddClick();
    EXPECT_EQ(cell(w, 0, 1), "apple");
    EXPECT_EQ(cell(w, 0, 2), "Banana");
    EXPECT_EQ(cell(w, 0, 3), "cherry");
    EXPECT_EQ(cell(w, 1, 1), "12/8/2026");
    EXPECT_EQ(cell(w, 2, 1), "02:37 PM");
    EXPECT_EQ(cell(w, 3, 1), "Tue");
    EXPECT_NE(readStore().find("[Entry1]\r\nDesc=apple\r\nDate=46364\r\nTime=02:37 PM"),
              std::string::npos);

    // Cancel changes nothing, not even the file.
    const std::string before = readStore();
    whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    w.btAddClick();
    EXPECT_EQ(cell(w, 0, 4), "");
    EXPECT_EQ(readStore(), before);
}

TEST_F(ListEditingTest, TheTwentySixthEventIsRefused) {
    std::string text;
    for (int i = 1; i <= 24; ++i)
        text += "[Entry" + std::to_string(i) + "]\r\nDesc=Event " + std::to_string(100 + i) +
                "\r\nDate=46000\r\nTime=09:00 AM\r\n";
    writeStore(text);
    TfrmMain w(dir.path());
    w.show();
    whenModal([](QWidget* modal) {
        auto* dialog = static_cast<TfrmEdit*>(modal);
        dialog->edName->setText(QStringLiteral("A first"));
        dialog->btOKClick();
    });
    w.btAddClick();
    EXPECT_EQ(cell(w, 0, 1), "A first");
    EXPECT_EQ(cell(w, 0, 25), "Event 124");
    w.btAddClick();
    EXPECT_EQ(messages().last(), "error: Maximum number of rows reached");
}

TEST_F(ListEditingTest, EditMovesTheEventAndCancelStillSortsAndSaves) {
    writeStore(storeOf({"cherry", "apple"})); // stored unsorted
    TfrmMain w(dir.path());
    w.show();
    whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    w.btEditClick();
    EXPECT_EQ(cell(w, 0, 1), "apple");
    EXPECT_NE(readStore().find("Desc=apple"), std::string::npos);

    w.setCurrentRow(1);
    whenModal([](QWidget* modal) {
        auto* dialog = static_cast<TfrmEdit*>(modal);
        EXPECT_EQ(dialog->edName->text(), "apple");
        EXPECT_EQ(dialog->edTime->text(), "09:00 AM");
        dialog->edName->setText(QStringLiteral("zebra"));
        dialog->btOKClick();
    });
    w.btEditClick();
    EXPECT_EQ(cell(w, 0, 1), "cherry");
    EXPECT_EQ(cell(w, 0, 2), "zebra");
    EXPECT_EQ(w.currentRow(), 1); // the selection stays on its row number
}

TEST_F(ListEditingTest, TheReportRightAfterAnEditOrDeleteNamesTheSelectedRowsEvent) {
    writeStore(storeOf({"cherry", "apple", "banana"})); // stored unsorted
    TfrmMain w(dir.path());
    w.show();
    auto reportedEvent = [&] {
        w.EsTile1Click();
        return clipboardText().split(QStringLiteral("\r\n")).value(1);
    };
    EXPECT_EQ(reportedEvent(), "Event: cherry");
    // Sorting moves another event under the selection; no tick has come yet.
    whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    w.btEditClick();
    EXPECT_EQ(cell(w, 0, 1), "apple");
    EXPECT_EQ(reportedEvent(), "Event: apple");

    test::RecordedMessages::current().confirmAnswer = true;
    w.btDeleteClick();
    EXPECT_EQ(cell(w, 0, 1), "banana");
    EXPECT_EQ(reportedEvent(), "Event: banana");
}

TEST_F(ListEditingTest, AnUnreadableDateFallsBackOnTheDayTheRowWasLoadedWith) {
    writeStore(storeOf({"Trip", "Walk"}));
    TfrmMain w(dir.path());
    w.show();
    w.eventGrid().cells.cell(DateCol, 1) = "31/31/2026";
    // The edit dialog opens on the stored day; cancelled, the save keeps that day.
    QString shown;
    whenModal([&](QWidget* modal) {
        shown = static_cast<TfrmEdit*>(modal)->edDate->text();
        static_cast<QDialog*>(modal)->reject();
    });
    w.btEditClick();
    EXPECT_EQ(shown, "12/9/2025");
    EXPECT_NE(readStore().find("Desc=Trip\r\nDate=46000\r\n"), std::string::npos);
    // The display names the unreadable selected row; the save adds nothing to that.
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("error: Invalid date"),
                           QStringLiteral("general: '31/31/2026' is not a valid date")}));
    messages().clear();

    // A row known by its text alone cannot be edited or saved: it is reported and stays listed.
    w.eventGrid().cells.cell(LoadedDayCol, 1).clear();
    EXPECT_THROW(w.btEditClick(), std::exception);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    w.writeGrid();
    EXPECT_EQ(readStore().find("Trip"), std::string::npos);
    EXPECT_NE(readStore().find("Desc=Walk\r\nDate=46000\r\n"), std::string::npos);
    EXPECT_EQ(cell(w, DescriptionCol, 1), "Trip");
    EXPECT_TRUE(messages().join('\n').contains("'31/31/2026' is not a valid date"))
        << messages().join('\n').toStdString();
}

} // namespace
} // namespace vz
