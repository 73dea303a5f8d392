// A picture of the real main window as the screen shows it after a number of ticks, for
// comparing the drawing before and after a change pixel by pixel. The clock is pinned, the list
// holds 25 events, and the picture is read back from the window system, so cells that a tick
// failed to repaint show as they are on screen.
//
//     window_shot OUT.png [TICKS [HEIGHT [SECONDS]]]   (on Xvfb; QT_SCALE_FACTOR, themes as usual)
//
// Each tick moves the clock by SECONDS (default 3661, so every field of the display moves).
// After the ticks the whole window is repainted and read back again: a difference between the
// two pictures is a cell or label that a tick left out of date, and fails the run.
#include "app/main_window.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/regional.h"
#include "full_store.h"
#include "platform/application.h"
#include "platform/fonts.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void settle() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 150)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv) {
    vz::Application app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shot OUT.png [TICKS [HEIGHT [SECONDS]]]\n");
        return 2;
    }
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 3;
    const int height = argc > 3 ? std::atoi(argv[3]) : 0;
    const int seconds = argc > 4 ? std::atoi(argv[4]) : 61 * 60 + 1;
    vz::installFontSubstitutions();
    vz::processSettings() = vz::usDefaults();
    vz::fix2000(vz::processSettings());
    QTemporaryDir folder;
    vz::bench::writeFullStore(folder.path().toStdString());
    vz::FixedClock clock(vz::encodeDateTime(2026, 12, 8, 14, 30, 15, 250));
    vz::ScopedClock useClock(clock);
    vz::TfrmMain window(folder.path());
    window.show();
    settle();
    // The placement is restored as the window shows, so the size is set after it.
    window.move(0, 0);
    if (height > 0)
        window.resize(window.width(), height);
    settle();
    for (int i = 0; i < ticks; ++i) {
        clock.advanceSeconds(seconds);
        window.Timer1Timer();
        settle();
    }
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    if (!shot.save(QString::fromLocal8Bit(argv[1])))
        return 1;
    window.update();
    for (QWidget* child : window.findChildren<QWidget*>())
        child->update();
    settle();
    const QImage repainted = window.screen()->grabWindow(window.winId()).toImage();
    if (repainted != shot) {
        std::fprintf(stderr, "window_shot: the ticks left parts of the window out of date\n");
        repainted.save(QString::fromLocal8Bit(argv[1]) + QStringLiteral(".repainted.png"));
        return 3;
    }
    return 0;
}
