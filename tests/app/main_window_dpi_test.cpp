// The main window on a 144 dpi screen with the toolkit's own scaling off, so that every measure
// the window lays out is in device pixels and grows with the dpi.
#include "app/main_window.h"
#include "engine/clock.h"
#include "engine/datetext.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs before main() creates the application, which reads these once.
const bool Screen144 = [] {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "144");
    return true;
}();

} // namespace

namespace vz {
namespace {

TEST(MainWindowAt144Dpi, TheColumnsFitTheListWithoutAHorizontalScrollBar) {
    ASSERT_TRUE(Screen144);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    FixedClock clock{encodeDateTime(1997, 4, 16, 12, 0, 0, 0)};
    ScopedClock useClock{clock};
    TfrmMain w(dir.path());
    ASSERT_EQ(w.logicalDpiX(), 144);
    w.show();
    auto* grid = w.findChild<QTableView*>(QStringLiteral("grid"));
    QHeaderView* header = grid->horizontalHeader();
    for (const int clientWidth : {852, 1000, 600}) {
        w.resize(clientWidth, w.height());
        QTest::qWait(50); // the list lays out its scroll bars later
        const int outer = clientWidth + 8;
        EXPECT_EQ(header->sectionSize(0), 270);
        EXPECT_EQ(header->sectionSize(1), 102);
        EXPECT_EQ(header->sectionSize(3), 60);
        EXPECT_EQ(header->sectionSize(4), outer - 270 - 2 * 102 - 60 - 52) << clientWidth;
        EXPECT_LE(header->length(), grid->viewport()->width()) << clientWidth;
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible()) << clientWidth;
        auto* btClose = w.findChild<QPushButton*>(QStringLiteral("btClose"));
        EXPECT_EQ(btClose->x(), outer - btClose->width() - 20);
    }
}

} // namespace
} // namespace vz
