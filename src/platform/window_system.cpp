#include "platform/window_system.h"

#include <QGuiApplication>

namespace vz {

namespace {

std::optional<bool> overridden;

} // namespace

bool compositorPlacesWindows() {
    if (overridden)
        return *overridden;
    // "wayland", "wayland-egl", "wayland-xcomposite-…": every flavour of Qt's Wayland plugin.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void overrideCompositorPlacesWindows(std::optional<bool> value) {
    overridden = value;
}

} // namespace vz
