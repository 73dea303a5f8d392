#include "events/winplace.h"
#include "platform/registry_ini.h"
#include "platform/window_system.h"

#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

namespace vz {
namespace {

const QString Key = QStringLiteral("Software\\Dozazar Irudizidudo\\CompositorPlacementTest");
const QString Stored = QStringLiteral("0 1 -1 -1 -1 -1 100 120 668 519 ");

// The window keeper where the compositor places the windows: it cannot learn the position, so
// it neither stores nor applies one.
class CompositorPlaced : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        overrideCompositorPlacesWindows(true);
        RegistryIni(Key).WriteString("Position", "frmTest", Stored);
        window.setObjectName(QStringLiteral("frmTest"));
        place = new TWinPlace(&window);
        place->IniFileName = Key;
        place->Section = QStringLiteral("Position");
    }
    void TearDown() override { overrideCompositorPlacesWindows(std::nullopt); }
    QString stored() { return RegistryIni(Key).ReadString("Position", "frmTest", {}); }

    QWidget window;
    TWinPlace* place = nullptr;
};

TEST_F(CompositorPlaced, SavingKeepsTheStoredPositionAndTakesTheSize) {
    window.setGeometry(0, 0, 400, 300);
    window.show();
    place->SavePlacement();
    EXPECT_EQ(stored(), QStringLiteral("0 1 -1 -1 -1 -1 100 120 500 420 "));
}

TEST_F(CompositorPlaced, RestoringAppliesTheSizeOnly) {
    window.setGeometry(30, 40, 200, 100);
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(), QRect(30, 40, 568, 399));
}

TEST_F(CompositorPlaced, AStartNeverOpensMinimisedButKeepsMaximised) {
    const struct {
        const char* stored;
        Qt::WindowStates state;
    } cases[] = {
        {"0 2 -1 -1 -1 -1 100 120 668 519 ", Qt::WindowNoState},
        {"0 3 -1 -1 -1 -1 100 120 668 519 ", Qt::WindowMaximized},
    };
    for (const auto& c : cases) {
        RegistryIni(Key).WriteString("Position", "frmTest", QString::fromLatin1(c.stored));
        window.setWindowState(Qt::WindowNoState);
        place->RestorePlacement();
        EXPECT_EQ(window.windowState(), c.state) << c.stored;
        EXPECT_EQ(window.size(), QSize(568, 399)) << c.stored;
    }
}

} // namespace
} // namespace vz
