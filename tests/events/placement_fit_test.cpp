#include "events/placement_fit.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const PlacementRect Primary{0, 0, 1280, 1000};
const PlacementRect Second{1280, 0, 2560, 1000};

TEST(PlacementFit, ARectangleOnAnyScreenStaysWhereItWas) {
    const PlacementRect onSecond{1500, 100, 2076, 526};
    EXPECT_EQ(fitToScreens(onSecond, {Primary, Second}, Primary), onSecond);
    const PlacementRect halfOff{-300, -100, 276, 326};
    EXPECT_EQ(fitToScreens(halfOff, {Primary}, Primary), halfOff);
}

TEST(PlacementFit, ALostRectangleIsCentredOnThePrimaryScreen) {
    const PlacementRect onRemoved{1500, 100, 2076, 526};
    EXPECT_EQ(fitToScreens(onRemoved, {Primary}, Primary), (PlacementRect{352, 287, 928, 713}));
    // Larger than the screen: shrunk to fit it.
    const PlacementRect huge{3000, 0, 6000, 3000};
    EXPECT_EQ(fitToScreens(huge, {Primary}, Primary), Primary);
    // Touching an edge is not overlapping.
    const PlacementRect touching{1280, 0, 1600, 200};
    EXPECT_NE(fitToScreens(touching, {Primary}, Primary), touching);
}

} // namespace
} // namespace vz
