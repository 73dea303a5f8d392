// Where a restored window goes. A remembered rectangle may no longer suit the screens: a monitor
// was removed, the resolution dropped, or the stored value was edited by hand. The window then
// opens on the screen it overlaps most, shrunk to that screen's available area; a rectangle that
// lies on no screen any more is centred on the primary screen, keeping its size where it fits.
//
//     vz::PlacementRect r = vz::fitToScreens(stored, screens, primary);
#pragma once

#include <cstdint>
#include <vector>

namespace vz {

struct PlacementRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    // 64 bits: a hand-edited rectangle may span more than an int can count.
    std::int64_t width() const { return std::int64_t{right} - left; }
    std::int64_t height() const { return std::int64_t{bottom} - top; }
    bool operator==(const PlacementRect&) const = default;
};

bool overlaps(const PlacementRect& a, const PlacementRect& b);

// screens: the available areas of all screens; primary: the primary screen's available area.
// The result always has a positive size no larger than the screen it is placed on.
PlacementRect fitToScreens(const PlacementRect& stored, const std::vector<PlacementRect>& screens,
                           const PlacementRect& primary);

} // namespace vz
