// What the window system lets a client do. Under a Wayland compositor a client cannot learn or
// choose where its windows stand, and a pop-up must be a real pop-up of the window (or pop-up)
// it belongs to; an X11 server lets the client place its own windows.
#pragma once

#include <optional>

namespace vz {

// True when the compositor, not the program, places top-level windows (Wayland).
bool compositorPlacesWindows();

// Makes compositorPlacesWindows() answer as told (nullopt: ask the platform again). For tests
// that exercise the Wayland paths on the offscreen platform.
void overrideCompositorPlacesWindows(std::optional<bool> value);

} // namespace vz
