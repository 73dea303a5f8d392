// Bringing a mapped window to the front under an X11 window manager in the name of a later start
// that a launcher made. A manager that prevents focus stealing raises a window only for a request
// whose time is later than the user's latest input elsewhere; Qt stamps its request with the
// last event it saw, which may be long ago, so the manager only marks the window as wanting
// attention. The launcher's startup id carries the time of the click that made the start.
#pragma once

#include <QByteArray>

class QWindow;

namespace vz {

// Asks the window manager to activate `window` with the time `startupId` carries, tells it the
// window belongs to that start (_NET_STARTUP_ID, _NET_WM_USER_TIME) and ends the launcher's
// startup sequence. False, having done nothing, when not on X11, the window has no native
// handle or the id carries no time.
bool activateForStartup(QWindow* window, const QByteArray& startupId);

} // namespace vz
