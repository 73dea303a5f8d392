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

TEST(PlacementFit, ARectangleLargerThanItsScreenIsCutToIt) {
    struct Case {
        PlacementRect stored, expected;
    };
    const Case cases[] = {
        // Wider and taller than the screen it starts on.
        {{0, 0, 3840, 1080}, {0, 0, 1280, 1000}},
        {{0, 0, 99999, 99999}, Primary},
        // Only the dimension that does not fit changes.
        {{100, 50, 1500, 500}, {0, 50, 1280, 500}},
        // Mostly on the second screen: stays there.
        {{1200, 100, 5000, 400}, {1280, 100, 2560, 400}},
        // Spans beyond what an int can count: no overflow.
        {{-2000000000, -2000000000, 2000000000, 2000000000}, Primary},
    };
    for (const Case& c : cases) {
        const PlacementRect fitted = fitToScreens(c.stored, {Primary, Second}, Primary);
        EXPECT_EQ(fitted, c.expected) << c.stored.left << "," << c.stored.top << " "
                                      << c.stored.width() << "x" << c.stored.height();
    }
}

} // namespace
} // namespace vz
