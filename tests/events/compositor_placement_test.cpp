#include "events/compositor_placement.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const PlacementRect Primary{0, 0, 1280, 1000};

WindowPlacementRecord record(int showCmd, int left, int top, int right, int bottom) {
    WindowPlacementRecord r;
    r.showCmd = showCmd;
    r.minX = r.minY = r.maxX = r.maxY = -1;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

TEST(CompositorPlacement, TheStoredPositionStaysAndTheSizeAndStateAreTheWindows) {
    // The compositor reports every window at 0, 0.
    const WindowPlacementRecord current = record(ShowMaximized, 0, 0, 700, 500);
    const WindowPlacementRecord stored = record(ShowNormal, 100, 120, 668, 519);
    EXPECT_EQ(keepStoredPosition(current, stored, Primary),
              record(ShowMaximized, 100, 120, 800, 620));
}

TEST(CompositorPlacement, WithNothingStoredTheWindowIsCentredNotPutInTheCorner) {
    const WindowPlacementRecord current = record(ShowNormal, 0, 0, 568, 399);
    for (const WindowPlacementRecord& stored :
         {WindowPlacementRecord{}, record(ShowNormal, 50, 50, 50, 300)}) // absent, no width
        EXPECT_EQ(keepStoredPosition(current, stored, Primary),
                  record(ShowNormal, 356, 300, 924, 699));
    // Larger than the screen: at its corner rather than above or left of it.
    const PlacementRect second{1280, 0, 1680, 300};
    EXPECT_EQ(keepStoredPosition(current, {}, second), record(ShowNormal, 1280, 0, 1848, 399));
}

TEST(CompositorPlacement, TheRestoredSizeFitsThePrimaryScreen) {
    EXPECT_EQ(sizeToRestore(record(ShowNormal, 100, 120, 668, 519), Primary),
              (PlacementRect{100, 120, 668, 519}));
    EXPECT_EQ(sizeToRestore(record(ShowNormal, -5000, 10, 5000, 3010), Primary),
              (PlacementRect{-5000, 10, -3720, 1010}));
}

} // namespace
} // namespace vz
