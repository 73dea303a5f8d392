// Where a restored window goes when its remembered rectangle lies on no screen any more (a
// monitor was removed): centred on the primary screen, keeping its size, shrunk to fit.
//
//     vz::PlacementRect r = vz::fitToScreens(stored, screens, primary);
#pragma once

#include <vector>

namespace vz {

struct PlacementRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PlacementRect&) const = default;
};

bool overlaps(const PlacementRect& a, const PlacementRect& b);

// screens: the available areas of all screens; primary: the primary screen's available area.
PlacementRect fitToScreens(const PlacementRect& stored, const std::vector<PlacementRect>& screens,
                           const PlacementRect& primary);

} // namespace vz
