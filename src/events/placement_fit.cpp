#include "events/placement_fit.h"

#include <algorithm>

namespace vz {

bool overlaps(const PlacementRect& a, const PlacementRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PlacementRect fitToScreens(const PlacementRect& stored, const std::vector<PlacementRect>& screens,
                           const PlacementRect& primary) {
    for (const PlacementRect& screen : screens)
        if (overlaps(stored, screen))
            return stored;
    const int width = std::min(stored.width(), primary.width());
    const int height = std::min(stored.height(), primary.height());
    const int left = primary.left + (primary.width() - width) / 2;
    const int top = primary.top + (primary.height() - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace vz
