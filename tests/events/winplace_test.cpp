#include "events/winplace.h"
#include "platform/registry_ini.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace vz {
namespace {

const QString Key = QStringLiteral("Software\\Dozazar Irudizidudo\\WinPlaceTest");

class WinPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Test mode keeps the settings in a folder of their own; each test starts empty.
        QStandardPaths::setTestModeEnabled(true);
        RegistryIni(Key).WriteString("Position", "frmTest", QString());
        window.setObjectName(QStringLiteral("frmTest"));
        place = new TWinPlace(&window);
        place->IniFileName = Key;
        place->Section = QStringLiteral("Position");
    }
    QString stored() { return RegistryIni(Key).ReadString("Position", "frmTest", {}); }

    QWidget window;
    TWinPlace* place = nullptr;
};

TEST_F(WinPlaceTest, TenNumbersEachFollowedByABlank) {
    window.setGeometry(100, 120, 400, 300);
    window.show();
    place->SavePlacement();
    const QStringList fields = stored().split(QLatin1Char(' '));
    ASSERT_EQ(fields.size(), 11) << stored().toStdString();
    EXPECT_EQ(fields[10], "");
    EXPECT_EQ(fields[1], "1");
    EXPECT_EQ(fields[8].toInt() - fields[6].toInt(), 400);
    EXPECT_EQ(fields[9].toInt() - fields[7].toInt(), 300);
}

TEST_F(WinPlaceTest, MaximisedIsStoredWithItsNormalRectangle) {
    window.setGeometry(100, 120, 400, 300);
    window.show();
    window.showMaximized();
    place->SavePlacement();
    EXPECT_EQ(stored().split(QLatin1Char(' '))[1], "3");

    QWidget next;
    next.setObjectName(QStringLiteral("frmTest"));
    TWinPlace restorer(&next);
    restorer.IniFileName = Key;
    restorer.Section = QStringLiteral("Position");
    restorer.RestorePlacement();
    EXPECT_TRUE(next.windowState() & Qt::WindowMaximized);
}

TEST_F(WinPlaceTest, EmptyOrLostPlacements) {
    // Nothing stored: nothing changes.
    window.setGeometry(10, 20, 300, 200);
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200));
    // All zeros: ignored.
    RegistryIni(Key).WriteString("Position", "frmTest", "0 1 0 0 0 0 0 0 0 0 ");
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200));
    // A rectangle on a screen that is gone opens on the primary screen with its size.
    RegistryIni(Key).WriteString("Position", "frmTest", "0 1 -1 -1 -1 -1 9000 9000 9400 9300 ");
    place->RestorePlacement();
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_LT(window.x(), 9000);
}

TEST_F(WinPlaceTest, HandEditedValuesAreFittedOrIgnored) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.setGeometry(10, 20, 300, 200);

    // Read back as a list, not a text: absent, silently.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Dozazar Irudizidudo", "WinPlaceTest")
        .setValue("Position/frmTest", QStringList{"0", "1", "2"});
    EXPECT_EQ(place->storedValue(), QString());
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200));

    // Not ten integers: absent too, rather than a rectangle made of defaults.
    for (const char* text : {"0 1 2 ", "0 1 0 0 0 0 10 20 650 ", "0 1 0 0 0 0 10 20 650 x "}) {
        RegistryIni(Key).WriteString("Position", "frmTest", QString::fromLatin1(text));
        EXPECT_EQ(place->storedValue(), QString()) << text;
        place->RestorePlacement();
        EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200)) << text;
    }

    // Larger than the screen: cut to the screen it lands on.
    RegistryIni(Key).WriteString("Position", "frmTest", "0 1 -1 -1 -1 -1 0 0 99999 99999 ");
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(), available);
    const QString wide = QStringLiteral("0 1 -1 -1 -1 -1 %1 %2 %3 %4 ")
                             .arg(available.left() + 20)
                             .arg(available.top() + 10)
                             .arg(available.left() + 20 + 3 * available.width())
                             .arg(available.top() + 110);
    RegistryIni(Key).WriteString("Position", "frmTest", wide);
    place->RestorePlacement();
    EXPECT_EQ(window.geometry(),
              QRect(available.left(), available.top() + 10, available.width(), 100));
}

} // namespace
} // namespace vz
