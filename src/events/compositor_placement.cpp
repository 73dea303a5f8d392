#include "events/compositor_placement.h"

#include <algorithm>
#include <cstdint>

namespace vz {

namespace {

// A side of a stored rectangle, counted in 64 bits (a hand-edited one may span more than an int)
// and kept between 0 and `limit`.
int sideWithin(std::int64_t from, std::int64_t to, std::int64_t limit) {
    return static_cast<int>(
        std::clamp<std::int64_t>(to - from, 0, std::max<std::int64_t>(0, limit)));
}

} // namespace

WindowPlacementRecord keepStoredPosition(const WindowPlacementRecord& current,
                                         const WindowPlacementRecord& stored,
                                         const PlacementRect& primary) {
    WindowPlacementRecord result = current;
    const int width = sideWithin(current.left, current.right, INT32_MAX);
    const int height = sideWithin(current.top, current.bottom, INT32_MAX);
    if (placementApplies(stored)) {
        result.left = stored.left;
        result.top = stored.top;
    } else {
        result.left = static_cast<int>(primary.left +
                                       std::max<std::int64_t>(0, (primary.width() - width) / 2));
        result.top = static_cast<int>(primary.top +
                                      std::max<std::int64_t>(0, (primary.height() - height) / 2));
    }
    result.right =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{result.left} + width, INT32_MAX));
    result.bottom =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{result.top} + height, INT32_MAX));
    return result;
}

PlacementRect sizeToRestore(const WindowPlacementRecord& stored, const PlacementRect& primary) {
    const int width = sideWithin(stored.left, stored.right, primary.width());
    const int height = sideWithin(stored.top, stored.bottom, primary.height());
    return {stored.left, stored.top,
            static_cast<int>(std::min<std::int64_t>(std::int64_t{stored.left} + width, INT32_MAX)),
            static_cast<int>(std::min<std::int64_t>(std::int64_t{stored.top} + height, INT32_MAX))};
}

} // namespace vz
