#include "platform/desktop_identity.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
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

// The window's first picture does not wait for the icon's decoding, and a window that starts
// minimized, so drawing nothing yet, is given it at once.
TEST(DesktopIdentity, TheIconComesAfterTheFirstPictureOrAtOnceForAMinimizedWindow) {
    class Window final : public QWidget {
    public:
        bool iconAtFirstPaint = true;
        bool painted = false;

    protected:
        void paintEvent(QPaintEvent*) override {
            if (!painted)
                iconAtFirstPaint = !QApplication::windowIcon().isNull();
            painted = true;
        }
    };
    for (const bool minimized : {false, true}) {
        SCOPED_TRACE(minimized);
        QApplication::setWindowIcon(QIcon());
        Window window;
        if (minimized)
            window.showMinimized();
        else
            window.show();
        applyProgramIconAfterFirstPicture(&window);
        QElapsedTimer waited;
        waited.start();
        while (QApplication::windowIcon().isNull() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 8);
        if (!minimized) {
            EXPECT_TRUE(window.painted);
            EXPECT_FALSE(window.iconAtFirstPaint);
        }
    }
}

} // namespace
} // namespace vz
