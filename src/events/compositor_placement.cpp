#include "events/compositor_placement.h"

#include <algorithm>

namespace vz {

WindowPlacementRecord keepStoredPosition(const WindowPlacementRecord& current,
                                         const WindowPlacementRecord& stored,
                                         const PlacementRect& primary) {
    WindowPlacementRecord result = current;
    const int width = std::max(0, current.right - current.left);
    const int height = std::max(0, current.bottom - current.top);
    if (placementApplies(stored)) {
        result.left = stored.left;
        result.top = stored.top;
    } else {
        result.left = primary.left + std::max(0, (primary.width() - width) / 2);
        result.top = primary.top + std::max(0, (primary.height() - height) / 2);
    }
    result.right = result.left + width;
    result.bottom = result.top + height;
    return result;
}

PlacementRect sizeToRestore(const WindowPlacementRecord& stored, const PlacementRect& primary) {
    const int width = std::min(stored.right - stored.left, std::max(0, primary.width()));
    const int height = std::min(stored.bottom - stored.top, std::max(0, primary.height()));
    return {stored.left, stored.top, stored.left + std::max(0, width),
            stored.top + std::max(0, height)};
}

} // namespace vz
