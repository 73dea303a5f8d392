#include "platform/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vz {

void centreOnScreen(QWidget* window, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!window || !screen)
        return;
    window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace vz
