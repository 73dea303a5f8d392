#include "events/placement_fit.h"

#include <algorithm>

namespace vz {

namespace {

std::int64_t overlapArea(const PlacementRect& a, const PlacementRect& b) {
    if (!overlaps(a, b))
        return 0;
    const std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w * h;
}

// One dimension of the fitted rectangle: a span longer than the screen's is cut to it and starts
// where the screen starts; a span that fits stays where it was.
void fitSpan(int start, std::int64_t length, int screenStart, std::int64_t screenLength,
             int& outStart, int& outEnd) {
    if (length > screenLength) {
        outStart = screenStart;
        outEnd = static_cast<int>(screenStart + screenLength);
    } else {
        outStart = start;
        outEnd = static_cast<int>(start + length);
    }
}

} // namespace

bool overlaps(const PlacementRect& a, const PlacementRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PlacementRect fitToScreens(const PlacementRect& stored, const std::vector<PlacementRect>& screens,
                           const PlacementRect& primary) {
    const PlacementRect* best = nullptr;
    std::int64_t bestArea = 0;
    for (const PlacementRect& screen : screens) {
        const std::int64_t area = overlapArea(stored, screen);
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    PlacementRect fitted;
    if (best) {
        fitSpan(stored.left, stored.width(), best->left, best->width(), fitted.left, fitted.right);
        fitSpan(stored.top, stored.height(), best->top, best->height(), fitted.top, fitted.bottom);
        return fitted;
    }
    const std::int64_t width = std::min(stored.width(), primary.width());
    const std::int64_t height = std::min(stored.height(), primary.height());
    fitted.left = static_cast<int>(primary.left + (primary.width() - width) / 2);
    fitted.top = static_cast<int>(primary.top + (primary.height() - height) / 2);
    fitted.right = static_cast<int>(fitted.left + width);
    fitted.bottom = static_cast<int>(fitted.top + height);
    return fitted;
}

} // namespace vz
