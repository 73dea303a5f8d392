#include "widgets/spin_geometry.h"
#include "widgets/spin_repeat.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vz {
namespace {

// Runs a press held from 0 ms with a loop pass every millisecond and returns the step times.
std::vector<int> heldStepTimes(int untilMs, int acceleration = SpinRepeat::DefaultAcceleration) {
    SpinRepeat repeat(acceleration);
    repeat.press(TSpinState::Up, 0);
    std::vector<int> times;
    for (int now = 0; now <= untilMs; ++now)
        if (repeat.attempt(now))
            times.push_back(now);
    return times;
}

TEST(SpinRepeat, PausesShrinkUntilEveryPassSteps) {
    const auto times = heldStepTimes(2800);
    const std::vector<int> first{0, 501, 952, 1353, 1704, 2005, 2256, 2457, 2608, 2709, 2760};
    ASSERT_GE(times.size(), first.size() + 3);
    EXPECT_EQ(std::vector<int>(times.begin(), times.begin() + 11), first);
    // The eleventh pause is zero (the next step needs the clock to move on); after it every
    // pass steps.
    EXPECT_EQ(times[11], 2761);
    EXPECT_EQ(times[12], 2762);
    EXPECT_EQ(times[13], 2763);
}

TEST(SpinRepeat, OneSecondHeldGivesThreeSteps) {
    EXPECT_EQ(heldStepTimes(1000).size(), 3u);
    EXPECT_EQ(heldStepTimes(0).size(), 1u); // a short click steps once
}

TEST(SpinRepeat, NoAccelerationKeepsTheFirstPause) {
    const auto times = heldStepTimes(2100, 0);
    EXPECT_EQ(times, (std::vector<int>{0, 501, 1002, 1503, 2004}));
}

TEST(SpinRepeat, SlidingOffSuspendsAndOntoAnotherArrowChangesDirection) {
    SpinRepeat repeat;
    repeat.press(TSpinState::Up, 0);
    EXPECT_TRUE(repeat.attempt(0));
    EXPECT_TRUE(repeat.moveTo(TSpinState::Outside));
    EXPECT_FALSE(repeat.active());
    EXPECT_FALSE(repeat.attempt(5000)); // off the control: no steps however long
    EXPECT_FALSE(repeat.moveTo(TSpinState::Outside));
    EXPECT_TRUE(repeat.moveTo(TSpinState::Down));
    EXPECT_EQ(repeat.previousState(), TSpinState::Outside);
    EXPECT_TRUE(repeat.attempt(5001));
    EXPECT_EQ(repeat.state(), TSpinState::Down);
    EXPECT_TRUE(repeat.moveTo(TSpinState::Normal));
    EXPECT_FALSE(repeat.attempt(9000));
}

TEST(SpinRepeat, ReleaseEndsTheCycle) {
    SpinRepeat repeat;
    repeat.press(TSpinState::Right, 100);
    EXPECT_TRUE(repeat.attempt(100));
    repeat.release();
    EXPECT_EQ(repeat.state(), TSpinState::Normal);
    EXPECT_FALSE(repeat.pressed());
    EXPECT_FALSE(repeat.attempt(10'000));
    EXPECT_FALSE(repeat.moveTo(TSpinState::Left)); // moves without a press change nothing
}

TEST(SpinRepeat, PressOnNoArrowNeverSteps) {
    SpinRepeat repeat;
    repeat.press(TSpinState::Normal, 0);
    EXPECT_FALSE(repeat.attempt(1));
    EXPECT_TRUE(repeat.moveTo(TSpinState::Left));
    EXPECT_TRUE(repeat.attempt(2));
}

struct HitCase {
    TSpinOrientation orientation;
    int x, y;
    TSpinState expected;
};

TEST(SpinGeometry, TwoWayHalves) {
    const HitCase cases[] = {
        {TSpinOrientation::soVertical, 7, 0, TSpinState::Up},
        {TSpinOrientation::soVertical, 7, 12, TSpinState::Up},
        {TSpinOrientation::soVertical, 7, 13, TSpinState::Down},
        {TSpinOrientation::soVertical, 0, 24, TSpinState::Down},
        {TSpinOrientation::soVertical, 7, 25, TSpinState::Outside},
        {TSpinOrientation::soVertical, -1, 5, TSpinState::Outside},
        {TSpinOrientation::soHorizontal, 7, 5, TSpinState::Left},
        {TSpinOrientation::soHorizontal, 8, 5, TSpinState::Right},
        {TSpinOrientation::soHorizontal, 15, 5, TSpinState::Outside},
    };
    for (const auto& c : cases)
        EXPECT_EQ(twoWayHitTest(c.orientation, 15, 25, c.x, c.y), c.expected) << c.x << "," << c.y;
    const auto halves = twoWayHalves(TSpinOrientation::soVertical, 15, 25);
    EXPECT_EQ(halves[0], (SpinRect{0, 0, 15, 13}));
    EXPECT_EQ(halves[1], (SpinRect{0, 13, 15, 12}));
}

TEST(SpinGeometry, FourWayTriangles) {
    const HitCase cases[] = {{{}, 12, 2, TSpinState::Up},      {{}, 12, 22, TSpinState::Down},
                             {{}, 2, 12, TSpinState::Left},    {{}, 22, 12, TSpinState::Right},
                             {{}, 0, 0, TSpinState::Up},       {{}, 0, 3, TSpinState::Left},
                             {{}, 25, 3, TSpinState::Outside}, {{}, 3, -1, TSpinState::Outside}};
    for (const auto& c : cases)
        EXPECT_EQ(fourWayHitTest(25, 25, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(SpinGeometry, FourWayCoversEveryPixelSymmetrically) {
    for (int size : {25, 24, 9}) {
        int counts[6] = {};
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ++counts[static_cast<int>(fourWayHitTest(size, size, x, y))];
        EXPECT_EQ(counts[0] + counts[1], 0) << size;
        EXPECT_EQ(counts[2] + counts[3] + counts[4] + counts[5], size * size);
        // Each arrow gets about a quarter; ties on the diagonals shift a row at most.
        for (int state = 2; state <= 5; ++state)
            EXPECT_NEAR(counts[state], size * size / 4, 2 * size) << size << " " << state;
    }
}

TEST(SpinGeometry, ArrowGlyphs) {
    // An even base is made odd; the glyph widens by two pixels a row from its tip.
    const auto up = arrowSpans(7, 6, 6, TSpinState::Up);
    ASSERT_EQ(up.size(), 4u);
    EXPECT_EQ(up.front(), (SpinSpan{7, 4, 7, 4}));
    EXPECT_EQ(up.back(), (SpinSpan{4, 7, 10, 7}));
    const auto down = arrowSpans(7, 6, 7, TSpinState::Down);
    EXPECT_EQ(down.front(), (SpinSpan{4, 4, 10, 4}));
    EXPECT_EQ(down.back(), (SpinSpan{7, 7, 7, 7}));
    const auto right = arrowSpans(10, 10, 5, TSpinState::Right);
    ASSERT_EQ(right.size(), 3u);
    EXPECT_EQ(right.front(), (SpinSpan{9, 8, 9, 12}));
    EXPECT_EQ(right.back(), (SpinSpan{11, 10, 11, 10}));
    EXPECT_TRUE(arrowSpans(5, 5, 0, TSpinState::Up).empty());
    EXPECT_TRUE(arrowSpans(5, 5, 5, TSpinState::Normal).empty());
    // A 15 x 13 half: base 13 div 2 = 6, made 7; centred on the half.
    const auto half = halfArrowSpans({0, 0, 15, 13}, TSpinState::Up);
    ASSERT_EQ(half.size(), 4u);
    EXPECT_EQ(half.back(), (SpinSpan{4, 7, 10, 7}));
}

TEST(SpinGeometry, InsetTriangleStaysInsideAndDegenerateCollapses) {
    const auto t = fourWayTriangles(25, 25)[0];
    const auto inset = insetTriangle(t, 1.5);
    for (const auto& p : inset) {
        EXPECT_GT(p.y, 0.9);
        EXPECT_LT(p.y, 12.0);
        EXPECT_GT(p.x, 0.5);
        EXPECT_LT(p.x, 24.5);
    }
    const auto flat = insetTriangle({SpinPoint{0, 0}, SpinPoint{4, 0}, SpinPoint{8, 0}}, 1);
    EXPECT_DOUBLE_EQ(flat[0].x, flat[2].x);
}

TEST(SpinGeometry, PlacingBesideTheAttachedControl) {
    const SpinRect edTime{104, 96, 130, 25};
    const SpinRect own{0, 0, 25, 20};
    struct Case {
        TPosition position;
        SpinRect expected;
    } cases[] = {
        {TPosition::scRight, {235, 96, 25, 25}},
        {TPosition::scLeft, {78, 96, 25, 25}},
        {TPosition::scTop, {104, 75, 130, 20}},
        {TPosition::scBottom, {104, 122, 130, 20}},
    };
    for (const auto& c : cases) {
        const SpinRect placed = placeBeside(c.position, edTime, own, 1);
        EXPECT_EQ(placed, c.expected) << static_cast<int>(c.position);
        // Two-way attachment puts the control back where it was.
        EXPECT_EQ(placeControlBeside(c.position, placed, edTime, 1), edTime)
            << static_cast<int>(c.position);
    }
}

} // namespace
} // namespace vz
