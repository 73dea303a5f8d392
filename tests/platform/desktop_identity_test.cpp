#include "platform/desktop_identity.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(DesktopIdentity, WindowsCarryTheClockAtEverySizeItIsDrawnAt) {
    applyDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QLatin1String(DesktopId));
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
        EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
    // Between the drawn sizes the next larger drawing is scaled down; above them the largest
    // is given as it is.
    EXPECT_EQ(icon.pixmap(QSize(40, 40)).size(), QSize(40, 40));
    EXPECT_EQ(icon.pixmap(QSize(512, 512)).size(), QSize(256, 256));
    EXPECT_FALSE(icon.pixmap(QSize(20, 20), QIcon::Disabled).isNull());
}

} // namespace
} // namespace vz
