// Window placement where the compositor, not the program, decides where windows stand (Wayland):
// the program still knows a window's size and show state, but the position it reads is made up
// (0, 0). Storing that would move the window to the screen's corner at the next start under X11,
// so the stored position is kept and only the size and show state are taken over.
//
//     WindowPlacementRecord saved = vz::keepStoredPosition(current, stored, primaryArea);
//     PlacementRect size = vz::sizeToRestore(stored, primaryArea); // only width and height count
#pragma once

#include "events/placement_fit.h"
#include "store/placement_text.h"

namespace vz {

// The placement to store: `current`'s size and show state at `stored`'s position; with no usable
// stored placement, centred on the primary screen's available area.
WindowPlacementRecord keepStoredPosition(const WindowPlacementRecord& current,
                                         const WindowPlacementRecord& stored,
                                         const PlacementRect& primary);

// The size a stored placement asks for, no larger than the primary screen's available area.
// The rectangle's position is the stored one; a compositor ignores it.
PlacementRect sizeToRestore(const WindowPlacementRecord& stored, const PlacementRect& primary);

} // namespace vz
