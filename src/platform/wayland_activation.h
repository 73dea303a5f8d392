// An activation token from the Wayland compositor, asked for on a connection of our own. A start
// from a terminal has none to hand over, and a running copy without one cannot even ask for
// attention; a token asked for without any user input lets it do that much, since the
// compositor then marks the window as wanting attention instead of raising it.
#pragma once

#include <QByteArray>

namespace vz {

// The token, or empty when there is no Wayland compositor or it does not hand out tokens.
QByteArray compositorActivationToken(const char* appId);

} // namespace vz
