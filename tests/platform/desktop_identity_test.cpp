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
        EXPECT_FALSE(icon.pixmap(QSize(size, size)).toImage().isNull());
    }
}

} // namespace
} // namespace vz
