#include "app/main_window.h"
#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "events/edit_dialog.h"
#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "support/recorded_messages.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

namespace vz {
namespace {

class EventMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        processSettings() = usDefaults();
        fix2000(processSettings());
        test::RecordedMessages::current().entries.clear();
        std::ofstream(dir.filePath("zadud2.ini").toStdString(), std::ios::binary)
            << "[Entry1]\r\nDesc=Birthday\r\nDate=31837\r\nTime=09:00 AM\r\n"
               "[Entry2]\r\nDesc=Party\r\nDate=46380\r\nTime=08:00 PM\r\nRemind=90\r\n"
               "[Lastone]\r\nTop=1\r\nLast=2\r\n";
    }
    std::string section(int n) {
        QFile f(dir.filePath("zadud2.ini"));
        f.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(f.readAll());
        const QString heading = QStringLiteral("[Entry%1]").arg(n);
        const qsizetype from = text.indexOf(heading);
        return text.mid(from, text.indexOf(QLatin1Char('['), from + 1) - from).toStdString();
    }
    QAction* item(QMenu* menu, const char* name) {
        emit menu->aboutToShow(); // as opening it does
        return menu->findChild<QAction*>(QString::fromLatin1(name));
    }

    QTemporaryDir dir;
    FixedClock clock{encodeDateTime(2026, 12, 8, 14, 37, 0, 0)};
    ScopedClock useClock{clock};
};

TEST_F(EventMenuTest, ChangesAreSavedAtOnceWithTheirEvent) {
    TfrmMain w(dir.path());
    w.show();
    auto* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(w.currentRow(), 2);

    // A lead time the menu does not offer shows checked; unchecking it removes it.
    QAction* other = item(menu, "RemindOther90");
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(other->isChecked());
    EXPECT_EQ(other->text(), "90 minutes before");
    item(menu, "Remind15Minutes1")->trigger();
    EXPECT_NE(section(2).find("Remind=90,15\r\n"), std::string::npos) << section(2);
    item(menu, "RemindOther90")->trigger();
    EXPECT_NE(section(2).find("Remind=15\r\n"), std::string::npos) << section(2);
    item(menu, "Remind15Minutes1")->trigger();
    EXPECT_EQ(section(2).find("Remind"), std::string::npos) << section(2);

    // Every year: the Date column shows the next occurrence; the store keeps the first.
    w.setCurrentRow(1);
    EXPECT_FALSE(item(menu, "EveryYear1")->isChecked());
    item(menu, "EveryYear1")->trigger();
    EXPECT_NE(section(1).find("Date=31837\r\nTime=09:00 AM\r\nRepeat=Yearly"), std::string::npos)
        << section(1);
    auto* grid = w.findChild<QTableView*>(QStringLiteral("grid"));
    EXPECT_EQ(grid->model()->index(0, DateCol).data().toString(), "3/1/2027");
    EXPECT_EQ(grid->model()->index(0, DescriptionCol).data(Qt::ToolTipRole).toString(),
              "Every year.");
    EXPECT_FALSE(grid->model()->index(0, DescriptionCol).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(grid->model()->index(2, DescriptionCol).data(Qt::DecorationRole).isNull());

    // Editing opens on the first occurrence, and the save keeps it.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmEdit*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->edDate->text(), "3/1/1987");
        dialog->accept();
    });
    w.btEditClick();
    EXPECT_NE(section(1).find("Date=31837\r\n"), std::string::npos) << section(1);
    EXPECT_TRUE(test::RecordedMessages::current().entries.isEmpty());
}

TEST_F(EventMenuTest, ShiftF10AndTheMenuKeyOpenTheMenu) {
    TfrmMain w(dir.path());
    w.show();
    auto* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    auto* grid = w.findChild<QTableView*>(QStringLiteral("grid"));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(grid, key, modifiers);
        EXPECT_TRUE(menu->isVisible()) << key;
        menu->hide();
    }
    // Items for an event are off on a blank row; Start at login stays.
    w.setCurrentRow(5);
    EXPECT_FALSE(item(menu, "EveryYear1")->isEnabled());
    EXPECT_FALSE(item(menu, "RemindMeItem1")->isEnabled());
    EXPECT_TRUE(item(menu, "StartAtLogin1")->isEnabled());
}

TEST(StartAtLogin, WritesAndRemovesTheAutostartEntry) {
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(autostartEntryPath());
    EXPECT_TRUE(autostartEntryPath().endsWith("/autostart/example.velmora.vorurer.desktop"));
    EXPECT_FALSE(startsAtLogin());
    setStartAtLogin(true, QStringLiteral("/opt/My \"App\"/100%/vor$urer"));
    EXPECT_TRUE(startsAtLogin());
    QFile entry(autostartEntryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(entry.readAll())
            .contains(QStringLiteral("\nExec=\"/opt/My \\\\\"App\\\\\"/100%%/vor\\\\$urer\"\n")));
    setStartAtLogin(false, {});
    EXPECT_FALSE(startsAtLogin());
    EXPECT_FALSE(QFile::exists(autostartEntryPath()));
}

} // namespace
} // namespace vz
